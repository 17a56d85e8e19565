#pragma once

#include <QCoreApplication>
#include <QtGlobal>

#include <vector>

struct CElementSensitivityText;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTableWidget;
class QValueAxis;
class QVBoxLayout;
class QWidget;

// The gradient view of a sensitivity window, built into its page: a line per alternative
// over the moved weight, the weight as it stands, the place changes marked on the lines, a
// legend under the chart (the chart's own would cut long names short) and the table of the
// place changes beside it. The windows fill the lines and the legend themselves.
class CSensitivityGradient final {
    Q_DISABLE_COPY_MOVE(CSensitivityGradient)
    Q_DECLARE_TR_FUNCTIONS(CSensitivityGradient)

public:
    // The first lines are made with the view, drawn under the weight's line and the marks;
    // lines added later are drawn over them.
    explicit CSensitivityGradient(QWidget* page, int firstLines = 0);
    ~CSensitivityGradient() = default;

    // A new line for the alternative at this index, on the chart's axes.
    QLineSeries* AddLine(int index);
    // The priority axis up to the largest value rounded up to a tenth (at least 0.1), a
    // tick a tenth, and the weight's dashed line across it.
    void ShowScale(double largest, double weight);
    // The place changes into the table, and the note under it (where the weight stands
    // when the text has no note of its own).
    void ShowCrossings(const CElementSensitivityText& text, double weight);

    std::vector<QLineSeries*> FirstLines;
    QChart* Chart = nullptr;
    QValueAxis* AxisX = nullptr;
    QValueAxis* AxisY = nullptr;
    QLineSeries* PresentWeight = nullptr;
    QScatterSeries* CrossingMarks = nullptr;
    QChartView* View = nullptr;
    QLabel* Legend = nullptr;
    QTableWidget* Crossings = nullptr;
    QLabel* CrossingsNote = nullptr;
    // The column of the place changes, where a window may put more above them.
    QVBoxLayout* Side = nullptr;
};
