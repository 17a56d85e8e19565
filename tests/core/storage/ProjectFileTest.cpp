#include "StorageTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/CGroupDecision.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "core/storage/CMemorySink.h"
#include "core/storage/ProjectFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The worked size example: 3 levels of 2, a 4-byte goal, 8-byte names, no comments.
std::unique_ptr<CUserProjectModel> WorkedExample()
{
    auto project = std::make_unique<CUserProjectModel>();
    project->BuildNewHierarchy(2, 3, "GOAL", "");
    for (std::uint32_t k = 1; k < 3; ++k) {
        for (std::uint32_t e = 0; e < 2; ++e) {
            SetName(*project, e, k, "ELEMENT" + std::to_string(e));
            SetComment(*project, e, k, "");
        }
    }
    SetCell(*project, 0, 0, 0, 1, 3);
    SetCell(*project, 0, 0, 1, 0, -3);
    return project;
}

std::vector<unsigned char> Written(const CUserProjectModel& project, bool templateFlag = false)
{
    CMemorySink sink;
    EXPECT_TRUE(WriteProjectFile(project, sink, templateFlag));
    return sink.Bytes;
}

CReadOutcome Read(TLoadSaveProject& record, const std::vector<unsigned char>& bytes)
{
    return ReadProjectBytes(record, bytes.data(), bytes.size());
}

std::uint32_t U32At(const std::vector<unsigned char>& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

void PutU32(std::vector<unsigned char>& bytes, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
}

const std::vector<unsigned char> Magic{0x10, 0x58, 0x39, 0xB4, 0xC8, 0x86, 0x7A, 0x40};

std::vector<unsigned char> Header(std::uint32_t levels, std::vector<std::uint32_t> counts)
{
    std::vector<unsigned char> bytes = Magic;
    PutU32(bytes, levels);
    for (const std::uint32_t c : counts) {
        PutU32(bytes, c);
    }
    return bytes;
}
} // namespace

TEST(ProjectFileFormat, WorkedExampleIs144BytesWithItsLeadingBytes)
{
    const auto bytes = Written(*WorkedExample());
    ASSERT_EQ(bytes.size(), 144U);
    const std::vector<unsigned char> first20{0x10, 0x58, 0x39, 0xB4, 0xC8, 0x86, 0x7A, 0x40, 0x03, 0x00, 0x00, 0x00,
        0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 20), first20);
    // Goal name "GOAL", then the empty comment as four zero bytes, then M(0,0) row by row.
    EXPECT_EQ(U32At(bytes, 20), 4U);
    EXPECT_EQ(std::string(bytes.begin() + 24, bytes.begin() + 28), "GOAL");
    EXPECT_EQ(U32At(bytes, 28), 0U);
    EXPECT_EQ(U32At(bytes, 32), 1U);
    EXPECT_EQ(U32At(bytes, 36), 3U);
    EXPECT_EQ(U32At(bytes, 40), static_cast<std::uint32_t>(-3));
    EXPECT_EQ(U32At(bytes, 44), 1U);
    EXPECT_EQ(U32At(bytes, 48), 8U);
    EXPECT_EQ(std::string(bytes.begin() + 52, bytes.begin() + 60), "ELEMENT0");
}

TEST(ProjectFileFormat, TemplateFlagWritesEveryCellOneAndKeepsTexts)
{
    auto project = WorkedExample();
    SetCell(*project, 1, 1, 0, 1, 7);
    const auto plain = Written(*project);
    const auto templ = Written(*project, true);
    ASSERT_EQ(plain.size(), templ.size());
    EXPECT_NE(plain, templ);
    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(Read(*record, templ).Succeeded());
    EXPECT_EQ(record->Elements[0][1].Name, "ELEMENT0");
    for (const auto& [e, k] : {std::pair{0, 0}, std::pair{0, 1}, std::pair{1, 1}}) {
        for (std::uint32_t r = 0; r < 2; ++r) {
            for (std::uint32_t c = 0; c < 2; ++c) {
                EXPECT_EQ(record->Elements[e][k].Judgements(r, c).Code(), 1);
            }
        }
    }
}

TEST(ProjectFileFormat, CyrillicIsStoredAsWindows1251AndReadBackAsUtf8)
{
    auto project = WorkedExample();
    SetName(*project, 0, 0, "Выбор");
    SetComment(*project, 0, 0, "Ёж");
    const auto bytes = Written(*project);
    EXPECT_EQ(U32At(bytes, 20), 5U);
    EXPECT_EQ(bytes[24], 0xC2); // В
    EXPECT_EQ(bytes[28], 0xF0); // р, the last of "Выбор"
    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(Read(*record, bytes).Succeeded());
    EXPECT_EQ(record->Elements[0][0].Name, "Выбор");
    EXPECT_EQ(record->Elements[0][0].Comment, "Ёж");
}

TEST(ProjectFileReader, MessagesForEveryRefusal)
{
    auto record = std::make_unique<TLoadSaveProject>();
    CReadOutcome outcome = ReadProjectFile(*record, "");
    EXPECT_EQ(outcome.Result, EReadResult::EmptyName);
    EXPECT_EQ(outcome.Message, "Пустое имя файла");
    outcome = ReadProjectFile(*record, "/nonexistent-dir/none.tsy");
    EXPECT_EQ(outcome.Result, EReadResult::CannotOpen);
    EXPECT_EQ(outcome.Message, "Не могу открыть файл проекта");
    CTempDir dir;
    outcome = ReadProjectFile(*record, dir.Path.string()); // a directory cannot be opened as a file
    EXPECT_EQ(outcome.Result, EReadResult::CannotOpen);
    WriteAll(dir.File("empty.tsy"), {});
    outcome = ReadProjectFile(*record, dir.File("empty.tsy"));
    EXPECT_EQ(outcome.Result, EReadResult::Damaged);
    EXPECT_EQ(outcome.Message, "Файл проекта поврежден. Загрузка невозможна!");
    EXPECT_EQ(record->LevelCount, 0U);
    outcome = ReadProjectBytes(*record, nullptr, 10);
    EXPECT_EQ(outcome.Result, EReadResult::NullFile);
    EXPECT_EQ(outcome.Message, "Нулевой указатель на файл");
    EXPECT_FALSE(outcome.Succeeded());
}

TEST(ProjectFileReader, LevelAndElementCountBounds)
{
    auto record = std::make_unique<TLoadSaveProject>();
    for (std::uint32_t levels : {0U, 1U}) {
        EXPECT_EQ(Read(*record, Header(levels, {2})).Result, EReadResult::Damaged) << levels;
        EXPECT_EQ(record->LevelCount, levels); // the refused count is what the record holds
    }
    CUserProjectModel project;
    for (std::uint32_t levels : {2U, 3U, 10U}) {
        for (std::uint32_t count : {2U, 9U}) {
            project.BuildNewHierarchy(count, levels, "G", "");
            const auto bytes = Written(project);
            ASSERT_TRUE(Read(*record, bytes).Succeeded()) << levels << " " << count;
            EXPECT_EQ(record->LevelCount, levels);
            EXPECT_EQ(record->ElementsPerLevel[levels - 1], static_cast<std::int32_t>(count));
        }
    }
    for (std::uint32_t bad : {0U, 1U, 10U, 0xFFFFFFFFU}) {
        auto bytes = Header(3, {2, bad});
        bytes.resize(bytes.size() + 2000, 0);
        EXPECT_EQ(Read(*record, bytes).Result, EReadResult::Damaged) << bad;
        EXPECT_EQ(record->LevelCount, 0U);
    }
    auto eleven = Header(11, std::vector<std::uint32_t>(10, 2));
    eleven.resize(eleven.size() + 4000, 0);
    EXPECT_EQ(Read(*record, eleven).Result, EReadResult::Damaged);
}

// The structure editor can leave a goal over one level of alternatives: that file reads
// back and builds like any other, and writes again to the same bytes.
TEST(ProjectFileReader, TwoLevelProjectLeftByTheEditorReadsBack)
{
    CUserProjectModel project;
    project.BuildNewHierarchy(3, 3, "G", "");
    for (std::uint32_t e = 0; e < 3; ++e) {
        project.SetElementText(e, 2, "ALT" + std::to_string(e), e == 1 ? "" : "Комментарий");
    }
    ASSERT_EQ(project.DeleteLevel(1), EStructureResult::Done);
    ASSERT_EQ(project.LevelCount(), 2U);
    SetPair(project, 0, 0, 0, 2, 7);
    const auto bytes = Written(project);
    EXPECT_EQ(U32At(bytes, 8), 2U);
    EXPECT_EQ(U32At(bytes, 12), 3U);

    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(Read(*record, bytes).Succeeded());
    CUserProjectModel loaded;
    ASSERT_TRUE(loaded.BuildLoadedHierarchy(*record));
    EXPECT_EQ(loaded.LevelCount(), 2U);
    EXPECT_EQ(loaded.ElementsInLevelChecked(1), 3U);
    EXPECT_EQ(loaded.ElementsInLevelChecked(2), 0U);
    for (std::uint32_t e = 0; e < 3; ++e) {
        EXPECT_EQ(loaded.Element(e, 1).Name, "ALT" + std::to_string(e));
        EXPECT_EQ(loaded.Element(e, 1).Comment, e == 1 ? "" : "Комментарий");
        for (std::uint32_t c = 0; c < 3; ++c) {
            EXPECT_EQ(loaded.Goal().Judgements(e, c).Code(), project.Goal().Judgements(e, c).Code());
        }
    }
    EXPECT_EQ(loaded.Goal().Judgements(2, 0).Code(), -7);
    EXPECT_EQ(Written(loaded), bytes);
}

TEST(ProjectFileReader, StringsUpTo256BytesOnly)
{
    auto record = std::make_unique<TLoadSaveProject>();
    for (std::uint32_t length : {256U, 257U}) {
        auto project = WorkedExample();
        auto bytes = Written(*project);
        // Replace the goal name (at offset 20) with one of the given length.
        std::vector<unsigned char> longName(bytes.begin(), bytes.begin() + 20);
        PutU32(longName, length);
        longName.insert(longName.end(), length, 'x');
        longName.insert(longName.end(), bytes.begin() + 28, bytes.end());
        const CReadOutcome outcome = Read(*record, longName);
        EXPECT_EQ(outcome.Succeeded(), length == 256U) << length;
        if (outcome.Succeeded()) {
            EXPECT_EQ(record->Elements[0][0].Name, std::string(256, 'x'));
        }
    }
}

TEST(ProjectFileReader, EveryTruncationIsRefusedAndTrailingBytesIgnored)
{
    auto project = WorkedExample();
    SetComment(*project, 0, 1, "Комментарий");
    const auto bytes = Written(*project);
    auto record = std::make_unique<TLoadSaveProject>();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const CReadOutcome outcome = ReadProjectBytes(*record, bytes.data(), size);
        EXPECT_EQ(outcome.Result, EReadResult::Damaged) << "prefix of " << size;
        EXPECT_LT(record->LevelCount, 2U);
    }
    auto longer = bytes;
    longer.insert(longer.end(), {1, 2, 3, 4, 5});
    ASSERT_TRUE(Read(*record, longer).Succeeded());
    EXPECT_EQ(record->Elements[0][1].Comment, "Комментарий");
}

TEST(ProjectFileReader, OtherMagicWithSoundBodyLoads)
{
    auto bytes = Written(*WorkedExample());
    std::fill(bytes.begin(), bytes.begin() + 8, 0xEE);
    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(Read(*record, bytes).Succeeded());
    EXPECT_EQ(record->Elements[0][0].Judgements(0, 1).Code(), 3);
    CUserProjectModel project;
    EXPECT_TRUE(project.BuildLoadedHierarchy(*record));
}

TEST(ProjectFileReader, LeavesRecordsOutsideTheFileAsEarlierReadsLeftThem)
{
    auto record = std::make_unique<TLoadSaveProject>();
    CUserProjectModel big;
    big.BuildNewHierarchy(9, 5, "BIG", "");
    SetName(big, 8, 4, "LAST");
    ASSERT_TRUE(Read(*record, Written(big)).Succeeded());
    ASSERT_TRUE(Read(*record, Written(*WorkedExample())).Succeeded());
    EXPECT_EQ(record->LevelCount, 3U);
    EXPECT_EQ(record->Elements[8][4].Name, "LAST");
    EXPECT_EQ(record->Elements[0][0].Name, "GOAL");
}

// Each file of the seed corpus is named for what it is: damaged_* must be refused,
// sound_* must load and build.
TEST(ProjectFileReader, DamagedAndSoundCorpusFiles)
{
    const std::filesystem::path corpus = std::filesystem::path(TESSALY_SOURCE_DIR) / "tests/fuzz/corpus";
    auto record = std::make_unique<TLoadSaveProject>();
    int damaged = 0;
    int sound = 0;
    for (const std::string& name : FilesIn(corpus)) {
        const CReadOutcome outcome = ReadProjectFile(*record, (corpus / name).string());
        if (name.rfind("damaged_", 0) == 0) {
            ++damaged;
            EXPECT_EQ(outcome.Result, EReadResult::Damaged) << name;
            EXPECT_LT(record->LevelCount, 2U) << name;
        } else if (name.rfind("sound_", 0) == 0) {
            ++sound;
            ASSERT_TRUE(outcome.Succeeded()) << name;
            CUserProjectModel project;
            EXPECT_TRUE(project.BuildLoadedHierarchy(*record)) << name;
        } else {
            // What the fuzzer added: any outcome, but never a crash or a bad record.
            if (!outcome.Succeeded()) {
                EXPECT_LT(record->LevelCount, 2U) << name;
            }
        }
    }
    EXPECT_GE(damaged, 10);
    EXPECT_GE(sound, 5);
}

// Opened to be worked on, a file that cannot be written is refused; opened only to be
// read (an expert's file in a group, the command-line report), the same file reads.
TEST(ProjectFileReader, ReadOnlyFileCannotBeOpenedExceptToBeRead)
{
    CTempDir dir;
    const std::string mountPoint = dir.File("ro");
    // Permission bits do not stop root: root gets a file system mounted read-only.
    std::unique_ptr<CTmpfsMount> mount;
    if (::geteuid() == 0) {
        mount = std::make_unique<CTmpfsMount>(mountPoint, "size=64k");
        if (!mount->Mounted()) {
            GTEST_SKIP() << "cannot mount a tmpfs here; a root test cannot make a file read-only otherwise";
        }
    } else {
        std::filesystem::create_directories(mountPoint);
    }
    const std::string file = mountPoint + "/project.tsy";
    ASSERT_EQ(SaveProjectFile(*WorkedExample(), file, false), EWriteResult::Ok);
    auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(ReadProjectFile(*record, file).Succeeded());
    ASSERT_TRUE(mount ? mount->RemountReadOnly() : ::chmod(file.c_str(), 0444) == 0);
    record = std::make_unique<TLoadSaveProject>();
    const CReadOutcome outcome = ReadProjectFile(*record, file);
    EXPECT_EQ(outcome.Result, EReadResult::CannotOpen);
    EXPECT_EQ(outcome.Message, CannotOpenProjectText);
    EXPECT_EQ(outcome.Reason, SystemErrorText(mount ? EROFS : EACCES));
    EXPECT_LT(record->LevelCount, 2U);

    // A reader that never writes opens it for reading only and gets the whole project.
    const CReadOutcome read = ReadProjectFile(*record, file, EReadAccess::ReadOnly);
    ASSERT_TRUE(read.Succeeded()) << read.Reason;
    CUserProjectModel project;
    ASSERT_TRUE(project.BuildLoadedHierarchy(*record));
    EXPECT_EQ(Written(project), Written(*WorkedExample()));
    // Only the way of opening changes: what is not a regular file is still refused unread.
    EXPECT_EQ(ReadProjectFile(*record, dir.Path.string(), EReadAccess::ReadOnly).Result, EReadResult::CannotOpen);
    EXPECT_EQ(ReadProjectFile(*record, "", EReadAccess::ReadOnly).Result, EReadResult::EmptyName);
}

// A FIFO never reaches an end of file, so a reader that reads it waits for ever: the
// read runs apart, and should it still wait, the test fills the FIFO to free it and fails.
TEST(ProjectFileReader, OnlyRegularFilesAreReadAndNothingWaits)
{
    CTempDir dir;
    const std::string fifo = dir.File("pipe.tsy");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto record = std::make_unique<TLoadSaveProject>();
    record->LevelCount = 7; // what an earlier read left: a refusal before reading keeps it
    for (const std::string& name : {fifo, std::string("/dev/null"), dir.Path.string()}) {
        auto reading = std::async(std::launch::async, [&record, &name] { return ReadProjectFile(*record, name); });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << name << ": the read waits";
            const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            ASSERT_GE(writer, 0);
            ::fcntl(writer, F_SETFL, 0);
            const std::vector<unsigned char> filler(MaxProjectFileSize + 1, 0);
            EXPECT_EQ(::write(writer, filler.data(), filler.size()), static_cast<ssize_t>(filler.size()));
            ::close(writer);
        }
        const CReadOutcome outcome = reading.get();
        EXPECT_EQ(outcome.Result, EReadResult::CannotOpen) << name;
        EXPECT_EQ(outcome.Message, CannotOpenProjectText) << name;
        EXPECT_EQ(record->LevelCount, 7U) << name;
    }
}

TEST(ProjectFileNames, ExtensionRuleComparesOnlyTheLastLetter)
{
    EXPECT_EQ(ApplyExtensionRule("/home/u/plan", ".tsy"), "/home/u/plan.tsy");
    EXPECT_EQ(ApplyExtensionRule("/home/u/plan.tsy", ".tsy"), "/home/u/plan.tsy");
    EXPECT_EQ(ApplyExtensionRule("/home/u/happy", ".tsy"), "/home/u/happy");
    EXPECT_EQ(ApplyExtensionRule("/home/u/plan.htp", ".tsy"), "/home/u/plan.htp.tsy");
    EXPECT_EQ(ApplyExtensionRule("/home/u/plan.TSY", ".tsy"), "/home/u/plan.TSY.tsy");
    EXPECT_EQ(ApplyExtensionRule("shop", ".htp"), "shop");
    EXPECT_EQ(ApplyExtensionRule("tree", ".htp"), "tree.htp");
}

TEST(ProjectFileNames, TemplateDirectoryAndCloneFileJoinWithOneSlash)
{
    EXPECT_EQ(TemplateDirectory("/home/u/tessaly"), "/home/u/tessaly/HTemplates");
    EXPECT_EQ(CloneFileName("/home/u/tessaly"), "/home/u/tessaly/ToClone.tmp");
    EXPECT_EQ(TemplateDirectory("/"), "/HTemplates");
    EXPECT_EQ(CloneFileName("/"), "/ToClone.tmp");
    EXPECT_EQ(CloneFileName("/data/"), "/data/ToClone.tmp");
}

// Besides its message, every refusal says why, for the user to read under it: the
// system's text when the file could not be had, and what is wrong with one that was read.
TEST(ProjectFileReader, RefusalsSayWhy)
{
    CTempDir dir;
    const std::string fifo = dir.File("pipe.tsy");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteAll(dir.File("empty.tsy"), {});
    WriteAll(dir.File("letter.tsy"), {'D', 'e', 'a', 'r', ' ', 's', 'i', 'r', 3, 0, 0, 0});
    WriteAll(dir.File("one.tsy"), Header(1, {}));
    std::vector<unsigned char> cut = Header(3, {2, 2});
    cut.resize(cut.size() - 1);
    WriteAll(dir.File("cut.tsy"), cut);
    const std::vector<std::pair<std::string, std::string>> cases{
        {dir.File("none.tsy"), std::strerror(ENOENT)},
        {dir.Path.string(), std::strerror(EISDIR)},
        {fifo, "не обычный файл"},
        {dir.File("empty.tsy"), "не файл проекта"},
        {dir.File("letter.tsy"), "не файл проекта"},
        {dir.File("one.tsy"), "файл повреждён"},
        {dir.File("cut.tsy"), "файл повреждён"},
    };
    auto record = std::make_unique<TLoadSaveProject>();
    for (const auto& [file, reason] : cases) {
        const CReadOutcome outcome = ReadProjectFile(*record, file);
        EXPECT_FALSE(outcome.Succeeded()) << file;
        EXPECT_EQ(outcome.Reason, reason) << file;
    }
    WriteAll(dir.File("sound.tsy"), Written(*WorkedExample()));
    const CReadOutcome sound = ReadProjectFile(*record, dir.File("sound.tsy"));
    EXPECT_TRUE(sound.Succeeded());
    EXPECT_EQ(sound.Reason, "");
}

// Files not written by Tessaly: a diagonal that is not equality, a pair with "не задано" in
// one cell only. They read as Tessaly means them (the diagonal equal, the pair not
// judged), so the ranking is a sound one and a group does not leave the expert out.
TEST(ProjectFileReader, OneSidedZerosAndDiagonalsReadAsTessalyMeansThem)
{
    struct CCase {
        std::uint32_t Row;
        std::uint32_t Column;
        std::int32_t Code;
    };
    const std::vector<CCase> cases{{0, 0, 0}, {1, 1, 5}, {2, 2, -4}, {0, 1, 0}, {2, 0, 0}};
    for (const CCase& c : cases) {
        CUserProjectModel project;
        ASSERT_TRUE(BuildWithCounts(project, {1, 3, 2}));
        SetPair(project, 0, 0, 0, 1, 3);
        SetPair(project, 0, 0, 0, 2, 5);
        SetPair(project, 0, 0, 1, 2, 2);
        for (std::uint32_t e = 0; e < 3; ++e) {
            SetPair(project, e, 1, 0, 1, 2);
        }
        SetCell(project, 0, 0, c.Row, c.Column, c.Code);
        auto record = std::make_unique<TLoadSaveProject>();
        ASSERT_TRUE(Read(*record, Written(project)).Succeeded());
        const CJudgementMatrix& goal = record->Elements[0][0].Judgements;
        for (std::uint32_t i = 0; i < 3; ++i) {
            EXPECT_EQ(goal(i, i).Value(), 1.0) << c.Row << c.Column;
        }
        const bool pair = c.Row != c.Column;
        EXPECT_EQ(goal(c.Row, c.Column).IsJudged(), !pair);
        EXPECT_EQ(goal(c.Column, c.Row).IsJudged(), !pair);
        CUserProjectModel read;
        ASSERT_TRUE(read.BuildLoadedHierarchy(*record));
        const CProjectResults results = ComputeResults(read);
        const CResultList ranking = FinalResults(read, results);
        ASSERT_EQ(ranking.Count, 2U);
        EXPECT_NEAR(ranking.Rows[0].Value + ranking.Rows[1].Value, 1.0, 1e-12);
        EXPECT_GT(ranking.Rows[1].Value, 0.0);
        CGroupDecision group;
        ASSERT_EQ(group.AddExpert(CGroupMember{"/x/a.tsy", "a", 1.0}, read), "");
        EXPECT_TRUE(group.Result().Elements[0].LeftOut.empty());
        EXPECT_TRUE(group.ExpertsWithoutFinal().empty());
    }
}
