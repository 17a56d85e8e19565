// The research window beside the comparison window on a 1024 x 768 screen, for every
// order the comparison window takes: this program runs on such a screen of its own.
#include "JudgeTestSupport.h"
#include "support/ModelEdits.h"

#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace judgetest;

namespace {
// The widget's place on the screen.
QRect OnScreen(const QWidget* widget)
{
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

TEST(ResearchPlacement, BesideTheComparisonWindowForEveryOrderAt1024x768)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(1024, 768));
    for (std::uint32_t n = 2; n <= 9; ++n) {
        SCOPED_TRACE(n);
        CJudgeWindows windows;
        CProjectDocument document;
        CUserProjectModel& project = EditableModel(document);
        project.BuildNewHierarchy(n, 3, "ВЫБОР", "");
        // Judgements running round in circles (0 > 1, 2 > 0, 1 > 2 ...): far from
        // acceptable, so the window lists its suggestions and is as tall as it gets.
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = i + 1; j < n; ++j) {
                SetPair(project, 0, 0, i, j, (j - i) % 2 == 1 ? 7 : -7);
            }
        }
        // The frame maximised, as it starts.
        QWidget main;
        main.setGeometry(screen);
        WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
            QTest::mouseClick(form->btResearch, Qt::LeftButton);
            TfmAbsoluteMatrix* research = windows.AbsoluteMatrix.get();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(research));
            const QRect placed = research->frameGeometry();
            EXPECT_TRUE(screen.contains(placed))
                << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
            EXPECT_TRUE(screen.contains(form->frameGeometry()));
            // Nothing of what the comparison window shows and takes is under it.
            std::vector<const QWidget*> covered{form->lbPriority, form->lbOwnerValue, form->stOwnerValue, form->lbIS,
                form->stIS, form->lbOS, form->stOS, form->btApply, form->btOk, form->btCancel, form->btResearch};
            for (std::uint32_t r = 0; r < n; ++r) {
                covered.push_back(form->RowNameLabels[r]);
                covered.push_back(form->PriorityLabels[r]);
                for (std::uint32_t c = 0; c < n; ++c) {
                    covered.push_back(form->Cells[r][c]);
                }
            }
            for (const QWidget* control : covered) {
                EXPECT_FALSE(placed.intersects(OnScreen(control))) << control->objectName().toStdString();
            }
            // The described width wherever it fits beside; narrower only where it does not.
            // The memo's right edge plus 30 when it reaches past the sums' plus 20.
            const int sumRight = static_cast<int>(n) * 40 + 170 + 55;
            const int described = 25 + 321 > sumRight + 20 ? 25 + 321 + 30 : sumRight + 20;
            const int frame = placed.width() - research->width();
            const bool fits = form->frameGeometry().width() + 8 + described + frame <= screen.width();
            if (fits) {
                EXPECT_EQ(research->width(), described);
            } else {
                EXPECT_LT(research->width(), described);
            }
            EXPECT_EQ(research->height(), research->btClose->y() + 60);
            ExpectTidyLayout(research);
            // Every figure and name whole in its cell, in whatever type it needed.
            for (std::uint32_t i = 0; i < n; ++i) {
                for (const QLabel* cell : {static_cast<const QLabel*>(research->RowHeaders[i]),
                         static_cast<const QLabel*>(research->RowSums[i]),
                         static_cast<const QLabel*>(research->DeviationCells[i][(i + 1) % n])}) {
                    EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->contentsRect().width())
                        << cell->objectName().toStdString();
                }
            }
            if (n >= 8) {
                // Both windows as the screen shows them, to look at.
                QImage shot(screen.size(), QImage::Format_RGB32);
                shot.fill(Qt::darkGray);
                QPainter painter(&shot);
                painter.drawImage(form->geometry().topLeft(), form->grab().toImage());
                painter.drawImage(research->geometry().topLeft(), research->grab().toImage());
                painter.end();
                const QString folder = QDir::tempPath() + QStringLiteral("/tessaly-grabs");
                QDir().mkpath(folder);
                EXPECT_TRUE(shot.save(folder + QStringLiteral("/Research_beside_n%1_1024x768.png").arg(n)));
            }
            QTest::mouseClick(form->btOk, Qt::LeftButton);
        });
        windows.ExpertForm->JudgeElement(document, 0, 0, &main);
    }
}
// Opened on consistent judgements of three elements, the window is short; a cycle typed
// before "Применить" brings a verdict and suggestions with the live refresh and makes it
// taller: it stays whole on the screen, and Escape closes it.
TEST(ResearchPlacement, GrowingWithTheLiveRefreshItStaysOnTheScreenAndEscapeClosesIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    CJudgeWindows windows;
    CProjectDocument document;
    CUserProjectModel& project = EditableModel(document);
    project.BuildNewHierarchy(3, 3, "ВЫБОР", "");
    SetPair(project, 0, 0, 0, 1, 2);
    SetPair(project, 0, 0, 0, 2, 4);
    SetPair(project, 0, 0, 1, 2, 2);
    QWidget main;
    main.setGeometry(screen);
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        TfmAbsoluteMatrix* research = windows.AbsoluteMatrix.get();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(research));
        const int openedHeight = research->height();
        // 1 > 2 by 9, 3 > 1 by 9, 2 > 3 by 9, typed into the comparison window.
        for (const char ch : std::string("9/99")) {
            QTest::keyClick(form, ch);
        }
        EXPECT_GT(research->height(), openedHeight + 60);
        const QRect placed = research->frameGeometry();
        EXPECT_TRUE(screen.contains(placed))
            << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
        EXPECT_TRUE(screen.contains(OnScreen(research->btClose)));
        EXPECT_TRUE(screen.contains(form->frameGeometry()));
        EXPECT_FALSE(placed.intersects(form->frameGeometry()));
        {
            QImage shot(screen.size(), QImage::Format_RGB32);
            shot.fill(Qt::darkGray);
            QPainter painter(&shot);
            painter.drawImage(form->geometry().topLeft(), form->grab().toImage());
            painter.drawImage(research->geometry().topLeft(), research->grab().toImage());
            painter.end();
            const QString folder = QDir::tempPath() + QStringLiteral("/tessaly-grabs");
            QDir().mkpath(folder);
            EXPECT_TRUE(shot.save(folder + QStringLiteral("/Research_grown_n3_1024x768.png")));
        }
        research->TakeKeyboard();
        QWidget* keyboard = research->focusWidget();
        QTest::keyClick(keyboard != nullptr ? keyboard : research, Qt::Key_Escape);
        EXPECT_FALSE(research->isVisible());
        EXPECT_TRUE(form->btResearch->isEnabled());
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    windows.ExpertForm->JudgeElement(document, 0, 0, &main);
}
} // namespace

// One screen of 1024 x 768 for this program, whatever platform the caller chose
// (ctest names the offscreen one): the offscreen platform reads its screens from a file.
int main(int argc, char* argv[])
{
    const QString config = QDir::tempPath() + QStringLiteral("/tessaly-screen-%1.json").arg(::getpid());
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(R"({"screens": [{"name": "1024x768", "x": 0, "y": 0, "width": 1024, "height": 768}]})") < 0) {
        return EXIT_FAILURE;
    }
    file.close();
    setenv("QT_QPA_PLATFORM", (QStringLiteral("offscreen:configfile=") + config).toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    QFile::remove(config); // read when the platform started
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
