#include "core/lifecycle/LifecycleRules.h"

#include "core/document/CProjectDocument.h"
#include "core/storage/ProjectFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {
//: A project window's caption: %1 is its number or its file
constexpr CPhrase ProjectCaption = TESSALY_PHRASE("LifecycleRules", "Проект - %1");
//: Under a file error's message: the file
constexpr CPhrase FileLine = TESSALY_PHRASE("LifecycleRules", "Файл: %1");
//: Under a file error's message: the system's reason
constexpr CPhrase ReasonLine = TESSALY_PHRASE("LifecycleRules", "Причина: %1");

bool Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}
} // namespace

ESaveQuestion SaveQuestionOf(const CProjectDocument& document)
{
    if (document.FileName().empty()) {
        return ESaveQuestion::SaveCreated;
    }
    return document.Modified() ? ESaveQuestion::SaveChanges : ESaveQuestion::None;
}

CPhrase SaveQuestionPhrase(ESaveQuestion question)
{
    switch (question) {
    case ESaveQuestion::SaveChanges:
        return SaveChangesQuestion;
    case ESaveQuestion::SaveCreated:
        return SaveCreatedQuestion;
    case ESaveQuestion::None:
        break;
    }
    return {};
}

const char* SaveQuestionText(ESaveQuestion question)
{
    return SaveQuestionPhrase(question).Source;
}

bool MayCloseAfter(ESaveOutcome outcome)
{
    return outcome != ESaveOutcome::Failed && outcome != ESaveOutcome::Cancelled;
}

CSaveTarget SaveTargetOf(const std::string& chosen, const std::string& extension, ENamedIn dialog)
{
    CSaveTarget target;
    target.Path = ApplyExtensionRule(chosen, extension);
    const bool confirmed = dialog == ENamedIn::SaveDialog && target.Path == chosen;
    target.AskReplace = !confirmed && Exists(target.Path);
    return target;
}

COpening OpeningOf(EOpening opening, const std::string& path)
{
    switch (opening) {
    case EOpening::Project:
        return {NamedCaption(path), path};
    case EOpening::Template:
        return {"", "", TemplateCreationFailureText};
    case EOpening::Copy:
        return {"", "", CloneCreationFailureText};
    }
    return {};
}

EOpening CommandLineOpeningOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".htp" ? EOpening::Template : EOpening::Project;
}

bool SameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty()) {
        return false;
    }
    const auto canonical = [](const std::string& name) {
        std::error_code error;
        std::filesystem::path path = std::filesystem::weakly_canonical(std::filesystem::absolute(name, error), error);
        return error ? std::filesystem::path(name).lexically_normal() : path;
    };
    return canonical(a) == canonical(b);
}

std::string ProposedExportName(const std::string& projectFile, const std::string& goal,
    const std::string& lastExportFolder, const std::string& extension)
{
    const std::filesystem::path folder(lastExportFolder);
    if (!projectFile.empty()) {
        const std::filesystem::path file(projectFile);
        return (file.parent_path() / file.stem()).string() + extension;
    }
    if (goal.empty()) {
        return lastExportFolder;
    }
    std::string name = goal;
    std::replace(name.begin(), name.end(), '/', '_');
    return (folder / (name + extension)).string();
}

std::string FileErrorDetails(const std::string& path, const std::string& reason)
{
    std::string details;
    if (!path.empty()) {
        details = Say(FileLine, path);
    }
    if (!reason.empty()) {
        details += (details.empty() ? "" : "\n") + Say(ReasonLine, reason);
    }
    return details;
}

std::string CountCaption(std::size_t windows)
{
    return Say(ProjectCaption, std::to_string(windows));
}

std::string SavedCaption(const std::string& path)
{
    return path;
}

std::string NamedCaption(const std::string& path)
{
    return Say(ProjectCaption, path);
}
