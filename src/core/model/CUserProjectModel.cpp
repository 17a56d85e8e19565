#include "core/model/CUserProjectModel.h"

#include "core/model/ModelPhrases.h"
#include "core/model/TLoadSaveProject.h"
#include "core/model/TextLimits.h"

#include <algorithm>
#include <cctype>

const char* StructureRefusalText(EStructureResult result)
{
    return StructureRefusalPhrase(result).Source;
}

CUserProjectModel::CUserProjectModel() = default;

std::uint32_t CUserProjectModel::ElementsInLevel(std::uint32_t level)
{
    if (level >= MaxLevels) {
        FatalError = true;
        return 0;
    }
    return ElementsInLevelChecked(level);
}

std::uint32_t CUserProjectModel::ElementsInLevelChecked(std::uint32_t level) const
{
    if (level >= MaxLevels) {
        return 0;
    }
    std::uint32_t n = 0;
    while (n < MaxElementsPerLevel && InUse[n][level]) {
        ++n;
    }
    return n;
}

bool CUserProjectModel::CheckSlot(std::uint32_t position, std::uint32_t level)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels) {
        FatalError = true;
        return false;
    }
    return true;
}

std::uint32_t CUserProjectModel::LastLevelCount() const
{
    return Levels == 0 ? 0 : ElementsInLevelChecked(Levels - 1);
}

bool CUserProjectModel::HasLevelBelow(std::uint32_t position, std::uint32_t level) const
{
    return position < MaxElementsPerLevel && level + 1 < Levels && level + 1 < MaxLevels && InUse[position][level];
}

void CUserProjectModel::RenewValues(std::uint32_t position, std::uint32_t level)
{
    ++ChangeCount;
    const CJudgementMatrix& judgements = ElementGrid[position][level].Judgements;
    TJudgementColumns& columns = ValueGrid[position][level];
    bool zero = false;
    for (std::uint32_t c = 0; c < MaxElementsPerLevel; ++c) {
        for (std::uint32_t r = 0; r < MaxElementsPerLevel; ++r) {
            columns[c][r] = judgements(r, c).Value();
            zero = zero || columns[c][r] == 0.0;
        }
        columns[c][MaxElementsPerLevel] = 1.0;
    }
    ZeroGrid[position][level] = zero;
}

void CUserProjectModel::ResetGrid()
{
    for (std::uint32_t e = 0; e < MaxElementsPerLevel; ++e) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            ElementGrid[e][k].SetDefaults(e, k, Defaults);
            RenewValues(e, k);
            InUse[e][k] = false;
        }
    }
}

void CUserProjectModel::BuildNewHierarchy(
    std::uint32_t elementsPerLevel, std::uint32_t levelCount, const std::string& goal, const std::string& comment)
{
    ResetGrid();
    const std::uint32_t n = ClampElementsPerLevel(elementsPerLevel);
    const std::uint32_t levels = ClampLevelCount(levelCount);
    ElementGrid[0][0].Name.assign(goal);
    ElementGrid[0][0].Comment.assign(comment);
    Levels = levels;
    InUse[0][0] = true;
    for (std::uint32_t e = 0; e < n; ++e) {
        for (std::uint32_t k = 1; k < levels; ++k) {
            InUse[e][k] = true;
        }
    }
    IsBuilt = true;
    ++ChangeCount;
}

bool CUserProjectModel::BuildLoadedHierarchy(const TLoadSaveProject& record)
{
    // The grid has no room for more, and a level below the goal with fewer than two
    // elements would break the model's invariants; the reader never hands over either.
    if (record.LevelCount > MaxLevels) {
        return false;
    }
    for (std::uint32_t k = 1; k < record.LevelCount; ++k) {
        const std::int32_t count = record.ElementsPerLevel[k];
        if (count < static_cast<std::int32_t>(MinElementsPerLevel)
            || count > static_cast<std::int32_t>(MaxElementsPerLevel)) {
            return false;
        }
    }
    ResetGrid();
    for (std::uint32_t k = 0; k < record.LevelCount; ++k) {
        const std::uint32_t count = k == 0 ? 1U : static_cast<std::uint32_t>(record.ElementsPerLevel[k]);
        for (std::uint32_t e = 0; e < count; ++e) {
            InUse[e][k] = true;
            CHierarchy_Element& element = ElementGrid[e][k];
            const CLoadSaveProjectHierarchy_Element& source = record.Elements[e][k];
            element.Name.assign(source.Name);
            element.Comment.assign(source.Comment);
            element.Judgements.AssignFrom(source.Judgements);
            RenewValues(e, k);
        }
    }
    Levels = record.LevelCount;
    IsBuilt = true;
    ++ChangeCount;
    return true;
}

void CUserProjectModel::ClearLevel(std::uint32_t k)
{
    ++ChangeCount;
    const std::uint32_t n = ElementsInLevel(k);
    for (std::uint32_t i = 0; i < n; ++i) {
        InUse[i][k] = false;
    }
}

void CUserProjectModel::ShiftLevelBack(std::uint32_t k)
{
    if (k + 1 >= MaxLevels) {
        return;
    }
    const std::uint32_t n = ElementsInLevel(k + 1);
    for (std::uint32_t i = 0; i < n; ++i) {
        InUse[i][k] = true;
        ElementGrid[i][k].CopyDataFrom(ElementGrid[i][k + 1]);
        RenewValues(i, k);
    }
}

void CUserProjectModel::ShiftLevelForward(std::uint32_t k)
{
    if (k + 1 >= MaxLevels) {
        return;
    }
    const std::uint32_t c = ElementsInLevel(k);
    const std::uint32_t d = ElementsInLevel(k + 1);
    for (std::uint32_t i = 0; i < c; ++i) {
        InUse[i][k + 1] = true;
        ElementGrid[i][k + 1].CopyDataFrom(ElementGrid[i][k]);
        RenewValues(i, k + 1);
    }
    for (std::uint32_t i = c; i < d; ++i) {
        InUse[i][k + 1] = false;
        ElementGrid[i][k + 1].Judgements.FillOnes();
        RenewValues(i, k + 1);
    }
}

void CUserProjectModel::SetUpNewLevel(std::uint32_t m, std::uint32_t old, std::uint32_t k)
{
    ++ChangeCount;
    if (k >= MaxLevels || m > MaxElementsPerLevel || old > MaxElementsPerLevel) {
        return;
    }
    for (std::uint32_t i = m; i < old; ++i) {
        InUse[i][k] = false;
    }
    for (std::uint32_t i = old; i < m; ++i) {
        InUse[i][k] = true;
    }
    for (std::uint32_t i = 0; i < m; ++i) {
        CHierarchy_Element& element = ElementGrid[i][k];
        element.SetDefaultText(i, Defaults);
        element.Judgements.FillOnes();
        RenewValues(i, k);
    }
}

void CUserProjectModel::ResetLevelJudgements(std::uint32_t k)
{
    const std::uint32_t n = ElementsInLevel(k);
    for (std::uint32_t i = 0; i < n; ++i) {
        ElementGrid[i][k].Judgements.FillOnes();
        RenewValues(i, k);
    }
}

EStructureResult CUserProjectModel::AddElement(std::uint32_t level)
{
    const std::uint32_t k = level;
    if (k == 0 || k >= Levels || k >= MaxLevels) {
        return EStructureResult::NotApplicable;
    }
    const std::uint32_t n = ElementsInLevel(k);
    if (n >= MaxElementsPerLevel) {
        return EStructureResult::TooManyElements;
    }
    CHierarchy_Element& element = ElementGrid[n][k];
    element.SetDefaultText(n, Defaults);
    InUse[n][k] = true;
    element.Judgements.FillOnes();
    RenewValues(n, k);
    const std::uint32_t parents = ElementsInLevel(k - 1);
    for (std::uint32_t i = 0; i < parents; ++i) {
        ElementGrid[i][k - 1].Judgements.SetRowColOnes(n);
        RenewValues(i, k - 1);
    }
    return EStructureResult::Done;
}

EStructureResult CUserProjectModel::DeleteElement(std::uint32_t position, std::uint32_t level)
{
    const std::uint32_t k = level;
    const std::uint32_t p = position;
    if (k == 0 || k >= Levels || k >= MaxLevels) {
        return EStructureResult::NotApplicable;
    }
    const std::uint32_t n = ElementsInLevel(k);
    if (p >= n) {
        return EStructureResult::NotApplicable;
    }
    if (n <= MinElementsPerLevel) {
        return EStructureResult::TooFewElements;
    }
    for (std::uint32_t i = p; i + 1 < n; ++i) {
        ElementGrid[i][k].CopyDataFrom(ElementGrid[i + 1][k]);
        RenewValues(i, k);
    }
    InUse[n - 1][k] = false;
    const std::uint32_t parents = ElementsInLevel(k - 1);
    for (std::uint32_t i = 0; i < parents; ++i) {
        ElementGrid[i][k - 1].Judgements.RemoveRowCol(p, n);
        RenewValues(i, k - 1);
    }
    return EStructureResult::Done;
}

EStructureResult CUserProjectModel::CanAddLevel(std::uint32_t level) const
{
    if (level == 0 || level >= Levels) {
        return EStructureResult::NotApplicable;
    }
    if (Levels + 1 > MaxLevels) {
        return EStructureResult::TooManyLevels;
    }
    return EStructureResult::Done;
}

EStructureResult CUserProjectModel::AddLevel(std::uint32_t level, std::uint32_t elementCount, bool before)
{
    const EStructureResult allowed = CanAddLevel(level);
    if (allowed != EStructureResult::Done) {
        return allowed;
    }
    if (elementCount < MinElementsPerLevel || elementCount > MaxElementsPerLevel) {
        return EStructureResult::NotApplicable;
    }
    const std::uint32_t levels = Levels;
    const std::uint32_t k = level;
    const std::uint32_t m = elementCount;
    if (before) {
        const std::uint32_t c = ElementsInLevel(k);
        for (std::uint32_t j = levels; j-- > k;) {
            ShiftLevelForward(j);
        }
        SetUpNewLevel(m, c, k);
        ResetLevelJudgements(k - 1);
    } else if (k < levels - 1) {
        const std::uint32_t c = ElementsInLevel(k + 1);
        for (std::uint32_t j = levels; j-- > k + 1;) {
            ShiftLevelForward(j);
        }
        SetUpNewLevel(m, c, k + 1);
        ResetLevelJudgements(k);
    } else {
        SetUpNewLevel(m, 0, levels);
        ResetLevelJudgements(levels - 1);
    }
    Levels = levels + 1;
    ++ChangeCount;
    return EStructureResult::Done;
}

EStructureResult CUserProjectModel::DeleteLevel(std::uint32_t level)
{
    const std::uint32_t levels = Levels;
    const std::uint32_t k = level;
    if (k == 0 || k >= levels) {
        return EStructureResult::NotApplicable;
    }
    if (levels - 1 < MinLevels) {
        return EStructureResult::TooFewLevels;
    }
    for (std::uint32_t j = k; j < levels; ++j) {
        ClearLevel(j);
        if (j == levels - 1) {
            break;
        }
        ShiftLevelBack(j);
    }
    ResetLevelJudgements(k - 1);
    Levels = levels - 1;
    ++ChangeCount;
    return EStructureResult::Done;
}

std::uint32_t CUserProjectModel::NameLimit(std::uint32_t position, std::uint32_t level)
{
    return position == 0 && level == 0 ? MaxGoalNameLength : MaxElementNameLength;
}

bool CUserProjectModel::SetElementText(
    std::uint32_t position, std::uint32_t level, const std::string& name, const std::string& comment)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels) {
        FatalError = true;
        return false;
    }
    CHierarchy_Element& element = ElementGrid[position][level];
    element.Name.assign(name, 0, Utf8PrefixBytes(name, NameLimit(position, level)));
    element.Comment.assign(comment, 0, Utf8PrefixBytes(comment, MaxCommentLength));
    ++ChangeCount;
    return true;
}

bool CUserProjectModel::SetJudgements(std::uint32_t position, std::uint32_t level, const CJudgementMatrix& judgements)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels) {
        FatalError = true;
        return false;
    }
    ElementGrid[position][level].Judgements.AssignFrom(judgements);
    RenewValues(position, level);
    return true;
}

bool CUserProjectModel::SetJudgementBlock(
    std::uint32_t position, std::uint32_t level, const CJudgementMatrix& judgements, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels) {
        FatalError = true;
        return false;
    }
    CJudgementMatrix& own = ElementGrid[position][level].Judgements;
    const std::uint32_t order
        = std::min({n, MaxElementsPerLevel, judgements.RowCountInUse(), judgements.ColCountInUse()});
    bool changed = false;
    for (std::uint32_t r = 0; r < order; ++r) {
        for (std::uint32_t c = 0; c < order; ++c) {
            if (!(own(r, c) == judgements(r, c))) {
                own(r, c) = judgements(r, c);
                changed = true;
            }
        }
    }
    if (changed) {
        RenewValues(position, level);
    }
    return true;
}

void CUserProjectModel::TakeSnapshot(CHierarchySnapshot& into) const
{
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            const CHierarchy_Element& element = ElementGrid[p][k];
            CSlotState& slot = into.Slots[p][k];
            slot.Name.assign(element.Name);
            slot.Comment.assign(element.Comment);
            slot.Judgements.AssignFrom(element.Judgements);
            slot.InUse = InUse[p][k];
        }
    }
    into.Levels = Levels;
}

CHierarchyChange CUserProjectModel::ChangeSince(const CHierarchySnapshot& before) const
{
    CHierarchyChange change;
    change.LevelsBefore = before.Levels;
    change.LevelsAfter = Levels;
    for (std::uint32_t p = 0; p < MaxElementsPerLevel; ++p) {
        for (std::uint32_t k = 0; k < MaxLevels; ++k) {
            const CSlotState& was = before.Slots[p][k];
            const CHierarchy_Element& now = ElementGrid[p][k];
            if (was.InUse == InUse[p][k] && was.Name == now.Name && was.Comment == now.Comment
                && was.Judgements == now.Judgements) {
                continue;
            }
            // Hidden slots count too: their data comes back when a level or element does.
            CHierarchyChange::CSlotChange& slot = change.Slots.emplace_back();
            slot.Position = p;
            slot.Level = k;
            slot.Before = was;
            slot.After = CSlotState{now.Name, now.Comment, now.Judgements, InUse[p][k]};
        }
    }
    return change;
}

void CUserProjectModel::UndoChange(const CHierarchyChange& change)
{
    PutSlots(change, false);
}

void CUserProjectModel::RedoChange(const CHierarchyChange& change)
{
    PutSlots(change, true);
}

void CUserProjectModel::PutSlots(const CHierarchyChange& change, bool after)
{
    ++ChangeCount;
    for (const CHierarchyChange::CSlotChange& slot : change.Slots) {
        const CSlotState& state = after ? slot.After : slot.Before;
        CHierarchy_Element& element = ElementGrid[slot.Position][slot.Level];
        element.Name.assign(state.Name);
        element.Comment.assign(state.Comment);
        element.Judgements.AssignFrom(state.Judgements);
        RenewValues(slot.Position, slot.Level);
        InUse[slot.Position][slot.Level] = state.InUse;
    }
    Levels = after ? change.LevelsAfter : change.LevelsBefore;
}

std::uint32_t LeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // A 32-bit signed conversion that saturates like strtol: an overlong number stays
    // on its side of zero, so "-99999999999" is still a huge unsigned count, never a small one.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
        ++i;
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > limit - 1) {
        value = limit - 1;
    }
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

std::uint32_t ClampElementsPerLevel(std::uint32_t count)
{
    if (count < MinElementsPerLevel) {
        return MinElementsPerLevel;
    }
    return count > MaxElementsPerLevel ? MaxElementsPerLevel : count;
}

std::uint32_t ClampLevelCount(std::uint32_t count)
{
    if (count < MinLevels) {
        return MinLevels;
    }
    return count > MaxLevels ? MaxLevels : count;
}

ENewProjectCheck CheckNewProject(const std::string& goal, const std::string& levelText, const std::string& elementText)
{
    if (levelText.empty()) {
        return ENewProjectCheck::NoLevelCount;
    }
    const std::uint32_t levels = LeadingNumber(levelText);
    if (levels < MinLevelsOnCreate) {
        return ENewProjectCheck::TooFewLevels;
    }
    if (levels > MaxLevels) {
        return ENewProjectCheck::TooManyLevels;
    }
    if (elementText.empty()) {
        return ENewProjectCheck::NoElementCount;
    }
    if (LeadingNumber(elementText) < MinElementsPerLevel) {
        return ENewProjectCheck::TooFewElements;
    }
    if (goal.empty()) {
        return ENewProjectCheck::NoGoal;
    }
    return ENewProjectCheck::Ok;
}

const char* NewProjectCheckText(ENewProjectCheck check)
{
    return NewProjectCheckPhrase(check).Source;
}
