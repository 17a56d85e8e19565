#include "core/storage/GroupFile.h"

#include "core/storage/ExpertWeightRule.h"
#include "core/storage/StoragePhrases.h"
#include "core/storage/UntrustedText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

CGroupFileProblem Problem(EGroupFileProblem kind, std::size_t member = 0, std::string value = {})
{
    CGroupFileProblem problem;
    problem.Kind = kind;
    problem.Member = member;
    problem.Value = std::move(value);
    return problem;
}

CGroupReadOutcome Refusal(EGroupReadResult result, const CGroupFileProblem& problem)
{
    CGroupReadOutcome outcome;
    outcome.Result = result;
    outcome.Message = GroupFileProblemText(problem);
    return outcome;
}

CGroupReadOutcome Refusal(EGroupReadResult result, EGroupFileProblem kind, std::size_t member = 0)
{
    return Refusal(result, Problem(kind, member));
}

bool IsUtf8(const std::string& text)
{
    try {
        // The JSON writer refuses exactly the text a group file cannot hold.
        [[maybe_unused]] const std::string dumped = Json(text).dump();
        return true;
    } catch (const Json::type_error&) {
        return false;
    }
}

std::string DefaultLabel(const std::string& file)
{
    return fs::path(file).stem().string();
}

// Absolute and without "." and ".." steps, so that the same file is always named alike.
std::string AbsoluteFolder(const std::string& fileName)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(fileName), error);
    return (error ? fs::path(fileName) : absolute).lexically_normal().parent_path().string();
}

// Integral weights are written as integers ("weight": 1); any other keeps every digit
// the reader needs to get the same double back.
Json WeightValue(double weight)
{
    constexpr double Exact = 9007199254740992.0; // 2^53: every integer below is a double
    if (weight == std::floor(weight) && weight <= Exact) {
        return static_cast<std::int64_t>(weight);
    }
    return weight;
}

std::string GroupText(std::span<const CGroupMember> members, const std::string& folder, bool weighted)
{
    Json list = Json::array();
    for (const CGroupMember& member : members) {
        std::error_code error;
        const fs::path file = fs::absolute(fs::path(member.File), error).lexically_normal();
        const fs::path relative = file.lexically_relative(folder);
        Json entry;
        entry["file"] = (relative.empty() ? file : relative).generic_string();
        entry["label"] = member.Label.empty() ? DefaultLabel(member.File) : member.Label;
        entry["weight"] = WeightValue(member.Weight);
        if (!member.Included) {
            entry["included"] = false;
        }
        list.push_back(std::move(entry));
    }
    Json document;
    document["format"] = GroupFormatName;
    document["version"] = GroupFormatVersion;
    if (!weighted) {
        document["weighted"] = false;
    }
    document["members"] = std::move(list);
    return document.dump(2) + "\n";
}

// The deepest nesting of arrays and objects in a JSON text, brackets inside strings not
// counted; it stops counting once past the limit.
std::size_t NestingDepth(std::string_view text)
{
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size() && deepest <= MaxGroupNesting; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

std::optional<CGroupFileProblem> MembersCheck(std::span<const CGroupMember> members)
{
    if (members.empty()) {
        return Problem(EGroupFileProblem::NoMembers);
    }
    // Each file's name made plain, to the first member that names it: one look-up per member
    // keeps a list of a hundred thousand as quick as its reading.
    std::unordered_map<std::string, std::size_t> files;
    files.reserve(members.size());
    for (std::size_t k = 0; k < members.size(); ++k) {
        const CGroupMember& member = members[k];
        if (member.File.empty()) {
            return Problem(EGroupFileProblem::MemberNoFile, k);
        }
        // A name with a NUL byte would open another file than the one it shows.
        if (member.File.find('\0') != std::string::npos || !IsUtf8(member.File)) {
            return Problem(EGroupFileProblem::MemberBadFileName, k);
        }
        if (!IsUtf8(member.Label)) {
            return Problem(EGroupFileProblem::MemberBadLabel, k);
        }
        if (!AcceptableExpertWeight(member.Weight)) {
            return Problem(EGroupFileProblem::MemberWeight, k);
        }
        std::error_code error;
        const auto [first, added]
            = files.try_emplace(fs::absolute(fs::path(member.File), error).lexically_normal().string(), k);
        if (!added) {
            CGroupFileProblem twice
                = Problem(EGroupFileProblem::MemberFileTwice, k, ShortText(fs::path(member.File).filename().string()));
            twice.OtherMember = first->second;
            return twice;
        }
    }
    return std::nullopt;
}
} // namespace

std::string GroupMembersProblem(std::span<const CGroupMember> members)
{
    const std::optional<CGroupFileProblem> problem = MembersCheck(members);
    return problem ? GroupFileProblemText(*problem) : std::string();
}

CGroupReadOutcome ReadGroupText(std::string_view text, const std::string& folder)
{
    // Deeper nesting than any group file has is refused before a value is built: a value
    // nested fifty thousand deep would be copied and freed recursively.
    if (NestingDepth(text) > MaxGroupNesting) {
        return Refusal(EGroupReadResult::NotGroupFile, EGroupFileProblem::NotGroupFile);
    }
    const Json document = Json::parse(text.begin(), text.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return Refusal(EGroupReadResult::NotGroupFile, EGroupFileProblem::NotGroupFile);
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != GroupFormatName) {
        return Refusal(EGroupReadResult::NotGroupFile, EGroupFileProblem::NotGroupFile);
    }
    const auto version = document.find("version");
    if (version == document.end()) {
        return Refusal(EGroupReadResult::WrongVersion, EGroupFileProblem::NoVersion);
    }
    if (!version->is_number_integer() || version->get<std::int64_t>() != GroupFormatVersion) {
        // The value is the file's: named by its beginning only.
        return Refusal(EGroupReadResult::WrongVersion,
            Problem(EGroupFileProblem::WrongVersion, 0,
                ShortText(version->is_string() ? version->get_ref<const std::string&>()
                                               : version->dump(-1, ' ', false, Json::error_handler_t::replace))));
    }
    const auto list = document.find("members");
    if (list == document.end() || !list->is_array()) {
        return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::NoMemberList);
    }
    CGroupReadOutcome outcome;
    const auto weighted = document.find("weighted");
    if (weighted != document.end()) {
        if (!weighted->is_boolean()) {
            return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::WeightedNotBoolean);
        }
        outcome.Weighted = weighted->get<bool>();
    }
    for (std::size_t k = 0; k < list->size(); ++k) {
        const Json& entry = (*list)[k];
        if (!entry.is_object()) {
            return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::MemberBadEntry, k);
        }
        CGroupMember member;
        const auto file = entry.find("file");
        if (file == entry.end() || !file->is_string() || file->get_ref<const std::string&>().empty()) {
            return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::MemberNoFile, k);
        }
        const fs::path stored(file->get<std::string>());
        member.File = (stored.is_absolute() ? stored : fs::path(folder) / stored).lexically_normal().string();
        const auto label = entry.find("label");
        if (label != entry.end() && !label->is_string()) {
            return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::MemberLabelNotText, k);
        }
        member.Label = label == entry.end() ? std::string() : label->get<std::string>();
        if (member.Label.empty()) {
            member.Label = DefaultLabel(member.File);
        }
        const auto weight = entry.find("weight");
        if (weight != entry.end()) {
            if (!weight->is_number()) {
                return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::MemberWeight, k);
            }
            member.Weight = weight->get<double>();
        }
        const auto included = entry.find("included");
        if (included != entry.end()) {
            if (!included->is_boolean()) {
                return Refusal(EGroupReadResult::BadMembers, EGroupFileProblem::MemberIncludedNotBoolean, k);
            }
            member.Included = included->get<bool>();
        }
        outcome.Members.push_back(std::move(member));
    }
    if (const std::optional<CGroupFileProblem> problem = MembersCheck(outcome.Members)) {
        return Refusal(EGroupReadResult::BadMembers, *problem);
    }
    return outcome;
}

CGroupReadOutcome ReadGroupFile(const std::string& fileName)
{
    // Only a regular file is read, checked before it is opened and again on the opened
    // descriptor; O_NONBLOCK keeps even a FIFO put there meanwhile from waiting.
    struct stat info { };
    if (fileName.empty() || ::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Refusal(EGroupReadResult::CannotOpen, EGroupFileProblem::CannotOpen);
    }
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Refusal(EGroupReadResult::CannotOpen, EGroupFileProblem::CannotOpen);
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Refusal(EGroupReadResult::CannotOpen, EGroupFileProblem::CannotOpen);
    }
    // What the file holds, read in pieces, up to one byte past the limit: that byte tells
    // a file that is too long without reading it all.
    std::string text;
    text.reserve(
        std::min<std::size_t>(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)), MaxGroupFileSize) + 1);
    std::array<char, 64 * 1024> piece{};
    bool readError = false;
    while (text.size() <= MaxGroupFileSize) {
        const ssize_t n = ::read(fd, piece.data(), std::min(piece.size(), MaxGroupFileSize + 1 - text.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            readError = n < 0;
            break;
        }
        text.append(piece.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (readError) {
        return Refusal(EGroupReadResult::CannotOpen, EGroupFileProblem::CannotOpen);
    }
    if (text.size() > MaxGroupFileSize) {
        return Refusal(EGroupReadResult::NotGroupFile, EGroupFileProblem::NotGroupFile);
    }
    return ReadGroupText(text, AbsoluteFolder(fileName));
}

CGroupSaveOutcome SaveGroupFile(std::span<const CGroupMember> members, const std::string& fileName, bool weighted)
{
    CGroupSaveOutcome outcome;
    if (const std::optional<CGroupFileProblem> problem = MembersCheck(members)) {
        outcome.Result = EGroupSaveResult::BadMembers;
        outcome.Message = GroupFileProblemText(*problem);
        return outcome;
    }
    const std::string text = GroupText(members, AbsoluteFolder(fileName), weighted);
    const EWriteResult written = SaveFileAtomically(
        fileName, [&text](CByteSink& sink) { return sink.Write(text.data(), text.size()); }, ELinkAtName::WriteThrough,
        &outcome.Reason);
    switch (written) {
    case EWriteResult::Ok:
        break;
    case EWriteResult::OpenFailed:
        outcome.Result = EGroupSaveResult::OpenFailed;
        outcome.Message = Tr(StoragePhrases::FileOpenError);
        break;
    case EWriteResult::WriteFailed:
        outcome.Result = EGroupSaveResult::WriteFailed;
        outcome.Message = Tr(StoragePhrases::FileWriteError);
        break;
    }
    return outcome;
}

bool IsGroupFileName(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == GroupFileExtension;
}
