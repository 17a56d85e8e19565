#include "core/storage/GroupFile.h"

#include "core/group/CExpertWeights.h"
#include "core/storage/UntrustedText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

CGroupReadOutcome Refusal(EGroupReadResult result, std::string message)
{
    CGroupReadOutcome outcome;
    outcome.Result = result;
    outcome.Message = std::move(message);
    return outcome;
}

std::string MemberText(std::size_t index, const std::string& problem)
{
    return "Эксперт " + std::to_string(index + 1) + ": " + problem;
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

} // namespace

std::string GroupMembersProblem(std::span<const CGroupMember> members)
{
    if (members.empty()) {
        return GroupNoMembersText;
    }
    // Each file's name made plain, to the first member that names it: one look-up per member
    // keeps a list of a hundred thousand as quick as its reading.
    std::unordered_map<std::string, std::size_t> files;
    files.reserve(members.size());
    for (std::size_t k = 0; k < members.size(); ++k) {
        const CGroupMember& member = members[k];
        if (member.File.empty()) {
            return MemberText(k, "не указан файл");
        }
        // A name with a NUL byte would open another file than the one it shows.
        if (member.File.find('\0') != std::string::npos || !IsUtf8(member.File)) {
            return MemberText(k, "имя файла записано неверно");
        }
        if (!IsUtf8(member.Label)) {
            return MemberText(k, "метка записана неверно");
        }
        if (!AcceptableExpertWeight(member.Weight)) {
            return MemberText(k, ExpertWeightRangeText);
        }
        std::error_code error;
        const auto [first, added]
            = files.try_emplace(fs::absolute(fs::path(member.File), error).lexically_normal().string(), k);
        if (!added) {
            return MemberText(k,
                "файл «" + ShortText(fs::path(member.File).filename().string()) + "» уже указан для эксперта "
                    + std::to_string(first->second + 1));
        }
    }
    return {};
}

CGroupReadOutcome ReadGroupText(std::string_view text, const std::string& folder)
{
    const Json document = Json::parse(text.begin(), text.end(), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        return Refusal(EGroupReadResult::NotGroupFile, NotGroupFileText);
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get<std::string>() != GroupFormatName) {
        return Refusal(EGroupReadResult::NotGroupFile, NotGroupFileText);
    }
    const auto version = document.find("version");
    if (version == document.end()) {
        return Refusal(EGroupReadResult::WrongVersion, GroupNoVersionText);
    }
    if (!version->is_number_integer() || version->get<std::int64_t>() != GroupFormatVersion) {
        return Refusal(EGroupReadResult::WrongVersion, "Версия файла группы " + version->dump() + " не поддерживается");
    }
    const auto list = document.find("members");
    if (list == document.end() || !list->is_array()) {
        return Refusal(EGroupReadResult::BadMembers, GroupNoMemberListText);
    }
    CGroupReadOutcome outcome;
    const auto weighted = document.find("weighted");
    if (weighted != document.end()) {
        if (!weighted->is_boolean()) {
            return Refusal(EGroupReadResult::BadMembers, GroupWeightedNotBooleanText);
        }
        outcome.Weighted = weighted->get<bool>();
    }
    for (std::size_t k = 0; k < list->size(); ++k) {
        const Json& entry = (*list)[k];
        if (!entry.is_object()) {
            return Refusal(EGroupReadResult::BadMembers, MemberText(k, "запись неверна"));
        }
        CGroupMember member;
        const auto file = entry.find("file");
        if (file == entry.end() || !file->is_string() || file->get_ref<const std::string&>().empty()) {
            return Refusal(EGroupReadResult::BadMembers, MemberText(k, "не указан файл"));
        }
        const fs::path stored(file->get<std::string>());
        member.File = (stored.is_absolute() ? stored : fs::path(folder) / stored).lexically_normal().string();
        const auto label = entry.find("label");
        if (label != entry.end() && !label->is_string()) {
            return Refusal(EGroupReadResult::BadMembers, MemberText(k, "метка должна быть текстом"));
        }
        member.Label = label == entry.end() ? std::string() : label->get<std::string>();
        if (member.Label.empty()) {
            member.Label = DefaultLabel(member.File);
        }
        const auto weight = entry.find("weight");
        if (weight != entry.end()) {
            if (!weight->is_number()) {
                return Refusal(EGroupReadResult::BadMembers, MemberText(k, ExpertWeightRangeText));
            }
            member.Weight = weight->get<double>();
        }
        const auto included = entry.find("included");
        if (included != entry.end()) {
            if (!included->is_boolean()) {
                return Refusal(EGroupReadResult::BadMembers, MemberText(k, "«included» должно быть true или false"));
            }
            member.Included = included->get<bool>();
        }
        outcome.Members.push_back(std::move(member));
    }
    std::string problem = GroupMembersProblem(outcome.Members);
    if (!problem.empty()) {
        return Refusal(EGroupReadResult::BadMembers, std::move(problem));
    }
    return outcome;
}

CGroupReadOutcome ReadGroupFile(const std::string& fileName)
{
    // Only a regular file is read, checked before it is opened and again on the opened
    // descriptor; O_NONBLOCK keeps even a FIFO put there meanwhile from waiting.
    struct stat info { };
    if (fileName.empty() || ::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Refusal(EGroupReadResult::CannotOpen, GroupCannotOpenText);
    }
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return Refusal(EGroupReadResult::CannotOpen, GroupCannotOpenText);
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Refusal(EGroupReadResult::CannotOpen, GroupCannotOpenText);
    }
    // One byte past the limit tells a file that is too long without reading it all.
    std::string text(MaxGroupFileSize + 1, '\0');
    std::size_t got = 0;
    bool readError = false;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            readError = n < 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (readError) {
        return Refusal(EGroupReadResult::CannotOpen, GroupCannotOpenText);
    }
    if (got > MaxGroupFileSize) {
        return Refusal(EGroupReadResult::NotGroupFile, NotGroupFileText);
    }
    text.resize(got);
    return ReadGroupText(text, AbsoluteFolder(fileName));
}

CGroupSaveOutcome SaveGroupFile(std::span<const CGroupMember> members, const std::string& fileName, bool weighted)
{
    CGroupSaveOutcome outcome;
    std::string problem = GroupMembersProblem(members);
    if (!problem.empty()) {
        outcome.Result = EGroupSaveResult::BadMembers;
        outcome.Message = std::move(problem);
        return outcome;
    }
    const std::string text = GroupText(members, AbsoluteFolder(fileName), weighted);
    const EWriteResult written
        = SaveFileAtomically(fileName, [&text](CByteSink& sink) { return sink.Write(text.data(), text.size()); });
    switch (written) {
    case EWriteResult::Ok:
        break;
    case EWriteResult::OpenFailed:
        outcome.Result = EGroupSaveResult::OpenFailed;
        outcome.Message = FileOpenErrorText;
        break;
    case EWriteResult::WriteFailed:
        outcome.Result = EGroupSaveResult::WriteFailed;
        outcome.Message = FileWriteErrorText;
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
