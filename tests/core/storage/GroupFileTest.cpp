#include "StorageTestSupport.h"

#include "core/storage/GroupFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {
std::vector<unsigned char> Bytes(const std::string& text)
{
    return {text.begin(), text.end()};
}

std::string Text(const std::vector<unsigned char>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

std::string GroupWith(const std::string& members)
{
    return R"({"format": "tessaly-group", "version": 1, "members": [)" + members + "]}";
}
} // namespace

TEST(GroupFile, RoundTripStoresPathsRelativeToTheGroupFile)
{
    CTempDir dir;
    const std::string folder = dir.Path.string();
    const std::string outside = dir.Path.parent_path().string() + "/outside.tsy";
    const std::vector<CGroupMember> members{
        {dir.File("a.tsy"), "Эксперт «А»", 1.0},
        {folder + "/sub/b.tsy", "b", 0.1},
        {outside, "Внешний", 1.0 / 3.0},
        {folder + "/sub/../c d.tsy", "", 250.0},
    };
    const std::string group = dir.File("group.tsg");
    const CGroupSaveOutcome saved = SaveGroupFile(members, group);
    ASSERT_TRUE(saved.Succeeded()) << saved.Message;
    EXPECT_EQ(FilesIn(dir.Path), std::vector<std::string>{"group.tsg"}); // no temporary left

    EXPECT_EQ(Text(ReadAll(group)), R"({
  "format": "tessaly-group",
  "version": 1,
  "members": [
    {
      "file": "a.tsy",
      "label": "Эксперт «А»",
      "weight": 1
    },
    {
      "file": "sub/b.tsy",
      "label": "b",
      "weight": 0.1
    },
    {
      "file": "../outside.tsy",
      "label": "Внешний",
      "weight": 0.3333333333333333
    },
    {
      "file": "c d.tsy",
      "label": "c d",
      "weight": 250
    }
  ]
}
)");

    const CGroupReadOutcome read = ReadGroupFile(group);
    ASSERT_TRUE(read.Succeeded()) << read.Message;
    ASSERT_EQ(read.Members.size(), 4U);
    const std::vector<std::string> files{dir.File("a.tsy"), folder + "/sub/b.tsy", outside, dir.File("c d.tsy")};
    const std::vector<std::string> labels{"Эксперт «А»", "b", "Внешний", "c d"};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(read.Members[k].File, files[k]);
        EXPECT_EQ(read.Members[k].Label, labels[k]);
        EXPECT_EQ(read.Members[k].Weight, members[k].Weight); // every bit
    }

    // The same text in another folder names the files there: the group moves with them.
    const CGroupReadOutcome moved = ReadGroupText(Text(ReadAll(group)), "/media/stick/poll");
    ASSERT_TRUE(moved.Succeeded());
    EXPECT_EQ(moved.Members[1].File, "/media/stick/poll/sub/b.tsy");
    EXPECT_EQ(moved.Members[2].File, "/media/stick/outside.tsy");
}

TEST(GroupFile, WeightedAndIncludedAreWrittenOnlyWhenOff)
{
    CTempDir dir;
    const std::string group = dir.File("group.tsg");
    std::vector<CGroupMember> members{{dir.File("a.tsy"), "a", 2.0}, {dir.File("b.tsy"), "b", 1.0}};
    members[1].Included = false;
    ASSERT_TRUE(SaveGroupFile(members, group, false).Succeeded());
    const std::string text = Text(ReadAll(group));
    EXPECT_NE(text.find(R"("version": 1,
  "weighted": false,)"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find(R"("weight": 1,
      "included": false)"),
        std::string::npos)
        << text;
    const CGroupReadOutcome read = ReadGroupFile(group);
    ASSERT_TRUE(read.Succeeded()) << read.Message;
    EXPECT_FALSE(read.Weighted);
    EXPECT_TRUE(read.Members[0].Included);
    EXPECT_FALSE(read.Members[1].Included);

    // On, they are not written at all: such a file is byte for byte a file of before.
    members[1].Included = true;
    ASSERT_TRUE(SaveGroupFile(members, group, true).Succeeded());
    EXPECT_EQ(Text(ReadAll(group)).find("weighted"), std::string::npos);
    EXPECT_EQ(Text(ReadAll(group)).find("included"), std::string::npos);
    EXPECT_TRUE(ReadGroupFile(group).Weighted);
}

TEST(GroupFile, DefaultsAndWhatAReaderMayAdd)
{
    const CGroupReadOutcome read = ReadGroupText("\xEF\xBB\xBF" // a byte-order mark some editors write
            + GroupWith(R"({"file": "x/Петров.tsy"}, {"file": "/srv/poll/b.tsy", "label": "", "weight": 2.5,
            "note": "ignored"})"),
        "/home/u");
    ASSERT_TRUE(read.Succeeded()) << read.Message;
    ASSERT_EQ(read.Members.size(), 2U);
    EXPECT_EQ(read.Members[0].File, "/home/u/x/Петров.tsy");
    EXPECT_EQ(read.Members[0].Label, "Петров");
    EXPECT_EQ(read.Members[0].Weight, 1.0);
    EXPECT_EQ(read.Members[1].File, "/srv/poll/b.tsy");
    EXPECT_EQ(read.Members[1].Label, "b");
    EXPECT_EQ(read.Members[1].Weight, 2.5);
}

TEST(GroupFile, RefusesWhatIsNotASoundGroupFile)
{
    struct CCase {
        std::string Text;
        EGroupReadResult Result;
        std::string Message;
    };
    const std::string wrongType = "Это не файл группы экспертов";
    const std::vector<CCase> cases{
        {"TSY\x01\x02", EGroupReadResult::NotGroupFile, wrongType},
        {"[1, 2]", EGroupReadResult::NotGroupFile, wrongType},
        {R"({"format": "tessaly-group", "version": 1, "members": [)", EGroupReadResult::NotGroupFile, wrongType},
        {R"({"format": "tessaly-project", "version": 1, "members": []})", EGroupReadResult::NotGroupFile, wrongType},
        {R"({"format": "tessaly-group", "members": []})", EGroupReadResult::WrongVersion,
            "В файле группы не указана версия"},
        {R"({"format": "tessaly-group", "version": 2, "members": []})", EGroupReadResult::WrongVersion,
            "Версия файла группы 2 не поддерживается"},
        {R"({"format": "tessaly-group", "version": 1})", EGroupReadResult::BadMembers,
            "В файле группы нет списка экспертов"},
        {GroupWith(""), EGroupReadResult::BadMembers, "В группе нет ни одного эксперта"},
        {GroupWith(R"({"file": "a.tsy"}, 5)"), EGroupReadResult::BadMembers, "Эксперт 2: запись неверна"},
        {GroupWith(R"({"label": "a"})"), EGroupReadResult::BadMembers, "Эксперт 1: не указан файл"},
        {GroupWith(R"({"file": 7})"), EGroupReadResult::BadMembers, "Эксперт 1: не указан файл"},
        {GroupWith(R"({"file": "a.tsy\u0000.tsg"})"), EGroupReadResult::BadMembers,
            "Эксперт 1: имя файла записано неверно"},
        {GroupWith(R"({"file": "a.tsy", "label": 3})"), EGroupReadResult::BadMembers,
            "Эксперт 1: метка должна быть текстом"},
        {GroupWith(R"({"file": "a.tsy", "weight": 0})"), EGroupReadResult::BadMembers,
            "Эксперт 1: вес должен быть числом от 0.000001 до 1000000"},
        {GroupWith(R"({"file": "a.tsy", "weight": "2"})"), EGroupReadResult::BadMembers,
            "Эксперт 1: вес должен быть числом от 0.000001 до 1000000"},
        {GroupWith(R"({"file": "a.tsy"}, {"file": "b.tsy"}, {"file": "./x/../a.tsy"})"), EGroupReadResult::BadMembers,
            "Эксперт 3: файл «a.tsy» уже указан для эксперта 1"},
        // Weights whose shares would underflow: the one rule for weights.
        {GroupWith(R"({"file": "a.tsy", "weight": 1e300}, {"file": "b.tsy", "weight": 1e-300})"),
            EGroupReadResult::BadMembers, "Эксперт 1: вес должен быть числом от 0.000001 до 1000000"},
        {R"({"format": "tessaly-group", "version": 1, "weighted": "no", "members": [{"file": "a.tsy"}]})",
            EGroupReadResult::BadMembers, "В файле группы «weighted» должно быть true или false"},
        {GroupWith(R"({"file": "a.tsy", "included": 0})"), EGroupReadResult::BadMembers,
            "Эксперт 1: «included» должно быть true или false"},
    };
    for (const CCase& c : cases) {
        const CGroupReadOutcome read = ReadGroupText(c.Text, "/home/u");
        EXPECT_EQ(read.Result, c.Result) << c.Text;
        EXPECT_EQ(read.Message, c.Message) << c.Text;
        EXPECT_TRUE(read.Members.empty()) << c.Text;
    }
}

TEST(GroupFile, ReadsOnlyRegularFiles)
{
    CTempDir dir;
    const std::string fifo = dir.File("pipe.tsg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path / "folder.tsg");
    for (const std::string& name : {dir.File("missing.tsg"), fifo, dir.File("folder.tsg"), std::string()}) {
        const CGroupReadOutcome read = ReadGroupFile(name);
        EXPECT_EQ(read.Result, EGroupReadResult::CannotOpen) << name;
        EXPECT_EQ(read.Message, "Не могу открыть файл группы");
    }
    // A read-only group file is read (unlike a project, nothing writes it back unasked).
    const std::string readOnly = dir.File("ro.tsg");
    WriteAll(readOnly, Bytes(GroupWith(R"({"file": "a.tsy"})")));
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_TRUE(ReadGroupFile(readOnly).Succeeded());
}

TEST(GroupFile, AFailedOrRefusedSaveLeavesTheOldFile)
{
    CTempDir dir;
    const std::string group = dir.File("group.tsg");
    const std::vector<unsigned char> old = Bytes("old contents");
    WriteAll(group, old);
    struct CCase {
        std::vector<CGroupMember> Members;
        std::string Message;
    };
    const std::vector<CCase> refused{
        {{}, "В группе нет ни одного эксперта"},
        {{{dir.File("a.tsy"), "a", 0.0}}, "Эксперт 1: вес должен быть числом от 0.000001 до 1000000"},
        {{{dir.File("a.tsy"), "a", 1.0}, {dir.File("b/../a.tsy"), "b", 1.0}},
            "Эксперт 2: файл «a.tsy» уже указан для эксперта 1"},
        {{{dir.File("a\xFF.tsy"), "a", 1.0}}, "Эксперт 1: имя файла записано неверно"},
    };
    for (const CCase& c : refused) {
        const CGroupSaveOutcome saved = SaveGroupFile(c.Members, group);
        EXPECT_EQ(saved.Result, EGroupSaveResult::BadMembers) << c.Message;
        EXPECT_EQ(saved.Message, c.Message);
        EXPECT_EQ(GroupMembersProblem(c.Members), c.Message);
    }
    EXPECT_EQ(ReadAll(group), old);
    EXPECT_EQ(FilesIn(dir.Path), std::vector<std::string>{"group.tsg"});

    const std::vector<CGroupMember> sound{{dir.File("a.tsy"), "a", 1.0}};
    const CGroupSaveOutcome nowhere = SaveGroupFile(sound, dir.File("no such folder/group.tsg"));
    EXPECT_EQ(nowhere.Result, EGroupSaveResult::OpenFailed);
    EXPECT_EQ(nowhere.Message, "Ошибка открытия файла");

    // A sound save replaces the old file whole.
    ASSERT_TRUE(SaveGroupFile(sound, group).Succeeded());
    const CGroupReadOutcome read = ReadGroupFile(group);
    ASSERT_TRUE(read.Succeeded());
    EXPECT_EQ(read.Members.size(), 1U);
    EXPECT_EQ(FilesIn(dir.Path), std::vector<std::string>{"group.tsg"});
}
