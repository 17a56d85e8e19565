#pragma once

#include "core/judgement/CJudgingSession.h"
#include "core/model/ModelConstants.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <cstdint>

class CExpertTable_Element;
class CProjectDocument;
class CWideExpertTable;
class TfmAbsoluteMatrix;
class TfmExpertScale;
class QFrame;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;

// The comparison window: the judgements of the n elements of one level with
// respect to one element of the level above, entered through the verbal scale or
// typed on the current cell (the window keeps the keyboard; its buttons take none and
// answer their shortcuts wherever the current cell is). Ctrl+Z and Ctrl+Shift+Z or
// Ctrl+Y take back and make again the changes of the working matrix one by one.
// Created once for the whole run; its 99 table controls are made at 9 x 9 and
// afterwards only captioned, placed, shown and hidden. More than nine elements (a
// criterion of a tree) are judged in a table of their own, made on first need, that
// scrolls where the screen has no room for it. The judging itself is the
// session's: the window shows it and hands it the user's actions.
class TfmExpertForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmExpertForm)

public:
    explicit TfmExpertForm(QWidget* parent = nullptr);
    ~TfmExpertForm() override;

    // The scale window it opens for a cell and the research window beside it.
    void SetPartnerWindows(TfmExpertScale* scale, TfmAbsoluteMatrix* research);

    // The whole opening for an element: load, compute, show modally, and commit the
    // working matrix into the element however the window closes. An element with no
    // level below it has nothing to judge and is left alone.
    void JudgeElement(CProjectDocument& document, std::uint32_t position, std::uint32_t level, QWidget* owner);
    // The same for a criterion of a tree. False, and nothing opened, for a criterion that
    // compares fewer than two or more than twenty.
    bool JudgeNode(CProjectDocument& document, std::uint32_t node, QWidget* owner);
    // The same for the intensities of a rated tree's scale. False, and nothing opened,
    // for a scale the tree has not.
    bool JudgeScale(CProjectDocument& document, std::uint32_t scale, QWidget* owner);

    [[nodiscard]] const CJudgingSession& Session() const { return Judging; }
    [[nodiscard]] const CJudgementMatrix& WorkingJudgements() const { return Judging.Working(); }
    [[nodiscard]] std::uint32_t Order() const { return Judging.Order(); }
    [[nodiscard]] std::uint32_t CurrentRow() const { return Judging.CurrentRow(); }
    [[nodiscard]] std::uint32_t CurrentColumn() const { return Judging.CurrentColumn(); }
    [[nodiscard]] bool ResearchOpen() const { return ResearchIsOpen; }
    [[nodiscard]] const std::array<double, MaxElementsPerLevel>& ShownPriorities() const
    {
        return Judging.Shown().Priority;
    }

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
    // While a comparison is left out: how many are given and whether they suffice, on a
    // line under the table that the window grows by; hidden otherwise.
    QLabel* lbJudgedPairs = nullptr;
    // The table of more than nine elements in its scroll area; none until first needed.
    QScrollArea* sbWideTable = nullptr;
    CWideExpertTable* WideTable = nullptr;
    // A cell's context menu: "Не сравнивать" leaves its pair out.
    QMenu* mnCell = nullptr;
    QAction* mnNotCompare = nullptr;

signals:
    // The working matrix changed (a typed digit, a line of the scale, an accepted
    // suggestion), was applied, or the judging ended: whoever shows the judging takes
    // its state again. The suggestions it offers are those of the matrix as it stands.
    void JudgingChanged(const CJudgingSession& session);

public slots:
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Shows the opened session modally and commits it however the window closes.
    void RunJudging(QWidget* owner);
    void CreateTable();
    // The table of more than nine elements, its names' column as wide as the names need
    // and the screen allows.
    void ArrangeWideTable();
    [[nodiscard]] bool Wide() const;
    // The controls of the order shown, in the nine's table or the wide one.
    [[nodiscard]] CExpertTable_Element* Cell(std::uint32_t r, std::uint32_t c) const;
    [[nodiscard]] QLabel* PriorityLabel(std::uint32_t k) const;
    [[nodiscard]] QRect AvailableScreen() const;
    void FormShow();
    void FormClose();
    void CellPress(CExpertTable_Element* cell);
    void CellDoubleClick(CExpertTable_Element* cell);
    // The scale for the current cell, preselected with its judgement.
    void JudgeCurrentCell();
    // True when the key was one of the table's.
    bool TableKey(const QKeyEvent* event);
    // The focus frame onto the session's current cell.
    void ShowCurrentCell();
    void btApplyClick();
    void btOkClick();
    void btCancelClick();
    void btResearchClick();
    // The buttons' keys, each named in its button's tooltip, and the undo keys.
    void CreateShortcuts();
    // Undo and redo inside the judging: the pair changed goes through the same showing
    // as any change of the working matrix.
    void UndoChange();
    void RedoChange();
    // After any change of the working matrix at the pair (r, c): its two cells show it,
    // and an open research window the state of the suggestions.
    void ShowWorkingChange(std::uint32_t r, std::uint32_t c);
    void EnableResearch();
    // The research window for this element: its order and names, its figures, beside.
    void ShowResearch();
    // Ctrl+R: opens the research window, or brings the open one forward with the keyboard.
    void ResearchKey();
    // The suggestions offered afresh for the working matrix as it stands, and everyone
    // showing the judging told.
    void WorkingChanged();
    // "Принять" of suggestion index there: the session enters it as its line of the
    // scale would be.
    void AcceptSuggestion(std::uint32_t index);
    // The session's shown priorities and measures into the labels.
    void ShowMeasures();
    void ShowCells();
    void SetCellText(std::uint32_t r, std::uint32_t c);
    // Delete, Backspace or "Не сравнивать": the current pair left out, the cell staying
    // current ("0" leaves it out as a typed digit and moves on).
    void LeaveOutCurrentCell();
    void CellContextMenu(CExpertTable_Element* cell, const QPoint& globalPosition);
    // The line under the table from the working matrix; the window is laid out again when
    // the line comes or goes or changes its height.
    void ShowJudgedPairs();
    // Places the table's companions, the measures and the buttons for the order and the
    // line under the table, and sizes the window.
    void PlaceControls();
    // The same under a wide table: the scroll area as large as the table or the screen.
    void PlaceWideControls();
    // The measures and buttons from y down, the window width wide; sizes the window.
    void PlaceMeasures(int y, int width, int researchLeft);

    CJudgingSession Judging;
    bool ResearchIsOpen = false;
    QPointer<QWidget> Owner;
    QPointer<TfmExpertScale> ScaleWindow;
    QPointer<TfmAbsoluteMatrix> ResearchWindow;
};
