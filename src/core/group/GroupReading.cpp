#include "core/group/GroupReading.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"

CGroupOpening OpenGroupMembers(
    std::span<const CGroupMember> members, bool useExpertWeights, const CGroupProgress& progress)
{
    CGroupOpening opening;
    opening.Problem = GroupMembersProblem(members);
    if (!opening.Problem.empty()) {
        return opening;
    }
    auto decision = std::make_unique<CGroupDecision>();
    decision->SetUseExpertWeights(useExpertWeights);
    // One record and one model serve every file: the group keeps what it needs of each
    // project, not the project, so reading a thousand files allocates next to nothing.
    const auto record = std::make_unique<TLoadSaveProject>();
    const auto project = std::make_unique<CUserProjectModel>();
    for (std::size_t k = 0; k < members.size(); ++k) {
        const CGroupMember& member = members[k];
        CReadOutcome outcome = ReadProjectFile(*record, member.File, EReadAccess::ReadOnly);
        if (outcome.Succeeded() && !project->BuildLoadedHierarchy(*record)) {
            outcome.Result = EReadResult::Damaged;
            outcome.Message = DamagedProjectText;
            outcome.Reason = DamagedFileReason;
        }
        if (!outcome.Succeeded()) {
            opening.Unreadable.push_back(CMemberReadFailure{k, member.File, member.Label, std::move(outcome)});
        } else if (opening.Problem.empty() && opening.Unreadable.empty()) {
            opening.Problem = decision->AddExpert(member, *project);
        }
        if (progress && !progress(k + 1, members.size())) {
            opening.Cancelled = true;
            return opening;
        }
    }
    if (opening.Problem.empty() && opening.Unreadable.empty()) {
        opening.Decision = std::move(decision);
    }
    return opening;
}
