#include "GroupFilesSupport.h"
#include "GroupTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/ExpertFiles.h"
#include "core/group/GroupReading.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/GroupFile.h"
#include "core/storage/ProjectFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
std::unique_ptr<CUserProjectModel> Criteria()
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 3, 2}));
    SetName(*project, 0, 0, "ВЫБОР");
    SetName(*project, 2, 1, "ЦЕНА");
    return project;
}

// An expert's file as he sends it back: the prepared file, read, judged and saved.
void Judge(const std::string& file, const std::vector<int>& goalUpper)
{
    const auto record = std::make_unique<TLoadSaveProject>();
    ASSERT_TRUE(ReadProjectFile(*record, file).Succeeded());
    CUserProjectModel project;
    ASSERT_TRUE(project.BuildLoadedHierarchy(*record));
    project.SetJudgements(0, 0, FromUpper(3, goalUpper));
    for (std::uint32_t c = 0; c < 3; ++c) {
        project.SetJudgements(c, 1, FromUpper(2, {1}));
    }
    ASSERT_EQ(SaveProjectFile(project, file, false), EWriteResult::Ok);
}

CGroupMember Member(const std::string& file, const std::string& label = "", double weight = 1.0)
{
    return CGroupMember{file, label.empty() ? std::filesystem::path(file).stem().string() : label, weight};
}
} // namespace

// Prepare, judge, list in a group file, open it again: the two experts.
TEST(GroupReading, PreparedFilesJudgedAndCombinedThroughAGroupFile)
{
    CGroupTempDir dir;
    const auto facilitator = Criteria();
    const std::vector<std::string> names{"Анна", "Борис"};
    ASSERT_TRUE(WriteExpertFiles(*facilitator, names, dir.Path.string(), EExpertJudgements::NotJudged).Succeeded());

    // Not judged yet: the files combine, but nobody compared anything.
    const std::vector<CGroupMember> members{Member(dir.File("Анна.tsy")), Member(dir.File("Борис.tsy"))};
    CGroupOpening unjudged = OpenGroupMembers(members, true);
    ASSERT_TRUE(unjudged.Succeeded()) << unjudged.Problem;
    EXPECT_EQ(unjudged.Decision->Result().Ranking.Count, 0U);
    EXPECT_EQ(unjudged.Decision->ExpertsWithoutFinal().size(), 2U);

    Judge(dir.File("Анна.tsy"), {3, 5, 2});
    Judge(dir.File("Борис.tsy"), {-2, 4, 6});
    // An expert's file may come back read-only: it is only read.
    ASSERT_EQ(::chmod(dir.File("Борис.tsy").c_str(), 0444), 0);
    const std::string groupFile = dir.File("группа.tsg");
    ASSERT_TRUE(SaveGroupFile(members, groupFile).Succeeded());

    const CGroupReadOutcome group = ReadGroupFile(groupFile);
    ASSERT_TRUE(group.Succeeded()) << group.Message;
    std::vector<std::size_t> progress;
    const CGroupOpening opening = OpenGroupMembers(group.Members, true, [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 2U);
        progress.push_back(done);
        return true;
    });
    ASSERT_TRUE(opening.Succeeded()) << opening.Problem;
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2}));
    const CGroupDecision& decision = *opening.Decision;
    ASSERT_EQ(decision.ExpertCount(), 2U);
    EXPECT_EQ(decision.Member(1).Label, "Борис");
    const CGroupElementResult& goal = decision.Result().Elements.at(0);
    EXPECT_NEAR(goal.Aggregate.Judgements(0, 1).Value(), 1.224745, 5e-7);
    EXPECT_NEAR(goal.Aggregate.Judgements(0, 2).Value(), 4.472136, 5e-7);
    EXPECT_NEAR(goal.Aggregate.Judgements(1, 2).Value(), 3.464102, 5e-7);
    EXPECT_NEAR(goal.Consensus.value_or(CConsensus{}).SStar, 0.828823, 5e-7);
    EXPECT_EQ(decision.Model().Element(2, 1).Name, "ЦЕНА");
    EXPECT_EQ(decision.Result().Ranking.Count, 2U);
}

// Every member that cannot be read is named with the reader's message and reason, and no
// group is made.
TEST(GroupReading, UnreadableMembersAreAllNamed)
{
    CGroupTempDir dir;
    const auto project = Criteria();
    ASSERT_EQ(SaveProjectFile(*project, dir.File("a.tsy"), false), EWriteResult::Ok);
    {
        std::ofstream damaged(dir.File("b.tsy"), std::ios::binary);
        damaged << "not a project";
    }
    std::filesystem::create_directory(dir.File("d.tsy"));
    const std::vector<CGroupMember> members{Member(dir.File("a.tsy")), Member(dir.File("b.tsy"), "Борис"),
        Member(dir.File("c.tsy"), "Вера"), Member(dir.File("d.tsy"))};
    const CGroupOpening opening = OpenGroupMembers(members, false);
    EXPECT_FALSE(opening.Succeeded());
    EXPECT_EQ(opening.Problem, "");
    ASSERT_EQ(opening.Unreadable.size(), 3U);
    const CMemberReadFailure& damaged = opening.Unreadable[0];
    EXPECT_EQ(damaged.Expert, 1U);
    EXPECT_EQ(damaged.File, dir.File("b.tsy"));
    EXPECT_EQ(damaged.Outcome.Message, DamagedProjectText);
    EXPECT_EQ(damaged.Outcome.Reason, NotAProjectFileReason);
    const CMemberReadFailure& missing = opening.Unreadable[1];
    EXPECT_EQ(missing.Expert, 2U);
    EXPECT_EQ(missing.Outcome.Message, CannotOpenProjectText);
    EXPECT_EQ(missing.Outcome.Reason, SystemErrorText(ENOENT));
    EXPECT_EQ(UnreadableMemberText(missing.Expert, missing.Label, missing.Outcome.Message),
        "Эксперт 3 «Вера»: Не могу открыть файл проекта");
    EXPECT_EQ(
        UnreadableMemberLine(missing.Expert, missing.Label, missing.Outcome.Message, "c.tsy", missing.Outcome.Reason),
        "Эксперт 3 «Вера»: Не могу открыть файл проекта (c.tsy: " + SystemErrorText(ENOENT) + ")");
    EXPECT_EQ(opening.Unreadable[2].Outcome.Reason, SystemErrorText(EISDIR));
}

// A member whose hierarchy differs, or the same file under another name, is refused with
// its reason, and no group is made; so is an empty list.
TEST(GroupReading, MembersTheGroupRefuses)
{
    CGroupTempDir dir;
    const auto project = Criteria();
    ASSERT_EQ(SaveProjectFile(*project, dir.File("a.tsy"), false), EWriteResult::Ok);
    const auto other = Criteria();
    SetName(*other, 2, 1, "СТОИМОСТЬ");
    ASSERT_EQ(SaveProjectFile(*other, dir.File("b.tsy"), false), EWriteResult::Ok);
    std::filesystem::create_symlink(dir.File("a.tsy"), dir.File("link.tsy"));
    std::filesystem::create_hard_link(dir.File("a.tsy"), dir.File("hard.tsy"));

    CGroupOpening opening
        = OpenGroupMembers(std::vector<CGroupMember>{Member(dir.File("a.tsy")), Member(dir.File("b.tsy"))}, true);
    EXPECT_FALSE(opening.Succeeded());
    EXPECT_EQ(opening.Problem, "Файл b.tsy: на уровне 1 элемент 3 называется «СТОИМОСТЬ», а в a.tsy — «ЦЕНА»");
    EXPECT_EQ(opening.ProblemMember, std::optional<std::size_t>(1)); // the dialog marks that one
    opening
        = OpenGroupMembers(std::vector<CGroupMember>{Member(dir.File("a.tsy")), Member(dir.File("link.tsy"))}, true);
    EXPECT_EQ(opening.Problem, "Эксперт 2: файл «link.tsy» уже указан для эксперта 1");
    opening
        = OpenGroupMembers(std::vector<CGroupMember>{Member(dir.File("hard.tsy")), Member(dir.File("a.tsy"))}, true);
    EXPECT_EQ(opening.Problem, "Эксперт 2: файл «a.tsy» уже указан для эксперта 1");
    opening = OpenGroupMembers(std::vector<CGroupMember>{Member(dir.File("a.tsy")), Member(dir.File("a.tsy"))}, true);
    EXPECT_EQ(opening.Problem, "Эксперт 2: файл «a.tsy» уже указан для эксперта 1");
    EXPECT_FALSE(opening.Succeeded());
    opening = OpenGroupMembers({}, true);
    EXPECT_EQ(opening.Problem, GroupNoMembersText);
    EXPECT_FALSE(opening.ProblemMember.has_value());
    EXPECT_FALSE(opening.Succeeded());
    // One member is a group.
    opening = OpenGroupMembers(std::vector<CGroupMember>{Member(dir.File("a.tsy"))}, true);
    EXPECT_TRUE(opening.Succeeded());
}

TEST(GroupReading, CancelledAfterAMember)
{
    CGroupTempDir dir;
    const auto project = Criteria();
    std::vector<CGroupMember> members;
    for (const char* name : {"a.tsy", "b.tsy", "c.tsy"}) {
        ASSERT_EQ(SaveProjectFile(*project, dir.File(name), false), EWriteResult::Ok);
        members.push_back(Member(dir.File(name)));
    }
    std::size_t calls = 0;
    const CGroupOpening opening = OpenGroupMembers(members, true, [&calls](std::size_t, std::size_t) {
        ++calls;
        return calls < 2;
    });
    EXPECT_TRUE(opening.Cancelled);
    EXPECT_FALSE(opening.Succeeded());
    EXPECT_EQ(calls, 2U);
}
