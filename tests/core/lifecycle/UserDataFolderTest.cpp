#include "core/lifecycle/CUserDataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A scratch tree for one test, and HOME and the XDG variables pointed into it; all of it
// is put back as it was.
class UserDataFolder : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tessaly-data-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        Root = pattern;
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            const char* value = std::getenv(name);
            Saved.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        }
        Set("HOME", Root + "/home");
        Set("XDG_DATA_HOME", nullptr);
        Set("XDG_DATA_DIRS", nullptr);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : Saved) {
            Set(name, value ? value->c_str() : nullptr);
        }
        fs::permissions(Root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(Root);
    }
    static void Set(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }
    static void Set(const char* name, const char* value)
    {
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    // An installed data folder with a template and an example, both read-only.
    void Install(const std::string& data, const std::string& marker) const
    {
        for (const char* file : {"HTemplates/crm.htp", "examples/supplier.tsy"}) {
            const fs::path path = fs::path(data) / file;
            fs::create_directories(path.parent_path());
            std::ofstream(path) << marker << ' ' << file;
            fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
    }
    static std::string Content(const std::string& file)
    {
        std::ifstream in(file);
        std::string content;
        std::getline(in, content, '\0');
        return content;
    }

    std::string Root;
    std::vector<std::pair<const char*, std::optional<std::string>>> Saved;
};

} // namespace

TEST_F(UserDataFolder, FoundFromTheEnvironmentAndTheProgramsOwnPlace)
{
    const std::string program = Root + "/prefix/bin";
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).Folder(), Root + "/home/.local/share/tessaly");
    Set("XDG_DATA_HOME", Root + "/xdg");
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).Folder(), Root + "/xdg/tessaly");
    Set("XDG_DATA_HOME", "relative/data"); // not absolute: not to be used
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).Folder(), Root + "/home/.local/share/tessaly");
    Set("XDG_DATA_HOME", nullptr);
    Set("HOME", nullptr);
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).Folder(), "");

    // The installed data: beside the program first, then the XDG data folders in order.
    Set("XDG_DATA_DIRS", Root + "/none:" + Root + "/second:" + Root + "/third");
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).InstalledData(), "");
    Install(Root + "/third/tessaly", "third");
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).InstalledData(), Root + "/third/tessaly");
    Install(Root + "/second/tessaly", "second");
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).InstalledData(), Root + "/second/tessaly");
    Install(Root + "/prefix/share/tessaly", "prefix");
    EXPECT_EQ(CUserDataFolder::FromEnvironment(program).InstalledData(), Root + "/prefix/share/tessaly");
}

// First use makes HTemplates and examples with copies of the installed files, writable by
// the user; a folder the user already has is left as it is, so no file of theirs is
// replaced and none they removed comes back.
TEST_F(UserDataFolder, FirstUseCopiesTheInstalledFilesWritableAndNeverReplacesTheUsers)
{
    Install(Root + "/installed/tessaly", "installed");
    const std::string data = Root + "/home/data/tessaly";
    fs::create_directories(data + "/examples");
    std::ofstream(data + "/examples/supplier.tsy") << "mine";
    CUserDataFolder folder(data, {Root + "/nowhere", Root + "/installed/tessaly"});

    ASSERT_TRUE(folder.Prepare());
    const std::string copied = data + "/HTemplates/crm.htp";
    EXPECT_EQ(Content(copied), "installed HTemplates/crm.htp");
    EXPECT_NE(fs::status(copied).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(Content(data + "/examples/supplier.tsy"), "mine");

    fs::remove(copied);
    std::ofstream(data + "/HTemplates/own.htp") << "own";
    ASSERT_TRUE(folder.Prepare());
    EXPECT_FALSE(fs::exists(copied));
    EXPECT_EQ(Content(data + "/HTemplates/own.htp"), "own");

    // Nothing installed: the folders are still made, empty.
    CUserDataFolder bare(Root + "/home/bare/tessaly", {Root + "/nowhere"});
    ASSERT_TRUE(bare.Prepare());
    EXPECT_TRUE(fs::is_directory(Root + "/home/bare/tessaly/HTemplates"));
    EXPECT_TRUE(fs::is_empty(Root + "/home/bare/tessaly/examples"));
}

// The start folder's HTemplates wins when it has one (a copy of the program with its own
// templates); otherwise the user's data folder, and where that cannot be made, the start
// folder as before.
TEST_F(UserDataFolder, WhereTheTemplateAndOpenDialogsStart)
{
    const std::string start = Root + "/start";
    const std::string data = Root + "/home/data/tessaly";
    fs::create_directories(start);
    CUserDataFolder folder(data, {});
    EXPECT_EQ(folder.TemplateFolderFor(start), data + "/HTemplates");
    EXPECT_EQ(folder.FirstOpenFolderFor(start), data);
    EXPECT_TRUE(fs::is_directory(data + "/examples"));

    fs::create_directories(start + "/HTemplates");
    EXPECT_EQ(folder.TemplateFolderFor(start), start + "/HTemplates");
    EXPECT_EQ(folder.FirstOpenFolderFor(start), "");

    fs::remove(start + "/HTemplates");
    std::ofstream(Root + "/file") << "a file where a folder should be";
    CUserDataFolder unmakeable(Root + "/file/tessaly", {});
    EXPECT_EQ(unmakeable.TemplateFolderFor(start), start + "/HTemplates");
    EXPECT_EQ(unmakeable.FirstOpenFolderFor(start), "");
    CUserDataFolder homeless("", {});
    EXPECT_EQ(homeless.TemplateFolderFor(start), start + "/HTemplates");
    EXPECT_EQ(homeless.FirstOpenFolderFor(start), "");
}

TEST_F(UserDataFolder, TemplatesOfBothShapesAreListedByName)
{
    const std::string folder = Root + "/HTemplates";
    fs::create_directories(folder + "/inner.htp");
    for (const char* file : {"z.tsj", "crm.htp", "B.TSJ", "a.HTP", "project.tsy", "notes.txt", "tsj"}) {
        std::ofstream(folder + "/" + file) << file;
    }
    const std::vector<std::string> want{folder + "/B.TSJ", folder + "/a.HTP", folder + "/crm.htp", folder + "/z.tsj"};
    EXPECT_EQ(CUserDataFolder::TemplatesIn(folder), want);
    EXPECT_TRUE(CUserDataFolder::TemplatesIn(Root + "/none").empty());
}
