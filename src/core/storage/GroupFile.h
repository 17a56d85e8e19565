#pragma once

#include "core/storage/ProjectFile.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A group file (".tsg") names the experts' project files of one group decision, in
// UTF-8 JSON: {"format": "tessaly-group", "version": 1, "members": [{"file": "a.tsy",
// "label": "a", "weight": 1}, ...]}, each "file" relative to the group file's folder.
// Two fields are written only when they say "no": "weighted": false at the top when the
// experts' weights are not taken into account, and "included": false in a member left
// out of every figure; absent, each is true (files without them read as before).

struct CGroupMember {
    std::string File; // absolute in memory; relative to the group file's folder on disk
    std::string Label;
    double Weight = 1.0;
    // Whether the expert counts in the group's figures; one left out stays listed.
    bool Included = true;
};

enum class EGroupReadResult {
    Ok,
    CannotOpen,   // "Не могу открыть файл группы"
    NotGroupFile, // not JSON, not an object, or no "format": "tessaly-group"
    WrongVersion, // a version other than 1, or none
    BadMembers,   // the member list or one of its members, named by number
};
// Why a group file or a member list is refused; the Member kinds name the member (from 0).
enum class EGroupFileProblem {
    CannotOpen,
    NotGroupFile,
    NoVersion,
    WrongVersion, // Value: the version the file gives, its beginning only
    NoMemberList,
    WeightedNotBoolean,
    NoMembers,
    MemberBadEntry,
    MemberNoFile,
    MemberBadFileName,
    MemberBadLabel,
    MemberLabelNotText,
    MemberWeight,
    MemberIncludedNotBoolean,
    MemberFileTwice, // Value: the file's name; OtherMember: the member that has it first
};
struct CGroupFileProblem {
    EGroupFileProblem Kind = EGroupFileProblem::NotGroupFile;
    std::size_t Member = 0;
    std::string Value;
    std::size_t OtherMember = 0;
};

struct CGroupReadOutcome {
    EGroupReadResult Result = EGroupReadResult::Ok;
    std::string Message; // the user's message (StoragePhrases' sentence); "" on success
    std::vector<CGroupMember> Members;
    // Whether the experts' weights are taken into account.
    bool Weighted = true;
    [[nodiscard]] bool Succeeded() const { return Result == EGroupReadResult::Ok; }
};

// Reads a group file; its members' files come back absolute. A missing label is the
// file's base name, a missing weight 1. Only a regular file is read.
CGroupReadOutcome ReadGroupFile(const std::string& fileName);
// The same from the text of a group file standing in folder (absolute).
CGroupReadOutcome ReadGroupText(std::string_view text, const std::string& folder);

// What is wrong with a member list, as the user is told it ("" when nothing): no member,
// a member without a file, a file named twice, a weight outside the experts' weight rule,
// text that is not UTF-8. The reader refuses the same, so every file written reads back.
// At most the first few problems are named, with how many more there are.
std::string GroupMembersProblem(std::span<const CGroupMember> members);

enum class EGroupSaveResult {
    Ok,
    BadMembers,  // GroupMembersProblem's message; nothing written
    OpenFailed,  // "Ошибка открытия файла", the system's reason in Reason
    WriteFailed, // "Ошибка записи файла", the system's reason in Reason
};
struct CGroupSaveOutcome {
    EGroupSaveResult Result = EGroupSaveResult::Ok;
    std::string Message;
    // The system's reason of a failed open or write ("Read-only file system"), as the
    // project save gives it; "" otherwise.
    std::string Reason;
    [[nodiscard]] bool Succeeded() const { return Result == EGroupSaveResult::Ok; }
};
// Writes the group file atomically (the old file stays as it was on any failure), each
// member's file relative to the group file's folder and an empty label as the default;
// "weighted": false when weighted is false.
CGroupSaveOutcome SaveGroupFile(
    std::span<const CGroupMember> members, const std::string& fileName, bool weighted = true);

// More than any real group needs (a thousand members with long paths fit many times).
inline constexpr std::size_t MaxGroupFileSize = 16 * 1024 * 1024;
// The format nests three deep (the file, its member list, a member); a reader may meet a
// few more levels in fields it does not know, never thousands.
inline constexpr std::size_t MaxGroupNesting = 16;

inline constexpr const char* GroupFileExtension = ".tsg";
// Whether a file is named as a group file: its extension ".tsg", in any case.
bool IsGroupFileName(const std::string& fileName);

inline constexpr const char* GroupFormatName = "tessaly-group";
inline constexpr int GroupFormatVersion = 1;

// The Russian sources of StoragePhrases' messages, the keys of their translations.
inline constexpr const char* GroupCannotOpenText = StoragePhrases::GroupCannotOpen.Source;
inline constexpr const char* NotGroupFileText = StoragePhrases::NotGroupFile.Source;
inline constexpr const char* GroupNoVersionText = StoragePhrases::GroupNoVersion.Source;
inline constexpr const char* GroupNoMemberListText = StoragePhrases::GroupNoMemberList.Source;
inline constexpr const char* GroupNoMembersText = StoragePhrases::GroupNoMembers.Source;
inline constexpr const char* GroupWeightedNotBooleanText = StoragePhrases::GroupWeightedNotBoolean.Source;
