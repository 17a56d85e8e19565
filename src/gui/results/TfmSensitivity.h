#pragma once

#include "core/model/ModelConstants.h"
#include "core/results/SynthesisMode.h"

#include <QColor>
#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class CSensitivityBars;
class CSensitivityGradient;
class CWeightMoves;
class CUserProjectModel;
class CProjectResults;
struct CSensitivityAnalysis;
struct CSensitivityInput;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QSlider;
class QTabWidget;
class QTableWidget;

// How far each weight of a middle level may move before the ranking changes. Created
// once for the whole run and shown modally; the caller computes the priorities first.
// It reads the project and never changes it: the moved weights live only here.
class TfmSensitivity final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmSensitivity)

public:
    explicit TfmSensitivity(QWidget* parent = nullptr);
    ~TfmSensitivity() override;

    // Fills the window for the element at (position, level), kept inside the middle levels;
    // a project without middle levels shows that there is nothing to analyse.
    // In the ideal mode every line, crossing and bar is the ideal result's.
    void ShowSensitivity(const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level,
        std::uint32_t position, ESynthesisMode mode = ESynthesisMode::Distributive);

    [[nodiscard]] std::uint32_t ShownLevel() const { return Level; }
    [[nodiscard]] std::uint32_t ShownPosition() const { return Position; }
    // The dynamic view's weights of the level's elements and the alternatives' values,
    // in position order.
    [[nodiscard]] double MovedWeight(std::uint32_t position) const;
    [[nodiscard]] double MovedAlternative(std::uint32_t position) const;

    QLabel* lbCritical = nullptr;
    QComboBox* cbLevel = nullptr;
    QComboBox* cbElement = nullptr;
    QTabWidget* tbViews = nullptr;
    // Gradient view.
    QChartView* chGradient = nullptr;
    QLabel* lbLegend = nullptr;
    QTableWidget* tbCrossings = nullptr;
    QLabel* lbCrossingsNote = nullptr;
    // Dynamic view.
    QWidget* pnDynamic = nullptr;
    std::array<QLabel*, MaxElementsPerLevel> WeightNames{};
    std::array<QSlider*, MaxElementsPerLevel> WeightSliders{};
    std::array<QLabel*, MaxElementsPerLevel> WeightValues{};
    CSensitivityBars* Bars = nullptr;
    QPushButton* btReset = nullptr;
    QPushButton* btClose = nullptr;

    // A slider position per unit of weight.
    static constexpr int SliderSteps = 10000;
    // Points of an ideal-mode curve in the gradient view.
    static constexpr int IdealCurveSteps = 100;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateGradientView(QWidget* page);
    void CreateDynamicView(QWidget* page);
    void FillLevels();
    void cbLevelChange(int index);
    void cbElementChange(int index);
    void ShowGradient();
    void ResetDynamic();
    void SliderMoved(std::uint32_t position, int value);
    void ShowWeights();
    void btResetClick();

    std::unique_ptr<CSensitivityInput> Input;
    std::unique_ptr<CSensitivityAnalysis> Analysis;
    // The dynamic view's weights and alternatives as the sliders moved them.
    std::unique_ptr<CWeightMoves> Moves;

    std::uint32_t Level = 0;
    std::uint32_t Position = 0;
    std::uint32_t LevelCount = 0;
    std::array<std::array<QString, MaxElementsPerLevel>, MaxLevels> Names;
    // The alternatives' names as the report content takes them.
    std::array<std::string, MaxElementsPerLevel> AlternativeNames;
    std::array<QColor, MaxElementsPerLevel> AlternativeColours;

    std::unique_ptr<CSensitivityGradient> Gradient;
    std::array<QLineSeries*, MaxElementsPerLevel> Lines{};
};
