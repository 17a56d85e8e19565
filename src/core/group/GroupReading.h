#pragma once

#include "core/group/CGroupDecision.h"
#include "core/storage/GroupFile.h"
#include "core/storage/ProjectFile.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A member whose file could not be read: which one, and the reader's message and reason.
struct CMemberReadFailure {
    std::size_t Expert = 0;
    std::string File;
    std::string Label;
    CReadOutcome Outcome;
};

struct CGroupOpening {
    // The group, when every member was read and taken; null otherwise.
    std::unique_ptr<CGroupDecision> Decision;
    // Every member that could not be read, in the group's order.
    std::vector<CMemberReadFailure> Unreadable;
    // The first member the group refused (a hierarchy that differs, the same file twice, a
    // weight that is not positive...), or what is wrong with the member list; none if none.
    CGroupProblem Problem;
    // The member the group refused, when Problem is about one member; none for a
    // problem of the whole list.
    std::optional<std::size_t> ProblemMember;
    bool Cancelled = false;
    [[nodiscard]] bool Succeeded() const { return Decision != nullptr; }
};

// Called after each member is read with the count done and the count of all; returning
// false cancels the opening.
using CGroupProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Reads every member's project file (a tree file ".tsj" as a tree, any other as a layered
// project), only for reading (a read-only file is fine), and makes the group of them;
// files of both kinds in one group are refused at the first member of the other kind. Every member is read even after a
// failure, so that all the unreadable ones are named at once; a group is made only when none failed. Files are taken as
// the members name them: a group file's reader has made them absolute.
CGroupOpening OpenGroupMembers(
    std::span<const CGroupMember> members, bool useExpertWeights, const CGroupProgress& progress = {});
