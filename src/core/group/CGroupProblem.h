#pragma once

#include "core/group/StructureCheck.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

// Why a group cannot be made of its members, or why it refused one of them.
enum class EGroupProblem {
    None,
    MemberList,       // the member list itself: Text, as the group file's rules tell it
    WithoutFile,      // the member names no file
    Weight,           // his weight is not one the experts' weight rule accepts
    SameFile,         // his file (File, by its name) is already OtherExpert's
    MixedKinds,       // his file (File) is of the other kind than the first expert's (ReferenceFile)
    WithoutHierarchy, // his file holds no hierarchy
    Differs,          // his hierarchy differs from the first expert's: Difference, between File and ReferenceFile
};

// A value: the group's phrase book makes its sentence (GroupProblemText). Files are named as
// the user knows them: by their names, or by their whole paths when both have the same name.
struct CGroupProblem {
    EGroupProblem Kind = EGroupProblem::None;
    std::size_t Expert = 0; // by number, from 0
    std::size_t OtherExpert = 0;
    std::string File{};
    std::string ReferenceFile{};
    bool Layered = false; // MixedKinds: his file is a layered project, the first expert's a tree
    CStructureDifference Difference{};
    std::string Text{};

    explicit operator bool() const { return Kind != EGroupProblem::None; }
    // Its sentence where a text is wanted; "" for none.
    operator std::string() const; // NOLINT(google-explicit-constructor)
};
// Whether its sentence is the text ("" for none).
bool operator==(const CGroupProblem& problem, std::string_view text);
std::ostream& operator<<(std::ostream& stream, const CGroupProblem& problem);
