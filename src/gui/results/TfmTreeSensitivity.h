#pragma once

#include "core/results/SynthesisMode.h"

#include <QColor>
#include <QDialog>

#include <cstdint>
#include <memory>
#include <vector>

class CHierarchy;
class CHierarchyResults;
struct CHierarchySensitivity;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

// How far the local weight of any criterion of a tree may move before the ranking of the
// alternatives changes: the analysis's lines of every alternative over the weight, the
// place changes and the critical change. Shown modally; it reads the tree and its results
// and never changes them.
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
    // The node of the criterion shown (the goal when none can be moved).
    [[nodiscard]] std::uint32_t ShownNode() const;

    QLabel* lbCritical = nullptr;
    QComboBox* cbCriterion = nullptr;
    QLabel* lbSummary = nullptr;
    QChartView* chGradient = nullptr;
    QLabel* lbLegend = nullptr;
    QTableWidget* tbCrossings = nullptr;
    QLabel* lbCrossingsNote = nullptr;
    QPushButton* btClose = nullptr;
    // One line per alternative, in the alternatives' order.
    std::vector<QLineSeries*> Lines;

    // Points of an ideal-mode curve.
    static constexpr int IdealCurveSteps = 100;

private:
    void cbCriterionChange(int index);

    const CHierarchy* Hierarchy = nullptr;
    std::unique_ptr<CHierarchySensitivity> Analysis;
    // Each alternative keeps the colour of its slice in the results view.
    std::vector<QColor> Colours;
    QChart* GradientChart = nullptr;
    QValueAxis* AxisX = nullptr;
    QValueAxis* AxisY = nullptr;
    QLineSeries* PresentWeight = nullptr;
    QScatterSeries* CrossingMarks = nullptr;
};
