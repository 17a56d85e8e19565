#include "StorageTestSupport.h"
#include "support/ModelEdits.h"

#include "model/CUserProjectModel.h"
#include "storage/CMemorySink.h"
#include "storage/ProjectFile.h"
#include "storage/TLoadSaveProject.h"

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

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
    EXPECT_EQ(record->Elements[0][0].Judgements(0, 1), 1);
    EXPECT_EQ(record->Elements[0][0].Judgements(1, 0), 1);
}
