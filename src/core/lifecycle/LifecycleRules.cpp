#include "core/lifecycle/LifecycleRules.h"

#include "core/document/CProjectDocument.h"
#include "core/storage/ProjectFile.h"

#include <filesystem>
#include <system_error>

namespace {
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

const char* SaveQuestionText(ESaveQuestion question)
{
    switch (question) {
    case ESaveQuestion::SaveChanges:
        return SaveChangesQuestion;
    case ESaveQuestion::SaveCreated:
        return SaveCreatedQuestion;
    case ESaveQuestion::None:
        break;
    }
    return "";
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
        return {NamedCaption(path), path, OpenProjectAllocationText};
    case EOpening::Template:
        return {"", "", TemplateOpenErrorText};
    case EOpening::Copy:
        return {"", "", CloneErrorText};
    }
    return {};
}

std::string CountCaption(std::size_t windows)
{
    return ProjectCaptionPrefix + std::to_string(windows);
}

std::string SavedCaption(const std::string& path)
{
    return path;
}

std::string NamedCaption(const std::string& path)
{
    return ProjectCaptionPrefix + path;
}
