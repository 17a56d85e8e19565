#pragma once

#include "core/model/CHierarchyChange.h"
#include "core/model/CHierarchySnapshot.h"
#include "core/model/CHierarchy_Element.h"
#include "core/model/ModelConstants.h"
#include "core/model/TMatrix.h"

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

// The Russian source of a refusal's phrase, the key of its translation; empty for Done and
// NotApplicable. The window shows StructureRefusalSentence (ModelPhrases.h).
const char* StructureRefusalText(EStructureResult result);

// The hierarchy of one project. Everything is preallocated at the grid's maximum size;
// structure edits only switch slots and copy data. Addressing is always
// [position][level], level 0 being the goal. The hierarchy (slot use, level count,
// names, comments, judgements) changes only through the operations below, which keep
// its invariants. What is computed from it lives beside it, in the document's results.
class CUserProjectModel {
public:
    CUserProjectModel();
    CUserProjectModel(const CUserProjectModel&) = delete;
    CUserProjectModel& operator=(const CUserProjectModel&) = delete;
    virtual ~CUserProjectModel() = default;

    [[nodiscard]] bool Built() const { return IsBuilt; }
    [[nodiscard]] std::uint32_t LevelCount() const { return Levels; }
    [[nodiscard]] bool SlotInUse(std::uint32_t position, std::uint32_t level) const
    {
        return position < MaxElementsPerLevel && level < MaxLevels && InUse[position][level];
    }

    // Set by an index outside the grid; the window then shows the fatal message,
    // clears AskSaveOnClose and closes itself.
    [[nodiscard]] bool FatalErrorRaised() const { return FatalError; }
    // False (and the fatal error raised) for a position of 9+ or a level of 10+.
    bool CheckSlot(std::uint32_t position, std::uint32_t level);

    // Counts the prefix of slots in use; a level of 10 or more is a fatal error (0 returned).
    std::uint32_t ElementsInLevel(std::uint32_t level);
    [[nodiscard]] std::uint32_t ElementsInLevelChecked(std::uint32_t level) const;
    [[nodiscard]] std::uint32_t LastLevelCount() const;
    // The bottom level has nothing below it to compare; neither has a slot outside the hierarchy.
    [[nodiscard]] bool HasLevelBelow(std::uint32_t position, std::uint32_t level) const;

    [[nodiscard]] const CHierarchy_Element& Element(std::uint32_t position, std::uint32_t level) const
    {
        return ElementGrid[position][level];
    }
    [[nodiscard]] const CHierarchy_Element& Goal() const { return ElementGrid[0][0]; }

    // The numbers of an element's whole 9 x 9 judgement matrix (the Value() of every
    // cell), kept beside the judgements and renewed whenever they change, so the
    // computations never convert a code. Stored by column, [column][row], so two rows
    // sit side by side for one vector register; row 9 is padding (1.0).
    static constexpr std::uint32_t ColumnLength = MaxElementsPerLevel + 1;
    using TJudgementColumns = std::array<std::array<double, ColumnLength>, MaxElementsPerLevel>;
    [[nodiscard]] const TJudgementColumns& JudgementColumns(std::uint32_t position, std::uint32_t level) const
    {
        return ValueGrid[position][level];
    }
    // Whether any cell of the element's 9 x 9 matrix holds the code 0 (a judgement left out,
    // or a foreign file's 0): only then can a pair of its block be missing.
    [[nodiscard]] bool HoldsZero(std::uint32_t position, std::uint32_t level) const
    {
        return ZeroGrid[position][level];
    }

    // Counts every change of the hierarchy (structure, names, judgements); whatever was
    // computed at one count still describes the hierarchy while the count stays.
    [[nodiscard]] std::uint64_t Revision() const { return ChangeCount; }

    // Building. Both start from a fresh grid. A record the grid cannot hold, or with a
    // level below the goal of fewer than 2 elements, is refused and changes nothing.
    void BuildNewHierarchy(
        std::uint32_t elementsPerLevel, std::uint32_t levelCount, const std::string& goal, const std::string& comment);
    bool BuildLoadedHierarchy(const TLoadSaveProject& record);

    // Structure commands on the element at (position, level); a refusal leaves the
    // model unchanged.
    EStructureResult AddElement(std::uint32_t level);
    EStructureResult DeleteElement(std::uint32_t position, std::uint32_t level);
    [[nodiscard]] EStructureResult CanAddLevel(std::uint32_t level) const;
    EStructureResult AddLevel(std::uint32_t level, std::uint32_t elementCount, bool before);
    EStructureResult DeleteLevel(std::uint32_t level);

    // Name and comment from the element dialog, cut to the dialog limits.
    bool SetElementText(
        std::uint32_t position, std::uint32_t level, const std::string& name, const std::string& comment);
    [[nodiscard]] static std::uint32_t NameLimit(std::uint32_t position, std::uint32_t level);
    // An element's whole 9 x 9 judgement matrix.
    bool SetJudgements(std::uint32_t position, std::uint32_t level, const CJudgementMatrix& judgements);
    // The leading n x n block of an element's judgements, as a judging session commits
    // it; the cells beyond it keep what they hold. Nothing changes (the revision
    // included) when the block already holds those judgements.
    bool SetJudgementBlock(
        std::uint32_t position, std::uint32_t level, const CJudgementMatrix& judgements, std::uint32_t n);

    // Undo support. A snapshot of the hierarchy as it stands (into buffers it reuses),
    // the change since such a snapshot, and that change put back or made again: the
    // hierarchy is then exactly as it was before or after the edit.
    void TakeSnapshot(CHierarchySnapshot& into) const;
    [[nodiscard]] CHierarchyChange ChangeSince(const CHierarchySnapshot& before) const;
    void UndoChange(const CHierarchyChange& change);
    void RedoChange(const CHierarchyChange& change);

    // The steps the commands share; public so the tests can drive them alone.
    void ClearLevel(std::uint32_t k);
    void ShiftLevelBack(std::uint32_t k);
    void ShiftLevelForward(std::uint32_t k);
    void SetUpNewLevel(std::uint32_t m, std::uint32_t old, std::uint32_t k);
    void ResetLevelJudgements(std::uint32_t k);

private:
    void ResetGrid();
    // After every change of an element's judgements.
    void RenewValues(std::uint32_t position, std::uint32_t level);
    void PutSlots(const CHierarchyChange& change, bool after);

    // Taken when the model is made: a structure edit allocates nothing.
    CElementDefaults Defaults = ElementDefaults();
    TElementGridOf<CHierarchy_Element> ElementGrid;
    TElementGridOf<bool> InUse{};
    TElementGridOf<TJudgementColumns> ValueGrid{};
    TElementGridOf<bool> ZeroGrid{};
    std::uint32_t Levels = 0;
    std::uint64_t ChangeCount = 0;
    bool IsBuilt = false;
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
// The Russian source of a check's phrase; the dialog shows NewProjectCheckSentence.
const char* NewProjectCheckText(ENewProjectCheck check);
