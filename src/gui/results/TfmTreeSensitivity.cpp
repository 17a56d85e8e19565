#include "gui/results/TfmTreeSensitivity.h"

#include "core/model/CHierarchy.h"
#include "core/model/HierarchyLimits.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CNodeWeightMoves.h"
#include "core/results/CRatingResults.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "gui/results/CSensitivityBars.h"
#include "gui/results/CSensitivityGradient.h"
#include "gui/results/DialogButtons.h"
#include "gui/widgets/AccessibleCells.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollArea>
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

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// A frameless scrolling area for a list that may outgrow the window.
QScrollArea* Scrolling(QWidget* parent, const char* name, QWidget* content)
{
    auto* area = new QScrollArea(parent);
    area->setObjectName(QString::fromLatin1(name));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    return area;
}
} // namespace

TfmTreeSensitivity::TfmTreeSensitivity(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Analysis(std::make_unique<CHierarchySensitivity>())
    , Moves(std::make_unique<CNodeWeightMoves>())
{
    setObjectName(QStringLiteral("fmTreeSensitivity"));
    setWindowTitle(tr("Анализ чувствительности"));
    setModal(true);

    auto* rows = new QVBoxLayout(this);
    lbCritical = MakeLabel(this, "lbCritical", QString(), true);
    rows->addWidget(lbCritical);
    auto* selector = new QHBoxLayout;
    QLabel* caption = MakeLabel(this, "lbCriterion", tr("Критерий:"), false);
    caption->setWordWrap(false);
    selector->addWidget(caption);
    cbCriterion = new QComboBox(this);
    cbCriterion->setObjectName(QStringLiteral("cbCriterion"));
    cbCriterion->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbCriterion->setMinimumContentsLength(50);
    caption->setBuddy(cbCriterion); // the selector's name for a screen reader
    KeepAccessibleCellsInStep(*cbCriterion->view());
    selector->addWidget(cbCriterion, 1);
    rows->addLayout(selector);
    lbSummary = MakeLabel(this, "lbSummary", QString(), false);
    rows->addWidget(lbSummary);

    tbViews = new QTabWidget(this);
    tbViews->setObjectName(QStringLiteral("tbViews"));
    auto* gradient = new QWidget;
    gradient->setObjectName(QStringLiteral("pnGradient"));
    Gradient = std::make_unique<CSensitivityGradient>(gradient);
    chGradient = Gradient->View;
    lbLegend = Gradient->Legend;
    tbCrossings = Gradient->Crossings;
    lbCrossingsNote = Gradient->CrossingsNote;
    tbViews->addTab(gradient, tr("Градиент"));
    pnDynamic = new QWidget;
    pnDynamic->setObjectName(QStringLiteral("pnDynamic"));
    CreateDynamicView(pnDynamic);
    tbViews->addTab(pnDynamic, tr("Динамика"));

    lvDrawnAlternatives = new QListWidget(this);
    lvDrawnAlternatives->setObjectName(QStringLiteral("lvDrawnAlternatives"));
    lvDrawnAlternatives->setAccessibleName(tr("Альтернативы на графике"));
    lvDrawnAlternatives->setToolTip(tr("Ведущие альтернативы показаны всегда; отметьте другие, чтобы показать и их."));
    lvDrawnAlternatives->setUniformItemSizes(true);
    lvDrawnAlternatives->hide();
    connect(lvDrawnAlternatives, &QListWidget::itemChanged, this, &TfmTreeSensitivity::DrawnAlternativeChecked);
    Gradient->Side->insertWidget(0, lvDrawnAlternatives, 1);
    rows->addWidget(tbViews, 1);

    btClose = AddCloseButton(this, rows);

    connect(cbCriterion, &QComboBox::currentIndexChanged, this, &TfmTreeSensitivity::cbCriterionChange);
    // Chosen in the open list: the weight is what the user came to move.
    connect(cbCriterion, &QComboBox::activated, this, [this] {
        if (!Stepping) {
            FocusShownWeight();
        }
        Stepping = false;
    });
    cbCriterion->installEventFilter(this);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
    // The legend of twenty alternatives takes its lines; the chart keeps the rest.
    resize(940, 680);
}

TfmTreeSensitivity::~TfmTreeSensitivity() = default;

double TfmTreeSensitivity::MovedWeight(std::size_t sibling) const
{
    return sibling < Moves->Weights().size() ? Moves->Weights()[sibling] : 0.0;
}

double TfmTreeSensitivity::MovedAlternative(std::size_t alternative) const
{
    return alternative < Moves->Alternatives().size() ? Moves->Alternatives()[alternative] : 0.0;
}

void TfmTreeSensitivity::CreateDynamicView(QWidget* page)
{
    auto* left = new QVBoxLayout;
    left->addWidget(MakeLabel(page, "lbWeights", tr("Локальные веса критерия и его соседей"), true));
    WeightRows = new QWidget;
    WeightRows->setObjectName(QStringLiteral("pnWeightRows"));
    auto* grid = new QGridLayout(WeightRows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(10);
    grid->setRowStretch(static_cast<int>(MaxTreeChildren), 1);
    left->addWidget(Scrolling(page, "scWeights", WeightRows), 1);
    left->addWidget(MakeLabel(page, "lbDynamicHint",
        tr("Передвиньте вес одного критерия: веса остальных критериев того же родителя меняются "
           "в прежней пропорции, их сумма остаётся равной 1. Суждения проекта не меняются."),
        false));

    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabel(page, "lbAlternatives", tr("Итоговые приоритеты альтернатив"), true));
    Bars = new CSensitivityBars;
    Bars->setObjectName(QStringLiteral("Bars"));
    right->addWidget(Scrolling(page, "scBars", Bars), 1);
    btReset = new QPushButton(tr("Сбросить"), page);
    btReset->setObjectName(QStringLiteral("btReset"));
    btReset->setAutoDefault(false);
    connect(btReset, &QPushButton::clicked, this, &TfmTreeSensitivity::ResetDynamic);
    auto* resetRow = new QHBoxLayout;
    resetRow->addStretch(1);
    resetRow->addWidget(btReset);
    right->addLayout(resetRow);

    auto* columns = new QHBoxLayout(page);
    columns->addLayout(left, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
}

void TfmTreeSensitivity::ShowSensitivity(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node, ESynthesisMode mode)
{
    Hierarchy = &hierarchy;
    Results = &results;
    Ratings = nullptr;
    Mode = mode;
    setWindowTitle(Text(WithSynthesisMode(tr("Анализ чувствительности").toStdString(), mode)));
    AnalyseSensitivity(hierarchy, results, *Analysis, mode);
    const std::uint32_t m = hierarchy.AlternativeCount();
    Colours.assign(m, QColor(Qt::black));
    const CResultList ranking = HierarchyFinalResults(hierarchy, results, mode);
    for (std::uint32_t r = 0; r < ranking.Count; ++r) {
        Colours[ranking.Rows[r].Position] = ToQColor(ranking.Rows[r].Colour);
    }
    DrawnAlternatives.resize(m);
    for (std::uint32_t a = 0; a < m; ++a) {
        DrawnAlternatives[a] = a;
    }
    lvDrawnAlternatives->hide();
    Gradient->AxisY->setTitleText(tr("Приоритет альтернативы"));
    pnDynamic->findChild<QLabel*>(QStringLiteral("lbAlternatives"))->setText(tr("Итоговые приоритеты альтернатив"));
    ShowAnalysis(hierarchy, node);
}

void TfmTreeSensitivity::ShowRatingSensitivity(
    const CHierarchy& hierarchy, const CRatingResults& ratings, std::uint32_t node)
{
    Hierarchy = &hierarchy;
    Results = &ratings.Criteria();
    Ratings = &ratings;
    Mode = ESynthesisMode::Distributive;
    setWindowTitle(tr("Анализ чувствительности: оценки по шкалам"));
    AnalyseSensitivity(hierarchy, ratings, *Analysis);
    const std::vector<std::uint32_t>& ranking = ratings.Ranking();
    const auto leading = std::min<std::size_t>(ranking.size(), LeadingAlternatives);
    DrawnAlternatives.assign(ranking.begin(), ranking.begin() + static_cast<std::ptrdiff_t>(leading));
    {
        const QSignalBlocker blocker(lvDrawnAlternatives);
        lvDrawnAlternatives->clear();
        for (std::size_t place = 0; place < ranking.size(); ++place) {
            const std::uint32_t a = ranking[place];
            const QString entry
                = ratings.Complete(a) ? QStringLiteral("%1. %2 (%3)") : tr("%1. %2 (%3, не все оценки)");
            auto* item = new QListWidgetItem(entry.arg(place + 1).arg(
                Text(hierarchy.Alternatives()[a].Name), TruncatedText(ratings.Scores()[a], 4)));
            item->setData(Qt::UserRole, a);
            item->setCheckState(place < leading ? Qt::Checked : Qt::Unchecked);
            // The leading ones are always drawn.
            item->setFlags(place < leading ? Qt::ItemIsUserCheckable : Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            lvDrawnAlternatives->addItem(item);
        }
    }
    lvDrawnAlternatives->show();
    Gradient->AxisY->setTitleText(tr("Оценка альтернативы"));
    pnDynamic->findChild<QLabel*>(QStringLiteral("lbAlternatives"))
        ->setText(tr("Оценки альтернатив, показанных на графике"));
    ShowAnalysis(hierarchy, node);
}

void TfmTreeSensitivity::DrawnAlternativeChecked(QListWidgetItem* /*item*/)
{
    if (Hierarchy == nullptr || Ratings == nullptr) {
        return;
    }
    DrawnAlternatives.clear();
    for (int row = 0; row < lvDrawnAlternatives->count(); ++row) {
        const QListWidgetItem* each = lvDrawnAlternatives->item(row);
        if (each->checkState() == Qt::Checked) {
            DrawnAlternatives.push_back(each->data(Qt::UserRole).toUInt());
        }
    }
    PrepareDrawn();
    cbCriterionChange(cbCriterion->currentIndex());
}

void TfmTreeSensitivity::PrepareDrawn()
{
    const CHierarchy& hierarchy = *Hierarchy;
    if (Ratings != nullptr) {
        // Each drawn alternative by its place among those drawn, in the pie's colours.
        Colours.assign(hierarchy.AlternativeCount(), QColor(Qt::black));
        for (std::size_t k = 0; k < DrawnAlternatives.size(); ++k) {
            Colours[DrawnAlternatives[k]] = ToQColor(PieColours[k % PieColours.size()]);
        }
    }
    const auto m = static_cast<std::uint32_t>(DrawnAlternatives.size());
    while (Lines.size() < m) {
        Lines.push_back(Gradient->AddLine(static_cast<int>(Lines.size())));
    }
    std::vector<QString> names;
    std::vector<QColor> colours;
    for (std::size_t k = 0; k < Lines.size(); ++k) {
        Lines[k]->clear();
        Lines[k]->setVisible(false);
        if (k < m) {
            const std::uint32_t a = DrawnAlternatives[k];
            Lines[k]->setName(Text(hierarchy.Alternatives()[a].Name));
            Lines[k]->setPen(QPen(Colours[a], 2.5));
            names.push_back(Lines[k]->name());
            colours.push_back(Colours[a]);
        }
    }
    Bars->SetAlternatives(m, names.data(), colours.data());
}

void TfmTreeSensitivity::ShowAnalysis(const CHierarchy& hierarchy, std::uint32_t node)
{
    lbCritical->setText(Text(NodeCriticalChangeText(hierarchy, Analysis->Critical, DecimalSeparator())));
    PrepareDrawn();

    // The criteria in the outline's order, each by its path.
    int shown = 0;
    const QSignalBlocker blocker(cbCriterion);
    cbCriterion->clear();
    for (const std::uint32_t each : DepthFirstNodes(hierarchy)) {
        const auto entry = std::find_if(Analysis->Nodes.begin(), Analysis->Nodes.end(),
            [each](const CNodeSensitivity& moved) { return moved.Node == each; });
        if (entry == Analysis->Nodes.end()) {
            continue;
        }
        if (each == node) {
            shown = cbCriterion->count();
        }
        cbCriterion->addItem(Text(NodePathText(hierarchy, each)), static_cast<int>(entry - Analysis->Nodes.begin()));
    }
    const bool any = cbCriterion->count() > 0;
    cbCriterion->setEnabled(any);
    tbViews->setEnabled(any);
    if (!any) {
        ResetDynamic();
        lbSummary->setText(tr("В дереве нет критерия, вес которого можно менять: у каждого нет соседей."));
        tbCrossings->setRowCount(0);
        lbLegend->clear();
        lbCrossingsNote->clear();
        Gradient->PresentWeight->clear();
        Gradient->CrossingMarks->clear();
        return;
    }
    cbCriterion->setCurrentIndex(shown);
    cbCriterionChange(shown);
}

std::uint32_t TfmTreeSensitivity::ShownNode() const
{
    const int index = cbCriterion->currentData().isValid() ? cbCriterion->currentData().toInt() : -1;
    return index >= 0 && index < static_cast<int>(Analysis->Nodes.size())
        ? Analysis->Nodes[static_cast<std::size_t>(index)].Node
        : CHierarchy::GoalNode;
}

void TfmTreeSensitivity::cbCriterionChange(int index)
{
    if (Hierarchy == nullptr || index < 0) {
        return;
    }
    const auto entry = static_cast<std::size_t>(cbCriterion->itemData(index).toInt());
    if (entry >= Analysis->Nodes.size()) {
        return;
    }
    const CNodeSensitivity& moved = Analysis->Nodes[entry];
    double top = 0.0;
    std::vector<double> at;
    QString legend;
    for (std::size_t k = 0; k < DrawnAlternatives.size() && k < Lines.size(); ++k) {
        const std::uint32_t a = DrawnAlternatives[k];
        QLineSeries* line = Lines[k];
        line->clear();
        if (moved.HasLines) {
            // The ideal priorities are the lines' shares: curves, drawn through their points.
            const int steps = moved.Normalised ? IdealCurveSteps : 1;
            for (int s = 0; s <= steps; ++s) {
                const double x = static_cast<double>(s) / steps;
                AlternativesAt(moved, x, at);
                line->append(x, at[a]);
                top = std::max(top, at[a]);
            }
            // A name is never broken across the legend's lines.
            legend += QStringLiteral("<span style=\"color:%1; font-size:large\">&#9632;</span>&nbsp;%2 &nbsp; ")
                          .arg(Colours[a].name(),
                              line->name().toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
        }
        line->setVisible(moved.HasLines);
    }
    lbLegend->setText(legend);
    Gradient->ShowScale(top, moved.Weight);
    // The criterion's full name stands in the list above: a chart cuts a long title short.
    Gradient->AxisX->setTitleText(tr("Локальный вес критерия"));
    Gradient->CrossingMarks->clear();
    for (const CCrossing& crossing : moved.Crossings) {
        if (AlternativesAt(moved, crossing.Weight, at)) {
            Gradient->CrossingMarks->append(crossing.Weight, at[crossing.First]);
        }
    }

    const CElementSensitivityText text = NodeSensitivityText(*Hierarchy, *Analysis, moved, DecimalSeparator());
    lbSummary->setText(Text(text.Summary));
    Gradient->ShowCrossings(text, moved.Weight);
    ResetDynamic();
}

bool TfmTreeSensitivity::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cbCriterion) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            const bool choose = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            // Alt+arrows, F4 and Space open the list rather than step through it.
            const bool opens
                = (key->modifiers() & Qt::AltModifier) != 0 || key->key() == Qt::Key_F4 || key->key() == Qt::Key_Space;
            Stepping = !choose && !opens;
            if (choose && FocusShownWeight()) {
                return true;
            }
        } else if (event->type() == QEvent::Wheel) {
            Stepping = true;
        } else if (event->type() == QEvent::MouseButtonPress) {
            Stepping = false;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfmTreeSensitivity::FocusShownWeight()
{
    if (tbViews->currentWidget() != pnDynamic) {
        return false;
    }
    const std::vector<std::uint32_t>& group = Moves->Group();
    const auto shown = std::find(group.begin(), group.end(), ShownNode());
    if (shown == group.end()) {
        return false;
    }
    WeightSliders[static_cast<std::size_t>(shown - group.begin())]->setFocus(Qt::OtherFocusReason);
    return true;
}

void TfmTreeSensitivity::ResetDynamic()
{
    if (Hierarchy == nullptr || Results == nullptr) {
        return;
    }
    const std::uint32_t shown = ShownNode();
    if (Ratings != nullptr) {
        Moves->Reset(*Hierarchy, *Ratings, shown);
    } else {
        Moves->Reset(*Hierarchy, *Results, shown, Mode);
    }
    const std::vector<std::uint32_t>& group = Moves->Group();
    auto* grid = static_cast<QGridLayout*>(WeightRows->layout());
    while (WeightSliders.size() < group.size()) {
        const std::size_t k = WeightSliders.size();
        const int row = static_cast<int>(k);
        auto* name = MakeLabel(WeightRows, "", QString(), false);
        name->setObjectName(QStringLiteral("WeightName_%1").arg(k));
        name->setWordWrap(false);
        name->setFixedWidth(NameColumnWidth);
        auto* slider = new QSlider(Qt::Horizontal, WeightRows);
        slider->setObjectName(QStringLiteral("WeightSlider_%1").arg(k));
        // One step short of 1: a criterion holding its whole group could not be moved back.
        slider->setRange(0, SliderSteps - 1);
        slider->setSingleStep(10);
        slider->setPageStep(500);
        slider->setMinimumWidth(120);
        connect(slider, &QSlider::valueChanged, this, [this, k](int value) { SliderMoved(k, value); });
        auto* value = MakeLabel(WeightRows, "", QString(), false);
        value->setObjectName(QStringLiteral("WeightValue_%1").arg(k));
        value->setWordWrap(false);
        value->setFixedWidth(ValueColumnWidth);
        grid->addWidget(name, row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(value, row, 2);
        WeightNames.push_back(name);
        WeightSliders.push_back(slider);
        WeightValues.push_back(value);
    }
    for (std::size_t k = 0; k < WeightSliders.size(); ++k) {
        const bool used = k < group.size();
        WeightNames[k]->setVisible(used);
        WeightSliders[k]->setVisible(used);
        WeightValues[k]->setVisible(used);
        if (!used) {
            continue;
        }
        // The shown criterion stands out; a long name is cut with its whole text as the hint.
        const QString name = Text(Hierarchy->Node(group[k]).Name);
        QFont font = WeightNames[k]->font();
        font.setBold(group[k] == shown);
        WeightNames[k]->setFont(font);
        WeightNames[k]->setText(QFontMetrics(font).elidedText(name, Qt::ElideRight, NameColumnWidth));
        WeightNames[k]->setToolTip(name);
        WeightSliders[k]->setAccessibleName(tr("Вес критерия «%1»").arg(name));
    }
    ShowWeights();
}

void TfmTreeSensitivity::SliderMoved(std::size_t sibling, int value)
{
    // A criterion holding its whole group does not move: its slider goes back.
    Moves->Move(sibling, static_cast<double>(value) / SliderSteps);
    ShowWeights();
}

void TfmTreeSensitivity::ShowWeights()
{
    const std::vector<double>& weights = Moves->Weights();
    for (std::size_t k = 0; k < weights.size() && k < WeightSliders.size(); ++k) {
        const QSignalBlocker blocker(WeightSliders[k]);
        WeightSliders[k]->setValue(static_cast<int>(std::lround(weights[k] * SliderSteps)));
        WeightValues[k]->setText(TruncatedText(weights[k], 4));
    }
    const std::vector<double>& values = Moves->Alternatives();
    std::vector<double> drawn;
    for (const std::uint32_t a : DrawnAlternatives) {
        drawn.push_back(a < values.size() ? values[a] : 0.0);
    }
    if (drawn.size() >= Bars->RowCount()) {
        Bars->SetValues(drawn.data());
    }
}
