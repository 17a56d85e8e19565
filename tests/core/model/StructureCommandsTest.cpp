#include "ModelTestSupport.h"
#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const std::string Prefix = "ЭЛЕМЕНТ_";
const std::string NoComment = "Комментарии отсутствуют";

void SetBlock(TMatrix<int>& m, std::uint32_t n, int firstCode)
{
    // Distinct reciprocal codes so every move of a cell shows.
    int code = firstCode;
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n; ++c) {
            m(r, c) = code;
            m(c, r) = -code;
            ++code;
        }
    }
}

// The same block written into an element through the model's own operation.
void SetBlock(CUserProjectModel& model, std::uint32_t position, std::uint32_t level, std::uint32_t n, int firstCode)
{
    TMatrix<int> judgements = CodesOf(model.Element(position, level).Judgements);
    SetBlock(judgements, n, firstCode);
    ASSERT_TRUE(model.SetJudgements(position, level, JudgementsFromCodes(judgements)));
}

void SetText(CUserProjectModel& model, std::uint32_t position, std::uint32_t level, const std::string& name,
    const std::string& comment)
{
    ASSERT_TRUE(model.SetElementText(position, level, name, comment));
}

} // namespace

TEST(StructureCommands, DeletePositionOneThenAddNamesByCount)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(5, 3, "G", "");
    ASSERT_EQ(mDocument.DeleteElement(1, 1), EStructureResult::Done);
    EXPECT_TRUE(mDocument.Modified());
    ASSERT_EQ(mDocument.AddElement(1), EStructureResult::Done);
    const char* expected[] = {"0", "2", "3", "4", "4"};
    ASSERT_EQ(m.ElementsInLevel(1), 5U);
    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(m.Element(i, 1).Name, Prefix + expected[i]) << i;
        EXPECT_EQ(m.Element(i, 1).Position, i);
        EXPECT_EQ(m.Element(i, 1).Level, 1U);
    }
}

TEST(StructureCommands, DeleteElementShrinksEveryParentBlock)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(4, 3, "G", "");
    // Level 1 of 2 elements would be the parents; use level 2 of 4 under level 1.
    const int block[4][4] = {{1, 2, 3, 4}, {-2, 1, 5, 6}, {-3, -5, 1, 7}, {-4, -6, -7, 1}};
    for (std::uint32_t parent = 0; parent < 4; ++parent) {
        TMatrix<int> judgements = CodesOf(m.Element(parent, 1).Judgements);
        for (std::uint32_t r = 0; r < 4; ++r) {
            for (std::uint32_t c = 0; c < 4; ++c) {
                judgements(r, c) = block[r][c];
            }
        }
        ASSERT_TRUE(m.SetJudgements(parent, 1, JudgementsFromCodes(judgements)));
    }
    for (std::uint32_t i = 0; i < 4; ++i) {
        SetText(m, i, 2, "N" + std::to_string(i), "C" + std::to_string(i));
        SetBlock(m, i, 2, 9, 10 * static_cast<int>(i + 1));
    }
    const TMatrix<int> movedJudgements2 = CodesOf(m.Element(2, 2).Judgements);
    const TMatrix<int> movedJudgements3 = CodesOf(m.Element(3, 2).Judgements);
    SetBlock(m, 0, 0, 4, 2);
    const TMatrix<int> goalBefore = CodesOf(m.Goal().Judgements);

    ASSERT_EQ(mDocument.DeleteElement(1, 2), EStructureResult::Done);
    ASSERT_EQ(m.ElementsInLevel(2), 3U);
    const int expected[3][3] = {{1, 3, 4}, {-3, 1, 7}, {-4, -7, 1}};
    for (std::uint32_t parent = 0; parent < 4; ++parent) {
        for (std::uint32_t r = 0; r < 3; ++r) {
            for (std::uint32_t c = 0; c < 3; ++c) {
                EXPECT_EQ(m.Element(parent, 1).Judgements(r, c).Code(), expected[r][c])
                    << parent << ":" << r << "," << c;
            }
        }
    }
    EXPECT_EQ(m.Element(0, 2).Name, "N0");
    EXPECT_EQ(m.Element(1, 2).Name, "N2");
    EXPECT_EQ(m.Element(1, 2).Comment, "C2");
    EXPECT_EQ(m.Element(2, 2).Name, "N3");
    EXPECT_EQ(m.Element(2, 2).Comment, "C3");
    EXPECT_EQ(CodesOf(m.Element(1, 2).Judgements), movedJudgements2);
    EXPECT_EQ(CodesOf(m.Element(2, 2).Judgements), movedJudgements3);
    // Only the parents of the level change; the goal judges level 1.
    EXPECT_EQ(CodesOf(m.Goal().Judgements), goalBefore);
}

TEST(StructureCommands, AddElementOpensNeutralRowAndColumnInTheParents)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(3, 3, "G", "");
    for (std::uint32_t parent = 0; parent < 3; ++parent) {
        SetBlock(m, parent, 1, 9, 2);
    }
    const TMatrix<int> before = CodesOf(m.Element(1, 1).Judgements);
    ASSERT_EQ(mDocument.AddElement(2), EStructureResult::Done);
    EXPECT_EQ(m.ElementsInLevel(2), 4U);
    EXPECT_EQ(m.Element(3, 2).Name, Prefix + "3");
    EXPECT_EQ(m.Element(3, 2).Comment, NoComment);
    for (std::uint32_t parent = 0; parent < 3; ++parent) {
        const TMatrix<int> j = CodesOf(m.Element(parent, 1).Judgements);
        for (std::uint32_t r = 0; r < 4; ++r) {
            for (std::uint32_t c = 0; c < 4; ++c) {
                if (r == 3 || c == 3) {
                    EXPECT_EQ(j(r, c), 1);
                } else {
                    EXPECT_EQ(j(r, c), before(r, c));
                }
            }
        }
    }
}

TEST(StructureCommands, LimitsOfElementsAreRefusedWithoutChange)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(9, 3, "G", "");
    EXPECT_EQ(mDocument.AddElement(1), EStructureResult::TooManyElements);
    EXPECT_FALSE(mDocument.Modified());
    EXPECT_EQ(m.ElementsInLevel(1), 9U);
    EXPECT_STREQ(StructureRefusalText(EStructureResult::TooManyElements),
        "Используемый метод не позволяет создавать более 9-ти элементов на одном уровне");

    CProjectDocument twoDocument;
    CUserProjectModel& two = EditableModel(twoDocument);
    two.BuildNewHierarchy(2, 3, "G", "");
    EXPECT_EQ(twoDocument.DeleteElement(0, 2), EStructureResult::TooFewElements);
    EXPECT_FALSE(twoDocument.Modified());
    EXPECT_EQ(two.ElementsInLevel(2), 2U);
    EXPECT_STREQ(
        StructureRefusalText(EStructureResult::TooFewElements), "На одном уровне не может быть меньше 2-х элементов.");
    // The goal has no menu.
    EXPECT_EQ(twoDocument.AddElement(0), EStructureResult::NotApplicable);
    EXPECT_EQ(twoDocument.DeleteLevel(0), EStructureResult::NotApplicable);
    EXPECT_STREQ(StructureRefusalText(EStructureResult::Done), "");
}

TEST(StructureCommands, AddLevelBeforeLevelOne)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(3, 3, "G", "");
    SetBlock(m, 0, 0, 3, 2);
    for (std::uint32_t i = 0; i < 3; ++i) {
        SetText(m, i, 1, "K" + std::to_string(i), NoComment);
        SetBlock(m, i, 1, 3, 3 + static_cast<int>(i));
        SetText(m, i, 2, "A" + std::to_string(i), NoComment);
    }
    TMatrix<int> level1Judgements[3] = {
        CodesOf(m.Element(0, 1).Judgements), CodesOf(m.Element(1, 1).Judgements), CodesOf(m.Element(2, 1).Judgements)};
    ASSERT_EQ(m.CanAddLevel(1), EStructureResult::Done);
    ASSERT_EQ(mDocument.AddLevel(1, 4, true), EStructureResult::Done);
    EXPECT_TRUE(mDocument.Modified());
    EXPECT_EQ(m.LevelCount(), 4U);
    EXPECT_TRUE(AllOnes(m.Goal().Judgements));
    ASSERT_EQ(m.ElementsInLevel(1), 4U);
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(m.Element(i, 1).Name, Prefix + std::to_string(i));
        EXPECT_EQ(m.Element(i, 1).Comment, NoComment);
        EXPECT_TRUE(AllOnes(m.Element(i, 1).Judgements));
    }
    ASSERT_EQ(m.ElementsInLevel(2), 3U);
    ASSERT_EQ(m.ElementsInLevel(3), 3U);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.Element(i, 2).Name, "K" + std::to_string(i));
        EXPECT_EQ(CodesOf(m.Element(i, 2).Judgements), level1Judgements[i]);
        EXPECT_EQ(m.Element(i, 3).Name, "A" + std::to_string(i));
    }
    EXPECT_EQ(m.ElementsInLevel(4), 0U);
}

TEST(StructureCommands, AddLevelAfterTheLastAndInTheMiddle)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(3, 3, "G", "");
    SetBlock(m, 0, 0, 3, 2);
    for (std::uint32_t i = 0; i < 3; ++i) {
        SetBlock(m, i, 1, 3, 4);
        SetBlock(m, i, 2, 9, 5);
    }
    const TMatrix<int> goal = CodesOf(m.Goal().Judgements);
    ASSERT_EQ(mDocument.AddLevel(2, 2, false), EStructureResult::Done);
    EXPECT_EQ(m.LevelCount(), 4U);
    EXPECT_EQ(m.ElementsInLevel(3), 2U);
    EXPECT_EQ(m.Element(1, 3).Name, Prefix + "1");
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(AllOnes(m.Element(i, 2).Judgements)) << i;
        EXPECT_FALSE(AllOnes(m.Element(i, 1).Judgements));
    }
    EXPECT_EQ(CodesOf(m.Goal().Judgements), goal);

    // After level 1 of a 4-level project: level 1 loses its judgements, the rest moves on.
    SetText(m, 0, 2, "MID", NoComment);
    ASSERT_EQ(mDocument.AddLevel(1, 7, false), EStructureResult::Done);
    EXPECT_EQ(m.LevelCount(), 5U);
    EXPECT_EQ(m.ElementsInLevel(2), 7U);
    EXPECT_EQ(m.ElementsInLevel(3), 3U);
    EXPECT_EQ(m.ElementsInLevel(4), 2U);
    EXPECT_EQ(m.Element(0, 3).Name, "MID");
    EXPECT_TRUE(AllOnes(m.Element(0, 1).Judgements));
    EXPECT_EQ(CodesOf(m.Goal().Judgements), goal);
}

TEST(StructureCommands, LevelLimitsAndDeleteLevel)
{
    CProjectDocument mDocument;
    CUserProjectModel& m = EditableModel(mDocument);
    m.BuildNewHierarchy(3, 3, "G", "");
    SetBlock(m, 0, 0, 3, 2);
    for (std::uint32_t i = 0; i < 3; ++i) {
        SetText(m, i, 2, "A" + std::to_string(i), "c" + std::to_string(i));
    }
    ASSERT_EQ(mDocument.DeleteLevel(1), EStructureResult::Done);
    EXPECT_EQ(m.LevelCount(), 2U);
    EXPECT_TRUE(AllOnes(m.Goal().Judgements));
    ASSERT_EQ(m.ElementsInLevel(1), 3U);
    EXPECT_EQ(m.ElementsInLevel(2), 0U);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.Element(i, 1).Name, "A" + std::to_string(i));
        EXPECT_EQ(m.Element(i, 1).Comment, "c" + std::to_string(i));
    }
    mDocument.MarkSaved();
    EXPECT_EQ(mDocument.DeleteLevel(1), EStructureResult::TooFewLevels);
    EXPECT_FALSE(mDocument.Modified());
    EXPECT_EQ(m.LevelCount(), 2U);
    EXPECT_STREQ(StructureRefusalText(EStructureResult::TooFewLevels), "Число уровней не может быть меньше 2");

    CProjectDocument fullDocument;
    CUserProjectModel& full = EditableModel(fullDocument);
    full.BuildNewHierarchy(2, 10, "G", "");
    EXPECT_EQ(full.CanAddLevel(5), EStructureResult::TooManyLevels);
    EXPECT_EQ(fullDocument.AddLevel(5, 3, true), EStructureResult::TooManyLevels);
    EXPECT_FALSE(fullDocument.Modified());
    EXPECT_STREQ(StructureRefusalText(EStructureResult::TooManyLevels), "Число уровней не может быть больше 10");
    // A count outside 2..9 cannot come from the dialog; it changes nothing.
    CProjectDocument threeDocument;
    CUserProjectModel& three = EditableModel(threeDocument);
    three.BuildNewHierarchy(2, 3, "G", "");
    EXPECT_EQ(threeDocument.AddLevel(1, 10, true), EStructureResult::NotApplicable);
    EXPECT_EQ(threeDocument.AddLevel(1, 1, true), EStructureResult::NotApplicable);
    EXPECT_EQ(three.LevelCount(), 3U);
    EXPECT_FALSE(threeDocument.Modified());
}

TEST(NewProjectChecks, RunInOrderWithTheirMessages)
{
    struct Case {
        const char* goal;
        const char* levels;
        const char* elements;
        ENewProjectCheck expected;
        const char* text;
    };
    const Case cases[] = {
        {"", "", "", ENewProjectCheck::NoLevelCount, "Не указано число уровней"},
        {"", "2", "", ENewProjectCheck::TooFewLevels, "Минимально возможное число уровней - 3"},
        {"", "11", "", ENewProjectCheck::TooManyLevels, "Максимально возможное число уровней - 10"},
        {"", "-5", "", ENewProjectCheck::TooManyLevels, "Максимально возможное число уровней - 10"},
        {"", "abc", "", ENewProjectCheck::TooFewLevels, "Минимально возможное число уровней - 3"},
        {"", "3", "", ENewProjectCheck::NoElementCount, "Не указано максимальное число показателей"},
        {"", "3", "1", ENewProjectCheck::TooFewElements, "Минимально необходимое число показателей - 2"},
        {"", "10", "12abc", ENewProjectCheck::NoGoal, "Не указана цель проекта"},
        {"G", "10", "12abc", ENewProjectCheck::Ok, ""},
        {"G", "3", "-1", ENewProjectCheck::Ok, ""}, // huge unsigned; the frame clamps it to 9
    };
    for (const Case& c : cases) {
        const ENewProjectCheck got = CheckNewProject(c.goal, c.levels, c.elements);
        EXPECT_EQ(got, c.expected) << c.levels << " / " << c.elements;
        EXPECT_STREQ(NewProjectCheckText(got), c.text);
    }
}

TEST(NewProjectChecks, LeadingNumberConversion)
{
    EXPECT_EQ(LeadingNumber(""), 0U);
    EXPECT_EQ(LeadingNumber("abc"), 0U);
    EXPECT_EQ(LeadingNumber("  7"), 7U);
    EXPECT_EQ(LeadingNumber("+8x"), 8U);
    EXPECT_EQ(LeadingNumber("12abc"), 12U);
    EXPECT_EQ(LeadingNumber("3.5"), 3U);
    EXPECT_EQ(LeadingNumber("- 5"), 0U);
    EXPECT_EQ(LeadingNumber("-5"), 4294967291U);
    EXPECT_EQ(LeadingNumber("4294967295"), 2147483647U);
    // Overlong negatives stay huge, never wrap back to a small count.
    EXPECT_EQ(LeadingNumber("-4294967295"), 2147483648U);
    EXPECT_EQ(LeadingNumber("-99999999999999999999"), 2147483648U);
    EXPECT_EQ(ClampElementsPerLevel(LeadingNumber("12abc")), 9U);
    EXPECT_EQ(ClampElementsPerLevel(1), 2U);
    EXPECT_EQ(ClampElementsPerLevel(5), 5U);
    EXPECT_EQ(ClampLevelCount(1), 2U);
    EXPECT_EQ(ClampLevelCount(11), 10U);
    EXPECT_EQ(ClampLevelCount(4), 4U);
}
