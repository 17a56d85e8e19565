#include "GroupTestSupport.h"
#include "support/EmployeesTree.h"
#include "support/ModelEdits.h"

#include "core/group/CGroupDecision.h"
#include "core/group/ExpertFiles.h"
#include "core/group/GroupReportContent.h"
#include "core/group/StructureCheck.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/Phrase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
// Every text marked with the count that chose its form, "[4] ...", while it lives.
class CCountMarkingTranslator {
public:
    CCountMarkingTranslator()
    {
        SetPhraseTranslator([](const char*, const char* source, int count) {
            std::string text = source;
            if (count < 0) {
                return text;
            }
            for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n")) {
                text.replace(at, 2, std::to_string(count));
            }
            return "[" + std::to_string(count) + "] " + text;
        });
    }
    CCountMarkingTranslator(const CCountMarkingTranslator&) = delete;
    CCountMarkingTranslator& operator=(const CCountMarkingTranslator&) = delete;
    ~CCountMarkingTranslator() { SetPhraseTranslator({}); }
};
} // namespace

// A refusal is a value: who is refused, by whose file, and what differs where; the phrase
// book words it.
TEST(GroupProblem, ARefusedExpertIsNamedByNumberFilesAndTheDifference)
{
    const auto a = CriteriaProject({3, 5, 2});
    const auto renamed = CriteriaProject({3, 5, 2});
    SetName(*renamed, 2, 1, "ЦЕНА");
    CGroupDecision decision;
    ASSERT_FALSE(decision.AddExpert(CGroupMember{"/g/a.tsy", "a", 1.0}, *a));

    const CGroupProblem same = decision.AddExpert(CGroupMember{"/g/x/../a.tsy", "a2", 1.0}, *a);
    EXPECT_EQ(same.Kind, EGroupProblem::SameFile);
    EXPECT_EQ(same.Expert, 1U);
    EXPECT_EQ(same.OtherExpert, 0U);
    EXPECT_EQ(same.File, "a.tsy");

    const CGroupProblem differs = decision.AddExpert(CGroupMember{"/h/a.tsy", "b", 1.0}, *renamed);
    ASSERT_EQ(differs.Kind, EGroupProblem::Differs);
    EXPECT_EQ(differs.File, "/h/a.tsy");
    EXPECT_EQ(differs.ReferenceFile, "/g/a.tsy");
    EXPECT_EQ(differs.Difference.What, EStructureDifference::ElementName);
    EXPECT_EQ(differs.Difference.Level, 1U);
    EXPECT_EQ(differs.Difference.Index, 2U);
    EXPECT_EQ(differs.Difference.MemberName, "ЦЕНА");
    EXPECT_EQ(differs.Difference.ReferenceName, "В");

    const CGroupProblem mixed = decision.AddExpert(CGroupMember{"/g/b.tsj", "b", 1.0}, EmployeesTree());
    EXPECT_EQ(mixed.Kind, EGroupProblem::MixedKinds);
    EXPECT_FALSE(mixed.Layered);
    EXPECT_EQ(mixed.File, "b.tsj");
    EXPECT_EQ(mixed.ReferenceFile, "a.tsy");
    EXPECT_EQ(decision.ExpertCount(), 1U);
}

TEST(GroupProblem, ARefusedRankingKeepsWhatTheReasonNames)
{
    CGroupDecision decision;
    const auto c = CriteriaProject({3, 0, 0});
    const auto d = CriteriaProject({-2, 0, 0});
    ASSERT_FALSE(decision.AddExpert(CGroupMember{"/g/c.tsy", "c", 1.0}, *c));
    ASSERT_FALSE(decision.AddExpert(CGroupMember{"/g/d.tsy", "d", 1.0}, *d));
    const CRankingProblem& apart = decision.Result().RankingProblem;
    ASSERT_EQ(apart.Kind, ERankingProblem::NotConnected);
    EXPECT_EQ(apart.Node, CHierarchy::GoalNode);
    EXPECT_EQ(apart.NodeName, "ВЫБОР");
    EXPECT_EQ(apart.Names, (std::vector<std::string>{"А", "Б", "В"}));
    EXPECT_EQ(apart.Graph.ComponentCount, 2U);

    decision.SetIncluded(0, false);
    decision.SetIncluded(1, false);
    EXPECT_EQ(decision.Result().RankingProblem.Kind, ERankingProblem::NoExpertIncluded);
    decision.SetIncluded(0, true);
    decision.SetIncluded(1, true);
    EXPECT_EQ(decision.Result().RankingProblem.Kind, ERankingProblem::NotConnected);
}

// A counted difference takes its form by the member's count, not the reference's.
TEST(GroupProblem, ACountedDifferenceTakesTheFormOfTheMembersCount)
{
    const CCountMarkingTranslator marking;
    struct CCase {
        EStructureDifference What;
        std::string Text;
    };
    const std::vector<CCase> cases{
        {EStructureDifference::LevelCount, "[4] Файл b: уровней 4, а в a — 3"},
        {EStructureDifference::LevelElementCount, "[4] Файл b: на уровне 2 элементов 4, а в a — 3"},
        {EStructureDifference::SubcriterionCount, "[4] Файл b: у критерия «Цена» подкритериев 4, а в a — 3"},
        {EStructureDifference::AlternativeCount, "[4] Файл b: альтернатив 4, а в a — 3"},
        {EStructureDifference::ScaleCount, "[4] Файл b: шкал 4, а в a — 3"},
        {EStructureDifference::IntensityCount, "[4] Файл b: у шкалы «s1» интенсивностей 4, а в a — 3"},
    };
    for (const CCase& c : cases) {
        CStructureDifference difference;
        difference.What = c.What;
        difference.Level = 2;
        difference.Path = "Цена";
        difference.Scale = "s1";
        difference.MemberCount = 4;
        difference.ReferenceCount = 3;
        EXPECT_EQ(StructureDifferenceText(difference, "b", "a"), c.Text);
    }
}

TEST(GroupProblem, ARefusedNameKeepsItsLineAndTheEarlierOne)
{
    const CExpertNames names = ExpertNamesOf("Иванов\n\nПетров\nиВАНОВ", "/tmp");
    EXPECT_EQ(names.Problem.Kind, EExpertNameProblem::Repeated);
    EXPECT_EQ(names.Problem.Line, 4U);
    EXPECT_EQ(names.Problem.EarlierLine, 1U);
    EXPECT_EQ(names.Problem.Name, "иВАНОВ");
    EXPECT_TRUE(ExpertNamesOf("Иванов", "/tmp").Succeeded());
    EXPECT_EQ(ExpertNamesOf(" \n", "/tmp").Problem.Kind, EExpertNameProblem::NoNames);
}
