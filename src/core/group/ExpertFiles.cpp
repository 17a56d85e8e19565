#include "core/group/ExpertFiles.h"

#include "core/group/GroupReportContent.h"
#include "core/group/HierarchyRecord.h"
#include "core/group/StructureCheck.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

// The code points of UTF-8 text; nothing for text that is not UTF-8 (overlong forms,
// surrogates and code points past U+10FFFF included).
std::optional<std::u32string> Decoded(const std::string& text)
{
    std::u32string decoded;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t point = lead;
        char32_t least = 0;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07U;
            least = 0x10000;
        } else if (lead >= 0xE0) {
            length = lead <= 0xEF ? 3 : 0;
            point = lead & 0x0FU;
            least = 0x800;
        } else if (lead >= 0xC2) {
            length = 2;
            point = lead & 0x1FU;
            least = 0x80;
        } else if (lead >= 0x80) {
            length = 0;
        }
        if (length == 0 || i + length > text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0U) != 0x80U) {
                return std::nullopt;
            }
            point = point << 6U | (next & 0x3FU);
        }
        if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return std::nullopt;
        }
        decoded.push_back(point);
        i += length;
    }
    return decoded;
}

// Lower case for the letters a name of a person is written in here: Latin, Latin-1 and
// Cyrillic (Ё and the other letters before А included).
char32_t Folded(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

std::u32string FoldedName(const std::u32string& name)
{
    std::u32string folded = name;
    for (char32_t& c : folded) {
        c = Folded(c);
    }
    return folded;
}

std::string Trimmed(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

std::size_t NameLimit(const std::string& folder)
{
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : DefaultNameLimit;
}

// Why a name cannot make a file of its own; none when it can.
EExpertNameProblem NameProblem(const std::string& name, const std::optional<std::u32string>& decoded, std::size_t limit)
{
    if (!decoded) {
        return EExpertNameProblem::NotText;
    }
    if (name == "." || name == "..") {
        return EExpertNameProblem::Dots;
    }
    for (const char32_t c : *decoded) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            return EExpertNameProblem::ControlCharacter;
        }
        if (c == U'/') {
            return EExpertNameProblem::Slash;
        }
    }
    if (name.front() == '.') {
        return EExpertNameProblem::Hidden;
    }
    if (name.size() + std::char_traits<char>::length(ExpertFileExtension) > limit) {
        return EExpertNameProblem::TooLong;
    }
    return EExpertNameProblem::None;
}
} // namespace

CExpertNames ExpertNamesOf(const std::string& text, const std::string& folder)
{
    CExpertNames result;
    const std::size_t limit = NameLimit(folder);
    std::vector<std::u32string> folded;
    std::vector<std::size_t> lines;
    std::size_t line = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        ++line;
        const std::string name = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (name.empty()) {
            continue;
        }
        const std::optional<std::u32string> decoded = Decoded(name);
        if (const EExpertNameProblem problem = NameProblem(name, decoded, limit); problem != EExpertNameProblem::None) {
            result.Names.clear();
            result.Problem = CExpertNameProblem{.Kind = problem, .Line = line, .Name = name};
            return result;
        }
        folded.push_back(FoldedName(*decoded));
        for (std::size_t k = 0; k + 1 < folded.size(); ++k) {
            if (folded[k] == folded.back()) {
                result.Names.clear();
                result.Problem = CExpertNameProblem{
                    .Kind = EExpertNameProblem::Repeated, .Line = line, .Name = name, .EarlierLine = lines[k]};
                return result;
            }
        }
        lines.push_back(line);
        result.Names.push_back(name);
    }
    if (result.Names.empty()) {
        result.Problem = CExpertNameProblem{.Kind = EExpertNameProblem::NoNames};
    }
    return result;
}

std::string ExpertFileName(const std::string& folder, const std::string& name, const char* extension)
{
    return (fs::path(folder) / (name + extension)).string();
}

std::vector<std::string> ExistingExpertFiles(
    std::span<const std::string> names, const std::string& folder, const char* extension)
{
    std::vector<std::string> existing;
    for (const std::string& name : names) {
        std::error_code error;
        const std::string file = ExpertFileName(folder, name, extension);
        if (fs::exists(fs::symlink_status(file, error))) {
            existing.push_back(file);
        }
    }
    return existing;
}

namespace {
// Two names of one file: the same device and inode.
bool SameFile(const struct stat& a, const std::string& file)
{
    struct stat other { };
    return ::stat(file.c_str(), &other) == 0 && a.st_dev == other.st_dev && a.st_ino == other.st_ino;
}

bool SameName(const std::string& a, const std::string& b)
{
    std::error_code error;
    return fs::absolute(a, error).lexically_normal() == fs::absolute(b, error).lexically_normal();
}

// Whether a file holds a project with the same levels and names as project.
bool SameHierarchy(const CUserProjectModel& project, const std::string& file)
{
    const auto record = std::make_unique<TLoadSaveProject>();
    if (!ReadProjectFile(*record, file, EReadAccess::ReadOnly).Succeeded()) {
        return false;
    }
    const auto other = std::make_unique<CUserProjectModel>();
    return other->BuildLoadedHierarchy(*record) && !FirstStructureDifference(project, *other);
}

// Whether a file holds a tree with the same criteria and alternatives as tree.
bool SameTree(const CHierarchy& tree, const std::string& file)
{
    CHierarchy other;
    return ReadTreeFile(other, file, EReadAccess::ReadOnly).Succeeded() && !FirstHierarchyDifference(tree, other);
}

// What the two shapes' experts' files differ in: their extension, what counts as an
// expert file of this hierarchy, and the writing of one.
struct CExpertFileKind {
    const char* Extension = ExpertFileExtension;
    std::function<bool(const std::string& file)> IsExpertFile;
    std::function<EWriteResult(const std::string& file, std::string* reason)> Write;
};

CReplacedExpertFiles Replaced(const CExpertFileKind& kind, std::span<const std::string> names,
    const std::string& folder, std::span<const std::string> openProjects)
{
    CReplacedExpertFiles outcome;
    for (const std::string& file : ExistingExpertFiles(names, folder, kind.Extension)) {
        const std::string shown = fs::path(file).filename().string();
        struct stat info { };
        const bool reached = ::stat(file.c_str(), &info) == 0;
        const bool open = std::any_of(openProjects.begin(), openProjects.end(), [&](const std::string& openFile) {
            return !openFile.empty() && (SameName(openFile, file) || (reached && SameFile(info, openFile)));
        });
        if (open) {
            outcome.Refusal = CExpertFileRefusal{EExpertFileRefusal::OpenProject, shown};
        } else if (!reached || !S_ISREG(info.st_mode) || !kind.IsExpertFile(file)) {
            outcome.Refusal = CExpertFileRefusal{EExpertFileRefusal::NotExpertFile, shown};
        }
        if (outcome.Refused()) {
            outcome.Replaced.clear();
            return outcome;
        }
        outcome.Replaced.push_back(file);
    }
    return outcome;
}

// The names checked again as one text, so that no caller writes what the dialog would
// refuse, and the files in the way, as the user is told them; "" when the files may be
// written.
std::string WritingProblem(const CExpertFileKind& kind, std::span<const std::string> names, const std::string& folder,
    std::span<const std::string> openProjects, std::vector<std::string>& checkedNames)
{
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (names[k].find('\n') != std::string::npos) {
            return ExpertNameProblemText(
                CExpertNameProblem{.Kind = EExpertNameProblem::ControlCharacter, .Line = k + 1, .Name = names[k]});
        }
        if (Trimmed(names[k]).empty()) {
            return ExpertNameProblemText(CExpertNameProblem{.Kind = EExpertNameProblem::Empty, .Line = k + 1});
        }
        text += names[k] + "\n";
    }
    CExpertNames checked = ExpertNamesOf(text, folder);
    if (!checked.Succeeded()) {
        return ExpertNameProblemText(checked.Problem);
    }
    if (CReplacedExpertFiles replaced = Replaced(kind, checked.Names, folder, openProjects); replaced.Refused()) {
        return ExpertFileRefusalText(replaced.Refusal);
    }
    checkedNames = std::move(checked.Names);
    return {};
}

void WriteEach(const CExpertFileKind& kind, const std::vector<std::string>& names, const std::string& folder,
    CExpertFilesOutcome& outcome)
{
    for (const std::string& name : names) {
        const std::string file = ExpertFileName(folder, name, kind.Extension);
        std::string reason;
        const EWriteResult written = kind.Write(file, &reason);
        if (written != EWriteResult::Ok) {
            outcome.Message = WriteResultText(written, StoragePhrases::FileOpenError);
            outcome.File = file;
            outcome.Reason = std::move(reason);
            return;
        }
        outcome.Written.push_back(file);
    }
}

CExpertFileKind LayeredKind(const CUserProjectModel& project)
{
    return {ExpertFileExtension, [&project](const std::string& file) { return SameHierarchy(project, file); }, {}};
}

CExpertFileKind TreeKind(const CHierarchy& tree)
{
    return {TreeExpertFileExtension, [&tree](const std::string& file) { return SameTree(tree, file); }, {}};
}
} // namespace

CReplacedExpertFiles ReplacedExpertFiles(const CUserProjectModel& project, std::span<const std::string> names,
    const std::string& folder, std::span<const std::string> openProjects)
{
    return Replaced(LayeredKind(project), names, folder, openProjects);
}

CReplacedExpertFiles ReplacedExpertFiles(const CHierarchy& tree, std::span<const std::string> names,
    const std::string& folder, std::span<const std::string> openProjects)
{
    return Replaced(TreeKind(tree), names, folder, openProjects);
}

CExpertFilesOutcome WriteExpertFiles(const CUserProjectModel& project, std::span<const std::string> names,
    const std::string& folder, EExpertJudgements judgements, std::span<const std::string> openProjects)
{
    CExpertFilesOutcome outcome;
    CExpertFileKind kind = LayeredKind(project);
    std::vector<std::string> checked;
    outcome.Message = WritingProblem(kind, names, folder, openProjects, checked);
    if (!outcome.Succeeded()) {
        return outcome;
    }

    const auto record = std::make_unique<TLoadSaveProject>();
    FillHierarchyRecord(project, *record);
    if (judgements == EExpertJudgements::NotJudged) {
        for (std::uint32_t level = 0; level + 1 < record->LevelCount; ++level) {
            const auto parents = static_cast<std::uint32_t>(record->ElementsPerLevel[level]);
            const auto n = static_cast<std::uint32_t>(record->ElementsPerLevel[level + 1]);
            for (std::uint32_t position = 0; position < parents; ++position) {
                CJudgementMatrix& matrix = record->Elements[position][level].Judgements;
                for (std::uint32_t i = 0; i < n; ++i) {
                    for (std::uint32_t j = 0; j < n; ++j) {
                        matrix(i, j) = i == j ? CJudgement{} : CJudgement::NotJudged();
                    }
                }
            }
        }
    }
    const auto expert = std::make_unique<CUserProjectModel>();
    if (!expert->BuildLoadedHierarchy(*record)) {
        outcome.Message = Tr(StoragePhrases::FileWriteError);
        return outcome;
    }
    kind.Write = [&expert](const std::string& file, std::string* reason) {
        return SaveProjectFile(*expert, file, false, ELinkAtName::WriteThrough, reason);
    };
    WriteEach(kind, checked, folder, outcome);
    return outcome;
}

CExpertFilesOutcome WriteExpertFiles(const CHierarchy& tree, std::span<const std::string> names,
    const std::string& folder, EExpertJudgements judgements, std::span<const std::string> openProjects)
{
    CExpertFilesOutcome outcome;
    CExpertFileKind kind = TreeKind(tree);
    std::vector<std::string> checked;
    outcome.Message = WritingProblem(kind, names, folder, openProjects, checked);
    if (!outcome.Succeeded()) {
        return outcome;
    }
    CHierarchy expert = tree;
    if (judgements == EExpertJudgements::NotJudged) {
        for (std::uint32_t node = 0; node < expert.NodeCount(); ++node) {
            // A single child is never judged: its 1 x 1 matrix stays.
            const std::uint32_t n = expert.ComparedCount(node);
            CJudgementMatrix matrix = EqualJudgements(n);
            for (std::uint32_t i = 0; n > 1 && i < n; ++i) {
                for (std::uint32_t j = 0; j < n; ++j) {
                    matrix(i, j) = i == j ? CJudgement{} : CJudgement::NotJudged();
                }
            }
            expert.SetJudgements(node, matrix); // of the node's own order: never refused
        }
    }
    kind.Write = [&expert](const std::string& file, std::string* reason) {
        return SaveTreeFile(expert, file, false, ELinkAtName::WriteThrough, reason);
    };
    WriteEach(kind, checked, folder, outcome);
    return outcome;
}
