#pragma once

#include "model/ModelConstants.h"
#include "model/TMatrix.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <cstdint>

class CExpertTable_Element;
class CUserProjectModel;
class QFrame;
class QLabel;
class QPushButton;

// The comparison window: the judgements of the n elements of one level with
// respect to one element of the level above, entered through the verbal scale.
// Created once for the whole run; its 99 table controls are made at 9 x 9 and
// afterwards only captioned, placed, shown and hidden.
class TfmExpertForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmExpertForm)

public:
    explicit TfmExpertForm(QWidget* parent = nullptr);
    ~TfmExpertForm() override;

    // The whole opening for the project's current element: load, compute, show
    // modally, and copy the working matrix back into the element however the
    // window closes. The bottom level has nothing to judge and is left alone.
    void JudgeElement(CUserProjectModel& project, QWidget* owner);

    // The steps of the opening, usable alone.
    void SetOrder(std::uint32_t n);
    void LoadJudgements(const TMatrix<int>& judgements);
    void SetRowName(std::uint32_t k, const QString& name);
    void SetObjectName(const QString& name);
    void ShowLambdaMax(double x);
    void ShowCI(double x);
    void ShowCR(double x);
    void ShowPriorities(std::uint32_t n, const double* priorities);
    TMatrix<int>& WorkingJudgements() { return Working; }
    [[nodiscard]] std::uint32_t Order() const { return MatrixOrder; }
    [[nodiscard]] std::uint32_t CurrentRow() const { return CurrentCellRow; }
    [[nodiscard]] std::uint32_t CurrentColumn() const { return CurrentCellColumn; }
    [[nodiscard]] bool ResearchOpen() const { return ResearchIsOpen; }
    [[nodiscard]] const std::array<double, MaxElementsPerLevel>& ShownPriorities() const { return Shown; }

    QLabel* lbText_1 = nullptr;
    QLabel* lbText_2 = nullptr;
    QLabel* stMainObjectName = nullptr;
    QFrame* bvMainObjectBevel = nullptr;
    QLabel* lbPriority = nullptr;
    QLabel* lbOwnerValue = nullptr;
    QLabel* stOwnerValue = nullptr;
    QLabel* lbIS = nullptr;
    QLabel* stIS = nullptr;
    QLabel* lbOS = nullptr;
    QLabel* stOS = nullptr;
    QPushButton* btApply = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;
    QPushButton* btResearch = nullptr;
    std::array<QLabel*, MaxElementsPerLevel> RowNameLabels{};
    std::array<QLabel*, MaxElementsPerLevel> PriorityLabels{};
    std::array<std::array<CExpertTable_Element*, MaxElementsPerLevel>, MaxElementsPerLevel> Cells{};

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateTable();
    void FormShow();
    void FormClose();
    void CellPress(CExpertTable_Element* cell);
    void CellDoubleClick(CExpertTable_Element* cell);
    void btApplyClick();
    void btOkClick();
    void btCancelClick();
    void btResearchClick();
    void EnableResearch();
    void ShowMeasuresOfJudged();
    void SetCellText(std::uint32_t r, std::uint32_t c);

    TMatrix<int> Working{MaxElementsPerLevel, MaxElementsPerLevel};
    std::array<double, MaxElementsPerLevel> Shown{};
    std::uint32_t MatrixOrder = 0;
    std::uint32_t CurrentCellRow = 0;
    std::uint32_t CurrentCellColumn = 0;
    bool ResearchIsOpen = false;

    // The project whose element is judged, while the window is open for it.
    CUserProjectModel* Project = nullptr;
    std::uint32_t JudgedPosition = 0;
    std::uint32_t JudgedLevel = 0;
    QPointer<QWidget> Owner;
};

// The expert-mode double-click's opening of the comparison window, on the run-long
// window AppWindows().ExpertForm.
void JudgeElement(CUserProjectModel& project, QWidget* owner);
