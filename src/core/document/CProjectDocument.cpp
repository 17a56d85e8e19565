#include "core/document/CProjectDocument.h"

#include "core/document/DocumentPhrases.h"
#include "core/model/LayeredHierarchy.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/RatingSynthesis.h"
#include "core/results/Synthesis.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

const CProjectResults& CProjectDocument::Results() const
{
    if (!ResultsComputed || ComputedRevision != ProjectModel.Revision()) {
        ComputeAllPriorities(ProjectModel, ComputedResults);
        ComputedRevision = ProjectModel.Revision();
        ResultsComputed = true;
    }
    return ComputedResults;
}

const CHierarchyResults& CProjectDocument::TreeResults() const
{
    if (ComputedTreeRevision != TreeRevision) {
        ComputeHierarchyResults(*TreeModel, ComputedTreeResults);
        ComputedTreeRevision = TreeRevision;
    }
    return ComputedTreeResults;
}

const CRatingResults& CProjectDocument::RatingResults() const
{
    if (ComputedRatingRevision != TreeRevision) {
        ComputeRatingResults(*TreeModel, ComputedRatingResults);
        ComputedRatingRevision = TreeRevision;
    }
    return ComputedRatingResults;
}

void CProjectDocument::BuildNewHierarchy(
    std::uint32_t elementsPerLevel, std::uint32_t levelCount, const std::string& goal, const std::string& comment)
{
    ProjectModel.BuildNewHierarchy(elementsPerLevel, levelCount, goal, comment);
    PutTree(nullptr);
}

bool CProjectDocument::BuildLoadedHierarchy(const TLoadSaveProject& record)
{
    if (!ProjectModel.BuildLoadedHierarchy(record)) {
        return false;
    }
    PutTree(nullptr);
    return true;
}

void CProjectDocument::BuildTree(CHierarchy tree)
{
    PutTree(std::make_shared<const CHierarchy>(std::move(tree)));
}

void CProjectDocument::PutTree(std::shared_ptr<const CHierarchy> tree)
{
    TreeModel = std::move(tree);
    ++TreeRevision;
}

template <typename TEdit> std::string CProjectDocument::EditTree(TEdit edit)
{
    if (!TreeModel) {
        return Tr(DocumentPhrases::NotATree);
    }
    auto edited = std::make_shared<CHierarchy>(*TreeModel);
    std::string problem = edit(*edited);
    if (problem.empty()) {
        PutTree(std::move(edited));
        MarkModified();
    }
    return problem;
}

std::string CProjectDocument::AddCriterion(
    std::uint32_t parent, std::uint32_t index, const std::string& name, const std::string& comment)
{
    return EditTree([&](CHierarchy& tree) { return tree.AddCriterion(parent, index, name, comment); });
}

std::string CProjectDocument::RemoveCriterion(std::uint32_t node)
{
    return EditTree([&](CHierarchy& tree) { return tree.RemoveCriterion(node); });
}

std::string CProjectDocument::MoveCriterion(std::uint32_t node, std::uint32_t newParent, std::uint32_t index)
{
    return EditTree([&](CHierarchy& tree) { return tree.MoveCriterion(node, newParent, index); });
}

std::string CProjectDocument::SetNodeText(std::uint32_t node, const std::string& name, const std::string& comment)
{
    if (TreeModel && node < TreeModel->NodeCount() && TreeModel->Node(node).Name == name
        && TreeModel->Node(node).Comment == comment) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) { return tree.SetNodeText(node, name, comment); });
}

std::string CProjectDocument::SetNodeJudgements(std::uint32_t node, const CJudgementMatrix& judgements)
{
    // A judging that changed nothing leaves the project unchanged.
    if (TreeModel && node < TreeModel->NodeCount() && TreeModel->Node(node).Judgements == judgements) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) { return tree.SetJudgements(node, judgements); });
}

std::string CProjectDocument::AddAlternative(std::uint32_t index, const std::string& name, const std::string& comment)
{
    return EditTree([&](CHierarchy& tree) { return tree.AddAlternative(index, name, comment); });
}

std::string CProjectDocument::RemoveAlternative(std::uint32_t index)
{
    return EditTree([&](CHierarchy& tree) { return tree.RemoveAlternative(index); });
}

std::string CProjectDocument::MoveAlternative(std::uint32_t from, std::uint32_t to)
{
    return EditTree([&](CHierarchy& tree) { return tree.MoveAlternative(from, to); });
}

std::string CProjectDocument::SetAlternativeText(
    std::uint32_t index, const std::string& name, const std::string& comment)
{
    if (TreeModel && index < TreeModel->AlternativeCount() && TreeModel->Alternatives()[index].Name == name
        && TreeModel->Alternatives()[index].Comment == comment) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) { return tree.SetAlternativeText(index, name, comment); });
}

std::string CProjectDocument::SetEvaluation(EAlternativeEvaluation evaluation)
{
    if (TreeModel && TreeModel->Evaluation() == evaluation) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) { return tree.SetEvaluation(evaluation); });
}

std::string CProjectDocument::SetRating(std::uint32_t node, std::uint32_t alternative, std::int32_t intensity)
{
    return SetRatings({CRatingCell{node, alternative, intensity}});
}

std::string CProjectDocument::SetRatings(const std::vector<CRatingCell>& cells)
{
    // Cells that already hold their intensity change nothing, Modified included.
    const auto holds = [this](const CRatingCell& cell) {
        return cell.Node < TreeModel->NodeCount() && TreeModel->IsRated(cell.Node)
            && cell.Alternative < TreeModel->Node(cell.Node).Ratings.size()
            && TreeModel->Node(cell.Node).Ratings[cell.Alternative] == cell.Intensity;
    };
    if (TreeModel && std::all_of(cells.begin(), cells.end(), holds)) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) {
        for (const CRatingCell& cell : cells) {
            std::string problem = tree.SetRating(cell.Node, cell.Alternative, cell.Intensity);
            if (!problem.empty()) {
                return problem;
            }
        }
        return std::string{};
    });
}

std::string CProjectDocument::SetCriterionScale(std::uint32_t node, std::uint32_t scale)
{
    if (TreeModel && node < TreeModel->NodeCount() && TreeModel->IsRated(node)
        && TreeModel->Node(node).Scale == scale) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) { return tree.SetCriterionScale(node, scale); });
}

std::string CProjectDocument::AddScale(const CRatingScale& scale)
{
    return EditTree([&](CHierarchy& tree) { return tree.AddScale(scale); });
}

std::string CProjectDocument::SetScale(std::uint32_t index, const CRatingScale& scale)
{
    if (TreeModel && index < TreeModel->Scales().size() && TreeModel->Scales()[index] == scale) {
        return {};
    }
    return EditTree([&](CHierarchy& tree) { return tree.SetScale(index, scale); });
}

std::string CProjectDocument::RemoveScale(std::uint32_t index)
{
    return EditTree([&](CHierarchy& tree) { return tree.RemoveScale(index); });
}

std::string CProjectDocument::ConvertToTree()
{
    if (TreeModel) {
        return {};
    }
    std::string problem;
    std::optional<CHierarchy> tree = TreeOfLayers(&problem);
    if (!tree) {
        return problem;
    }
    PutTree(std::make_shared<const CHierarchy>(std::move(*tree)));
    MarkModified();
    return {};
}

std::optional<CHierarchy> CProjectDocument::TreeOfLayers(std::string* problem) const
{
    const std::optional<CHierarchy> layers = TreeModel ? std::nullopt : HierarchyOfLayers(ProjectModel);
    if (!layers) {
        if (problem != nullptr) {
            *problem = Tr(TreeModel ? DocumentPhrases::AlreadyATree : DocumentPhrases::LevelsNoHierarchy);
        }
        return std::nullopt;
    }
    return layers->AsTree(problem);
}

void CProjectDocument::SetModified(bool modified)
{
    if (IsModified == modified) {
        return;
    }
    IsModified = modified;
    if (Keeper.ModifiedChanged) {
        Keeper.ModifiedChanged(modified);
    }
}

void CProjectDocument::MarkSaved()
{
    SetModified(false);
    if (Keeper.Saved) {
        Keeper.Saved();
    }
}

void CProjectDocument::ForgetSavedState()
{
    SetModified(true);
    if (Keeper.SavedStateLost) {
        Keeper.SavedStateLost();
    }
}

EStructureResult CProjectDocument::Edited(EStructureResult result)
{
    if (result == EStructureResult::Done) {
        MarkModified();
    }
    return result;
}

EStructureResult CProjectDocument::AddElement(std::uint32_t level)
{
    return Edited(ProjectModel.AddElement(level));
}

EStructureResult CProjectDocument::DeleteElement(std::uint32_t position, std::uint32_t level)
{
    return Edited(ProjectModel.DeleteElement(position, level));
}

EStructureResult CProjectDocument::AddLevel(std::uint32_t level, std::uint32_t elementCount, bool before)
{
    return Edited(ProjectModel.AddLevel(level, elementCount, before));
}

EStructureResult CProjectDocument::DeleteLevel(std::uint32_t level)
{
    return Edited(ProjectModel.DeleteLevel(level));
}

bool CProjectDocument::SetElementText(
    std::uint32_t position, std::uint32_t level, const std::string& name, const std::string& comment)
{
    if (!ProjectModel.SetElementText(position, level, name, comment)) {
        return false;
    }
    MarkModified();
    return true;
}

bool CProjectDocument::CommitJudgements(
    std::uint32_t position, std::uint32_t level, const CJudgementMatrix& judgements, std::uint32_t n)
{
    if (!ProjectModel.SetJudgementBlock(position, level, judgements, n)) {
        return false;
    }
    MarkModified();
    return true;
}

void CProjectDocument::BeginStep()
{
    if (!StepStart) {
        StepStart = std::make_unique<CHierarchySnapshot>();
    }
    ProjectModel.TakeSnapshot(*StepStart);
    StepStartTree = TreeModel;
}

CHierarchyChange CProjectDocument::EndStep() const
{
    if (!StepStart) {
        return {};
    }
    CHierarchyChange change = ProjectModel.ChangeSince(*StepStart);
    // An edit that made an equal tree changed nothing to take back.
    if (StepStartTree != TreeModel && (!StepStartTree || !TreeModel || !(*StepStartTree == *TreeModel))) {
        change.TreeBefore = StepStartTree;
        change.TreeAfter = TreeModel;
    }
    return change;
}

void CProjectDocument::UndoStep(const CHierarchyChange& change)
{
    ProjectModel.UndoChange(change);
    if (change.ChangesTree()) {
        PutTree(change.TreeBefore);
    }
    MarkModified();
}

void CProjectDocument::RedoStep(const CHierarchyChange& change)
{
    ProjectModel.RedoChange(change);
    if (change.ChangesTree()) {
        PutTree(change.TreeAfter);
    }
    MarkModified();
}
