#include "core/group/GroupReading.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/TreeFile.h"

#include <utility>

CGroupOpening OpenGroupMembers(
    std::span<const CGroupMember> members, bool useExpertWeights, const CGroupProgress& progress)
{
    CGroupOpening opening;
    if (std::string problem = GroupMembersProblem(members); !problem.empty()) {
        opening.Problem = CGroupProblem{.Kind = EGroupProblem::MemberList, .Text = std::move(problem)};
        return opening;
    }
    auto decision = std::make_unique<CGroupDecision>();
    decision->SetUseExpertWeights(useExpertWeights);
    // One record and one model serve every file: the group keeps what it needs of each
    // project, not the project, so reading a thousand files allocates next to nothing.
    const auto record = std::make_unique<TLoadSaveProject>();
    const auto project = std::make_unique<CUserProjectModel>();
    CHierarchy tree;
    for (std::size_t k = 0; k < members.size(); ++k) {
        const CGroupMember& member = members[k];
        // A tree file holds a tree; any other is a layered project, as the program opens it.
        const bool isTree = IsTreeFileName(member.File);
        CReadOutcome outcome = isTree ? ReadTreeFile(tree, member.File, EReadAccess::ReadOnly)
                                      : ReadProjectFile(*record, member.File, EReadAccess::ReadOnly);
        if (!isTree && outcome.Succeeded() && !project->BuildLoadedHierarchy(*record)) {
            outcome.Result = EReadResult::Damaged;
            outcome.Message = Tr(StoragePhrases::DamagedProject);
            outcome.Reason = Tr(StoragePhrases::DamagedFile);
        }
        if (!outcome.Succeeded()) {
            opening.Unreadable.push_back(CMemberReadFailure{k, member.File, member.Label, std::move(outcome)});
        } else if (!opening.Problem && opening.Unreadable.empty()) {
            opening.Problem = isTree ? decision->AddExpert(member, tree) : decision->AddExpert(member, *project);
            if (opening.Problem) {
                opening.ProblemMember = k;
            }
        }
        if (progress && !progress(k + 1, members.size())) {
            opening.Cancelled = true;
            return opening;
        }
    }
    if (!opening.Problem && opening.Unreadable.empty()) {
        opening.Decision = std::move(decision);
    }
    return opening;
}
