#pragma once

#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"
#include "core/results/SynthesisMode.h"

#include <QWidget>

#include <array>

class CHierarchy;
class CHierarchyResults;
class CUserProjectModel;
class CProjectResults;
struct CResultList;
class QChartView;
class QFrame;
class QLabel;
class QPieSeries;
class QScrollBar;

// The results view of a project window: the final table of the alternatives,
// largest first, and their pie with its settings. The project window lays it over
// its canvas at (0, 0), so the coordinates here are the canvas's own.
class CResultsView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CResultsView)

public:
    explicit CResultsView(QWidget* parent = nullptr);
    ~CResultsView() override;

    // Shows or hides the view and fills it from the global priorities as they
    // stand (the caller computes them first when the view opens). The project
    // window enables and disables its own buttons.
    void ShowResultsView(const CUserProjectModel& project, const CProjectResults& results, bool show,
        ESynthesisMode mode = ESynthesisMode::Distributive);
    // The bottom level's names and final priorities of the mode into the result rows, the
    // pie and the caption.
    void FillResults(const CUserProjectModel& project, const CProjectResults& results,
        ESynthesisMode mode = ESynthesisMode::Distributive);
    // The view stays shown for a hierarchy that changed under it (an undo): a row for
    // each alternative there is now, filled from the results given.
    void ShowAgain(const CUserProjectModel& project, const CProjectResults& results,
        ESynthesisMode mode = ESynthesisMode::Distributive);

    // The same for a hierarchy's alternatives (up to 20 rows): shown or hidden, filled.
    void ShowHierarchyResults(
        const CHierarchy& hierarchy, const CHierarchyResults& results, bool show, ESynthesisMode mode);

    // The result rows of a layered level; printing reads the same cells.
    std::array<QLabel*, MaxElementsPerLevel> ResultNameLabels() const;
    std::array<QLabel*, MaxElementsPerLevel> ResultValueLabels() const;
    // Every row, up to a tree's 20 alternatives.
    [[nodiscard]] QLabel* ResultNameLabel(std::uint32_t row) const { return NameLabels[row]; }
    [[nodiscard]] QLabel* ResultValueLabel(std::uint32_t row) const { return ValueLabels[row]; }
    // The mark of the row's slice colour, shown for more rows than a layered level has.
    [[nodiscard]] QFrame* ResultColourMark(std::uint32_t row) const { return ColourMarks[row]; }

    QLabel* lbTitleInfoTable = nullptr;
    QLabel* lbNameObject = nullptr;
    QLabel* lbPriorityValue = nullptr;
    QFrame* bvInfoTable = nullptr;
    QChartView* chPriorityChart = nullptr;
    QPieSeries* srPieSeries = nullptr;
    QLabel* lbChartTools = nullptr;
    QLabel* lbRotation = nullptr;
    QScrollBar* sbRotation = nullptr;
    QLabel* lbZoon = nullptr;
    QScrollBar* sbZoom = nullptr;
    QLabel* lbBiggest = nullptr;
    QScrollBar* sbBiggest = nullptr;
    QLabel* lbHorOffset = nullptr;
    QScrollBar* sbHorOffset = nullptr;
    QLabel* lbVerOffset = nullptr;
    QScrollBar* sbVerOffset = nullptr;

    // The pie size at zoom 100, relative to the chart's plot area.
    static constexpr double PieSizePerZoom = 0.6 / 124.0;

private:
    void sbRotationChange(int position);
    void sbZoomChange(int position);
    void sbBiggestChange(int position);
    void sbHorOffsetChange(int position);
    void sbVerOffsetChange(int position);
    // Size and centre of the pie from the zoom and the offsets, within what keeps every
    // slice label readable.
    void FitPie();
    // The rows, visibility and caption for a ranking of `shown` rows (the rest hidden when
    // hideRest), then the ranking into the rows and the pie.
    void ShowRanking(const CResultList& ranking, std::uint32_t shown, bool show, bool hideRest, ESynthesisMode mode);
    void FillRanking(const CResultList& ranking, ESynthesisMode mode);
    // More rows than a layered level has: closer rows, the chart settings under the chart.
    void PlaceControls(std::uint32_t rows);

    std::array<QLabel*, MaxAlternatives> NameLabels{};
    std::array<QLabel*, MaxAlternatives> ValueLabels{};
    std::array<QFrame*, MaxAlternatives> ColourMarks{};
    std::uint32_t PlacedRows = MaxElementsPerLevel;
};
