#include "core/document/CProjectDocument.h"

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

bool CProjectDocument::CommitJudgements(std::uint32_t position, std::uint32_t level, const TMatrix<int>& judgements)
{
    if (!ProjectModel.SetJudgements(position, level, judgements)) {
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
