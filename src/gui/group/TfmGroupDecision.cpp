#include "gui/group/TfmGroupDecision.h"

#include "core/group/CExpertWeights.h"
#include "core/group/CGroupDecision.h"
#include "core/group/CGroupResult.h"
#include "core/group/GroupReportContent.h"
#include "core/judgement/ExpertScaleTable.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/ModelConstants.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "core/storage/StoragePhrases.h"
#include "gui/group/CGroupEditCommand.h"
#include "gui/group/CGroupTableModel.h"
#include "gui/results/PieFilling.h"
#include "gui/results/TfmTreeSensitivity.h"
#include "gui/widgets/AccessibleCells.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {
// The largest pie, over the chart's plot area; smaller when its labels need the room.
constexpr double PieSize = 0.7;
const QColor AboveLimitColour(192, 0, 0);
// How many experts a row of the distances table names before it only counts the rest.
constexpr std::size_t NamedDistances = 3;
// The rows a column's width is measured on: enough for every row of a real group, and a
// bound on the time a very large one takes.
constexpr int MeasuredRows = 2000;
// The rows a long ranking shows at least, the pie beside the notes taking the rest.
constexpr int ShortestRanking = 5;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QTableView* MakeTable(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideNone);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    return table;
}

QLabel* MakeNote(QWidget* parent, const char* name, bool bold = false)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

// Names to the left, figures to the right.
std::function<Qt::Alignment(int)> FiguresFrom(int firstFigure, int nameColumn)
{
    return [firstFigure, nameColumn](int column) -> Qt::Alignment {
        if (column == nameColumn) {
            return Qt::AlignLeft;
        }
        return column >= firstFigure ? Qt::AlignRight : Qt::AlignHCenter;
    };
}

// Every column as wide as its header and its widest cell (of the first rows), measured
// with the font rather than laid out cell by cell; a cell's lines are measured apart.
void FitColumns(QTableView* view, const CGroupTableModel& model)
{
    const QFontMetrics cells = view->fontMetrics();
    const QFontMetrics header = view->horizontalHeader()->fontMetrics();
    const int rows = std::min(model.rowCount(), MeasuredRows);
    const int padding = 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 12;
    for (int c = 0; c < model.columnCount(); ++c) {
        int width = header.horizontalAdvance(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) + 8;
        for (int r = 0; r < rows; ++r) {
            const QString text = model.Text(r, c);
            // A cell that stands out in bold is wider.
            const QVariant font = model.data(model.index(r, c), Qt::FontRole);
            const QFontMetrics metrics = font.isValid() ? QFontMetrics(font.value<QFont>()) : cells;
            // A check box stands before the text of its cell.
            const int indicator = model.data(model.index(r, c), Qt::CheckStateRole).isValid()
                ? view->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, view) + 8
                : 0;
            // So does a colour mark.
            const int mark = model.data(model.index(r, c), Qt::DecorationRole).isValid()
                ? view->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, view) + 8
                : 0;
            for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
                width = std::max(width, metrics.horizontalAdvance(line.toString()) + indicator + mark);
            }
        }
        view->setColumnWidth(c, width + padding);
    }
}

// Rows tall enough for the most lines a cell of the table holds.
void FitRowHeights(QTableView* view, const CGroupTableModel& model)
{
    int lines = 1;
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.columnCount(); ++c) {
            lines = std::max(lines, static_cast<int>(model.Text(r, c).count(QLatin1Char('\n'))) + 1);
        }
    }
    view->verticalHeader()->setDefaultSectionSize(lines * view->fontMetrics().lineSpacing() + 8);
}

// The room a table needs to show every row (or the first rows) and column without scrolling.
int ContentHeight(const QTableView* table, int mostRows = std::numeric_limits<int>::max())
{
    const int rows = std::min(table->model() != nullptr ? table->model()->rowCount() : 0, mostRows);
    return 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height()
        + rows * table->verticalHeader()->defaultSectionSize();
}

int ContentWidth(const QTableView* table)
{
    return 2 * table->frameWidth() + table->horizontalHeader()->length();
}

// A table no taller than its rows (and the scroll bar under them, should the columns
// not fit across).
void FitHeightToRows(QTableView* table)
{
    table->setMaximumHeight(ContentHeight(table) + table->horizontalScrollBar()->sizeHint().height());
}

void SetNote(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

// An expert's judgement of a pair as the scale window words it, with its number:
// "«А» значительно важнее «Б» (5)"; a value off the scale by its number alone.
QString JudgementWords(const CJudgement& judgement, const QString& first, const QString& second, char separator)
{
    if (!judgement.IsJudged()) {
        return QCoreApplication::translate("TfmGroupDecision", "не задано");
    }
    const QString number = QString::fromStdString(JudgementText(judgement, separator));
    if (judgement.IsCombined() || !IsScaleValue(judgement.Code())) {
        return number;
    }
    const auto line = static_cast<std::size_t>(ScaleValueToLine(judgement.Code()));
    QStringList words
        = QString::fromStdString(ExpertScaleLineText(static_cast<std::int32_t>(line))).split(QLatin1Char(' '));
    //: A compared element's name in quotation marks, in place of A or B in a judgement's words
    const QString quoted = QCoreApplication::translate("TfmGroupDecision", "«%1»");
    for (QString& word : words) {
        if (word == QLatin1String("A")) {
            word = quoted.arg(first);
        } else if (word == QLatin1String("B")) {
            word = quoted.arg(second);
        }
    }
    QString text = words.join(QLatin1Char(' '));
    text.remove(QStringLiteral("<<")).remove(QStringLiteral(">>"));
    return QStringLiteral("%1 (%2)").arg(text, number);
}

// A weight as typed: either decimal separator, the exponent form too.
std::optional<double> TypedWeight(const QString& text)
{
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double weight = plain.toDouble(&ok);
    return ok ? std::optional<double>(weight) : std::nullopt;
}
} // namespace

TfmGroupDecision::TfmGroupDecision(std::unique_ptr<CGroupDecision> decision, QWidget* parent)
    : QWidget(parent)
    , Group(std::move(decision))
    , Separator(DecimalSeparator())
{
    setObjectName(QStringLiteral("fmGroupDecision"));
    Steps = new QUndoStack(this);
    Steps->setObjectName(QStringLiteral("GroupUndoSteps"));
    connect(Steps, &QUndoStack::cleanChanged, this, [this] { ShowSummary(); });

    lbGroupSummary = MakeNote(this, "lbGroupSummary");
    btGroupMembers = new QPushButton(tr("Состав группы..."), this);
    btGroupMembers->setObjectName(QStringLiteral("btGroupMembers"));
    btSaveGroup = new QPushButton(tr("Сохранить группу"), this);
    btSaveGroup->setObjectName(QStringLiteral("btSaveGroup"));
    btSaveGroupAs = new QPushButton(tr("Сохранить группу как..."), this);
    btSaveGroupAs->setObjectName(QStringLiteral("btSaveGroupAs"));
    connect(btGroupMembers, &QPushButton::clicked, this, [this] { emit MembersRequested(this); });
    connect(btSaveGroup, &QPushButton::clicked, this, [this] { emit SaveRequested(this); });
    connect(btSaveGroupAs, &QPushButton::clicked, this, [this] { emit SaveAsRequested(this); });

    tcGroup = new QTabWidget(this);
    tcGroup->setObjectName(QStringLiteral("tcGroup"));
    tcGroup->addTab(MakeRankingTab(), Text(Tr(RankingTabTitle)));
    tcGroup->addTab(MakeElementsTab(), Text(Tr(ElementsTabTitle)));
    tcGroup->addTab(MakeExpertsTab(), Text(Tr(ExpertsTabTitle)));
    connect(tcGroup, &QTabWidget::currentChanged, this, [this] { FitElementTables(); });

    auto* top = new QHBoxLayout;
    top->addWidget(lbGroupSummary, 1);
    top->addWidget(btGroupMembers);
    top->addWidget(btSaveGroup);
    top->addWidget(btSaveGroupAs);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(tcGroup, 1);

    ShowGroup();
    UpdateCaption();
}

TfmGroupDecision::~TfmGroupDecision() = default;

CGroupTableModel* TfmGroupDecision::MakeModel(
    QTableView* view, std::function<CReportTable()> content, std::function<Qt::Alignment(int)> alignment)
{
    auto* model = new CGroupTableModel(view, std::move(content), std::move(alignment));
    view->setModel(model);
    KeepAccessibleCellsInStep(*view);
    return model;
}

QWidget* TfmGroupDecision::MakeRankingTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsRanking"));
    auto* title = MakeNote(tab, "lbRankingTitle", true);
    title->setText(Text(Tr(GroupRankingTitlePhrase)));
    twRanking = MakeTable(tab, "twRanking", Text(Tr(GroupRankingTitlePhrase)));
    title->setBuddy(twRanking);
    RankingModel = MakeModel(
        twRanking, [this] { return GroupRankingTable(*Group, Separator); }, FiguresFrom(2, 1));
    lbIdealRankingTitle = MakeNote(tab, "lbIdealRankingTitle", true);
    lbIdealRankingTitle->setText(Text(WithSynthesisMode(Tr(GroupRankingTitlePhrase), ESynthesisMode::Ideal)));
    twIdealRanking = MakeTable(tab, "twIdealRanking", lbIdealRankingTitle->text());
    lbIdealRankingTitle->setBuddy(twIdealRanking);
    IdealRankingModel = MakeModel(
        twIdealRanking,
        [this] {
            // The group's own hierarchy with its combined judgements, synthesised as a project's.
            if (Group->Result().Ranking.Count == 0) {
                return CReportTable{};
            }
            return Group->Layered()
                ? IdealRankingTable(Group->Model(), Group->Result().Group, Separator)
                : HierarchyRankingTable(Group->Hierarchy(), Group->Result().Nodes, ESynthesisMode::Ideal, Separator);
        },
        FiguresFrom(2, 1));
    btGroupSensitivity = new QPushButton(tr("Анализ &чувствительности..."), tab);
    btGroupSensitivity->setObjectName(QStringLiteral("btGroupSensitivity"));
    btGroupSensitivity->setToolTip(tr("Анализ чувствительности группового рейтинга"));
    connect(btGroupSensitivity, &QPushButton::clicked, this, [this] { emit SensitivityRequested(this); });
    lbOverallConsensus = MakeNote(tab, "lbOverallConsensus", true);
    lbFinalAgreement = MakeNote(tab, "lbFinalAgreement");
    lbKendall = MakeNote(tab, "lbKendall");
    lbRankingNotes = MakeNote(tab, "lbRankingNotes");
    lbRankingWarning = MakeNote(tab, "lbRankingWarning");
    lbRankingWarning->setStyleSheet(QStringLiteral("color: #c00000;"));

    srGroupPie = new QPieSeries();
    srGroupPie->setObjectName(QStringLiteral("srGroupPie"));
    srGroupPie->setPieSize(PieSize);
    chGroupChart = MakePieChartView(tab, srGroupPie, 5);
    chGroupChart->setObjectName(QStringLiteral("chGroupChart"));
    chGroupChart->setAccessibleName(tr("Диаграмма группового рейтинга"));
    chGroupChart->setFrameStyle(QFrame::Panel | QFrame::Raised);
    chGroupChart->setMinimumSize(300, 220);
    connect(chGroupChart->chart(), &QChart::plotAreaChanged, this,
        [this] { ShrinkPieToItsLabels(chGroupChart, srGroupPie, PieSize); });
    connect(srGroupPie, &QPieSeries::hovered, this,
        [this](QPieSlice* slice, bool over) { chGroupChart->setToolTip(over ? SliceName(slice) : QString()); });

    // The table across the whole width, for the experts' columns; the pie under the notes,
    // or beside them when the table needs the height (ShowGroup).
    RankingLayout = new QVBoxLayout(tab);
    RankingLayout->addWidget(title);
    RankingLayout->addWidget(twRanking);
    RankingLayout->addWidget(lbIdealRankingTitle);
    RankingLayout->addWidget(twIdealRanking);
    RankingLayout->addWidget(lbRankingWarning);
    RankingNotes = new QVBoxLayout;
    RankingNotes->addWidget(lbOverallConsensus);
    RankingNotes->addWidget(lbFinalAgreement);
    RankingNotes->addWidget(lbKendall);
    RankingNotes->addWidget(lbRankingNotes);
    auto* sensitivity = new QHBoxLayout;
    sensitivity->addStretch(1);
    sensitivity->addWidget(btGroupSensitivity);
    RankingNotes->addLayout(sensitivity);
    RankingLower = new QBoxLayout(QBoxLayout::TopToBottom);
    RankingLower->addLayout(RankingNotes);
    RankingLower->addWidget(chGroupChart, 1);
    RankingLayout->addLayout(RankingLower, 1);
    // The slices' colours beside the names when the pie has too many slices to label.
    for (CGroupTableModel* model : {RankingModel, IdealRankingModel}) {
        model->SetCellExtra([this, model](int row, int column, int role) -> QVariant {
            if (column != 1 || role != Qt::DecorationRole) {
                return {};
            }
            const auto colour = PieColours.constFind(model->Text(row, column));
            return colour == PieColours.constEnd() ? QVariant() : QVariant(*colour);
        });
    }
    return tab;
}

QWidget* TfmGroupDecision::MakeElementsTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsElements"));
    spElements = new QSplitter(Qt::Vertical, tab);
    spElements->setObjectName(QStringLiteral("spElements"));
    spElements->setChildrenCollapsible(false);
    twElements = MakeTable(spElements, "twElements", Text(Tr(GroupElementsTitlePhrase)));
    ElementsModel = MakeModel(
        twElements, [this] { return GroupElementsTable(*Group, Separator); }, FiguresFrom(2, 1));
    // "ОС группы" of a combined matrix that is not acceptable stands out.
    ElementsModel->SetCellExtra([this](int row, int column, int role) -> QVariant {
        const auto element = static_cast<std::size_t>(row);
        if (column != 3 || element >= UnacceptableElements.size() || !UnacceptableElements[element]) {
            return {};
        }
        if (role == Qt::ForegroundRole) {
            return AboveLimitColour;
        }
        if (role == Qt::FontRole) {
            QFont font = twElements->font();
            font.setBold(true);
            return font;
        }
        if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
            return tr("ОС выше допустимой");
        }
        return {};
    });
    connect(twElements->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { ShowElementDetails(current.row(), false); });

    auto* details = new QWidget(spElements);
    lbElementTitle = MakeNote(details, "lbElementTitle", true);
    twAggregated = MakeTable(details, "twAggregated", tr("Групповые суждения"));
    twAggregated->setSelectionMode(QAbstractItemView::NoSelection);
    AggregatedModel = MakeModel(
        twAggregated,
        [this] {
            const int element = SelectedElement();
            return element < 0 ? CReportTable{}
                               : AggregatedMatrixTable(*Group, static_cast<std::size_t>(element), Separator);
        },
        [this](int column) -> Qt::Alignment {
            const int n = AggregatedModel != nullptr ? AggregatedModel->columnCount() - 2 : 0;
            return column == 0 ? Qt::AlignLeft : (column > n ? Qt::AlignRight : Qt::AlignHCenter);
        });
    twExpertVectors = MakeTable(details, "twExpertVectors", tr("Приоритеты экспертов"));
    twExpertVectors->setSelectionMode(QAbstractItemView::NoSelection);
    VectorsModel = MakeModel(
        twExpertVectors,
        [this] {
            const int element = SelectedElement();
            return element < 0 ? CReportTable{}
                               : ExpertVectorsTable(*Group, static_cast<std::size_t>(element), Separator);
        },
        FiguresFrom(1, 0));
    // Each expert's CR above the limit of its order stands out.
    VectorsModel->SetCellExtra([this](int row, int column, int role) -> QVariant {
        const int element = SelectedElement();
        const auto expert = static_cast<std::size_t>(column - 2);
        if (element < 0 || column < 2 || row != VectorsModel->rowCount() - 1 || expert >= Group->ExpertCount()
            || !ExpertElementRatioAboveLimit(*Group, expert, static_cast<std::size_t>(element))) {
            return {};
        }
        if (role == Qt::ForegroundRole) {
            return AboveLimitColour;
        }
        if (role == Qt::FontRole) {
            QFont font = twExpertVectors->font();
            font.setBold(true);
            return font;
        }
        if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
            return tr("ОС выше допустимой");
        }
        return {};
    });
    // A cell of the combined matrix chosen: each expert's judgement of that pair.
    twAggregated->setSelectionMode(QAbstractItemView::SingleSelection);
    twAggregated->setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(twAggregated->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { ShowPair(current.row(), current.column() - 1); });
    lbPairTitle = MakeNote(details, "lbPairTitle");
    twPairJudgements = MakeTable(details, "twPairJudgements", tr("Суждения экспертов о паре"));
    lbPairTitle->setBuddy(twPairJudgements);
    PairModel = MakeModel(
        twPairJudgements,
        [this] {
            CReportTable table;
            table.Header = {Tr(ExpertCaption), tr("Суждение").toStdString(), tr("Отклонение").toStdString()};
            const std::vector<CGroupElementResult>& elements = Group->Result().Elements;
            if (SelectedElement() < 0 || PairRow < 0 || PairColumn < 0) {
                return table;
            }
            const auto element = static_cast<std::size_t>(SelectedElement());
            const CGroupElementResult& shown = elements[element];
            const auto i = static_cast<std::uint32_t>(PairRow);
            const auto j = static_cast<std::uint32_t>(PairColumn);
            const std::vector<std::string> names = GroupComparedNames(*Group, shown.Node);
            const QString first = Text(names.at(i));
            const QString second = Text(names.at(j));
            const std::optional<std::size_t>& furthest = shown.FurthestExpert[std::min(i, j)][std::max(i, j)];
            for (std::size_t k = 0; k < Group->ExpertCount(); ++k) {
                const CJudgement judgement = Group->ExpertJudgement(k, element, i, j);
                std::string note;
                if (!Group->Included(k)) {
                    note = tr("не учитывается").toStdString();
                } else if (furthest && *furthest == k) {
                    note = tr("дальше всех от группы").toStdString();
                }
                table.Rows.push_back(
                    {Group->Member(k).Label, JudgementWords(judgement, first, second, Separator).toStdString(), note});
            }
            return table;
        },
        [](int /*column*/) -> Qt::Alignment { return Qt::AlignLeft; });
    PairModel->SetCellExtra([this](int row, int column, int role) -> QVariant {
        if (role != Qt::FontRole || column != 2 || PairModel->Text(row, 2).isEmpty()) {
            return {};
        }
        QFont font = twPairJudgements->font();
        font.setBold(true);
        return font;
    });
    lbElementMeasures = MakeNote(details, "lbElementMeasures");
    lbElementNotes = MakeNote(details, "lbElementNotes");
    spElementTables = new QSplitter(Qt::Horizontal, details);
    spElementTables->setObjectName(QStringLiteral("spElementTables"));
    spElementTables->setChildrenCollapsible(false);
    spElementTables->addWidget(twAggregated);
    spElementTables->addWidget(twExpertVectors);
    connect(spElementTables, &QSplitter::splitterMoved, this, [this] { TablesSizedByUser = true; });
    auto* detailsLayout = new QVBoxLayout(details);
    detailsLayout->setContentsMargins(0, 4, 0, 0);
    detailsLayout->addWidget(lbElementTitle);
    detailsLayout->addWidget(spElementTables, 2);
    detailsLayout->addWidget(lbPairTitle);
    detailsLayout->addWidget(twPairJudgements, 1);
    detailsLayout->addWidget(lbElementMeasures);
    detailsLayout->addWidget(lbElementNotes);
    spElements->addWidget(twElements);
    spElements->addWidget(details);
    spElements->setStretchFactor(0, 2);
    spElements->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(spElements);
    return tab;
}

QWidget* TfmGroupDecision::MakeExpertsTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsExperts"));
    cbUseWeights = new QCheckBox(Text(Tr(UseExpertWeightsCaptionPhrase)), tab);
    cbUseWeights->setObjectName(QStringLiteral("cbUseWeights"));
    connect(cbUseWeights, &QCheckBox::toggled, this, &TfmGroupDecision::UseWeightsToggled);
    lbWeightProblem = MakeNote(tab, "lbWeightProblem");
    lbWeightProblem->setStyleSheet(QStringLiteral("color: #c00000;"));
    lbWeightProblem->hide();
    twExperts = MakeTable(tab, "twExperts", Text(Tr(GroupMembersTitlePhrase)));
    // A weight is typed into its cell, as in a spreadsheet.
    twExperts->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    ExpertsModel = MakeModel(
        twExperts,
        [this] {
            CReportTable table = GroupMembersTable(*Group, Separator);
            //: The column of the check boxes that count an expert in the group's figures
            table.Header.insert(table.Header.begin(), tr("Учёт").toStdString());
            table.Header.push_back(Tr(OwnRankingCaptionPhrase));
            //: Beside an expert's check box
            const std::string included = tr("учитывать").toStdString();
            for (std::size_t k = 0; k < table.Rows.size(); ++k) {
                table.Rows[k].insert(table.Rows[k].begin(), included);
                table.Rows[k].push_back(ExpertRankingText(*Group, k, Separator));
            }
            return table;
        },
        [](int column) -> Qt::Alignment {
            return column == ExpertIncludedColumn || column == 2 || column == 3 || column == ExpertRankingColumn
                ? Qt::AlignLeft
                : Qt::AlignRight;
        });
    ExpertsModel->SetEditableColumn(
        ExpertWeightColumn, [this](int row, const QString& text) { return WeightTyped(row, text); });
    ExpertsModel->SetCheckColumn(
        ExpertIncludedColumn, [this](int row) { return Group->Included(static_cast<std::size_t>(row)); },
        [this](int row, bool on) { return SetExpertIncluded(static_cast<std::size_t>(row), on); });
    ExpertsModel->SetCellExtra([this](int row, int column, int role) -> QVariant {
        if (column == ExpertIncludedColumn && (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)) {
            return tr("Учитывать эксперта %1 во всех показателях группы")
                .arg(Text(Group->Member(static_cast<std::size_t>(row)).Label));
        }
        if (column == ExpertWeightColumn && (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)) {
            return Group->UseExpertWeights() ? tr("Вес эксперта %1: введите новое значение")
                                                   .arg(Text(Group->Member(static_cast<std::size_t>(row)).Label))
                                             : tr("Веса экспертов не учитываются");
        }
        return {};
    });

    auto* distancesTitle = MakeNote(tab, "lbDistancesTitle", true);
    distancesTitle->setText(Text(Tr(GroupDistancesTitlePhrase)));
    twDistances = MakeTable(tab, "twDistances", Text(Tr(GroupDistancesTitlePhrase)));
    distancesTitle->setBuddy(twDistances);
    DistancesModel = MakeModel(
        twDistances,
        [this] {
            CReportTable table;
            table.Header = {Tr(LevelCaption), Tr(ElementCaption), Tr(DistanceCaptionPhrase)};
            for (const std::size_t e : ElementRows) {
                const CGroupElementResult& element = Group->Result().Elements[e];
                const std::span<const CExpertDistance> all = element.Distances;
                std::string named = all.empty()
                    ? std::string(NoFigureText)
                    : DistancesText(*Group, all.first(std::min(all.size(), NamedDistances)), Separator);
                if (all.size() > NamedDistances) {
                    //: %1 names the experts nearest the group, %2 counts the others
                    named = tr("%1 и ещё %2")
                                .arg(Text(named), QString::number(all.size() - NamedDistances))
                                .toStdString();
                }
                const std::uint32_t level
                    = Group->Layered() ? element.Slot.Level : Group->Hierarchy().Level(element.Node);
                table.Rows.push_back({std::to_string(level), GroupElementLabel(*Group, e), std::move(named)});
            }
            return table;
        },
        [](int column) -> Qt::Alignment { return column == 0 ? Qt::AlignHCenter : Qt::AlignLeft; });
    connect(twDistances->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { ShowElementDistances(current.row()); });
    lbElementDistancesTitle = MakeNote(tab, "lbElementDistancesTitle", true);
    twElementDistances = MakeTable(tab, "twElementDistances", tr("Расстояние каждого эксперта от группы"));
    lbElementDistancesTitle->setBuddy(twElementDistances);
    ElementDistancesModel = MakeModel(
        twElementDistances,
        [this] {
            CReportTable table;
            table.Header = {Tr(PlaceCaption), Tr(ExpertCaption), Tr(DistanceCaptionPhrase)};
            const int element = ElementOfRow(ShownDistances);
            if (element < 0) {
                return table;
            }
            std::size_t place = 0;
            for (const CExpertDistance& distance :
                Group->Result().Elements[static_cast<std::size_t>(element)].Distances) {
                table.Rows.push_back({std::to_string(++place), Group->Member(distance.Expert).Label,
                    FormatTruncated(distance.Distance, 4, Separator)});
            }
            return table;
        },
        FiguresFrom(2, 1));

    auto* distances = new QSplitter(Qt::Horizontal, tab);
    distances->setObjectName(QStringLiteral("spDistances"));
    distances->setChildrenCollapsible(false);
    distances->addWidget(twDistances);
    auto* list = new QWidget(distances);
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(lbElementDistancesTitle);
    listLayout->addWidget(twElementDistances, 1);
    distances->addWidget(list);
    distances->setStretchFactor(0, 3);
    distances->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(cbUseWeights);
    layout->addWidget(twExperts, 3);
    layout->addWidget(lbWeightProblem);
    layout->addWidget(distancesTitle);
    layout->addWidget(distances, 2);
    return tab;
}

int TfmGroupDecision::SelectedElement() const
{
    return ElementOfRow(ShownElement);
}

int TfmGroupDecision::ElementOfRow(int row) const
{
    return row >= 0 && row < static_cast<int>(ElementRows.size())
        ? static_cast<int>(ElementRows[static_cast<std::size_t>(row)])
        : -1;
}

void TfmGroupDecision::ReplaceDecision(std::unique_ptr<CGroupDecision> decision)
{
    Group = std::move(decision);
    Steps->clear();
    ShowGroup();
    UpdateCaption();
}

std::vector<CGroupMember> TfmGroupDecision::Members() const
{
    std::vector<CGroupMember> members;
    for (std::size_t k = 0; k < Group->ExpertCount(); ++k) {
        members.push_back(Group->Member(k));
    }
    return members;
}

void TfmGroupDecision::SetFileName(const std::string& fileName)
{
    GroupFile = fileName;
    UpdateCaption();
}

bool TfmGroupDecision::Modified() const
{
    return ChangedBeyondSteps || !Steps->isClean();
}

void TfmGroupDecision::SetModified(bool modified)
{
    ChangedBeyondSteps = modified;
    if (!modified) {
        Steps->setClean();
    }
    ShowSummary();
}

void TfmGroupDecision::SetOutOfDate(bool outOfDate)
{
    Stale = outOfDate;
    ShowSummary();
}

void TfmGroupDecision::UpdateCaption()
{
    const std::string name = GroupFile.empty() ? Group->Hierarchy().Goal().Name : GroupFile;
    setWindowTitle(Text(GroupWindowCaption(name)));
    ShowSummary();
    emit CaptionChanged(this);
}

void TfmGroupDecision::ShowSummary()
{
    // Whole sentences, one after the other.
    QStringList sentences{tr("Экспертов: %1.").arg(Group->ExpertCount())};
    if (GroupFile.empty()) {
        sentences << tr("Группа не сохранена.");
    } else {
        sentences << (Modified() ? tr("Файл группы: %1 (изменён)") : tr("Файл группы: %1")).arg(Text(GroupFile));
    }
    if (Stale) {
        sentences << tr("Показатели устарели: файлы экспертов изменились и не прочитаны.");
    }
    lbGroupSummary->setText(sentences.join(QLatin1Char(' ')));
    lbGroupSummary->setStyleSheet(Stale ? QStringLiteral("color: #c00000;") : QString());
    // A screen reader hears what the summary shows beside the caption.
    //: The group window's name for a screen reader while the group has unsaved changes
    setAccessibleName(Modified() ? tr("%1 (изменена)").arg(windowTitle()) : windowTitle());
}

void TfmGroupDecision::ShowGroup()
{
    // The elements' rows: level by level, or a tree's criteria in the outline's order.
    ElementRows = GroupElementOrder(*Group);
    for (CGroupTableModel* model : {RankingModel, IdealRankingModel, ElementsModel, ExpertsModel, DistancesModel}) {
        model->Reset();
    }
    FitColumns(twRanking, *RankingModel);
    FitHeightToRows(twRanking);
    FitColumns(twIdealRanking, *IdealRankingModel);
    FitHeightToRows(twIdealRanking);
    ArrangeRanking();
    ShowIdealRanking();
    btGroupSensitivity->setEnabled(Group->Result().Ranking.Count != 0);
    FitColumns(twElements, *ElementsModel);
    FitColumns(twExperts, *ExpertsModel);
    FitColumns(twDistances, *DistancesModel);
    {
        const QSignalBlocker blocker(cbUseWeights);
        cbUseWeights->setChecked(Group->UseExpertWeights());
    }
    lbWeightProblem->hide();
    ShowRankingNotes();
    ShowPie();
    if (!PieColours.isEmpty()) {
        // Room for the colour marks the pie has just given.
        FitColumns(twRanking, *RankingModel);
        FitColumns(twIdealRanking, *IdealRankingModel);
    }
    const int row = std::clamp(ShownElement, 0, std::max(0, ElementsModel->rowCount() - 1));
    ShownElement = -1;
    if (ElementsModel->rowCount() > 0) {
        twElements->setCurrentIndex(ElementsModel->index(row, 1)); // shows its details
    }
    ShowElementDetails(row < ElementsModel->rowCount() ? row : -1, false);
    const int distances = std::clamp(ShownDistances, 0, std::max(0, DistancesModel->rowCount() - 1));
    ShownDistances = -1;
    if (DistancesModel->rowCount() > 0) {
        twDistances->setCurrentIndex(DistancesModel->index(distances, 1));
    }
    ShowElementDistances(distances < DistancesModel->rowCount() ? distances : -1);
}

void TfmGroupDecision::ShowFigures()
{
    for (CGroupTableModel* model :
        {RankingModel, ElementsModel, ExpertsModel, DistancesModel, AggregatedModel, VectorsModel}) {
        model->Refresh();
    }
    // The ideal ranking has no rows while the group has no ranking.
    if (IdealRankingModel->rowCount() == 0 || Group->Result().Ranking.Count == 0) {
        IdealRankingModel->Reset();
        FitColumns(twIdealRanking, *IdealRankingModel);
        FitHeightToRows(twIdealRanking);
    } else {
        IdealRankingModel->Refresh();
    }
    btGroupSensitivity->setEnabled(Group->Result().Ranking.Count != 0);
    // The list of one element's experts keeps its rows: the same experts, in a new order.
    ElementDistancesModel->Refresh();
    ShowRankingNotes();
    ShowPie();
    if (ShownElement >= 0) {
        ShowElementDetails(ShownElement, true);
    }
}

void TfmGroupDecision::ArrangeRanking()
{
    // A ranking longer than a layer's needs the height: its tables take it, a few rows at
    // least, and the pie stands beside the notes.
    const bool longRanking = RankingModel->rowCount() > static_cast<int>(MaxElementsPerLevel);
    RankingLower->setDirection(longRanking ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // The notes as wide as the pie, from its top.
    RankingLower->setStretch(0, longRanking ? 1 : 0);
    RankingLower->setAlignment(RankingNotes, longRanking ? Qt::AlignTop : Qt::Alignment());
    for (QTableView* table : {twRanking, twIdealRanking}) {
        RankingLayout->setStretchFactor(table, longRanking ? 3 : 0);
        table->setMinimumHeight(longRanking ? std::min(ContentHeight(table), ContentHeight(table, ShortestRanking))
                    + table->horizontalScrollBar()->sizeHint().height()
                                            : 0);
    }
    RankingLayout->setStretchFactor(RankingLower, longRanking ? 2 : 1);
}

void TfmGroupDecision::FindUnacceptable()
{
    const CGroupResult& result = Group->Result();
    UnacceptableElements.assign(ElementRows.size(), false);
    for (std::size_t row = 0; row < ElementRows.size(); ++row) {
        const CGroupElementResult& element = result.Elements[ElementRows[row]];
        const CElementSlot& slot = element.Slot;
        UnacceptableElements[row] = Group->Layered()
            ? std::any_of(result.Unacceptable.begin(), result.Unacceptable.end(),
                [&slot](const CUnacceptableMatrix& matrix) {
                    return matrix.Level == slot.Level && matrix.Position == slot.Position;
                })
            : std::any_of(result.UnacceptableNodes.begin(), result.UnacceptableNodes.end(),
                [&element](const CUnacceptableNode& matrix) { return matrix.Node == element.Node; });
    }
    // The same warning beside the group's ranking as beside a project's.
    SetNote(lbRankingWarning, Text(GroupUnacceptableWarning(*Group, Separator)));
}

void TfmGroupDecision::ShowRankingNotes()
{
    FindUnacceptable();
    const CGroupResult& result = Group->Result();
    SetNote(lbOverallConsensus, Text(OverallConsensusLine(*Group, Separator)));
    SetNote(lbFinalAgreement, Text(FinalAgreementLine(*Group, Separator)));
    SetNote(lbKendall, Text(KendallLine(*Group, Separator)));
    QStringList notes;
    // A rated expert's figures are his scores, which every expert has.
    const bool rated = result.Ratings.has_value();
    for (const std::string& note :
        {RankingProblemText(result.RankingProblem), rated ? Tr(RatedGroupIdealNote) : WithoutFinalText(*Group)}) {
        if (!note.empty()) {
            notes << Text(note);
        }
    }
    SetNote(lbRankingNotes, notes.join(QLatin1Char('\n')));
}

void TfmGroupDecision::ShowIdealRanking()
{
    // Ratings are ideal by nature: the group ranking is already the ideal one.
    const bool shown = Mode == ESynthesisMode::Ideal && !Group->Result().Ratings;
    lbIdealRankingTitle->setVisible(shown);
    twIdealRanking->setVisible(shown);
}

void TfmGroupDecision::SetSynthesisMode(ESynthesisMode mode)
{
    Mode = mode;
    ShowIdealRanking();
    ShowPie();
}

void TfmGroupDecision::ShowPie()
{
    const CGroupResult& result = Group->Result();
    FillPie(
        srGroupPie, Mode == ESynthesisMode::Ideal && result.Ranking.Count != 0 ? result.IdealRanking : result.Ranking);
    chGroupChart->setAccessibleDescription(tr("Диаграмма показывает групповые приоритеты альтернатив из таблицы «%1».")
                                               .arg(Text(WithSynthesisMode(Tr(GroupRankingTitlePhrase), Mode))));
    for (QPieSlice* slice : srGroupPie->slices()) {
        slice->setLabelArmLengthFactor(0.08);
    }
    ShrinkPieToItsLabels(chGroupChart, srGroupPie, PieSize);
    // More slices than a layer's run their labels into each other: the tables' colour
    // marks name them instead, the tip names the slice under the mouse.
    PieColours.clear();
    if (srGroupPie->count() > static_cast<int>(MaxElementsPerLevel)) {
        for (QPieSlice* slice : srGroupPie->slices()) {
            slice->setLabelVisible(false);
            PieColours.insert(SliceName(slice), slice->color());
        }
    }
    twRanking->viewport()->update();
    twIdealRanking->viewport()->update();
}

void TfmGroupDecision::ShowElementDetails(int row, bool sameElement)
{
    const CGroupResult& result = Group->Result();
    if (ElementOfRow(row) < 0) {
        ShownElement = -1;
        AggregatedModel->Reset();
        VectorsModel->Reset();
        SetNote(lbElementTitle, QString());
        SetNote(lbElementMeasures, QString());
        SetNote(lbElementNotes, QString());
        ShowPair(-1, -1);
        return;
    }
    const auto element = static_cast<std::size_t>(ElementOfRow(row));
    const CGroupElementResult& shown = result.Elements[element];
    // A layered element by its name and level, a tree's criterion by its path.
    const std::string name
        = Group->Layered() ? Group->Hierarchy().Node(shown.Node).Name : GroupNodePath(*Group, shown.Node);
    if (!sameElement || ShownElement != row) {
        ShownElement = row;
        SetNote(lbElementTitle,
            Group->Layered() ? tr("«%1» (уровень %2): групповые суждения (%3 под значением) и приоритеты экспертов")
                                   .arg(Text(name), QString::number(shown.Slot.Level), Text(Tr(SpreadTerm)))
                             : tr("«%1»: групповые суждения (%2 под значением) и приоритеты экспертов")
                                   .arg(Text(name), Text(Tr(SpreadTerm))));
        AggregatedModel->Reset();
        VectorsModel->Reset();
        // The combined matrix's columns are numbered; a screen reader and the tip name them.
        QStringList names{QString()};
        const std::vector<std::string> compared = GroupComparedNames(*Group, shown.Node);
        for (std::uint32_t i = 0; i < shown.Aggregate.Order; ++i) {
            names << QStringLiteral("%1. %2").arg(i + 1).arg(Text(compared.at(i)));
        }
        AggregatedModel->SetHeaderNames(names);
        FitColumns(twAggregated, *AggregatedModel);
        FitRowHeights(twAggregated, *AggregatedModel);
        FitColumns(twExpertVectors, *VectorsModel);
        FitElementTables();
        ShowPair(-1, -1);
    } else if (PairRow >= 0) {
        ShowPair(PairRow, PairColumn); // who lies furthest follows the weights
    }
    SetNote(lbElementMeasures, Text(GroupMeasuresText(*Group, element, Separator)));
    QStringList notes;
    for (const std::string& note :
        {LeftOutText(*Group, name, shown.LeftOut), ExpertRatioWarning(*Group, element, Separator)}) {
        if (!note.empty()) {
            notes << Text(note);
        }
    }
    SetNote(lbElementNotes, notes.join(QLatin1Char('\n')));
}

void TfmGroupDecision::ShowPair(int row, int column)
{
    const std::vector<CGroupElementResult>& elements = Group->Result().Elements;
    const int n = SelectedElement() < 0
        ? 0
        : static_cast<int>(elements[static_cast<std::size_t>(SelectedElement())].Aggregate.Order);
    const bool pair = row >= 0 && column >= 0 && row < n && column < n && row != column;
    PairRow = pair ? row : -1;
    PairColumn = pair ? column : -1;
    PairModel->Reset();
    FitColumns(twPairJudgements, *PairModel);
    if (!pair) {
        SetNote(lbPairTitle,
            tr("Выберите пару в матрице групповых суждений, чтобы увидеть суждения каждого эксперта о ней."));
        return;
    }
    const CGroupElementResult& shown = elements[static_cast<std::size_t>(SelectedElement())];
    const auto i = static_cast<std::uint32_t>(std::min(row, column));
    const auto j = static_cast<std::uint32_t>(std::max(row, column));
    const std::vector<std::string> names = GroupComparedNames(*Group, shown.Node);
    SetNote(lbPairTitle,
        tr("Пара «%1» и «%2»: её оценили %3 из %n экспертов.", nullptr, static_cast<int>(Group->ExpertCount()))
            .arg(Text(names.at(static_cast<std::size_t>(row))), Text(names.at(static_cast<std::size_t>(column))),
                QString::number(shown.Aggregate.JudgedBy[i][j])));
}

void TfmGroupDecision::ShowElementDistances(int row)
{
    ShownDistances = row;
    ElementDistancesModel->Reset();
    FitColumns(twElementDistances, *ElementDistancesModel);
    const int element = ElementOfRow(row);
    SetNote(lbElementDistancesTitle,
        element < 0 ? QString()
                    : tr("Эксперты по расстоянию от группы: %1")
                          .arg(Text(GroupElementLabel(*Group, static_cast<std::size_t>(element)))));
}

bool TfmGroupDecision::WeightTyped(int expert, const QString& text)
{
    const std::optional<double> weight = TypedWeight(text);
    if (!weight) {
        SetNote(lbWeightProblem,
            tr("Вес «%1» не принят: %2.").arg(text.trimmed(), Text(Tr(StoragePhrases::ExpertWeightRange))));
        return false;
    }
    return SetExpertWeight(static_cast<std::size_t>(expert), *weight);
}

bool TfmGroupDecision::SetExpertWeight(std::size_t expert, double weight)
{
    if (expert >= Group->ExpertCount() || !Group->UseExpertWeights()) {
        return false;
    }
    const double old = Group->Member(expert).Weight;
    if (const std::string problem = ExpertWeightProblem(weight); !problem.empty()) {
        SetNote(
            lbWeightProblem, tr("Вес %1 не принят: %2.").arg(Text(FormatGeneral(weight, Separator)), Text(problem)));
        return false;
    }
    SetNote(lbWeightProblem, QString());
    if (weight == old) {
        return true;
    }
    const QString label = Text(Group->Member(expert).Label);
    Steps->push(new CGroupEditCommand(
        //: An undo step: the Undo and Redo commands put their own word before it
        tr("вес эксперта «%1»").arg(label), [this, expert, weight] { ApplyWeight(expert, weight); },
        [this, expert, old] { ApplyWeight(expert, old); }));
    return true;
}

void TfmGroupDecision::ApplyWeight(std::size_t expert, double weight)
{
    if (Group->SetWeight(expert, weight)) {
        ShowFigures();
        ShowSummary();
    }
}

bool TfmGroupDecision::SetExpertIncluded(std::size_t expert, bool included)
{
    if (expert >= Group->ExpertCount()) {
        return false;
    }
    if (Group->Included(expert) == included) {
        return true;
    }
    const QString label = Text(Group->Member(expert).Label);
    Steps->push(new CGroupEditCommand(
        included ? tr("учёт эксперта «%1»").arg(label) : tr("исключение эксперта «%1»").arg(label),
        [this, expert, included] { ApplyIncluded(expert, included); },
        [this, expert, included] { ApplyIncluded(expert, !included); }));
    return true;
}

void TfmGroupDecision::ApplyIncluded(std::size_t expert, bool included)
{
    if (Group->SetIncluded(expert, included)) {
        // The experts taken into account may change the rows of an element's distances.
        ShowFigures();
        ShowElementDistances(ShownDistances);
        ShowSummary();
    }
}

void TfmGroupDecision::UseWeightsToggled(bool use)
{
    Steps->push(new CGroupEditCommand(
        use ? tr("учёт весов экспертов") : tr("отказ от весов экспертов"), [this, use] { ApplyUseWeights(use); },
        [this, use] { ApplyUseWeights(!use); }));
}

void TfmGroupDecision::ApplyUseWeights(bool use)
{
    Group->SetUseExpertWeights(use);
    {
        const QSignalBlocker blocker(cbUseWeights);
        cbUseWeights->setChecked(use);
    }
    ShowFigures();
    ShowSummary();
}

void TfmGroupDecision::FitSplitters()
{
    const int height = spElements->height();
    const int top
        = std::min(ContentHeight(twElements) + twElements->horizontalScrollBar()->sizeHint().height(), height * 2 / 5);
    spElements->setSizes({top, std::max(1, height - top)});
    FitElementTables();
}

void TfmGroupDecision::FitElementTables()
{
    const int width = spElementTables->width();
    if (TablesSizedByUser || width <= 0 || !spElementTables->isVisible()) {
        return;
    }
    // Room for a vertical scroll bar too: nine rows with their spreads may not fit.
    const int left
        = std::min(ContentWidth(twAggregated) + twAggregated->verticalScrollBar()->sizeHint().width(), width * 3 / 5);
    spElementTables->setSizes({left, std::max(1, width - left)});
}

void TfmGroupDecision::ShowTreeSensitivity(ESynthesisMode mode)
{
    if (TreeSensitivity == nullptr) {
        TreeSensitivity = new TfmTreeSensitivity(this);
    }
    // The criterion of the element chosen, or the first that can be moved.
    const int element = SelectedElement();
    const std::uint32_t node
        = element < 0 ? CHierarchy::GoalNode : Group->Result().Elements[static_cast<std::size_t>(element)].Node;
    TreeSensitivity->ShowSensitivity(Group->Hierarchy(), Group->Result().Nodes, node, mode);
    TreeSensitivity->exec();
}

void TfmGroupDecision::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!Fitted) {
        Fitted = true;
        // The tabs not in front have their size only once laid out.
        for (QWidget* page : {tcGroup->widget(0), tcGroup->widget(1), tcGroup->widget(2)}) {
            page->resize(tcGroup->currentWidget()->size());
            if (page->layout() != nullptr) {
                page->layout()->activate();
            }
        }
        FitSplitters();
    }
}

void TfmGroupDecision::closeEvent(QCloseEvent* event)
{
    if (MayClose && !MayClose(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    emit Closed(this);
}
