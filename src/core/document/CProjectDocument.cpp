#include "core/document/CProjectDocument.h"

#include "core/results/Synthesis.h"

const CProjectResults& CProjectDocument::Results() const
{
    if (!ResultsComputed || ComputedRevision != ProjectModel.Revision()) {
        ComputeAllPriorities(ProjectModel, ComputedResults);
        ComputedRevision = ProjectModel.Revision();
        ResultsComputed = true;
    }
    return ComputedResults;
}

void CProjectDocument::BuildNewHierarchy(
    std::uint32_t elementsPerLevel, std::uint32_t levelCount, const std::string& goal, const std::string& comment)
{
    ProjectModel.BuildNewHierarchy(elementsPerLevel, levelCount, goal, comment);
}

bool CProjectDocument::BuildLoadedHierarchy(const TLoadSaveProject& record)
{
    return ProjectModel.BuildLoadedHierarchy(record);
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
}

CHierarchyChange CProjectDocument::EndStep() const
{
    if (!StepStart) {
        return {};
    }
    return ProjectModel.ChangeSince(*StepStart);
}

void CProjectDocument::UndoStep(const CHierarchyChange& change)
{
    ProjectModel.UndoChange(change);
    MarkModified();
}

void CProjectDocument::RedoStep(const CHierarchyChange& change)
{
    ProjectModel.RedoChange(change);
    MarkModified();
}
