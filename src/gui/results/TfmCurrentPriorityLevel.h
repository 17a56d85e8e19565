#pragma once

#include "core/model/ModelConstants.h"
#include "core/results/SynthesisMode.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CUserProjectModel;
class CProjectResults;
struct CResultList;
class QChartView;
class QFrame;
class QLabel;
class QPieSeries;
class QPushButton;
class QToolButton;

// The global priorities of one level of a project, sorted, with a pie, stepping
// level by level. Created once for the whole run and shown modally; the caller
// computes the priorities first (they are not recomputed while it is open).
class TfmCurrentPriorityLevel final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmCurrentPriorityLevel)

public:
    explicit TfmCurrentPriorityLevel(QWidget* parent = nullptr);
    ~TfmCurrentPriorityLevel() override;

    void SetLevelRange(std::uint32_t level, std::uint32_t count);
    // Shows the given level, kept inside 1 .. count - 1; the project is kept for the buttons.
    // In the ideal mode the bottom level shows the ideal priorities.
    void ShowLevelPriorities(const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level,
        ESynthesisMode mode = ESynthesisMode::Distributive);
    // Orders the m values with their names through the core and shows them.
    void FillLevelPriorities(std::uint32_t m, const std::vector<double>& values, const std::vector<std::string>& names);
    // Rows, level number and pie from a list already in order.
    void ShowResults(const CResultList& list);

    [[nodiscard]] std::uint32_t CurrentLevelNumber() const { return LevelNumber; }

    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lbLevelNum = nullptr;
    QLabel* lbNameObject = nullptr;
    QLabel* lbPriorityValue = nullptr;
    QChartView* chPriorityChart = nullptr;
    QPieSeries* Series1 = nullptr;
    QToolButton* btPreviouseData = nullptr;
    QToolButton* btNextData = nullptr;
    QPushButton* btClose = nullptr;
    std::array<QLabel*, MaxElementsPerLevel> NameCells{};
    std::array<QLabel*, MaxElementsPerLevel> ValueCells{};

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btPreviouseDataClick();
    void btNextDataClick();
    void btCloseClick();

    // A radius of 100 in the 329-pixel-high chart.
    static constexpr double PieSize = 0.62;

    std::uint32_t LevelNumber = 1;
    std::uint32_t LevelCount = 0;
    const CUserProjectModel* Project = nullptr;
    const CProjectResults* Results = nullptr;
    ESynthesisMode Mode = ESynthesisMode::Distributive;
};
