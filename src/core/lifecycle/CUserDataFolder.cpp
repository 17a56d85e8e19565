#include "core/lifecycle/CUserDataFolder.h"

#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {
constexpr std::array<const char*, 2> Subfolders{"HTemplates", "examples"};

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

bool IsFolder(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

// Copies the regular files of from into to, which was just made: never over a file that
// stands there, and each copy writable by its new owner, whatever the installed mode.
void CopyInstalled(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    for (fs::directory_iterator entry(from, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code step;
        if (!entry->is_regular_file(step)) {
            continue;
        }
        const fs::path copy = to / entry->path().filename();
        if (fs::copy_file(entry->path(), copy, fs::copy_options::skip_existing, step)) {
            fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, step);
        }
    }
}
} // namespace

CUserDataFolder::CUserDataFolder(std::string folder, std::vector<std::string> installedCandidates)
    : Path(std::move(folder))
    , InstalledCandidates(std::move(installedCandidates))
{
}

CUserDataFolder CUserDataFolder::FromEnvironment(const std::string& programDirectory)
{
    std::string folder;
    const std::string dataHome = Environment("XDG_DATA_HOME");
    const std::string home = Environment("HOME");
    // XDG_DATA_HOME counts only as an absolute path; a relative one is ignored, as the
    // desktop's folder rules say.
    if (!dataHome.empty() && dataHome.front() == '/') {
        folder = (fs::path(dataHome) / "tessaly").string();
    } else if (!home.empty()) {
        folder = (fs::path(home) / ".local/share/tessaly").string();
    }
    std::vector<std::string> installed;
    if (!programDirectory.empty()) {
        installed.push_back((fs::path(programDirectory) / "../share/tessaly").lexically_normal().string());
    }
    std::string dataDirs = Environment("XDG_DATA_DIRS");
    if (dataDirs.empty()) {
        dataDirs = "/usr/local/share:/usr/share";
    }
    for (std::size_t begin = 0; begin <= dataDirs.size();) {
        const std::size_t colon = std::min(dataDirs.find(':', begin), dataDirs.size());
        const std::string entry = dataDirs.substr(begin, colon - begin);
        if (!entry.empty() && entry.front() == '/') {
            installed.push_back((fs::path(entry) / "tessaly").lexically_normal().string());
        }
        begin = colon + 1;
    }
    return {folder, installed};
}

std::string CUserDataFolder::InstalledData() const
{
    for (const std::string& candidate : InstalledCandidates) {
        if (IsFolder(candidate)) {
            return candidate;
        }
    }
    return {};
}

bool CUserDataFolder::Prepare()
{
    if (Path.empty()) {
        return false;
    }
    const std::string installed = InstalledData();
    for (const char* name : Subfolders) {
        const fs::path folder = fs::path(Path) / name;
        std::error_code error;
        if (fs::is_directory(folder, error)) {
            continue;
        }
        if (!fs::create_directories(folder, error)) {
            return false;
        }
        if (!installed.empty()) {
            CopyInstalled(fs::path(installed) / name, folder);
        }
    }
    return true;
}

std::string CUserDataFolder::TemplateFolderFor(const std::string& startDirectory)
{
    std::string own = TemplateDirectory(startDirectory);
    if (IsFolder(own) || !Prepare()) {
        return own;
    }
    return TemplateDirectory(Path);
}

std::string CUserDataFolder::FirstOpenFolderFor(const std::string& startDirectory)
{
    if (IsFolder(TemplateDirectory(startDirectory)) || !Prepare()) {
        return {};
    }
    return Path;
}

std::vector<std::string> CUserDataFolder::TemplatesIn(const std::string& folder)
{
    std::vector<std::string> templates;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code step;
        std::string extension = entry->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if ((extension == ".htp" || extension == TreeFileExtension) && entry->is_regular_file(step)) {
            templates.push_back(entry->path().string());
        }
    }
    std::sort(templates.begin(), templates.end());
    return templates;
}
