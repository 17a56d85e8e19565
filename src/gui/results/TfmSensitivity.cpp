#include "gui/results/TfmSensitivity.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/MiddleLevels.h"
#include "core/results/CWeightMoves.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "gui/results/CSensitivityBars.h"
#include "gui/results/CSensitivityGradient.h"
#include "gui/results/DialogButtons.h"
#include "gui/widgets/AccessibleCells.h"
#include "gui/widgets/WidgetStyle.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {
constexpr int NameColumnWidth = 170;
constexpr int ValueColumnWidth = 56;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Numbered(std::uint32_t position, const QString& name)
{
    return QString::number(position + 1) + QStringLiteral(". ") + name;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// The shown text cut to a width (in bold, as the chosen element is shown), the whole of
// it as the hint.
void SetElidedText(QLabel* label, const QString& text, int width)
{
    QFont bold = label->font();
    bold.setBold(true);
    label->setText(QFontMetrics(bold).elidedText(text, Qt::ElideRight, width));
    label->setToolTip(text);
}
} // namespace

TfmSensitivity::TfmSensitivity(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Input(std::make_unique<CSensitivityInput>())
    , Analysis(std::make_unique<CSensitivityAnalysis>())
    , Moves(std::make_unique<CWeightMoves>())
{
    setObjectName(QStringLiteral("fmSensitivity"));
    setWindowTitle(tr("Анализ чувствительности"));
    setModal(true);

    auto* rows = new QVBoxLayout(this);
    lbCritical = MakeLabel(this, "lbCritical", QString(), true);
    lbCritical->setWordWrap(true);
    rows->addWidget(lbCritical);

    auto* selectors = new QHBoxLayout;
    QLabel* levelCaption = MakeLabel(this, "lbLevel", tr("Уровень:"), false);
    selectors->addWidget(levelCaption);
    cbLevel = new QComboBox(this);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    levelCaption->setBuddy(cbLevel); // the selector's name for a screen reader
    selectors->addWidget(cbLevel);
    selectors->addSpacing(16);
    QLabel* elementCaption = MakeLabel(this, "lbElement", tr("Элемент:"), false);
    selectors->addWidget(elementCaption);
    cbElement = new QComboBox(this);
    cbElement->setObjectName(QStringLiteral("cbElement"));
    elementCaption->setBuddy(cbElement);
    cbElement->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbElement->setMinimumContentsLength(24);
    selectors->addWidget(cbElement);
    selectors->addStretch(1);
    // Both lists are filled anew for every project and level.
    KeepAccessibleCellsInStep(*cbLevel->view());
    KeepAccessibleCellsInStep(*cbElement->view());
    rows->addLayout(selectors);

    tbViews = new QTabWidget(this);
    tbViews->setObjectName(QStringLiteral("tbViews"));
    auto* gradient = new QWidget;
    gradient->setObjectName(QStringLiteral("pnGradient"));
    CreateGradientView(gradient);
    tbViews->addTab(gradient, tr("Градиент"));
    pnDynamic = new QWidget;
    pnDynamic->setObjectName(QStringLiteral("pnDynamic"));
    CreateDynamicView(pnDynamic);
    tbViews->addTab(pnDynamic, tr("Динамика"));
    rows->addWidget(tbViews, 1);

    btClose = AddCloseButton(this, rows);

    connect(cbLevel, &QComboBox::currentIndexChanged, this, &TfmSensitivity::cbLevelChange);
    connect(cbElement, &QComboBox::currentIndexChanged, this, &TfmSensitivity::cbElementChange);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(940, 620);
}

TfmSensitivity::~TfmSensitivity() = default;

double TfmSensitivity::MovedWeight(std::uint32_t position) const
{
    return Moves->Weights()[position];
}

double TfmSensitivity::MovedAlternative(std::uint32_t position) const
{
    return Moves->Alternatives()[position];
}

void TfmSensitivity::CreateGradientView(QWidget* page)
{
    Gradient = std::make_unique<CSensitivityGradient>(page, static_cast<int>(MaxElementsPerLevel));
    std::copy_n(Gradient->FirstLines.begin(), MaxElementsPerLevel, Lines.begin());
    chGradient = Gradient->View;
    lbLegend = Gradient->Legend;
    tbCrossings = Gradient->Crossings;
    lbCrossingsNote = Gradient->CrossingsNote;
}

void TfmSensitivity::CreateDynamicView(QWidget* page)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    grid->addWidget(MakeLabel(page, "lbWeights", tr("Глобальные веса элементов уровня"), true), 0, 0, 1, 3);
    for (std::uint32_t k = 0; k < MaxElementsPerLevel; ++k) {
        const int row = static_cast<int>(k) + 1;
        WeightNames[k] = MakeLabel(page, "", QString(), false);
        WeightNames[k]->setObjectName(QStringLiteral("WeightName_%1").arg(k));
        WeightNames[k]->setFixedWidth(NameColumnWidth);
        auto* slider = new QSlider(Qt::Horizontal, page);
        slider->setObjectName(QStringLiteral("WeightSlider_%1").arg(k));
        // Until a level is shown, named by its place; then by its element.
        slider->setAccessibleName(tr("Вес элемента %1").arg(k + 1));
        // One step short of 1: an element holding the whole level could not be moved back.
        slider->setRange(0, SliderSteps - 1);
        slider->setSingleStep(10);
        slider->setPageStep(500);
        slider->setMinimumWidth(160);
        connect(slider, &QSlider::valueChanged, this, [this, k](int value) { SliderMoved(k, value); });
        WeightSliders[k] = slider;
        WeightValues[k] = MakeLabel(page, "", QString(), false);
        WeightValues[k]->setObjectName(QStringLiteral("WeightValue_%1").arg(k));
        WeightValues[k]->setFixedWidth(ValueColumnWidth);
        grid->addWidget(WeightNames[k], row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(WeightValues[k], row, 2);
    }
    auto* hint = MakeLabel(page, "lbDynamicHint",
        tr("Передвиньте вес одного элемента: веса остальных элементов уровня меняются "
           "в прежней пропорции, их сумма остаётся равной 1. Суждения проекта не меняются."),
        false);
    hint->setWordWrap(true);
    grid->addWidget(hint, static_cast<int>(MaxElementsPerLevel) + 1, 0, 1, 3);
    grid->setRowStretch(static_cast<int>(MaxElementsPerLevel) + 2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabel(page, "lbAlternatives", tr("Итоговые приоритеты альтернатив"), true));
    Bars = new CSensitivityBars(page);
    Bars->setObjectName(QStringLiteral("Bars"));
    right->addWidget(Bars);
    right->addStretch(1);
    btReset = new QPushButton(tr("Сбросить"), page);
    btReset->setObjectName(QStringLiteral("btReset"));
    btReset->setAutoDefault(false);
    connect(btReset, &QPushButton::clicked, this, &TfmSensitivity::btResetClick);
    auto* resetRow = new QHBoxLayout;
    resetRow->addStretch(1);
    resetRow->addWidget(btReset);
    right->addLayout(resetRow);

    auto* columns = new QHBoxLayout(page);
    columns->addLayout(grid, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
}

void TfmSensitivity::ShowSensitivity(const CUserProjectModel& project, const CProjectResults& results,
    std::uint32_t level, std::uint32_t position, ESynthesisMode mode)
{
    setWindowTitle(Text(WithSynthesisMode(tr("Анализ чувствительности").toStdString(), mode)));
    LevelCount = std::min(project.LevelCount(), MaxLevels);
    for (std::uint32_t l = 0; l < LevelCount; ++l) {
        const std::uint32_t count = l == 0 ? 1U : project.ElementsInLevelChecked(l);
        for (std::uint32_t e = 0; e < count; ++e) {
            Names[l][e] = Text(project.Element(e, l).Name);
        }
    }
    *Input = SensitivityInputOf(project, results, mode);
    AnalyseSensitivity(project, results, *Analysis, mode);
    // Each alternative keeps the colour of its slice in the results table.
    const CResultList ranking = FinalResults(project, results, mode);
    for (std::uint32_t r = 0; r < ranking.Count; ++r) {
        AlternativeColours[ranking.Rows[r].Position] = ToQColor(ranking.Rows[r].Colour);
    }
    const std::uint32_t bottom = LevelCount == 0 ? 0U : LevelCount - 1;
    Bars->SetAlternatives(ranking.Count, Names[bottom].data(), AlternativeColours.data());
    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        AlternativeNames[i] = Names[bottom][i].toStdString();
    }

    const bool middle = HasMiddleLevels(LevelCount);
    cbLevel->setEnabled(middle);
    cbElement->setEnabled(middle);
    tbViews->setEnabled(middle);
    if (!middle) {
        lbCritical->setText(QString::fromStdString(Tr(NoMiddleLevelsText)));
        const QSignalBlocker levels(cbLevel);
        const QSignalBlocker elements(cbElement);
        cbLevel->clear();
        cbElement->clear();
        Level = 0;
        Position = 0;
        return;
    }
    lbCritical->setText(Text(CriticalChangeText(project, Analysis->Critical, DecimalSeparator())));
    Level = NearestMiddleLevel(LevelCount, level);
    Position = std::min(position, Input->Count[Level] - 1);
    FillLevels();
}

void TfmSensitivity::FillLevels()
{
    {
        const QSignalBlocker blocker(cbLevel);
        cbLevel->clear();
        for (std::uint32_t l = 1; IsMiddleLevel(LevelCount, l); ++l) {
            cbLevel->addItem(QString::number(l));
        }
        cbLevel->setCurrentIndex(static_cast<int>(Level) - 1);
    }
    cbLevelChange(cbLevel->currentIndex());
}

void TfmSensitivity::cbLevelChange(int index)
{
    if (index < 0) {
        return;
    }
    const auto chosen = static_cast<std::uint32_t>(index) + 1;
    if (chosen != Level) {
        Position = 0;
    }
    Level = chosen;
    {
        const QSignalBlocker blocker(cbElement);
        cbElement->clear();
        for (std::uint32_t e = 0; e < Input->Count[Level]; ++e) {
            cbElement->addItem(Numbered(e, Names[Level][e]));
        }
        cbElement->setCurrentIndex(static_cast<int>(Position));
    }
    ResetDynamic();
    ShowGradient();
}

void TfmSensitivity::cbElementChange(int index)
{
    if (index < 0) {
        return;
    }
    Position = static_cast<std::uint32_t>(index);
    ShowGradient();
}

void TfmSensitivity::ShowGradient()
{
    const CElementSensitivity& element = Analysis->Elements[Level][Position];
    const std::uint32_t bottom = LevelCount - 1;
    const std::uint32_t m = Input->Count[bottom];
    double top = 0.0;
    std::array<double, MaxElementsPerLevel> at{};
    for (std::uint32_t i = 0; i < MaxElementsPerLevel; ++i) {
        QLineSeries* line = Lines[i];
        const bool shown = element.HasLines && i < m;
        line->clear();
        if (shown) {
            line->setName(Names[bottom][i]);
            line->setPen(QPen(AlternativeColours[i], 2.5));
            if (element.Normalised) {
                // The ideal priorities are the lines' shares: curves, drawn through their points.
                for (int s = 0; s <= IdealCurveSteps; ++s) {
                    const double x = static_cast<double>(s) / IdealCurveSteps;
                    AlternativesAt(element, x, at.data());
                    line->append(x, at[i]);
                    top = std::max(top, at[i]);
                }
            } else {
                line->append(0.0, element.AtZero[i]);
                line->append(1.0, element.AtOne[i]);
                top = std::max({top, element.AtZero[i], element.AtOne[i]});
            }
        }
        line->setVisible(shown);
    }
    QString legend;
    for (std::uint32_t i = 0; element.HasLines && i < m; ++i) {
        legend += QStringLiteral("<span style=\"color:%1; font-size:large\">&#9632;</span>&nbsp;%2 &nbsp; ")
                      .arg(AlternativeColours[i].name(), Names[bottom][i].toHtmlEscaped());
    }
    lbLegend->setText(legend);
    Gradient->ShowScale(top, element.Weight);
    Gradient->AxisX->setTitleText(tr("Вес элемента «%1»").arg(Names[Level][Position]));
    // The chosen element stands out among the sliders too.
    for (std::uint32_t k = 0; k < MaxElementsPerLevel; ++k) {
        QFont font = WeightNames[k]->font();
        font.setBold(k == Position);
        WeightNames[k]->setFont(font);
    }

    Gradient->CrossingMarks->clear();
    for (std::uint32_t c = 0; c < element.CrossingCount; ++c) {
        const CCrossing& crossing = element.Crossings[c];
        if (AlternativesAt(element, crossing.Weight, at.data())) {
            Gradient->CrossingMarks->append(crossing.Weight, at[crossing.First]);
        }
    }
    Gradient->ShowCrossings(
        ElementSensitivityText(AlternativeNames, *Analysis, Level, Position, DecimalSeparator()), element.Weight);
}

void TfmSensitivity::ResetDynamic()
{
    Moves->Reset(*Input, Level);
    const std::uint32_t count = Input->Count[Level];
    for (std::uint32_t k = 0; k < MaxElementsPerLevel; ++k) {
        const bool used = k < count;
        WeightNames[k]->setVisible(used);
        WeightSliders[k]->setVisible(used);
        WeightValues[k]->setVisible(used);
        if (used) {
            SetElidedText(WeightNames[k], Numbered(k, Names[Level][k]), NameColumnWidth);
            WeightSliders[k]->setAccessibleName(tr("Вес элемента «%1»").arg(Names[Level][k]));
        }
    }
    ShowWeights();
}

void TfmSensitivity::SliderMoved(std::uint32_t position, int value)
{
    if (Level == 0 || position >= Input->Count[Level]) {
        return;
    }
    // An element holding the whole level does not move: its slider goes back.
    Moves->Move(position, static_cast<double>(value) / SliderSteps);
    ShowWeights();
}

void TfmSensitivity::ShowWeights()
{
    const std::array<double, MaxElementsPerLevel>& weights = Moves->Weights();
    for (std::uint32_t k = 0; k < Input->Count[Level] && k < MaxElementsPerLevel; ++k) {
        const QSignalBlocker blocker(WeightSliders[k]);
        WeightSliders[k]->setValue(static_cast<int>(std::lround(weights[k] * SliderSteps)));
        WeightValues[k]->setText(TruncatedText(weights[k], 4));
    }
    Bars->SetValues(Moves->Alternatives().data());
}

void TfmSensitivity::btResetClick()
{
    ResetDynamic();
}

void TfmSensitivity::showEvent(QShowEvent* event)
{
    // Centred on its owner, as the level priorities window is.
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : QApplication::activeWindow();
    if (owner != nullptr && owner != this) {
        const QRect frame = frameGeometry();
        move(owner->frameGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    QDialog::showEvent(event);
}
