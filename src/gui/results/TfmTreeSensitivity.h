#pragma once

#include "core/results/SynthesisMode.h"

#include <QColor>
#include <QDialog>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class CNodeWeightMoves;
class CRatingResults;
class CSensitivityBars;
class CSensitivityGradient;
struct CHierarchySensitivity;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSlider;
class QTabWidget;
class QTableWidget;

// How far the local weight of any criterion of a tree may move before the ranking of the
// alternatives changes: the analysis's lines of every alternative over the weight, the
// place changes and the critical change; and the dynamic view, where the user moves the
// weights of the criterion and its siblings and sees the alternatives follow. Shown
// modally; it reads the tree and its results and never changes them: the moved weights
// live only here.
class TfmTreeSensitivity final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmTreeSensitivity)

public:
    explicit TfmTreeSensitivity(QWidget* parent = nullptr);
    ~TfmTreeSensitivity() override;

    // Analyses the tree and shows the criterion given, or the first that can be moved when
    // it cannot (its parent has a single child, or it is the goal).
    void ShowSensitivity(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node,
        ESynthesisMode mode = ESynthesisMode::Distributive);
    // The same for a rated tree: the lines of the scores, drawn for the leading alternatives
    // and those the user picks; the crossings listed are those with the leader.
    void ShowRatingSensitivity(const CHierarchy& hierarchy, const CRatingResults& ratings, std::uint32_t node);
    // The node of the criterion shown (the goal when none can be moved).
    [[nodiscard]] std::uint32_t ShownNode() const;

    // The dynamic view's weights of the shown criterion's group (its parent's children, in
    // their order) and the alternatives' values, in the alternatives' order.
    [[nodiscard]] double MovedWeight(std::size_t sibling) const;
    [[nodiscard]] double MovedAlternative(std::size_t alternative) const;

    QLabel* lbCritical = nullptr;
    QComboBox* cbCriterion = nullptr;
    QLabel* lbSummary = nullptr;
    QTabWidget* tbViews = nullptr;
    QChartView* chGradient = nullptr;
    QLabel* lbLegend = nullptr;
    QTableWidget* tbCrossings = nullptr;
    QLabel* lbCrossingsNote = nullptr;
    // Dynamic view: a row per member of the group (made as needed, the extra ones hidden).
    QWidget* pnDynamic = nullptr;
    std::vector<QLabel*> WeightNames;
    std::vector<QSlider*> WeightSliders;
    std::vector<QLabel*> WeightValues;
    CSensitivityBars* Bars = nullptr;
    QPushButton* btReset = nullptr;
    QPushButton* btClose = nullptr;
    // One line per alternative drawn, in the order of DrawnAlternatives.
    std::vector<QLineSeries*> Lines;
    // A rated tree's alternatives by place, the leading ones checked and fixed; the user
    // checks others to draw them too. Hidden for a tree compared in pairs.
    QListWidget* lvDrawnAlternatives = nullptr;
    // The alternatives drawn: all of a tree compared in pairs; of a rated tree the leading
    // ones by score, then those picked, by place.
    std::vector<std::uint32_t> DrawnAlternatives;
    static constexpr std::uint32_t LeadingAlternatives = 10;

    // Points of an ideal-mode curve.
    static constexpr int IdealCurveSteps = 100;
    // A slider position per unit of weight.
    static constexpr int SliderSteps = 10000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateDynamicView(QWidget* page);
    // What both kinds of tree show once analysed and coloured.
    void ShowAnalysis(const CHierarchy& hierarchy, std::uint32_t node);
    // The lines and bars for the alternatives drawn.
    void PrepareDrawn();
    void DrawnAlternativeChecked(QListWidgetItem* item);
    // On the dynamic view, the chosen criterion's slider takes the keyboard focus so that
    // the arrows move its weight at once; false elsewhere.
    bool FocusShownWeight();
    void cbCriterionChange(int index);
    void ResetDynamic();
    void SliderMoved(std::size_t sibling, int value);
    void ShowWeights();

    const CHierarchy* Hierarchy = nullptr;
    const CHierarchyResults* Results = nullptr;
    const CRatingResults* Ratings = nullptr;
    ESynthesisMode Mode = ESynthesisMode::Distributive;
    std::unique_ptr<CHierarchySensitivity> Analysis;
    std::unique_ptr<CNodeWeightMoves> Moves;
    QWidget* WeightRows = nullptr;
    // Each alternative keeps the colour of its slice in the results view.
    std::vector<QColor> Colours;
    std::unique_ptr<CSensitivityGradient> Gradient;
    // The last change of the criterion came from stepping through the closed list (arrows,
    // letters, the wheel): the focus stays in the list for the next step.
    bool Stepping = false;
};
