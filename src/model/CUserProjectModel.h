#pragma once

#include "model/CHierarchy_Element.h"
#include "model/CriticalSection.h"
#include "model/ModelConstants.h"
#include "model/TDesicionLevelData.h"
#include "model/TMatrix.h"

#include <array>
#include <cstdint>
#include <string>

class TLoadSaveProject;

template <typename T> using TElementGridOf = std::array<std::array<T, MaxLevels>, MaxElementsPerLevel>;

// Why a structure command changed nothing; the window shows the matching text.
enum class EStructureResult {
    Done,
    TooManyElements,
    TooFewElements,
    TooManyLevels,
    TooFewLevels,
    NotApplicable, // the goal or a slot outside the hierarchy: no menu offers it
};

// The user's text for a refusal; empty for Done and NotApplicable.
const char* StructureRefusalText(EStructureResult result);

// The whole model of one project, owned by its window. Everything is preallocated
// at the grid's maximum size; structure edits only switch slots and copy data.
// Addressing is always [position][level], level 0 being the goal.
class CUserProjectModel {
public:
    CUserProjectModel();
    CUserProjectModel(const CUserProjectModel&) = delete;
    CUserProjectModel& operator=(const CUserProjectModel&) = delete;
    virtual ~CUserProjectModel() = default;

    CriticalSection Lock;
    bool Built = false;
    bool VerticalOrientation = false;
    bool Modified = false;
    bool ClosingAll = false;
    bool AskSaveOnClose = true;
    std::string FileName;

    TElementGridOf<CHierarchy_Element> ElementGrid;
    TElementGridOf<bool> SlotInUse{};
    TElementGridOf<TDesicionLevelData> LevelDataGrid;
    std::uint32_t LevelCount = 0;
    TMatrix<double> GlobalPriority;
    std::uint32_t CurrentPosition = 0;
    std::uint32_t CurrentLevel = 0;

    // Set by an index outside the grid; the window then shows the fatal message,
    // clears AskSaveOnClose and closes itself.
    [[nodiscard]] bool FatalErrorRaised() const { return FatalError; }

    // Counts the prefix of slots in use; a level of 10 or more is a fatal error (0 returned).
    std::uint32_t ElementsInLevel(std::uint32_t level);
    [[nodiscard]] std::uint32_t ElementsInLevelChecked(std::uint32_t level) const;
    // False (and the fatal error raised) for a position of 9+ or a level of 10+.
    bool SetCurrent(std::uint32_t position, std::uint32_t level);

    CHierarchy_Element& Element(std::uint32_t position, std::uint32_t level) { return ElementGrid[position][level]; }
    [[nodiscard]] const CHierarchy_Element& Element(std::uint32_t position, std::uint32_t level) const
    {
        return ElementGrid[position][level];
    }
    CHierarchy_Element& Goal() { return ElementGrid[0][0]; }
    [[nodiscard]] const CHierarchy_Element& Goal() const { return ElementGrid[0][0]; }
    CHierarchy_Element& CurrentElement() { return ElementGrid[CurrentPosition][CurrentLevel]; }
    [[nodiscard]] std::uint32_t LastLevelCount() const;

    // Building. Both start from a fresh grid. A record the grid cannot hold, or with a
    // level below the goal of fewer than 2 elements, is refused and changes nothing.
    void BuildNewHierarchy(
        std::uint32_t elementsPerLevel, std::uint32_t levelCount, const std::string& goal, const std::string& comment);
    bool BuildLoadedHierarchy(const TLoadSaveProject& record);

    // Structure commands on the current element; a refusal leaves the model unchanged.
    EStructureResult AddElement();
    EStructureResult DeleteElement();
    [[nodiscard]] EStructureResult CanAddLevel() const;
    EStructureResult AddLevel(std::uint32_t elementCount, bool before);
    EStructureResult DeleteLevel();

    // Name and comment from the element dialog, cut to the dialog limits.
    bool SetElementText(
        std::uint32_t position, std::uint32_t level, const std::string& name, const std::string& comment);
    [[nodiscard]] static std::uint32_t NameLimit(std::uint32_t position, std::uint32_t level);

    // The steps the commands share; public so the tests can drive them alone.
    void ClearLevel(std::uint32_t k);
    void ShiftLevelBack(std::uint32_t k);
    void ShiftLevelForward(std::uint32_t k);
    void SetUpNewLevel(std::uint32_t m, std::uint32_t old, std::uint32_t k);
    void ResetLevelJudgements(std::uint32_t k);

private:
    void ResetGrid();
    bool FatalError = false;
};

// Leading-number conversion of a numeric field: blanks, a sign, digits; the first
// other character ends it, no digits give 0. Read as unsigned 32-bit (so "-5" is huge).
std::uint32_t LeadingNumber(const std::string& text);
std::uint32_t ClampElementsPerLevel(std::uint32_t count);
std::uint32_t ClampLevelCount(std::uint32_t count);

enum class ENewProjectCheck {
    Ok,
    NoLevelCount,
    TooFewLevels,
    TooManyLevels,
    NoElementCount,
    TooFewElements,
    NoGoal,
};

// The new-project dialog's checks, in their order; the first failing one wins.
ENewProjectCheck CheckNewProject(const std::string& goal, const std::string& levelText, const std::string& elementText);
const char* NewProjectCheckText(ENewProjectCheck check);
