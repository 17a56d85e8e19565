#include "ModelTestSupport.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
const std::string Prefix = "ЭЛЕМЕНТ_";
const std::string NoComment = "Комментарии отсутствуют";

std::uint32_t InUseCount(const CUserProjectModel& m)
{
    std::uint32_t count = 0;
    for (std::uint32_t e = 0; e < 9; ++e) {
        for (std::uint32_t k = 0; k < 10; ++k) {
            count += m.SlotInUse(e, k) ? 1U : 0U;
        }
    }
    return count;
}

} // namespace

TEST(BuildNewHierarchy, ThreeLevelsOfFourElements)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(4, 3, "ВЫБОР", "о проекте");
    EXPECT_TRUE(m.Built());
    EXPECT_EQ(m.LevelCount(), 3U);
    EXPECT_EQ(m.Goal().Name, "ВЫБОР");
    EXPECT_EQ(m.Goal().Comment, "о проекте");
    EXPECT_EQ(m.ElementsInLevel(0), 1U);
    EXPECT_EQ(m.ElementsInLevel(1), 4U);
    EXPECT_EQ(m.ElementsInLevel(2), 4U);
    for (std::uint32_t k = 3; k < 10; ++k) {
        EXPECT_EQ(m.ElementsInLevel(k), 0U) << k;
    }
    EXPECT_EQ(InUseCount(m), 9U);
    for (std::uint32_t e = 0; e < 9; ++e) {
        for (std::uint32_t k = 0; k < 10; ++k) {
            const CHierarchy_Element& element = m.Element(e, k);
            EXPECT_EQ(element.Position, e);
            EXPECT_EQ(element.Level, k);
            EXPECT_TRUE(AllOnes(element.Judgements));
            EXPECT_EQ(m.SlotInUse(e, k), (e == 0 && k == 0) || (e < 4 && k >= 1 && k < 3));
            if (e != 0 || k != 0) {
                EXPECT_EQ(element.Name, Prefix + std::to_string(e));
                EXPECT_EQ(element.Comment, NoComment);
            }
        }
    }
    EXPECT_FALSE(m.FatalErrorRaised());
}

TEST(BuildNewHierarchy, FullGridAndEmptyComment)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(9, 10, "ЦЕЛЬ", "");
    EXPECT_EQ(m.Goal().Comment, "");
    EXPECT_EQ(InUseCount(m), 1U + 81U);
    for (std::uint32_t e = 1; e < 9; ++e) {
        EXPECT_FALSE(m.SlotInUse(e, 0));
    }
    EXPECT_EQ(m.LastLevelCount(), 9U);
}

TEST(BuildNewHierarchy, CountsAreClampedToTheGrid)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(40, 0xFFFFFFFBU, "G", "");
    EXPECT_EQ(m.LevelCount(), 10U);
    EXPECT_EQ(m.ElementsInLevel(9), 9U);
    CUserProjectModel small;
    small.BuildNewHierarchy(0, 1, "G", "");
    EXPECT_EQ(small.LevelCount(), 2U);
    EXPECT_EQ(small.ElementsInLevel(1), 2U);
}

TEST(BuildLoadedHierarchy, ThreeLevelsWithCountsOneTwoFive)
{
    auto record = std::make_unique<TLoadSaveProject>();
    record->LevelCount = 3;
    record->ElementsPerLevel[1] = 2;
    record->ElementsPerLevel[2] = 5;
    record->Elements[0][0].Name = "ЦЕЛЬ";
    record->Elements[0][0].Comment = "";
    record->Elements[0][0].Judgements(0, 1) = CJudgement::FromCode(3);
    record->Elements[0][0].Judgements(1, 0) = CJudgement::FromCode(-3);
    record->Elements[1][1].Name = "Б";
    record->Elements[1][1].Judgements(4, 2) = CJudgement::FromCode(-7);
    record->Elements[4][2].Comment = "последний";
    // Outside the record's counts: must not reach the model.
    record->Elements[5][2].Name = "ЛИШНИЙ";
    record->Elements[0][3].Name = "ЛИШНИЙ";

    CUserProjectModel m;
    ASSERT_TRUE(m.BuildLoadedHierarchy(*record));
    EXPECT_EQ(InUseCount(m), 8U);
    EXPECT_EQ(m.LevelCount(), 3U);
    EXPECT_EQ(m.ElementsInLevel(1), 2U);
    EXPECT_EQ(m.ElementsInLevel(2), 5U);
    EXPECT_EQ(m.Goal().Name, "ЦЕЛЬ");
    EXPECT_EQ(m.Goal().Comment, "");
    EXPECT_EQ(m.Goal().Judgements(0, 1).Code(), 3);
    EXPECT_EQ(m.Goal().Judgements(1, 0).Code(), -3);
    EXPECT_EQ(m.Element(1, 1).Name, "Б");
    EXPECT_EQ(m.Element(1, 1).Judgements(4, 2).Code(), -7);
    // Records start with empty names; the in-use slots take them as they are.
    EXPECT_EQ(m.Element(0, 1).Name, "");
    EXPECT_EQ(m.Element(4, 2).Comment, "последний");
    EXPECT_EQ(m.Element(5, 2).Name, Prefix + "5");
    EXPECT_EQ(m.Element(0, 3).Name, Prefix + "0");
    EXPECT_EQ(m.Element(3, 0).Name, Prefix + "3");

    // A second window from the same record: equal data, nothing shared.
    CUserProjectModel second;
    ASSERT_TRUE(second.BuildLoadedHierarchy(*record));
    TMatrix<int> changed(9, 9);
    changed.FillOnes();
    second.SetElementText(1, 1, "ДРУГОЕ", "");
    second.SetJudgements(0, 0, JudgementsFromCodes(changed));
    EXPECT_EQ(m.Element(1, 1).Name, "Б");
    EXPECT_EQ(m.Goal().Judgements(0, 1).Code(), 3);
    EXPECT_EQ(second.Goal().Judgements(0, 1).Code(), 1);
    EXPECT_EQ(record->Elements[1][1].Name, "Б");
}

TEST(BuildLoadedHierarchy, EmptyRecordGivesNoSlotInUse)
{
    auto record = std::make_unique<TLoadSaveProject>();
    CUserProjectModel m;
    ASSERT_TRUE(m.BuildLoadedHierarchy(*record));
    EXPECT_EQ(InUseCount(m), 0U);
    EXPECT_EQ(m.LevelCount(), 0U);
    EXPECT_EQ(m.LastLevelCount(), 0U);
}

TEST(BuildLoadedHierarchy, RecordsTheGridCannotHoldAreRefusedUntouched)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(3, 3, "ПРЕЖНИЙ", "");
    auto record = std::make_unique<TLoadSaveProject>();
    record->Elements[0][0].Name = "НОВЫЙ";
    const auto refused = [&](std::uint32_t levels, std::int32_t badCount) {
        record->LevelCount = levels;
        for (std::uint32_t k = 1; k < 10; ++k) {
            record->ElementsPerLevel[k] = 3;
        }
        if (levels >= 2 && levels <= 10) {
            record->ElementsPerLevel[levels - 1] = badCount;
        }
        return !m.BuildLoadedHierarchy(*record);
    };
    EXPECT_TRUE(refused(11, 3));
    EXPECT_TRUE(refused(3, 10));
    EXPECT_TRUE(refused(3, -1));
    EXPECT_TRUE(refused(4, 1));
    EXPECT_TRUE(refused(10, 0));
    EXPECT_EQ(m.Goal().Name, "ПРЕЖНИЙ");
    EXPECT_EQ(m.LevelCount(), 3U);
    EXPECT_EQ(m.ElementsInLevel(1), 3U);
    EXPECT_FALSE(refused(10, 9));
    EXPECT_EQ(m.Goal().Name, "НОВЫЙ");
    EXPECT_EQ(m.ElementsInLevel(9), 9U);
}

TEST(ProjectModel, IndexesOutsideTheGridAreFatal)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(3, 3, "G", "");
    EXPECT_TRUE(m.CheckSlot(8, 9));
    EXPECT_FALSE(m.FatalErrorRaised());
    CUserProjectModel a;
    EXPECT_FALSE(a.CheckSlot(9, 0));
    EXPECT_TRUE(a.FatalErrorRaised());
    CUserProjectModel b;
    EXPECT_FALSE(b.CheckSlot(0, 10));
    EXPECT_TRUE(b.FatalErrorRaised());
    CUserProjectModel c;
    EXPECT_EQ(c.ElementsInLevel(10), 0U);
    EXPECT_TRUE(c.FatalErrorRaised());
    CUserProjectModel d;
    EXPECT_FALSE(d.SetElementText(0, 10, "X", ""));
    EXPECT_TRUE(d.FatalErrorRaised());
}

TEST(ProjectModel, ElementTextIsCutToTheDialogLimits)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(3, 3, "G", "");
    ASSERT_TRUE(m.SetElementText(0, 0, "ЦЕЛЬПРОЕКТАДЛИННАЯ", std::string(250, 'x')));
    EXPECT_EQ(m.Goal().Name, "ЦЕЛЬПРОЕКТАДЛИ"); // 14 characters
    EXPECT_EQ(m.Goal().Comment, std::string(200, 'x'));
    ASSERT_TRUE(m.SetElementText(2, 1, "КРИТЕРИЙ_ЦЕНА", "ё"));
    EXPECT_EQ(m.Element(2, 1).Name, "КРИТЕРИЙ_"); // 9 characters
    EXPECT_EQ(m.Element(2, 1).Comment, "ё");
    EXPECT_EQ(CUserProjectModel::NameLimit(0, 0), 14U);
    EXPECT_EQ(CUserProjectModel::NameLimit(0, 1), 9U);
    EXPECT_EQ(CUserProjectModel::NameLimit(1, 0), 9U);
}
