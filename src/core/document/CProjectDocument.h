#pragma once

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/CRatingResults.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Whoever keeps the project's undo steps (its window) beside the document: told when a
// save makes the state now the saved one, and when no state of the steps is the saved
// one any more; and, for the window's mark, whenever Modified changes.
struct CSavedStateKeeper {
    std::function<void()> Saved;
    std::function<void()> SavedStateLost;
    std::function<void(bool)> ModifiedChanged;
};

// One rating cell: the alternative's intensity (or NotRated) under a rated criterion.
struct CRatingCell {
    std::uint32_t Node = 0;
    std::uint32_t Alternative = 0;
    std::int32_t Intensity = NotRated;
};

// One open project as a document: its hierarchy model (the layered grid, or a tree of
// criteria), the results computed from it, and what the frame's file and close commands
// keep about it. Every change a user makes goes through here, so a change always marks
// the project modified. The results are a value of the document: computed again, when
// asked for, whenever the hierarchy changed since they were last computed, so nobody
// ever refreshes them.
class CProjectDocument {
public:
    CProjectDocument() = default;
    CProjectDocument(const CProjectDocument&) = delete;
    CProjectDocument& operator=(const CProjectDocument&) = delete;
    virtual ~CProjectDocument() = default;

    [[nodiscard]] const CUserProjectModel& Model() const { return ProjectModel; }
    [[nodiscard]] const CProjectResults& Results() const;

    // A project held as a tree of criteria: its hierarchy and, computed as the layered
    // results are, its results keyed by node. Tree() and TreeResults() only for a tree.
    [[nodiscard]] bool IsTree() const { return TreeModel != nullptr; }
    [[nodiscard]] const CHierarchy& Tree() const { return *TreeModel; }
    [[nodiscard]] const CHierarchyResults& TreeResults() const;
    // A rated tree's figures (the criteria's results, the scales', the scores, shares and
    // ranking), a value as TreeResults is. Only for a tree.
    [[nodiscard]] const CRatingResults& RatingResults() const;

    // The file the project came from or was last saved to; empty for a new project.
    [[nodiscard]] const std::string& FileName() const { return Name; }
    void SetFileName(const std::string& fileName) { Name = fileName; }
    [[nodiscard]] bool Modified() const { return IsModified; }
    void MarkModified() { SetModified(true); }
    // After a successful save: nothing unsaved remains, and the undo steps' present
    // state is the saved one.
    void MarkSaved();
    // The file the project is bound to holds no state the undo steps can come back to
    // (Save as of a changed project, or a Save as that failed): the project stays
    // changed until it is saved, whatever is undone.
    void ForgetSavedState();
    // The undo steps came back to the saved state (true: the project is unchanged again,
    // whatever marked it changed on the way) or left it (false).
    void StepsAtSavedState(bool atSaved) { SetModified(!atSaved); }
    void SetSavedStateKeeper(CSavedStateKeeper keeper) { Keeper = std::move(keeper); }

    // The closing protocol: the frame sets ClosingAll when it closes every project
    // itself (and takes the window out of its registry); AskSaveOnClose is cleared
    // when a fatal model error closes the window without its question.
    [[nodiscard]] bool ClosingAll() const { return IsClosingAll; }
    void SetClosingAll(bool closingAll) { IsClosingAll = closingAll; }
    [[nodiscard]] bool AskSaveOnClose() const { return AskSave; }
    void SetAskSaveOnClose(bool ask) { AskSave = ask; }

    // Building: a fresh hierarchy, or one from a filled exchange record (false, nothing
    // built, for a record the grid cannot hold). Neither is an edit.
    void BuildNewHierarchy(
        std::uint32_t elementsPerLevel, std::uint32_t levelCount, const std::string& goal, const std::string& comment);
    bool BuildLoadedHierarchy(const TLoadSaveProject& record);
    // The project becomes that tree (a new one, or one read from a file): not an edit.
    void BuildTree(CHierarchy tree);
    // False, and the model's fatal error raised, for a slot outside the grid.
    bool CheckSlot(std::uint32_t position, std::uint32_t level) { return ProjectModel.CheckSlot(position, level); }

    // The user's edits. A refused command changes nothing, Modified included.
    EStructureResult AddElement(std::uint32_t level);
    EStructureResult DeleteElement(std::uint32_t position, std::uint32_t level);
    EStructureResult AddLevel(std::uint32_t level, std::uint32_t elementCount, bool before);
    EStructureResult DeleteLevel(std::uint32_t level);
    bool SetElementText(
        std::uint32_t position, std::uint32_t level, const std::string& name, const std::string& comment);
    // The leading n x n block of judgements into the element; the cells beyond it keep
    // what they hold.
    bool CommitJudgements(
        std::uint32_t position, std::uint32_t level, const CJudgementMatrix& judgements, std::uint32_t n);
    // Every double-click on an element counts as a change, whatever follows it.
    void ElementDoubleClicked() { MarkModified(); }

    // The edits of a tree, as CHierarchy makes them: "" when done (the project marked
    // modified), else the reason nothing changed. Refused for a layered project.
    std::string AddCriterion(
        std::uint32_t parent, std::uint32_t index, const std::string& name, const std::string& comment = {});
    std::string RemoveCriterion(std::uint32_t node);
    std::string MoveCriterion(std::uint32_t node, std::uint32_t newParent, std::uint32_t index);
    std::string SetNodeText(std::uint32_t node, const std::string& name, const std::string& comment);
    // The node's whole matrix; the same judgements again change nothing, Modified included.
    std::string SetNodeJudgements(std::uint32_t node, const CJudgementMatrix& judgements);
    std::string AddAlternative(std::uint32_t index, const std::string& name, const std::string& comment = {});
    std::string RemoveAlternative(std::uint32_t index);
    std::string MoveAlternative(std::uint32_t from, std::uint32_t to);
    std::string SetAlternativeText(std::uint32_t index, const std::string& name, const std::string& comment);
    // Ratings, as CHierarchy makes them: the evaluation of the alternatives (pairs or
    // ratings), one cell, many cells at once (all or none, one edit: an import), a
    // criterion's scale, and the scales themselves.
    std::string SetEvaluation(EAlternativeEvaluation evaluation);
    std::string SetRating(std::uint32_t node, std::uint32_t alternative, std::int32_t intensity);
    std::string SetRatings(const std::vector<CRatingCell>& cells);
    std::string SetCriterionScale(std::uint32_t node, std::uint32_t scale);
    std::string AddScale(const CRatingScale& scale);
    std::string SetScale(std::uint32_t index, const CRatingScale& scale);
    std::string RemoveScale(std::uint32_t index);
    // A layered project becomes its tree: every shared child copied under each parent
    // with its judgements, so every figure stays. An edit, undone like any other.
    std::string ConvertToTree();
    // The tree ConvertToTree would make, the project left as it is; none, and why in
    // problem, for a tree already or a copy that breaks a limit of a tree.
    [[nodiscard]] std::optional<CHierarchy> TreeOfLayers(std::string* problem = nullptr) const;

    // Undo steps. BeginStep before an edit; EndStep after it gives what the edit changed
    // (an empty change for a refused edit or one that changed nothing); of a tree, the
    // whole tree before and after. UndoStep and RedoStep put a step back or make it
    // again; both mark the project modified, until the steps report that they stand at
    // the saved state again.
    void BeginStep();
    [[nodiscard]] CHierarchyChange EndStep() const;
    void UndoStep(const CHierarchyChange& change);
    void RedoStep(const CHierarchyChange& change);

private:
    EStructureResult Edited(EStructureResult result);
    void SetModified(bool modified);
    // Runs a tree edit; a done one marks the project modified and its results stale.
    template <typename TEdit> std::string EditTree(TEdit edit);
    void PutTree(std::shared_ptr<const CHierarchy> tree);

    CUserProjectModel ProjectModel;
    // The results and the model revision they were computed at.
    mutable CProjectResults ComputedResults;
    mutable std::uint64_t ComputedRevision = 0;
    mutable bool ResultsComputed = false;
    // Never changed in place: an edit makes a changed copy, so the undo steps can share it.
    std::shared_ptr<const CHierarchy> TreeModel;
    // Counts the tree's changes, so its results are computed again only after one.
    std::uint64_t TreeRevision = 1;
    mutable CHierarchyResults ComputedTreeResults;
    mutable std::uint64_t ComputedTreeRevision = 0;
    mutable CRatingResults ComputedRatingResults;
    mutable std::uint64_t ComputedRatingRevision = 0;
    // The hierarchy when the current step began; made at the first step, then reused.
    std::unique_ptr<CHierarchySnapshot> StepStart;
    std::shared_ptr<const CHierarchy> StepStartTree;
    std::string Name;
    bool IsModified = false;
    bool IsClosingAll = false;
    bool AskSave = true;
    CSavedStateKeeper Keeper;
};
