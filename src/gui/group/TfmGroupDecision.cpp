#include "gui/group/TfmGroupDecision.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/ReportContent.h"
#include "gui/results/PieFilling.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace {
// The largest pie, over the chart's plot area; smaller when its labels need the room.
constexpr double PieSize = 0.7;
const QColor AboveLimitColour(192, 0, 0);

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QTableWidget* MakeTable(QWidget* parent, const char* name)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setHighlightSections(false);
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

// A table of the report content; align gives each column's alignment. The cells are
// read-only; a cell's text may hold a second line.
void Fill(QTableWidget* table, const CReportTable& content, const std::function<Qt::Alignment(int)>& align)
{
    table->clear();
    table->setRowCount(0); // cell widgets go with their rows
    table->setColumnCount(static_cast<int>(content.Header.size()));
    table->setRowCount(static_cast<int>(content.Rows.size()));
    QStringList header;
    for (const std::string& caption : content.Header) {
        header << Text(caption);
    }
    table->setHorizontalHeaderLabels(header);
    for (int r = 0; r < table->rowCount(); ++r) {
        const std::vector<std::string>& row = content.Rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(Text(row[static_cast<std::size_t>(c)]));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            item->setTextAlignment(align(c) | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
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

// The room a table needs to show every row and column without scrolling.
int ContentHeight(const QTableWidget* table)
{
    int height = 2 * table->frameWidth() + table->horizontalHeader()->height();
    for (int r = 0; r < table->rowCount(); ++r) {
        height += table->rowHeight(r);
    }
    return height;
}

int ContentWidth(const QTableWidget* table)
{
    int width = 2 * table->frameWidth();
    for (int c = 0; c < table->columnCount(); ++c) {
        width += table->columnWidth(c);
    }
    return width;
}

// A table no taller than its rows (and the scroll bar under them, should the columns
// not fit across).
void FitHeightToRows(QTableWidget* table)
{
    table->setMaximumHeight(ContentHeight(table) + table->horizontalScrollBar()->sizeHint().height());
}

void SetNote(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}
} // namespace

TfmGroupDecision::TfmGroupDecision(std::unique_ptr<CGroupDecision> decision, QWidget* parent)
    : QWidget(parent)
    , Group(std::move(decision))
    , Separator(DecimalSeparator())
{
    setObjectName(QStringLiteral("fmGroupDecision"));
    lbGroupSummary = MakeNote(this, "lbGroupSummary");
    btGroupMembers = new QPushButton(QStringLiteral("Состав группы..."), this);
    btGroupMembers->setObjectName(QStringLiteral("btGroupMembers"));
    btSaveGroup = new QPushButton(QStringLiteral("Сохранить группу"), this);
    btSaveGroup->setObjectName(QStringLiteral("btSaveGroup"));
    btSaveGroupAs = new QPushButton(QStringLiteral("Сохранить группу как..."), this);
    btSaveGroupAs->setObjectName(QStringLiteral("btSaveGroupAs"));
    connect(btGroupMembers, &QPushButton::clicked, this, [this] { emit MembersRequested(this); });
    connect(btSaveGroup, &QPushButton::clicked, this, [this] { emit SaveRequested(this); });
    connect(btSaveGroupAs, &QPushButton::clicked, this, [this] { emit SaveAsRequested(this); });

    tcGroup = new QTabWidget(this);
    tcGroup->setObjectName(QStringLiteral("tcGroup"));
    tcGroup->addTab(MakeRankingTab(), Text(RankingTabTitle));
    tcGroup->addTab(MakeElementsTab(), Text(ElementsTabTitle));
    tcGroup->addTab(MakeExpertsTab(), Text(ExpertsTabTitle));
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

    ShowExperts();
    ShowFigures();
    UpdateCaption();
}

TfmGroupDecision::~TfmGroupDecision() = default;

QWidget* TfmGroupDecision::MakeRankingTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsRanking"));
    auto* title = MakeNote(tab, "lbRankingTitle", true);
    title->setText(Text(GroupRankingTitle));
    twRanking = MakeTable(tab, "twRanking");
    title->setBuddy(twRanking);
    lbOverallConsensus = MakeNote(tab, "lbOverallConsensus", true);
    lbFinalAgreement = MakeNote(tab, "lbFinalAgreement");
    lbRankingNotes = MakeNote(tab, "lbRankingNotes");

    srGroupPie = new QPieSeries();
    srGroupPie->setObjectName(QStringLiteral("srGroupPie"));
    srGroupPie->setPieSize(PieSize);
    chGroupChart = MakePieChartView(tab, srGroupPie, 5);
    chGroupChart->setObjectName(QStringLiteral("chGroupChart"));
    chGroupChart->setFrameStyle(QFrame::Panel | QFrame::Raised);
    chGroupChart->setMinimumSize(300, 220);
    connect(chGroupChart->chart(), &QChart::plotAreaChanged, this,
        [this] { ShrinkPieToItsLabels(chGroupChart, srGroupPie, PieSize); });
    connect(srGroupPie, &QPieSeries::hovered, this,
        [this](QPieSlice* slice, bool over) { chGroupChart->setToolTip(over ? SliceName(slice) : QString()); });

    // The table across the whole width, for the experts' columns; the pie under it.
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(title);
    layout->addWidget(twRanking);
    layout->addWidget(lbOverallConsensus);
    layout->addWidget(lbFinalAgreement);
    layout->addWidget(lbRankingNotes);
    layout->addWidget(chGroupChart, 1);
    return tab;
}

QWidget* TfmGroupDecision::MakeElementsTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsElements"));
    spElements = new QSplitter(Qt::Vertical, tab);
    spElements->setObjectName(QStringLiteral("spElements"));
    spElements->setChildrenCollapsible(false);
    twElements = MakeTable(spElements, "twElements");
    connect(twElements, &QTableWidget::currentCellChanged, this,
        [this](int row, int /*column*/, int /*previousRow*/, int /*previousColumn*/) { ShowElementDetails(row); });

    auto* details = new QWidget(spElements);
    lbElementTitle = MakeNote(details, "lbElementTitle", true);
    twAggregated = MakeTable(details, "twAggregated");
    twAggregated->setSelectionMode(QAbstractItemView::NoSelection);
    twAggregated->setAccessibleName(QStringLiteral("Групповые суждения"));
    twExpertVectors = MakeTable(details, "twExpertVectors");
    twExpertVectors->setSelectionMode(QAbstractItemView::NoSelection);
    twExpertVectors->setAccessibleName(QStringLiteral("Приоритеты экспертов"));
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
    detailsLayout->addWidget(spElementTables, 1);
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
    cbUseWeights = new QCheckBox(Text(UseExpertWeightsCaption), tab);
    cbUseWeights->setObjectName(QStringLiteral("cbUseWeights"));
    connect(cbUseWeights, &QCheckBox::toggled, this, &TfmGroupDecision::UseWeightsToggled);
    twExperts = MakeTable(tab, "twExperts");
    auto* distancesTitle = MakeNote(tab, "lbDistancesTitle", true);
    distancesTitle->setText(Text(GroupDistancesTitle));
    twDistances = MakeTable(tab, "twDistances");
    distancesTitle->setBuddy(twDistances);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(cbUseWeights);
    layout->addWidget(twExperts);
    layout->addWidget(distancesTitle);
    layout->addWidget(twDistances, 1);
    return tab;
}

void TfmGroupDecision::ReplaceDecision(std::unique_ptr<CGroupDecision> decision)
{
    Group = std::move(decision);
    ShowExperts();
    ShowFigures();
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

void TfmGroupDecision::SetModified(bool modified)
{
    Changed = modified;
    ShowSummary();
}

QDoubleSpinBox* TfmGroupDecision::WeightBox(std::size_t expert) const
{
    return qobject_cast<QDoubleSpinBox*>(twExperts->cellWidget(static_cast<int>(expert), ExpertWeightColumn));
}

void TfmGroupDecision::UpdateCaption()
{
    const std::string name = GroupFile.empty() ? Group->Model().Goal().Name : GroupFile;
    setWindowTitle(Text(GroupWindowCaption(name)));
    ShowSummary();
    emit CaptionChanged(this);
}

void TfmGroupDecision::ShowSummary()
{
    QString text = QStringLiteral("Экспертов: %1. ").arg(Group->ExpertCount());
    if (GroupFile.empty()) {
        text += QStringLiteral("Группа не сохранена.");
    } else {
        text += QStringLiteral("Файл группы: %1%2")
                    .arg(Text(GroupFile), Changed ? QStringLiteral(" (изменён)") : QString());
    }
    lbGroupSummary->setText(text);
}

void TfmGroupDecision::ShowFigures()
{
    ShowRanking();
    ShowElements();
    ShowExpertFigures();
}

void TfmGroupDecision::ShowRanking()
{
    Fill(twRanking, GroupRankingTable(*Group, Separator), FiguresFrom(2, 1));
    FitHeightToRows(twRanking);
    const CGroupResult& result = Group->Result();
    SetNote(lbOverallConsensus, Text(OverallConsensusLine(*Group, Separator)));
    SetNote(lbFinalAgreement, Text(FinalAgreementLine(*Group, Separator)));
    QStringList notes;
    for (const std::string& note : {result.RankingProblem, WithoutFinalText(*Group)}) {
        if (!note.empty()) {
            notes << Text(note);
        }
    }
    SetNote(lbRankingNotes, notes.join(QLatin1Char('\n')));
    FillPie(srGroupPie, result.Ranking);
    for (QPieSlice* slice : srGroupPie->slices()) {
        slice->setLabelArmLengthFactor(0.08);
    }
    ShrinkPieToItsLabels(chGroupChart, srGroupPie, PieSize);
}

void TfmGroupDecision::ShowElements()
{
    const int row = std::max(0, twElements->currentRow());
    {
        const QSignalBlocker blocker(twElements);
        Fill(twElements, GroupElementsTable(*Group, Separator), FiguresFrom(2, 1));
    }
    if (twElements->rowCount() > 0) {
        const int kept = std::min(row, twElements->rowCount() - 1);
        {
            const QSignalBlocker blocker(twElements);
            twElements->setCurrentCell(kept, 1);
        }
        ShowElementDetails(kept);
    } else {
        ShowElementDetails(-1);
    }
}

void TfmGroupDecision::ShowElementDetails(int row)
{
    const CGroupResult& result = Group->Result();
    if (row < 0 || row >= static_cast<int>(result.Elements.size())) {
        twAggregated->clear();
        twAggregated->setRowCount(0);
        twExpertVectors->clear();
        twExpertVectors->setRowCount(0);
        SetNote(lbElementTitle, QString());
        SetNote(lbElementMeasures, QString());
        SetNote(lbElementNotes, QString());
        return;
    }
    const auto element = static_cast<std::size_t>(row);
    const CGroupElementResult& shown = result.Elements[element];
    const std::string& name = Group->Model().Element(shown.Slot.Position, shown.Slot.Level).Name;
    SetNote(lbElementTitle,
        QStringLiteral("«%1» (уровень %2): групповые суждения (%3 под значением) и приоритеты экспертов")
            .arg(Text(name))
            .arg(shown.Slot.Level)
            .arg(Text(SpreadTerm)));
    Fill(twAggregated, AggregatedMatrixTable(*Group, element, Separator),
        [n = static_cast<int>(shown.Aggregate.Order)](int column) -> Qt::Alignment {
            return column == 0 ? Qt::AlignLeft : (column > n ? Qt::AlignRight : Qt::AlignHCenter);
        });
    Fill(twExpertVectors, ExpertVectorsTable(*Group, element, Separator), FiguresFrom(1, 0));
    // Each expert's CR above the limit of its order stands out.
    const int ratioRow = twExpertVectors->rowCount() - 1;
    for (std::size_t k = 0; k < Group->ExpertCount(); ++k) {
        QTableWidgetItem* cell = twExpertVectors->item(ratioRow, 2 + static_cast<int>(k));
        if (cell != nullptr && ExpertRatioAboveLimit(*Group, k, shown.Slot)) {
            cell->setForeground(AboveLimitColour);
            QFont font = cell->font();
            font.setBold(true);
            cell->setFont(font);
            cell->setToolTip(QStringLiteral("ОС выше допустимой"));
        }
    }
    FitElementTables();
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

void TfmGroupDecision::ShowExperts()
{
    const CReportTable members = GroupMembersTable(*Group, Separator);
    CReportTable table = members;
    table.Header.emplace_back(OwnRankingCaption);
    for (std::size_t k = 0; k < table.Rows.size(); ++k) {
        table.Rows[k][ExpertWeightColumn].clear(); // the weight box stands there
        table.Rows[k].push_back(ExpertRankingText(*Group, k, Separator));
    }
    Fill(twExperts, table, [](int column) -> Qt::Alignment {
        return column == 1 || column == 2 || column == ExpertRankingColumn ? Qt::AlignLeft : Qt::AlignRight;
    });
    for (std::size_t k = 0; k < Group->ExpertCount(); ++k) {
        auto* box = new QDoubleSpinBox(twExperts);
        box->setObjectName(QStringLiteral("WeightBox_%1").arg(k));
        box->setAccessibleName(QStringLiteral("Вес эксперта %1").arg(Text(Group->Member(k).Label)));
        box->setDecimals(3);
        box->setRange(0.001, 1000000.0);
        box->setSingleStep(0.5);
        box->setFrame(false);
        box->setValue(Group->Member(k).Weight);
        box->setEnabled(Group->UseExpertWeights());
        connect(box, &QDoubleSpinBox::valueChanged, this, [this, k](double weight) { WeightChanged(k, weight); });
        twExperts->setCellWidget(static_cast<int>(k), ExpertWeightColumn, box);
    }
    twExperts->setColumnWidth(ExpertWeightColumn, 90);
    FitHeightToRows(twExperts);
    {
        const QSignalBlocker blocker(cbUseWeights);
        cbUseWeights->setChecked(Group->UseExpertWeights());
    }
}

void TfmGroupDecision::ShowExpertFigures()
{
    const CReportTable members = GroupMembersTable(*Group, Separator);
    for (std::size_t k = 0; k < members.Rows.size(); ++k) {
        const int row = static_cast<int>(k);
        if (QTableWidgetItem* share = twExperts->item(row, ExpertShareColumn)) {
            share->setText(Text(members.Rows[k][ExpertShareColumn]));
        }
        if (QTableWidgetItem* ranking = twExperts->item(row, ExpertRankingColumn)) {
            ranking->setText(Text(ExpertRankingText(*Group, k, Separator)));
        }
    }
    // The experts in a line, most distant first, read from the left.
    Fill(twDistances, GroupDistancesTable(*Group, Separator),
        [](int column) -> Qt::Alignment { return column == 0 ? Qt::AlignHCenter : Qt::AlignLeft; });
}

void TfmGroupDecision::WeightChanged(std::size_t expert, double weight)
{
    if (Group->SetWeight(expert, weight)) {
        SetModified(true);
        ShowFigures();
    }
}

void TfmGroupDecision::UseWeightsToggled(bool use)
{
    Group->SetUseExpertWeights(use);
    for (std::size_t k = 0; k < Group->ExpertCount(); ++k) {
        if (QDoubleSpinBox* box = WeightBox(k)) {
            box->setEnabled(use);
        }
    }
    ShowFigures();
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
