#include "gui/results/CRatingResultsView.h"

#include "core/model/CHierarchy.h"
#include "core/results/CRatingResults.h"
#include "core/results/Synthesis.h"
#include "gui/results/CRatingBars.h"
#include "gui/results/CRatingResultsModel.h"
#include "gui/results/PieFilling.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr double PieSize = 0.7;
} // namespace

CRatingResultsView::CRatingResultsView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RatingResultsView"));
    lbRatingTitle = new QLabel(tr("Итоговый результат: оценки по шкалам"), this);
    lbRatingTitle->setObjectName(QStringLiteral("lbRatingTitle"));
    QFont titleFont = lbRatingTitle->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(17);
    lbRatingTitle->setFont(titleFont);
    lbRatingTitle->setAlignment(Qt::AlignCenter);

    lbChartCaption = new QLabel(this);
    lbChartCaption->setObjectName(QStringLiteral("lbChartCaption"));
    lbChartCaption->setWordWrap(true);
    srRatingPie = new QPieSeries();
    srRatingPie->setObjectName(QStringLiteral("srRatingPie"));
    chRatingPie = MakePieChartView(this, srRatingPie, 0);
    chRatingPie->setObjectName(QStringLiteral("chRatingPie"));
    chRatingPie->setMinimumSize(360, 300);
    connect(chRatingPie->chart(), &QChart::plotAreaChanged, this,
        [this] { ShrinkPieToItsLabels(chRatingPie, srRatingPie, PieSize); });
    connect(srRatingPie, &QPieSeries::hovered, this,
        [this](QPieSlice* slice, bool over) { chRatingPie->setToolTip(over ? SliceName(slice) : QString()); });
    RatingBars = new CRatingBars(this);
    RatingBars->setAccessibleName(tr("Ведущие альтернативы по оценке"));

    Model = new CRatingResultsModel(this);
    tvRatingResults = new QTableView(this);
    tvRatingResults->setObjectName(QStringLiteral("tvRatingResults"));
    tvRatingResults->setAccessibleName(tr("Альтернативы по оценке"));
    tvRatingResults->setModel(Model);
    tvRatingResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvRatingResults->setSelectionMode(QAbstractItemView::SingleSelection);
    tvRatingResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvRatingResults->setWordWrap(false);
    tvRatingResults->verticalHeader()->hide();
    // Every row the same height, and columns sized by their headers and a sample, never by
    // measuring a thousand rows.
    tvRatingResults->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tvRatingResults->verticalHeader()->setDefaultSectionSize(tvRatingResults->fontMetrics().height() + 6);
    QHeaderView* header = tvRatingResults->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(CRatingResultsModel::NameColumn, QHeaderView::Stretch);
    const QFontMetrics metrics = tvRatingResults->fontMetrics();
    // Measured on the texts the model shows, in the interface's language.
    header->resizeSection(
        CRatingResultsModel::PlaceColumn, metrics.horizontalAdvance(CRatingResultsModel::tr("Место")) + 16);
    header->resizeSection(CRatingResultsModel::ScoreColumn, metrics.horizontalAdvance(QStringLiteral("0.0000")) + 24);
    header->resizeSection(CRatingResultsModel::ShareColumn, metrics.horizontalAdvance(QStringLiteral("0.0000")) + 24);
    header->resizeSection(
        CRatingResultsModel::MarkColumn, metrics.horizontalAdvance(CRatingResultsModel::tr("не все оценки")) + 16);
    tvRatingResults->setMinimumWidth(420);

    lbRatingNote = new QLabel(tr("Оценка 1 означает лучшую интенсивность по всем критериям; доля — "
                                 "оценка альтернативы, делённая на сумму оценок всех альтернатив."),
        this);
    lbRatingNote->setObjectName(QStringLiteral("lbRatingNote"));
    lbRatingNote->setWordWrap(true);

    auto* chart = new QVBoxLayout;
    chart->addWidget(lbChartCaption);
    chart->addWidget(chRatingPie, 1);
    chart->addWidget(RatingBars);
    chart->addStretch();
    auto* row = new QHBoxLayout;
    row->addLayout(chart, 1);
    row->addWidget(tvRatingResults, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbRatingTitle);
    layout->addLayout(row, 1);
    layout->addWidget(lbRatingNote);
    hide();
}

CRatingResultsView::~CRatingResultsView() = default;

void CRatingResultsView::ShowRatingResults(const CHierarchy& hierarchy, const CRatingResults& results)
{
    Model->Fill(hierarchy, results);
    const std::vector<std::uint32_t>& ranking = results.Ranking();
    const auto m = static_cast<std::uint32_t>(ranking.size());
    const bool pie = m <= MaxPieSlices;
    chRatingPie->setVisible(pie);
    RatingBars->setVisible(!pie);
    if (pie) {
        lbChartCaption->setText(tr("Доли альтернатив"));
        CResultList rows;
        rows.Count = m;
        for (std::uint32_t place = 0; place < m; ++place) {
            const std::uint32_t a = ranking[place];
            rows.Rows[place] = {hierarchy.Alternatives()[a].Name, results.Shares()[a], PieColours[place], a};
        }
        FillPie(srRatingPie, rows);
        ShrinkPieToItsLabels(chRatingPie, srRatingPie, PieSize);
        return;
    }
    const std::uint32_t shown = std::min(m, LeadingBars);
    lbChartCaption->setText(tr("Первые %1 альтернатив по оценке из %2").arg(shown).arg(m));
    std::vector<CRatingBars::CBar> bars;
    bars.reserve(shown);
    for (std::uint32_t place = 0; place < shown; ++place) {
        const std::uint32_t a = ranking[place];
        bars.push_back(
            {QString::fromStdString(hierarchy.Alternatives()[a].Name), results.Scores()[a], results.Complete(a)});
    }
    RatingBars->SetBars(std::move(bars));
    srRatingPie->clear();
}
