// The document's unsaved state beside the undo steps its window keeps, and the names of
// those steps.
#include "core/document/CProjectDocument.h"
#include "core/document/StepNames.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(DocumentState, ModifiedFollowsTheStepsSavedStateAndTellsTheKeeper)
{
    CProjectDocument document;
    document.BuildNewHierarchy(3, 3, "G", "");
    std::vector<std::string> told;
    document.SetSavedStateKeeper({
        [&told] { told.emplace_back("saved"); },
        [&told] { told.emplace_back("lost"); },
        [&told](bool modified) { told.emplace_back(modified ? "modified" : "unmodified"); },
    });

    // An edit marks the project once; a second edit changes nothing more to tell.
    ASSERT_EQ(document.AddElement(1), EStructureResult::Done);
    ASSERT_EQ(document.AddElement(2), EStructureResult::Done);
    EXPECT_EQ(told, std::vector<std::string>{"modified"});
    told.clear();

    // A save: unchanged, and the steps' present state becomes the saved one.
    document.MarkSaved();
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(told, (std::vector<std::string>{"unmodified", "saved"}));
    told.clear();

    // The steps leave the saved state and come back: changed, then unchanged again, even
    // after a double-click marked the project on the way.
    document.StepsAtSavedState(false);
    EXPECT_TRUE(document.Modified());
    document.ElementDoubleClicked();
    document.StepsAtSavedState(true);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(told, (std::vector<std::string>{"modified", "unmodified"}));
    told.clear();

    // A file that holds no state of the steps: changed, and the keeper forgets the saved state.
    document.ForgetSavedState();
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(told, (std::vector<std::string>{"modified", "lost"}));
    told.clear();

    // Undo and redo of a step mark the project until the steps say where they stand.
    document.MarkSaved();
    document.BeginStep();
    ASSERT_EQ(document.DeleteLevel(1), EStructureResult::Done);
    const CHierarchyChange deletion = document.EndStep();
    document.MarkSaved();
    told.clear();
    document.UndoStep(deletion);
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.Model().LevelCount(), 3U);
    document.RedoStep(deletion);
    EXPECT_EQ(document.Model().LevelCount(), 2U);
    EXPECT_EQ(told, std::vector<std::string>{"modified"});
}

TEST(DocumentState, WithoutAKeeperNothingIsTold)
{
    CProjectDocument document;
    document.BuildNewHierarchy(2, 2, "G", "");
    document.MarkModified();
    document.MarkSaved();
    document.ForgetSavedState();
    EXPECT_TRUE(document.Modified());
    document.StepsAtSavedState(true);
    EXPECT_FALSE(document.Modified());
}

TEST(StepNames, EveryKindOfChangeHasItsRussianName)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {AddElementStepName(2), "добавление элемента на уровень 2"},
        {DeleteElementStepName("СКЛАД"), "удаление элемента «СКЛАД»"},
        {AddLevelStepName(3), "добавление уровня 3"},
        {DeleteLevelStepName(2), "удаление уровня 2"},
        {EditElementStepName("ЭЛЕМЕНТ_1", "СКЛАД", false), "переименование «ЭЛЕМЕНТ_1» в «СКЛАД»"},
        {EditElementStepName("СКЛАД", "СКЛАД", true), "изменение комментария элемента «СКЛАД»"},
        {EditElementStepName("ЭЛЕМЕНТ_1", "СКЛАД", true), "изменение элемента «СКЛАД»"},
        {EditElementStepName("СКЛАД", "СКЛАД", false), "изменение элемента «СКЛАД»"},
        {JudgingStepName("ЦЕЛЬ"), "сравнения относительно «ЦЕЛЬ»"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(name, expected);
    }
}
