#pragma once

#include <QDialog>

#include <cstdint>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class QChartView;
class QComboBox;
class QLabel;
class QPieSeries;
class QPushButton;
class QTableWidget;
class QToolButton;

// The priorities of a tree's criteria, a group at a time: first the criteria that judge
// the alternatives (their global priorities sum to 1), then the children of each criterion
// that has criteria below it, each with its local and global priority, largest first, and
// a pie of the group. Shown modally; it reads the results given and never changes them.
class TfmTreePriorities final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmTreePriorities)

public:
    explicit TfmTreePriorities(QWidget* parent = nullptr);
    ~TfmTreePriorities() override;

    // Fills the list of groups and shows the children of the node given, or the criteria
    // judging the alternatives when it has none of its own; the hierarchy and its results
    // must outlive the showing.
    void ShowPriorities(const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node);

    QComboBox* cbGroup = nullptr;
    QTableWidget* tbPriorities = nullptr;
    QChartView* chPriorityChart = nullptr;
    QPieSeries* Series1 = nullptr;
    QLabel* lbPieNote = nullptr;
    QToolButton* btPreviouseData = nullptr;
    QToolButton* btNextData = nullptr;
    QPushButton* btClose = nullptr;

    // The largest group a pie is drawn for: one distinct colour a slice.
    static constexpr int MaxPieSlices = 20;

private:
    void cbGroupChange(int index);
    // The pie at its size, its labels shortened to fit, the crowded ones left out.
    void FitPie();

    const CHierarchy* Hierarchy = nullptr;
    const CHierarchyResults* Results = nullptr;
    // The node whose children each entry of the list shows; the first entry is the
    // criteria judging the alternatives.
    std::vector<std::uint32_t> Groups;
};
