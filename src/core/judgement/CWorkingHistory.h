#pragma once

#include "core/judgement/CSuggestionOffer.h"
#include "core/model/CJudgement.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// What accepting a suggestion did besides the judgement: the offer before and after.
struct COfferChange {
    CSuggestionOffer Before;
    CSuggestionOffer After;
};

// One change of the working matrix: the pair it wrote, cell (Row, Column) and its mirror
// (Column, Row) before and after, and for an accepted suggestion what the offer held.
struct CWorkingChange {
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    CJudgement Before;
    CJudgement MirrorBefore;
    CJudgement After;
    CJudgement MirrorAfter;
    std::unique_ptr<COfferChange> Offer;
};

// The changes of the working matrix made in one judging, in order, to be taken back and
// made again one at a time. A change recorded after some were taken back drops those:
// they can no longer be made again.
class CWorkingHistory {
public:
    CWorkingHistory() = default;
    // Said outright: the changes own their offers, so a history is moved, never copied
    // (a vector of them would claim to be copyable until the copy is compiled).
    CWorkingHistory(const CWorkingHistory&) = delete;
    CWorkingHistory& operator=(const CWorkingHistory&) = delete;
    CWorkingHistory(CWorkingHistory&&) = default;
    CWorkingHistory& operator=(CWorkingHistory&&) = default;
    ~CWorkingHistory() = default;

    void Clear();
    void Record(CWorkingChange change);

    [[nodiscard]] bool CanUndo() const { return Done > 0; }
    [[nodiscard]] bool CanRedo() const { return Done < Changes.size(); }
    // The change to take back (the last one made) or to make again (the last one taken
    // back); the history then stands before or after it. Null when there is none.
    const CWorkingChange* Undo();
    const CWorkingChange* Redo();
    // Changes made and not taken back.
    [[nodiscard]] std::size_t DoneCount() const { return Done; }

private:
    std::vector<CWorkingChange> Changes;
    std::size_t Done = 0;
};
