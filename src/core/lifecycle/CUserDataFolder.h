#pragma once

#include <string>
#include <vector>

// The user's own Tessaly folder ($XDG_DATA_HOME/tessaly, by default
// ~/.local/share/tessaly) with its HTemplates and examples. The installed templates and
// examples belong to root and are read-only, and project files are opened for reading
// and writing, so the user works on copies: on first use each of the two folders is
// made and filled with copies of the installed files, writable by the user. A folder
// the user already has is never touched, so no file of theirs is replaced.
class CUserDataFolder final {
public:
    // folder: the user's Tessaly folder ("" when there is none); installedCandidates:
    // where the installed data may be, in order of preference.
    CUserDataFolder(std::string folder, std::vector<std::string> installedCandidates);

    // From the environment: $XDG_DATA_HOME/tessaly when that is an absolute path, else
    // $HOME/.local/share/tessaly. The installed data is looked for beside the program
    // (programDirectory/../share/tessaly, as an installed program keeps its help file),
    // then in each folder of $XDG_DATA_DIRS (by default /usr/local/share:/usr/share).
    static CUserDataFolder FromEnvironment(const std::string& programDirectory);

    [[nodiscard]] const std::string& Folder() const { return Path; }
    // The first installed data folder that exists; "" when none does.
    [[nodiscard]] std::string InstalledData() const;
    // Makes the folder with HTemplates and examples, filling each one it makes from the
    // installed data; false when the folders cannot be made.
    bool Prepare();

    // Where the template dialogs start and templates are saved: the start folder's
    // HTemplates when it has one, else the user's (prepared on the way), else, when that
    // cannot be made, the start folder's as before.
    std::string TemplateFolderFor(const std::string& startDirectory);
    // Where the open dialog starts the first time: the user's folder when the start
    // folder has no HTemplates; "" (the window system chooses) otherwise.
    std::string FirstOpenFolderFor(const std::string& startDirectory);

    // The templates a template folder offers, layered (".htp") and trees (".tsj"), by
    // their extension in any case: the regular files, as full paths sorted by name.
    static std::vector<std::string> TemplatesIn(const std::string& folder);

private:
    std::string Path;
    std::vector<std::string> InstalledCandidates;
};
