#pragma once

#include "core/model/CJudgement.h"
#include "core/model/HierarchyLimits.h"
#include "core/results/ConsistencyGuidance.h"

#include <array>
#include <cstdint>

// A change of a judgement made by accepting a suggestion: the cell above the diagonal the
// suggestion named, what it held before the first such change in this judging, and the
// code written into it (its mirror holds the same judgement seen from the other side).
struct CAcceptedChange {
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    CJudgement Before;
    std::int32_t Written = 1;
};

// The judgements to change that the research window offers for the working matrix, and
// what the user did with them: which of the offered list were accepted, and every cell a
// change was accepted into during one judging, so that a list computed again later can
// still show what accepting changed.
class CSuggestionOffer {
public:
    // A fresh list: none of it accepted yet. The changes accepted before are kept.
    void Offer(const CConsistencyGuidance& guidance);
    // Nothing offered, nothing accepted: a new judging.
    void Clear();

    [[nodiscard]] const CConsistencyGuidance& Offered() const { return Guidance; }
    [[nodiscard]] std::uint32_t Count() const { return Guidance.SuggestionCount; }
    [[nodiscard]] bool IsAccepted(std::uint32_t index) const { return index < Count() && Accepted[index]; }
    // Marks suggestion index accepted and records its change of the cell that held
    // `before`; the caller writes the judgement. Null, and nothing marked, for an index
    // outside the list or one accepted already.
    const CSuggestion* Accept(std::uint32_t index, const CJudgement& before);

    // The cells changes were accepted into, first accepted first; a cell accepted into
    // again keeps its place and what it held before the first change.
    [[nodiscard]] std::uint32_t ChangeCount() const { return Changes; }
    [[nodiscard]] const CAcceptedChange& Change(std::uint32_t k) const { return AcceptedChanges[k]; }
    // The change accepted into the pair (row, column), either way round; null when none was.
    [[nodiscard]] const CAcceptedChange* ChangeOf(std::uint32_t row, std::uint32_t column) const;

    // Back to what accepting had done at an earlier or later moment of the same judging
    // (undo and redo inside it), from a copy taken then: the cells changed by accepting
    // as they stood then and, while the list offered then is still the one offered,
    // which of it was accepted. A list offered since keeps its own marks.
    void TakeAcceptanceFrom(const CSuggestionOffer& then);

private:
    CConsistencyGuidance Guidance;
    // Which offering the list is: every Offer makes a new one, even of the same list.
    std::uint64_t ListNumber = 0;
    std::array<bool, MaxSuggestions> Accepted{};
    // Each pair above the diagonal at most once.
    std::array<CAcceptedChange, MaxMatrixOrder*(MaxMatrixOrder - 1) / 2> AcceptedChanges{};
    std::uint32_t Changes = 0;
};
