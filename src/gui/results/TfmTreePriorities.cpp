#include "gui/results/TfmTreePriorities.h"

#include "core/model/CHierarchy.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "gui/results/DialogButtons.h"
#include "gui/results/PieFilling.h"
#include "gui/widgets/AccessibleCells.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr double PieSize = 0.62;

QIcon ColourMark(const QColor& colour)
{
    QPixmap mark(12, 12);
    mark.fill(colour);
    return QIcon(mark);
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QTableWidgetItem* Cell(const QString& text, bool figure)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(figure ? QString() : text);
    if (figure) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

} // namespace

TfmTreePriorities::TfmTreePriorities(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fmTreePriorities"));
    setWindowTitle(tr("Приоритеты критериев"));
    setModal(true);

    auto* rows = new QVBoxLayout(this);
    auto* selector = new QHBoxLayout;
    auto* caption = new QLabel(tr("Показать:"), this);
    caption->setObjectName(QStringLiteral("lbGroup"));
    selector->addWidget(caption);
    cbGroup = new QComboBox(this);
    cbGroup->setObjectName(QStringLiteral("cbGroup"));
    cbGroup->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbGroup->setMinimumContentsLength(40);
    caption->setBuddy(cbGroup);
    KeepAccessibleCellsInStep(*cbGroup->view());
    selector->addWidget(cbGroup, 1);
    btPreviouseData = MakeStepButton(this, "btPreviouseData", tr("Предыдущая группа"), Qt::LeftArrow);
    btNextData = MakeStepButton(this, "btNextData", tr("Следующая группа"), Qt::RightArrow);
    selector->addWidget(btPreviouseData);
    selector->addWidget(btNextData);
    rows->addLayout(selector);

    auto* columns = new QHBoxLayout;
    tbPriorities = new QTableWidget(0, 3, this);
    tbPriorities->setObjectName(QStringLiteral("tbPriorities"));
    tbPriorities->setAccessibleName(tr("Приоритеты критериев"));
    tbPriorities->setHorizontalHeaderLabels({tr("Критерий"), tr("Локальный"), tr("Глобальный")});
    tbPriorities->verticalHeader()->hide();
    tbPriorities->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tbPriorities->setSelectionBehavior(QAbstractItemView::SelectRows);
    tbPriorities->setWordWrap(false);
    tbPriorities->setTextElideMode(Qt::ElideMiddle);
    tbPriorities->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tbPriorities->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tbPriorities->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    KeepAccessibleCellsInStep(*tbPriorities);
    tbPriorities->verticalHeader()->setDefaultSectionSize(tbPriorities->fontMetrics().height() + 6);
    tbPriorities->setMinimumWidth(420);
    // Without a pie the table takes the whole width, the reason why beneath it.
    auto* tableSide = new QVBoxLayout;
    tableSide->addWidget(tbPriorities, 1);
    columns->addLayout(tableSide, 3);

    // The pie in a panel of its own: a hidden panel leaves its room to the table.
    auto* chartPanel = new QWidget(this);
    chartPanel->setObjectName(QStringLiteral("pnChart"));
    auto* chartSide = new QVBoxLayout(chartPanel);
    chartSide->setContentsMargins(0, 0, 0, 0);
    Series1 = new QPieSeries();
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setPieSize(PieSize);
    chPriorityChart = MakePieChartView(chartPanel, Series1, 5);
    chPriorityChart->setObjectName(QStringLiteral("chPriorityChart"));
    chPriorityChart->setMinimumSize(360, 330);
    connect(chPriorityChart->chart(), &QChart::plotAreaChanged, this, [this] { FitPie(); });
    connect(Series1, &QPieSeries::hovered, this,
        [this](QPieSlice* slice, bool over) { chPriorityChart->setToolTip(over ? SliceName(slice) : QString()); });
    chartSide->addWidget(chPriorityChart, 1);
    lbPieNote = new QLabel(this);
    lbPieNote->setObjectName(QStringLiteral("lbPieNote"));
    lbPieNote->setWordWrap(true);
    tableSide->addWidget(lbPieNote);
    columns->addWidget(chartPanel, 2);
    rows->addLayout(columns, 1);

    btClose = AddCloseButton(this, rows);

    connect(cbGroup, &QComboBox::currentIndexChanged, this, &TfmTreePriorities::cbGroupChange);
    connect(btPreviouseData, &QToolButton::clicked, this,
        [this] { cbGroup->setCurrentIndex(std::max(0, cbGroup->currentIndex() - 1)); });
    connect(btNextData, &QToolButton::clicked, this,
        [this] { cbGroup->setCurrentIndex(std::min(cbGroup->count() - 1, cbGroup->currentIndex() + 1)); });
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(980, 560);
}

TfmTreePriorities::~TfmTreePriorities() = default;

void TfmTreePriorities::ShowPriorities(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node)
{
    Hierarchy = &hierarchy;
    Results = &results;
    Groups.assign(1, CHierarchy::GoalNode);
    int shown = 0;
    const QSignalBlocker blocker(cbGroup);
    cbGroup->clear();
    cbGroup->addItem(tr("Критерии, по которым сравниваются альтернативы"));
    for (const std::uint32_t each : DepthFirstNodes(hierarchy)) {
        if (hierarchy.IsCovering(each)) {
            continue;
        }
        if (each == node) {
            shown = static_cast<int>(Groups.size());
        }
        Groups.push_back(each);
        cbGroup->addItem(each == CHierarchy::GoalNode
                ? tr("Критерии цели «%1»").arg(Text(hierarchy.Goal().Name))
                : tr("Подкритерии «%1»").arg(Text(NodePathText(hierarchy, each))));
    }
    cbGroup->setCurrentIndex(shown);
    cbGroupChange(shown);
}

void TfmTreePriorities::FitPie()
{
    // Crowded labels give way to the larger slices'; the table's colour marks name the rest.
    FitPieToItsLabels(chPriorityChart, Series1, PieSize, 0.0, 0, 0);
}

void TfmTreePriorities::cbGroupChange(int index)
{
    if (Hierarchy == nullptr || Results == nullptr || index < 0 || index >= static_cast<int>(Groups.size())) {
        return;
    }
    const bool covering = index == 0;
    const std::vector<CNodePriority> rows
        = covering ? CoveringPriorities(*Hierarchy, *Results) : ChildPriorities(*Hierarchy, *Results, Groups[index]);
    tbPriorities->setRowCount(static_cast<int>(rows.size()));
    CResultList pie;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const CNodePriority& row = rows[r];
        // Criteria judging the alternatives may share a name under different parents.
        const QString name = Text(covering ? NodePathText(*Hierarchy, row.Node) : Hierarchy->Node(row.Node).Name);
        const int at = static_cast<int>(r);
        tbPriorities->setItem(at, 0, Cell(name, false));
        if (rows.size() <= static_cast<std::size_t>(MaxPieSlices)) {
            tbPriorities->item(at, 0)->setIcon(ColourMark(ToQColor(PieColours[r])));
        }
        tbPriorities->setItem(at, 1, Cell(TruncatedText(row.Local, 4), true));
        tbPriorities->setItem(at, 2, Cell(TruncatedText(row.Global, 4), true));
        if (r < pie.Rows.size()) {
            pie.Rows[r].Name = name.toStdString();
            // The children's local priorities are their shares of the criterion.
            pie.Rows[r].Value = covering ? row.Global : row.Local;
            pie.Rows[r].Colour = PieColours[r];
            pie.Rows[r].Position = static_cast<std::uint32_t>(r);
        }
    }
    const bool drawn = rows.size() <= static_cast<std::size_t>(MaxPieSlices);
    pie.Count = drawn ? static_cast<std::uint32_t>(rows.size()) : 0U;
    FillPie(Series1, pie);
    FitPie();
    chPriorityChart->parentWidget()->setVisible(drawn);
    lbPieNote->setText(drawn
            ? QString()
            : tr("Диаграмма строится не более чем для %1 критериев: их здесь %2.").arg(MaxPieSlices).arg(rows.size()));
    lbPieNote->setVisible(!drawn);
    btPreviouseData->setEnabled(index > 0);
    btNextData->setEnabled(index + 1 < cbGroup->count());
}
