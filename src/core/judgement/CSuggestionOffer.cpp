#include "core/judgement/CSuggestionOffer.h"

void CSuggestionOffer::Offer(const CConsistencyGuidance& guidance)
{
    Guidance = guidance;
    Accepted.fill(false);
    ++ListNumber;
}

void CSuggestionOffer::Clear()
{
    Offer(CConsistencyGuidance{});
    Changes = 0;
}

const CSuggestion* CSuggestionOffer::Accept(std::uint32_t index, const CJudgement& before)
{
    if (index >= Count() || index >= MaxSuggestions || Accepted[index]) {
        return nullptr;
    }
    Accepted[index] = true;
    const CSuggestion& suggestion = Guidance.Suggestions[index];
    for (std::uint32_t k = 0; k < Changes; ++k) {
        if (AcceptedChanges[k].Row == suggestion.Row && AcceptedChanges[k].Column == suggestion.Column) {
            AcceptedChanges[k].Written = suggestion.Proposed;
            return &suggestion;
        }
    }
    if (Changes < AcceptedChanges.size()) {
        AcceptedChanges[Changes++] = CAcceptedChange{suggestion.Row, suggestion.Column, before, suggestion.Proposed};
    }
    return &suggestion;
}

const CAcceptedChange* CSuggestionOffer::ChangeOf(std::uint32_t row, std::uint32_t column) const
{
    for (std::uint32_t k = 0; k < Changes; ++k) {
        const CAcceptedChange& change = AcceptedChanges[k];
        if ((change.Row == row && change.Column == column) || (change.Row == column && change.Column == row)) {
            return &change;
        }
    }
    return nullptr;
}

void CSuggestionOffer::TakeAcceptanceFrom(const CSuggestionOffer& then)
{
    AcceptedChanges = then.AcceptedChanges;
    Changes = then.Changes;
    if (then.ListNumber == ListNumber) {
        Accepted = then.Accepted;
    }
}
