#pragma once

#include <QWidget>

#include <cstdint>

class CHierarchy;
class CRatingBars;
class CRatingResults;
class CRatingResultsModel;
class QChartView;
class QLabel;
class QPieSeries;
class QTableView;

// The results view of a rated tree: every alternative by place with its score, share and
// the mark of cells not rated; beside the table, the shares as a pie for a few
// alternatives, or the leading ones' scores as bars past a pie's nine slices.
class CRatingResultsView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CRatingResultsView)

public:
    // A pie holds this many alternatives; past it, the bars show this many leading ones.
    static constexpr std::uint32_t MaxPieSlices = 9;
    static constexpr std::uint32_t LeadingBars = 20;

    explicit CRatingResultsView(QWidget* parent = nullptr);
    ~CRatingResultsView() override;

    void ShowRatingResults(const CHierarchy& hierarchy, const CRatingResults& results);

    QLabel* lbRatingTitle = nullptr;
    QLabel* lbChartCaption = nullptr;
    QChartView* chRatingPie = nullptr;
    QPieSeries* srRatingPie = nullptr;
    CRatingBars* RatingBars = nullptr;
    QTableView* tvRatingResults = nullptr;
    QLabel* lbRatingNote = nullptr;

private:
    CRatingResultsModel* Model = nullptr;
};
