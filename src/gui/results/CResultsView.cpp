#include "gui/results/CResultsView.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "gui/results/PieFilling.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>

#include <algorithm>

namespace {
// Where a layered level's nine rows and the chart settings stand, and where they go for
// more rows: 20 rows at 20 pixels fill a longer, wider table (room for a tree's full names),
// and the settings move under a shorter chart beside it.
constexpr QRect ChartPlace(120, 84, 500, 450);
constexpr QRect ShortChartPlace(10, 84, 500, 320);
constexpr QRect TablePlace(632, 84, 299, 450);
constexpr QRect LongTablePlace(522, 84, 409, 462);
constexpr QRect WideNameCell(546, 0, 256, 0);
// A mark of the slice's colour before each of a tree's rows: the pie cannot label them all.
constexpr QRect ColourMarkCell(530, 0, 10, 10);
constexpr QRect WideValueCell(812, 0, 100, 0);
constexpr QPoint NameCaptionPlace(666, 120);
constexpr QPoint PriorityCaptionPlace(818, 120);
constexpr int RowStep = 23;
constexpr int CloseRowStep = 20;
constexpr int RowHeight = 20;
constexpr int CloseRowHeight = 18;

// Hidden until the results are shown.
QLabel* MakeHiddenBoldLabel(QWidget* parent, const char* name, const QString& text, QPoint at, int pixelSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    StyleBoldLabel(label, pixelSize);
    label->move(at);
    label->hide();
    return label;
}

QLabel* MakeSettingLabel(QWidget* parent, const char* name, const QString& text, int row)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->adjustSize();
    label->move(640, 397 + 27 * row);
    label->hide();
    return label;
}

QScrollBar* MakeSettingBar(QWidget* parent, const char* name, int row, int minimum, int maximum, int position)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(808, 395 + 27 * row, 116, 17);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->hide();
    return bar;
}
} // namespace

CResultsView::CResultsView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ResultsView"));
    QFont viewFont = font();
    viewFont.setPixelSize(11);
    setFont(viewFont);
    resize(945, 550);

    bvInfoTable = new QFrame(this);
    bvInfoTable->setObjectName(QStringLiteral("bvInfoTable"));
    bvInfoTable->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bvInfoTable->setGeometry(632, 84, 299, 450);
    bvInfoTable->hide();
    lbTitleInfoTable = MakeHiddenBoldLabel(this, "lbTitleInfoTable", tr("Итоговый результат"), QPoint(421, 29), 19);
    lbNameObject = MakeHiddenBoldLabel(this, "lbNameObject", tr("Альтернатива"), QPoint(666, 120), 15);
    lbPriorityValue = MakeHiddenBoldLabel(this, "lbPriorityValue", tr("Приоритет"), QPoint(818, 120), 15);
    lbChartTools = MakeHiddenBoldLabel(this, "lbChartTools", tr("Настройки диаграммы"), QPoint(714, 372), 11);

    srPieSeries = new QPieSeries();
    srPieSeries->setObjectName(QStringLiteral("srPieSeries"));
    chPriorityChart = MakePieChartView(this, srPieSeries, 0);
    chPriorityChart->chart()->setMargins(QMargins(5, 0, 5, 0));
    chPriorityChart->setObjectName(QStringLiteral("chPriorityChart"));
    chPriorityChart->setFrameStyle(QFrame::Panel | QFrame::Raised);
    chPriorityChart->setGeometry(120, 84, 500, 450);
    chPriorityChart->hide();

    lbRotation = MakeSettingLabel(this, "lbRotation", tr("Повернуть диаграмму:"), 0);
    sbRotation = MakeSettingBar(this, "sbRotation", 0, 0, 360, 0);
    sbRotation->setPageStep(5);
    lbZoon = MakeSettingLabel(this, "lbZoon", tr("Увеличить диаграмму:"), 1);
    sbZoom = MakeSettingBar(this, "sbZoom", 1, 100, 200, 124);
    sbZoom->setPageStep(5);
    lbBiggest = MakeSettingLabel(this, "lbBiggest", tr("Выделить наибольшую:"), 2);
    sbBiggest = MakeSettingBar(this, "sbBiggest", 2, 0, 50, 5);
    lbHorOffset = MakeSettingLabel(this, "lbHorOffset", tr("Смещение по горизонтали:"), 3);
    sbHorOffset = MakeSettingBar(this, "sbHorOffset", 3, -100, 100, 0);
    lbVerOffset = MakeSettingLabel(this, "lbVerOffset", tr("Смещение по вертикали:"), 4);
    sbVerOffset = MakeSettingBar(this, "sbVerOffset", 4, -100, 100, 0);
    // Each bar is named for a screen reader by the caption before it.
    lbRotation->setBuddy(sbRotation);
    lbZoon->setBuddy(sbZoom);
    lbBiggest->setBuddy(sbBiggest);
    lbHorOffset->setBuddy(sbHorOffset);
    lbVerOffset->setBuddy(sbVerOffset);
    connect(sbRotation, &QScrollBar::valueChanged, this, &CResultsView::sbRotationChange);
    connect(sbZoom, &QScrollBar::valueChanged, this, &CResultsView::sbZoomChange);
    connect(sbBiggest, &QScrollBar::valueChanged, this, &CResultsView::sbBiggestChange);
    connect(sbHorOffset, &QScrollBar::valueChanged, this, &CResultsView::sbHorOffsetChange);
    connect(sbVerOffset, &QScrollBar::valueChanged, this, &CResultsView::sbVerOffsetChange);
    // The room for the labels is known once the chart has laid out its plot area.
    connect(chPriorityChart->chart(), &QChart::plotAreaChanged, this, &CResultsView::FitPie);
    // A label cut short to fit: the slice under the mouse names itself whole.
    connect(srPieSeries, &QPieSeries::hovered, this,
        [this](QPieSlice* slice, bool over) { chPriorityChart->setToolTip(over ? SliceName(slice) : QString()); });
    sbRotationChange(sbRotation->value());
    FitPie();

    for (std::uint32_t i = 0; i < MaxAlternatives; ++i) {
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("ResultNameLabel_%1").arg(i));
        StyleStaticText(name, false);
        NameLabels[i] = name;
        auto* value = new QLabel(this);
        value->setObjectName(QStringLiteral("ResultValueLabel_%1").arg(i));
        StyleStaticText(value, false);
        ValueLabels[i] = value;
        auto* mark = new QFrame(this);
        mark->setObjectName(QStringLiteral("ResultColourMark_%1").arg(i));
        mark->setFrameStyle(QFrame::Box | QFrame::Plain);
        mark->setAutoFillBackground(true);
        ColourMarks[i] = mark;
        // Only a tree's alternatives need the rows beyond a layered level's.
        name->setVisible(false);
        value->setVisible(false);
        mark->setVisible(false);
    }
    PlaceControls(MaxElementsPerLevel);
    hide();
}

CResultsView::~CResultsView() = default;

std::array<QLabel*, MaxElementsPerLevel> CResultsView::ResultNameLabels() const
{
    std::array<QLabel*, MaxElementsPerLevel> labels{};
    std::copy_n(NameLabels.begin(), MaxElementsPerLevel, labels.begin());
    return labels;
}

std::array<QLabel*, MaxElementsPerLevel> CResultsView::ResultValueLabels() const
{
    std::array<QLabel*, MaxElementsPerLevel> labels{};
    std::copy_n(ValueLabels.begin(), MaxElementsPerLevel, labels.begin());
    return labels;
}

void CResultsView::PlaceControls(std::uint32_t rows)
{
    const bool close = rows > MaxElementsPerLevel;
    PlacedRows = rows;
    const int step = close ? CloseRowStep : RowStep;
    const int height = close ? CloseRowHeight : RowHeight;
    lbNameObject->move(
        close ? WideNameCell.center().x() - lbNameObject->width() / 2 : NameCaptionPlace.x(), NameCaptionPlace.y());
    lbPriorityValue->move(close ? WideValueCell.center().x() - lbPriorityValue->width() / 2 : PriorityCaptionPlace.x(),
        PriorityCaptionPlace.y());
    for (std::uint32_t i = 0; i < MaxAlternatives; ++i) {
        const int offset = 20 + step * static_cast<int>(i);
        if (close) {
            ColourMarks[i]->setGeometry(ColourMarkCell.translated(0, lbNameObject->y() + offset + (height - 10) / 2));
            NameLabels[i]->setGeometry(WideNameCell.x(), lbNameObject->y() + offset, WideNameCell.width(), height);
            ValueLabels[i]->setGeometry(
                WideValueCell.x(), lbPriorityValue->y() + offset, WideValueCell.width(), height);
        } else {
            NameLabels[i]->setGeometry(lbNameObject->x() - 6, lbNameObject->y() + offset, 120, height);
            ValueLabels[i]->setGeometry(lbPriorityValue->x() + 1, lbPriorityValue->y() + offset, 80, height);
        }
    }
    bvInfoTable->setGeometry(close ? LongTablePlace : TablePlace);
    chPriorityChart->setGeometry(close ? ShortChartPlace : ChartPlace);
    const std::pair<QLabel*, QScrollBar*> settings[] = {{lbRotation, sbRotation}, {lbZoon, sbZoom},
        {lbBiggest, sbBiggest}, {lbHorOffset, sbHorOffset}, {lbVerOffset, sbVerOffset}};
    if (!close) {
        lbChartTools->move(714, 372);
        for (int row = 0; row < 5; ++row) {
            settings[row].first->move(640, 397 + 27 * row);
            settings[row].second->setGeometry(808, 395 + 27 * row, 116, 17);
        }
        return;
    }
    const int left = ShortChartPlace.left() + 30;
    const int top = ShortChartPlace.bottom() + 8;
    lbChartTools->move(ShortChartPlace.center().x() - lbChartTools->width() / 2, top);
    int labels = 0;
    for (const auto& [label, bar] : settings) {
        labels = std::max(labels, label->width());
    }
    for (int row = 0; row < 5; ++row) {
        const int y = top + 22 + 22 * row;
        settings[row].first->move(left, y + 2);
        settings[row].second->setGeometry(left + labels + 16, y, ShortChartPlace.right() - left - labels - 46, 17);
    }
}

void CResultsView::ShowHierarchyResults(
    const CHierarchy& hierarchy, const CHierarchyResults& results, bool show, ESynthesisMode mode)
{
    const CResultList ranking = HierarchyFinalResults(hierarchy, results, mode);
    PlaceControls(ranking.Count);
    ShowRanking(ranking, ranking.Count, show, true, mode);
}

void CResultsView::ShowResultsView(
    const CUserProjectModel& project, const CProjectResults& results, bool show, ESynthesisMode mode)
{
    ShowRanking(FinalResults(project, results, mode), project.LastLevelCount(), show, false, mode);
}

void CResultsView::ShowRanking(
    const CResultList& ranking, std::uint32_t shown, bool show, bool hideRest, ESynthesisMode mode)
{
    const std::uint32_t m = shown;
    for (QWidget* widget : std::initializer_list<QWidget*>{chPriorityChart, bvInfoTable, lbNameObject, lbPriorityValue,
             lbTitleInfoTable, lbChartTools, lbRotation, lbBiggest, lbZoon, lbHorOffset, lbVerOffset, sbHorOffset,
             sbVerOffset, sbBiggest, sbZoom, sbRotation}) {
        widget->setVisible(show);
    }
    for (std::uint32_t i = 0; i < MaxAlternatives; ++i) {
        ColourMarks[i]->setVisible(show && i < m && PlacedRows > MaxElementsPerLevel);
        if (i < m) {
            NameLabels[i]->setVisible(show);
            ValueLabels[i]->setVisible(show);
        } else if (hideRest) {
            NameLabels[i]->hide();
            ValueLabels[i]->hide();
        }
    }
    FillRanking(ranking, mode);
    setVisible(show);
    if (show) {
        raise();
    }
}

void CResultsView::ShowAgain(const CUserProjectModel& project, const CProjectResults& results, ESynthesisMode mode)
{
    // Rows of alternatives that are gone are hidden first; showing shows the others.
    for (std::uint32_t i = project.LastLevelCount(); i < MaxElementsPerLevel; ++i) {
        NameLabels[i]->hide();
        ValueLabels[i]->hide();
    }
    ShowResultsView(project, results, true, mode);
}

void CResultsView::FillResults(const CUserProjectModel& project, const CProjectResults& results, ESynthesisMode mode)
{
    FillRanking(FinalResults(project, results, mode), mode);
}

void CResultsView::FillRanking(const CResultList& ranking, ESynthesisMode mode)
{
    // The caption names the ideal synthesis, kept centred where the plain caption stands.
    const int centre = lbTitleInfoTable->x() + lbTitleInfoTable->width() / 2;
    lbTitleInfoTable->setText(QString::fromStdString(ResultsTitle(mode)));
    lbTitleInfoTable->adjustSize();
    lbTitleInfoTable->move(std::max(0, centre - lbTitleInfoTable->width() / 2), lbTitleInfoTable->y());
    for (std::uint32_t i = 0; i < ranking.Count; ++i) {
        SetFittedText(NameLabels[i], QString::fromStdString(ranking.Rows[i].Name));
        ValueLabels[i]->setText(TruncatedText(ranking.Rows[i].Value, 4));
        QPalette palette = ColourMarks[i]->palette();
        palette.setColor(QPalette::Window, ToQColor(ranking.Rows[i].Colour));
        ColourMarks[i]->setPalette(palette);
    }
    FillPie(srPieSeries, ranking);
    sbBiggestChange(sbBiggest->value());
}

void CResultsView::FitPie()
{
    FitPieToItsLabels(chPriorityChart, srPieSeries, PieSizePerZoom * sbZoom->value(), sbBiggest->value() / 100.0,
        sbHorOffset->value(), sbVerOffset->value());
}

void CResultsView::sbRotationChange(int position)
{
    srPieSeries->setPieStartAngle(position);
    srPieSeries->setPieEndAngle(position + 360);
    // The labels come round with the slices: crowded ones may run into others now.
    HideCrowdedLabels(chPriorityChart, srPieSeries);
}

void CResultsView::sbZoomChange(int /*position*/)
{
    FitPie();
}

void CResultsView::sbBiggestChange(int position)
{
    const QList<QPieSlice*> slices = srPieSeries->slices();
    QPieSlice* biggest = nullptr;
    for (QPieSlice* slice : slices) {
        slice->setExploded(false);
        if (biggest == nullptr || slice->value() > biggest->value()) {
            biggest = slice;
        }
    }
    if (biggest != nullptr && position > 0) {
        biggest->setExploded(true);
        biggest->setExplodeDistanceFactor(position / 100.0);
    }
    // A slice pulled further out carries its label further out.
    FitPie();
}

void CResultsView::sbHorOffsetChange(int /*position*/)
{
    FitPie();
}

void CResultsView::sbVerOffsetChange(int /*position*/)
{
    FitPie();
}
