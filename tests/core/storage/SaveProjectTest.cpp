#include "StorageTestSupport.h"
#include "support/ModelEdits.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/CMemorySink.h"
#include "core/storage/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {
std::unique_ptr<CUserProjectModel> Project(std::uint32_t levels, std::uint32_t count, const std::string& comment)
{
    auto project = std::make_unique<CUserProjectModel>();
    project->BuildNewHierarchy(count, levels, "ЦЕЛЬ", comment);
    for (std::uint32_t k = 1; k < levels; ++k) {
        for (std::uint32_t e = 0; e < count; ++e) {
            SetComment(*project, e, k, comment);
        }
    }
    SetCell(*project, 0, 0, 0, 1, 5);
    SetCell(*project, 0, 0, 1, 0, -5);
    return project;
}

std::vector<unsigned char> Bytes(const CUserProjectModel& project)
{
    CMemorySink sink;
    EXPECT_TRUE(WriteProjectFile(project, sink, false));
    return sink.Bytes;
}

// A save in a child process that dies part way through writing, as kill -9 or a power
// loss ends one; the name of what it left in the directory ("" unless exactly one file).
std::string KilledSave(const std::filesystem::path& directory, const std::string& file)
{
    const std::vector<std::string> before = FilesIn(directory);
    const pid_t child = ::fork();
    if (child == 0) {
        SaveFileAtomically(file, [](CByteSink& sink) -> bool {
            sink.Write("partial", 7);
            ::_exit(0);
        });
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::vector<std::string> after = FilesIn(directory);
    std::vector<std::string> added;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    return added.size() == 1 ? added.front() : std::string();
}

// Sets a file's (or a link's own) times to the given seconds ago.
void Age(const std::string& path, int seconds)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const timespec then{now.tv_sec - seconds, 0};
    const std::array<timespec, 2> times{then, then};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times.data(), AT_SYMLINK_NOFOLLOW), 0) << path;
}
} // namespace

TEST(SaveProjectFile, WritesExactlyTheWriterBytesAndReplacesTheOldFile)
{
    CTempDir dir;
    const std::string file = dir.File("plan.tsy");
    WriteAll(file, {1, 2, 3});
    const auto project = Project(3, 2, "");
    ASSERT_EQ(SaveProjectFile(*project, file, false), EWriteResult::Ok);
    EXPECT_EQ(ReadAll(file), Bytes(*project));
    EXPECT_EQ(FilesIn(dir.Path), std::vector<std::string>{"plan.tsy"});
    struct stat info { };
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_NE(info.st_mode & 0044U, 0U); // not left with the temporary file's private mode
}

TEST(SaveProjectFile, MissingOrReadOnlyDirectoryIsAnOpeningFailure)
{
    const auto project = Project(3, 2, "");
    EXPECT_EQ(SaveProjectFile(*project, "/nonexistent-dir/plan.tsy", false), EWriteResult::OpenFailed);
    EXPECT_EQ(SaveProjectFile(*project, "", false), EWriteResult::OpenFailed);

    CTempDir dir;
    const std::string mountPoint = dir.File("ro");
    CTmpfsMount mount(mountPoint, "size=64k");
    if (!mount.Mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root); root is not stopped by permission bits";
    }
    const std::string file = mountPoint + "/plan.tsy";
    ASSERT_EQ(SaveProjectFile(*Project(4, 3, "old"), file, false), EWriteResult::Ok);
    const auto before = ReadAll(file);
    ASSERT_TRUE(mount.RemountReadOnly());
    EXPECT_EQ(SaveProjectFile(*project, file, false), EWriteResult::OpenFailed);
    EXPECT_EQ(SaveProjectFile(*project, mountPoint + "/new.tsy", true), EWriteResult::OpenFailed);
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(FilesIn(mountPoint), std::vector<std::string>{"plan.tsy"});
}

TEST(SaveProjectFile, FullFileSystemKeepsTheOldFileAndLeavesNoTemporary)
{
    CTempDir dir;
    const std::string mountPoint = dir.File("small");
    CTmpfsMount mount(mountPoint, "size=16k");
    if (!mount.Mounted()) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root); the injected failure test covers the logic";
    }
    const std::string file = mountPoint + "/plan.tsy";
    ASSERT_EQ(SaveProjectFile(*Project(3, 2, "old"), file, false), EWriteResult::Ok);
    const auto before = ReadAll(file);
    // 10 x 9 elements with 200-character comments is about 38 kB: it cannot fit.
    const auto big = Project(10, 9, std::string(200, 'z'));
    ASSERT_GT(Bytes(*big).size(), 16U * 1024U);
    EXPECT_EQ(SaveProjectFile(*big, file, false), EWriteResult::WriteFailed);
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(FilesIn(mountPoint), std::vector<std::string>{"plan.tsy"});
}

TEST(SaveProjectFile, InjectedFailurePartWayKeepsTheOldFile)
{
    CTempDir dir;
    const std::string file = dir.File("plan.tsy");
    const auto old = Project(3, 2, "old");
    ASSERT_EQ(SaveProjectFile(*old, file, false), EWriteResult::Ok);
    const auto before = ReadAll(file);
    const auto project = Project(5, 4, "new");
    const std::size_t total = Bytes(*project).size();
    for (const std::size_t limit : {std::size_t{0}, std::size_t{7}, std::size_t{100}, total - 1}) {
        const EWriteResult result = SaveFileAtomically(file, [&project, limit](CByteSink& sink) {
            CMemorySink limited(limit);
            const bool whole = WriteProjectFile(*project, limited, false);
            // What did fit reaches the temporary file before the failure is reported.
            return sink.Write(limited.Bytes.data(), limited.Bytes.size()) && whole;
        });
        EXPECT_EQ(result, EWriteResult::WriteFailed) << limit;
        EXPECT_EQ(ReadAll(file), before) << limit;
        EXPECT_EQ(FilesIn(dir.Path), std::vector<std::string>{"plan.tsy"}) << limit;
    }
}

TEST(WriteProjectFile, EveryWriteIsChecked)
{
    const auto project = Project(4, 3, "Комментарий");
    const std::size_t total = Bytes(*project).size();
    for (std::size_t limit = 0; limit < total; ++limit) {
        CMemorySink sink(limit);
        EXPECT_FALSE(WriteProjectFile(*project, sink, false)) << limit;
    }
    CMemorySink exact(total);
    EXPECT_TRUE(WriteProjectFile(*project, exact, false));
}

TEST(SaveProjectFile, TemplateOnDiskReadsBackWithEqualJudgements)
{
    CTempDir dir;
    const std::string file = ApplyExtensionRule(dir.File("tree"), ".htp");
    ASSERT_EQ(file, dir.File("tree.htp"));
    ASSERT_EQ(SaveProjectFile(*Project(3, 4, "Комм"), file, true), EWriteResult::Ok);
    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(ReadProjectFile(*record, file).Succeeded());
    EXPECT_EQ(record->Elements[0][0].Name, "ЦЕЛЬ");
    EXPECT_EQ(record->Elements[3][2].Comment, "Комм");
    EXPECT_EQ(record->Elements[0][0].Judgements(0, 1).Code(), 1);
    EXPECT_EQ(record->Elements[0][0].Judgements(1, 0).Code(), 1);
}

// The next successful save of a target removes the temporaries its killed saves left,
// when they are older than the program; nothing else, and a failed save nothing at all.
TEST(SaveProjectFile, SuccessRemovesOnlyItsTargetsStaleTemporaries)
{
    CTempDir dir;
    const std::string file = dir.File("plan.tsy");
    const std::string killed = KilledSave(dir.Path, file);
    ASSERT_EQ(killed.rfind(".plan.tsy.", 0), 0U) << killed;
    Age(dir.File(killed), 3600);
    WriteAll(dir.File(".plan.tsy.Old999"), {1});
    Age(dir.File(".plan.tsy.Old999"), 86400);

    // Kept: one being written by another instance now, newer than this program; older
    // ones of other targets or other shapes, a directory, a link, another user's file.
    std::vector<std::string> kept;
    for (const char* name :
        {".other.tsy.AbC123", ".plan.tsy.AbC12", ".plan.tsy.AbC1234", ".plan.tsy.AbC-12", "plan.tsy.AbC123"}) {
        WriteAll(dir.File(name), {1});
        kept.emplace_back(name);
    }
    std::filesystem::create_directory(dir.File(".plan.tsy.Dir123"));
    std::filesystem::create_symlink("plan.tsy", dir.File(".plan.tsy.Lnk123"));
    kept.insert(kept.end(), {".plan.tsy.Dir123", ".plan.tsy.Lnk123"});
    if (::geteuid() == 0) {
        WriteAll(dir.File(".plan.tsy.Usr123"), {1});
        ASSERT_EQ(::chown(dir.File(".plan.tsy.Usr123").c_str(), 4242, 4242), 0);
        kept.emplace_back(".plan.tsy.Usr123");
    }
    for (const std::string& name : kept) {
        Age(dir.File(name), 3600);
    }
    WriteAll(dir.File(".plan.tsy.Now123"), {1});
    kept.insert(kept.end(), {".plan.tsy.Now123", "plan.tsy"});

    EXPECT_EQ(SaveFileAtomically(file, [](CByteSink&) { return false; }), EWriteResult::WriteFailed);
    EXPECT_TRUE(std::filesystem::exists(dir.File(killed)));
    ASSERT_EQ(SaveProjectFile(*Project(3, 2, ""), file, false), EWriteResult::Ok);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(FilesIn(dir.Path), kept);
}

// The temporary name is longer than the target's: names up to the file system's limit
// still save, and one beyond it (253 bytes and ".tsy") fails in opening, leaving nothing.
TEST(SaveProjectFile, NameTooLongIsAnOpeningFailure)
{
    CTempDir dir;
    const auto project = Project(3, 2, "");
    const auto limit = static_cast<std::size_t>(::pathconf(dir.Path.c_str(), _PC_NAME_MAX));
    ASSERT_EQ(limit, 255U);
    const std::string tooLong = ApplyExtensionRule(dir.File(std::string(253, 'a')), ".tsy");
    EXPECT_EQ(SaveProjectFile(*project, tooLong, false), EWriteResult::OpenFailed);
    EXPECT_TRUE(FilesIn(dir.Path).empty());

    std::string cyrillic = "e"; // 255 bytes whose shortened form must not split a letter
    for (int i = 0; i < 127; ++i) {
        cyrillic += "ж";
    }
    std::vector<std::string> saved{
        std::string(limit - 8, 'b'), std::string(limit - 7, 'c'), std::string(limit, 'd'), cyrillic};
    for (const std::string& name : saved) {
        ASSERT_EQ(SaveProjectFile(*project, dir.File(name), false), EWriteResult::Ok) << name.size();
        EXPECT_EQ(ReadAll(dir.File(name)), Bytes(*project));
    }
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ(FilesIn(dir.Path), saved);

    // The longest name's temporaries are found again by its next save.
    const std::string killed = KilledSave(dir.Path, dir.File(cyrillic));
    ASSERT_FALSE(killed.empty());
    Age(dir.File(killed), 3600);
    ASSERT_EQ(SaveProjectFile(*project, dir.File(cyrillic), false), EWriteResult::Ok);
    EXPECT_EQ(FilesIn(dir.Path), saved);
}

// Links at the target's name: a document saved through a link reaches the file it names,
// even one not written yet, and the link stays; a scratch file replaces a link standing at
// its name and writes nothing through it.
TEST(SaveProjectFile, LinksAreWrittenThroughOrReplacedAsAsked)
{
    CTempDir dir;
    const auto project = Project(3, 2, "");
    std::filesystem::create_directory(dir.File("real"));
    std::filesystem::create_symlink("real/plan.tsy", dir.File("plan.tsy"));
    ASSERT_EQ(SaveProjectFile(*project, dir.File("plan.tsy"), false), EWriteResult::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("plan.tsy")));
    EXPECT_EQ(ReadAll(dir.File("real/plan.tsy")), Bytes(*project));
    WriteAll(dir.File("real/plan.tsy"), {7});
    ASSERT_EQ(SaveProjectFile(*project, dir.File("plan.tsy"), false), EWriteResult::Ok);
    EXPECT_EQ(ReadAll(dir.File("real/plan.tsy")), Bytes(*project));

    WriteAll(dir.File("victim.tsy"), {1, 2, 3});
    std::filesystem::create_symlink(dir.File("victim.tsy"), dir.File("ToClone.tmp"));
    ASSERT_EQ(SaveProjectFile(*project, dir.File("ToClone.tmp"), false, ELinkAtName::Replace), EWriteResult::Ok);
    EXPECT_EQ(ReadAll(dir.File("victim.tsy")), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::is_symlink(dir.File("ToClone.tmp")));
    EXPECT_EQ(ReadAll(dir.File("ToClone.tmp")), Bytes(*project));
}

// A replaced file stays its owner's and its group's (root may give both back).
TEST(SaveProjectFile, ReplacedFileKeepsItsOwnerGroupAndMode)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another owner";
    }
    CTempDir dir;
    const std::string file = dir.File("plan.tsy");
    WriteAll(file, {1});
    ASSERT_EQ(::chown(file.c_str(), 4242, 4343), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_EQ(SaveProjectFile(*Project(3, 2, ""), file, false), EWriteResult::Ok);
    struct stat info { };
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4242U);
    EXPECT_EQ(info.st_gid, 4343U);
    EXPECT_EQ(info.st_mode & 07777U, 0640U);
}

// A failed save says why, for the user to read under its message; a save that worked
// says nothing.
TEST(SaveProjectFile, FailuresSayWhy)
{
    const auto project = Project(3, 2, "");
    CTempDir dir;
    ASSERT_TRUE(std::filesystem::create_directory(dir.File("folder")));
    const std::vector<std::pair<std::string, std::string>> cases{
        {dir.File("missing/plan.tsy"), std::strerror(ENOENT)},
        {dir.File("folder"), std::strerror(EISDIR)},
        {dir.File(std::string(300, 'n')), std::strerror(ENAMETOOLONG)},
    };
    for (const auto& [file, expected] : cases) {
        std::string reason;
        EXPECT_EQ(SaveProjectFile(*project, file, false, ELinkAtName::WriteThrough, &reason), EWriteResult::OpenFailed);
        EXPECT_EQ(reason, expected) << file;
    }
    // A writing step that fails with no word from the system still says the write failed.
    std::string reason = "stale";
    EXPECT_EQ(SaveFileAtomically(
                  dir.File("plan.tsy"), [](CByteSink&) { return false; }, ELinkAtName::WriteThrough, &reason),
        EWriteResult::WriteFailed);
    EXPECT_EQ(reason, "запись не удалась");
    EXPECT_EQ(
        SaveProjectFile(*project, dir.File("plan.tsy"), false, ELinkAtName::WriteThrough, &reason), EWriteResult::Ok);
    EXPECT_EQ(reason, "");
}
