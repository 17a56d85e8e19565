#pragma once

// Shared by the judging and results GUI tests: driving real modal windows from a
// zero-delay timer, choosing scale lines with the mouse, and grabbing windows.

#include "core/judgement/ExpertScaleTable.h"
#include "gui/judgement/CExpertTable_Element.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/results/CAbsouteMatrixTable_Element.h"
#include "gui/results/TfmAbsoluteMatrix.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "GuiTestHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace judgetest {

template <typename T> void WhenModal(std::function<void(T*)> action)
{
    WhenModalOfType<T>(std::move(action));
}

// Selects a line of the scale with the mouse and accepts it with "Да" or by double-click.
inline void ChooseScaleLine(TfmExpertScale* scale, int line, bool byDoubleClick)
{
    QListWidget* list = scale->lbExpertScale;
    const QRect rect = list->visualItemRect(list->item(line));
    if (byDoubleClick) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    } else {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseClick(scale->btOk, Qt::LeftButton);
    }
}

// Double-clicks cell [r][c] of the open comparison window and picks value on the real scale.
inline void JudgeCell(
    TfmExpertForm* form, std::uint32_t r, std::uint32_t c, std::int32_t value, bool byDoubleClick = false)
{
    WhenModal<TfmExpertScale>([value, byDoubleClick](TfmExpertScale* scale) {
        ChooseScaleLine(scale, ScaleValueToLine(value), byDoubleClick);
    });
    QTest::mouseDClick(form->Cells[r][c], Qt::LeftButton);
}

// The run-long windows the judging needs, made for one test and released after it.
struct CJudgeWindows {
    std::unique_ptr<TfmExpertForm> ExpertForm = std::make_unique<TfmExpertForm>();
    std::unique_ptr<TfmExpertScale> ExpertScale = std::make_unique<TfmExpertScale>();
    std::unique_ptr<TfmAbsoluteMatrix> AbsoluteMatrix = std::make_unique<TfmAbsoluteMatrix>();

    CJudgeWindows() { ExpertForm->SetPartnerWindows(ExpertScale.get(), AbsoluteMatrix.get()); }
    CJudgeWindows(const CJudgeWindows&) = delete;
    CJudgeWindows& operator=(const CJudgeWindows&) = delete;
    ~CJudgeWindows()
    {
        // The research window may have been given the comparison window as parent.
        AbsoluteMatrix.reset();
    }
};

// Every visible child lies inside the window, and no two visible controls
// overlap (plain frames group controls and are left out).
inline void ExpectTidyLayout(const QWidget* window)
{
    // A table that holds its cells as one control (the research window's deviations) is
    // looked into: its cells are laid out among the window's controls.
    std::vector<const QWidget*> controls;
    std::vector<const QObject*> children(window->children().begin(), window->children().end());
    for (std::size_t k = 0; k < children.size(); ++k) {
        const auto* child = qobject_cast<const QWidget*>(children[k]);
        if (child == nullptr || !child->isVisibleTo(window) || child->isWindow()) {
            continue;
        }
        const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
        EXPECT_TRUE(window->rect().contains(place))
            << child->objectName().toStdString() << " is cut off by " << window->objectName().toStdString();
        if (QByteArray(child->metaObject()->className()) == "CDeviationGrid") {
            children.insert(children.end(), child->children().begin(), child->children().end());
        } else if (QByteArray(child->metaObject()->className()) != "QFrame") {
            controls.push_back(child);
        }
    }
    const auto placed
        = [window](const QWidget* control) { return QRect(control->mapTo(window, QPoint(0, 0)), control->size()); };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(placed(controls[i]).intersects(placed(controls[j])))
                << controls[i]->objectName().toStdString() << " overlaps " << controls[j]->objectName().toStdString();
        }
    }
}

// Grabs a window to a PNG in the grab folder (TESSALY_GRAB_DIR, or the temporary folder).
inline QImage GrabToPng(QWidget* window, const QString& name)
{
    QString folder = qEnvironmentVariable("TESSALY_GRAB_DIR");
    if (folder.isEmpty()) {
        folder = QDir::tempPath() + QStringLiteral("/tessaly-grabs");
    }
    QDir().mkpath(folder);
    const QImage image = window->grab().toImage();
    EXPECT_EQ(image.size(), window->size());
    EXPECT_TRUE(image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    return image;
}

// Whether some pixel of the area has exactly this colour.
inline bool AreaHasColour(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.rect().contains(x, y) && image.pixelColor(x, y).rgb() == colour.rgb()) {
                return true;
            }
        }
    }
    return false;
}

// The texts of a pie chart's visible slice labels, each checked to lie whole inside the
// chart's plot area (the chart elides or drops a label that does not).
inline QStringList WholeSliceLabels(QChartView* view, const std::string& context)
{
    QChart* chart = view->chart();
    const QRectF plot = chart->mapRectToScene(chart->plotArea());
    QStringList shown;
    for (QGraphicsItem* item : view->scene()->items()) {
        auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty()) {
            continue;
        }
        shown << text->toPlainText();
        EXPECT_TRUE(plot.contains(text->sceneBoundingRect())) << text->toPlainText().toStdString() << " " << context;
    }
    shown.sort();
    return shown;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace judgetest
