#pragma once

#include "core/document/CProjectDocument.h"
#include "core/results/SynthesisMode.h"
#include "gui/widgets/CSharedWindow.h"

#include <QList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CRatingResultsView;
class CResultsView;
class CTreeOutlineModel;
class QAction;
class QScrollArea;
class QSplitter;
class QToolButton;
class TfmTreePriorities;
class TfmTreeSensitivity;
class QTreeView;
class QTreeWidget;
class QUndoStack;
class TfmExpertForm;
class TfmRatings;

// The window of a project held as a tree of criteria: the outline of the hierarchy
// (goal, criteria, their priorities and consistency) beside the alternatives with their
// final priorities. Every structure edit is a key, a context-menu item and one undo step;
// every figure is read from the document's results.
class TTreeProject final : public QWidget {
    Q_OBJECT

public:
    // mayClose asks the save question of a closing window (false: the window stays);
    // expertForm is the comparison window Enter opens (none: Enter does nothing).
    explicit TTreeProject(std::function<bool(CProjectDocument&, QWidget&)> mayClose,
        CSharedWindow<TfmExpertForm> expertForm = {}, QWidget* parent = nullptr);
    ~TTreeProject() override;
    TTreeProject(const TTreeProject&) = delete;
    TTreeProject& operator=(const TTreeProject&) = delete;
    TTreeProject(TTreeProject&&) = delete;
    TTreeProject& operator=(TTreeProject&&) = delete;

    [[nodiscard]] CProjectDocument& Document() { return ProjectDocument; }
    [[nodiscard]] const CProjectDocument& Document() const { return ProjectDocument; }
    [[nodiscard]] QUndoStack& UndoSteps() const { return *UndoStack; }
    [[nodiscard]] QTreeView* Outline() const { return trOutline; }
    [[nodiscard]] QTreeWidget* Alternatives() const { return lvAlternatives; }

    // A new tree: the goal, one criterion and two alternatives to start from, compared
    // in pairs or rated.
    void BuildNewTree(const QString& goal, EAlternativeEvaluation evaluation = EAlternativeEvaluation::Pairs);
    // The document was filled (a file read): the outline and the list show it.
    void ShowLoadedTree();
    // The tree a layered project converts to, as a new project: never saved, so closing
    // asks, and undoing never makes it unchanged.
    void BuildConvertedTree(CHierarchy tree);
    // The window's edit commands as the frame's edit menu lists them: the criteria's,
    // a separator, the alternatives'.
    [[nodiscard]] QList<QAction*> EditCommands() const;
    void SetSynthesisMode(ESynthesisMode mode);
    // The criterion under the cursor of the outline (the goal when none).
    [[nodiscard]] std::uint32_t CurrentNode() const;
    void SelectNode(std::uint32_t node);
    // The results view (Ctrl+3 or its button) in place of the outline, as a layered
    // project shows it; the priorities of the criteria and the sensitivity, opened on a
    // criterion (none while some criterion's judgements do not connect what it compares).
    [[nodiscard]] CResultsView* ResultsPanel() const { return ResultsView; }
    // A rated tree's results view, shown in the results view's place.
    [[nodiscard]] CRatingResultsView* RatingResultsPanel() const { return RatingView; }
    [[nodiscard]] QToolButton* ResultsButton() const { return btResultsView; }
    void ShowLevelPriorities(std::uint32_t node);
    void ShowSensitivity(std::uint32_t node);
    // The alternatives compared in pairs or rated, after the question what is dropped:
    // one undo step; a refusal is shown.
    void SetEvaluationClick(EAlternativeEvaluation evaluation);
    // The scales' window of a rated tree.
    void ShowRatingScales();
    // The criterion under the cursor takes one of the scales, after a warning when its
    // ratings are dropped: one undo step.
    void CriterionScaleClick();
    [[nodiscard]] QAction* CriterionScaleCommand() const { return mnCriterionScale; }
    // The ratings window of a rated tree (Ctrl+4, or Enter on a rated criterion), made
    // once and reused, its cursor in the criterion's column; a pairwise tree has none.
    void ShowRatings(std::uint32_t node);
    [[nodiscard]] TfmRatings* RatingsWindow() const { return RatingsForm; }

signals:
    void Closed(TTreeProject* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Left on a leaf or a folded criterion goes to its parent, Right on an unfolded one to
    // its first child, whatever the style's own arrow keys do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateCommands();
    // A done edit becomes one undo step with its name; a refused one shows why.
    bool FinishStep(const std::string& refusal, const std::string& stepName);
    // Shows the document anew, the cursor kept on the same criterion where it still is.
    void FitOutlineColumns();
    void Reshow();
    void ShowAlternatives();
    // The results view of the tree's kind shown or hidden, filled from the document.
    void ShowResults(bool show);
    // A rated tree's alternatives with their scores and shares.
    void ShowRatedAlternatives();
    [[nodiscard]] bool Rated() const;
    // The commands that follow the evaluation: the criterion's scale only for ratings.
    void ShowEvaluation();
    void AddCriterionClick(bool beside);
    void RenameCriterionClick();
    void DeleteCriterionClick();
    void MoveCriterionClick(int by);
    // Alt+Left: the criterion becomes the next sibling of its parent; Alt+Right: the
    // last child of its previous sibling.
    void MoveCriterionOutClick();
    void MoveCriterionInClick();
    // A move to another place (a drop, Alt+Left, Alt+Right): one undo step, the cursor
    // following the criterion.
    void MoveCriterionTo(std::uint32_t node, std::uint32_t newParent, std::uint32_t index);
    void CommentCriterionClick();
    // The alternative under the list's cursor, if any.
    [[nodiscard]] std::optional<std::uint32_t> CurrentAlternative() const;
    void SelectAlternative(std::uint32_t index);
    void AddAlternativeClick();
    void RenameAlternativeClick();
    void DeleteAlternativeClick();
    void MoveAlternativeClick(int by);
    // Enter or a double-click: the comparison window for the criterion's children, or
    // for the alternatives under a covering criterion; one undo step per opening.
    void JudgeCriterion(std::uint32_t node);
    [[nodiscard]] QString AskName(const QString& label, const QString& initial);
    void CreateResultsCommands(QWidget* panel);
    void btResultsViewClick();
    // The sentence refusing results while some judgements do not connect; false when none.
    bool RefusedForMissingComparisons();
    // The comment dialog; none when cancelled (an empty text clears the comment).
    [[nodiscard]] std::optional<QString> AskComment(const QString& label, const QString& initial);

    CProjectDocument ProjectDocument;
    std::function<bool(CProjectDocument&, QWidget&)> MayClose;
    CSharedWindow<TfmExpertForm> ExpertForm;
    // The cursor's criterion by its names, taken while the outline and the tree agree: an
    // undone step changes the tree before the outline is shown anew, so the node number
    // under the cursor may then name another criterion, or none.
    std::vector<std::string> CurrentPath;
    ESynthesisMode Synthesis = ESynthesisMode::Distributive;
    QUndoStack* UndoStack = nullptr;
    CTreeOutlineModel* OutlineModel = nullptr;
    QTreeView* trOutline = nullptr;
    QTreeWidget* lvAlternatives = nullptr;
    QAction* mnAddSubCriterion = nullptr;
    QAction* mnAddCriterion = nullptr;
    QAction* mnRenameCriterion = nullptr;
    QAction* mnDeleteCriterion = nullptr;
    QAction* mnMoveUp = nullptr;
    QAction* mnMoveDown = nullptr;
    QSplitter* spTree = nullptr;
    QToolButton* btResultsView = nullptr;
    QScrollArea* ResultsBox = nullptr;
    CResultsView* ResultsView = nullptr;
    CRatingResultsView* RatingView = nullptr;
    QAction* mnCurrentPriority = nullptr;
    QAction* mnSensitivity = nullptr;
    // Made on first use, then reused.
    TfmTreePriorities* PrioritiesWindow = nullptr;
    TfmTreeSensitivity* SensitivityWindow = nullptr;
    TfmRatings* RatingsForm = nullptr;
    QAction* mnMoveOut = nullptr;
    QAction* mnMoveIn = nullptr;
    QAction* mnCommentCriterion = nullptr;
    QAction* mnCriterionScale = nullptr;
    QAction* mnAlternativesSeparator = nullptr;
    QAction* mnAddAlternative = nullptr;
    QAction* mnRenameAlternative = nullptr;
    QAction* mnDeleteAlternative = nullptr;
    QAction* mnMoveAlternativeUp = nullptr;
    QAction* mnMoveAlternativeDown = nullptr;
};
