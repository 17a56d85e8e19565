#include "core/document/CProjectDocument.h"
#include "core/judgement/CJudgingSession.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The goal judges five elements; its CR is above the limit, so three changes are offered,
// the first of them 1/2 -> 9 in the pair (3, 4), which the other judgements put the other way round.
class SuggestionOffer : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::vector<std::vector<int>> codes{
            {1, 2, -6, 4, 3}, {-2, 1, -4, 9, 2}, {6, 4, 1, -2, 5}, {-4, -9, 2, 1, -3}, {-3, -2, -5, 3, 1}};
        Document.BuildNewHierarchy(5, 3, "ЦЕЛЬ", "");
        for (std::uint32_t r = 0; r < 5; ++r) {
            for (std::uint32_t c = r + 1; c < 5; ++c) {
                SetPair(EditableModel(Document), 0, 0, r, c, codes[r][c]);
            }
        }
        Document.MarkSaved();
        ASSERT_TRUE(Session.Open(Document, 0, 0));
    }
    CProjectDocument Document;
    CJudgingSession Session;
};
} // namespace

TEST_F(SuggestionOffer, EachOfferedChangeIsAcceptedOnceIntoTheCellAndItsMirror)
{
    // Nothing is offered before the research window asks.
    EXPECT_EQ(Session.Suggestions().Count(), 0U);
    EXPECT_FALSE(Session.CanAcceptSuggestion(0));
    EXPECT_FALSE(Session.AcceptSuggestion(0));

    const CConsistencyGuidance& offered = Session.OfferSuggestions();
    ASSERT_EQ(offered.SuggestionCount, 3U);
    // What is offered is the guidance of the working matrix as it stands.
    const CConsistencyGuidance fresh = Session.Guidance();
    for (std::uint32_t s = 0; s < 3; ++s) {
        EXPECT_TRUE(offered.Suggestions[s].Row == fresh.Suggestions[s].Row
            && offered.Suggestions[s].Column == fresh.Suggestions[s].Column
            && offered.Suggestions[s].Proposed == fresh.Suggestions[s].Proposed)
            << s;
        EXPECT_TRUE(Session.CanAcceptSuggestion(s));
    }
    EXPECT_FALSE(Session.CanAcceptSuggestion(3));
    const CSuggestion first = offered.Suggestions[0];
    ASSERT_TRUE(first.Row == 2 && first.Column == 3 && first.Proposed == 9);

    EXPECT_TRUE(Session.AcceptSuggestion(0));
    EXPECT_EQ(Session.Judgement(2, 3).Code(), 9);
    EXPECT_EQ(Session.Judgement(3, 2).Code(), -9);
    EXPECT_TRUE(Session.Suggestions().IsAccepted(0));
    EXPECT_FALSE(Session.Suggestions().IsAccepted(1));
    EXPECT_FALSE(Session.CanAcceptSuggestion(0));
    EXPECT_TRUE(Session.CanAcceptSuggestion(1));
    // Accepting again changes nothing; nor does an index outside the list.
    EXPECT_FALSE(Session.AcceptSuggestion(0));
    EXPECT_FALSE(Session.AcceptSuggestion(7));
    EXPECT_TRUE(Session.ChangedByAccepting(2, 3));
    EXPECT_TRUE(Session.ChangedByAccepting(3, 2));
    EXPECT_FALSE(Session.ChangedByAccepting(0, 2));
    // Accepting is an entry of the working matrix like any other: the element waits for Apply.
    EXPECT_EQ(Document.Model().Goal().Judgements(2, 3).Code(), -2);
    EXPECT_FALSE(Document.Modified());
}

TEST_F(SuggestionOffer, AListOfferedAgainKeepsWhatAcceptingChanged)
{
    Session.OfferSuggestions();
    const CSuggestion second = Session.Suggestions().Offered().Suggestions[1];
    const CJudgement before = Session.Judgement(second.Row, second.Column);
    ASSERT_TRUE(Session.AcceptSuggestion(1));
    Session.Apply();

    // Offered afresh (after Apply the window asks again): nothing of the new list accepted,
    // but the change accepted before is still known, with what the cell held.
    Session.OfferSuggestions();
    for (std::uint32_t s = 0; s < Session.Suggestions().Count(); ++s) {
        EXPECT_FALSE(Session.Suggestions().IsAccepted(s)) << s;
        EXPECT_TRUE(Session.CanAcceptSuggestion(s)) << s;
    }
    ASSERT_EQ(Session.Suggestions().ChangeCount(), 1U);
    const CAcceptedChange& change = Session.Suggestions().Change(0);
    EXPECT_TRUE(change.Row == second.Row && change.Column == second.Column && change.Written == second.Proposed);
    EXPECT_EQ(change.Before, before);
    EXPECT_TRUE(Session.ChangedByAccepting(second.Row, second.Column));

    // A judgement entered over it by hand: the accepted change no longer stands.
    const std::int32_t other = second.Proposed == 9 ? 7 : 9;
    ASSERT_TRUE(Session.SetJudgement(second.Row, second.Column, other));
    EXPECT_FALSE(Session.ChangedByAccepting(second.Row, second.Column));
    EXPECT_EQ(Session.Suggestions().ChangeCount(), 1U);
}

TEST_F(SuggestionOffer, NothingCanBeAcceptedOnceTheJudgingEndsAndANewOneStartsClear)
{
    Session.OfferSuggestions();
    ASSERT_TRUE(Session.AcceptSuggestion(2));
    Session.Close();
    // The list stays to be shown, but nothing of it can be taken any more.
    EXPECT_EQ(Session.Suggestions().Count(), 3U);
    EXPECT_TRUE(Session.Suggestions().IsAccepted(2));
    for (std::uint32_t s = 0; s < 3; ++s) {
        EXPECT_FALSE(Session.CanAcceptSuggestion(s)) << s;
        EXPECT_FALSE(Session.AcceptSuggestion(s)) << s;
    }
    // The accepted change was committed with the rest of the judging.
    EXPECT_TRUE(Document.Modified());

    ASSERT_TRUE(Session.Open(Document, 0, 1));
    EXPECT_EQ(Session.Suggestions().Count(), 0U);
    EXPECT_EQ(Session.Suggestions().ChangeCount(), 0U);
    EXPECT_FALSE(Session.Suggestions().IsAccepted(2));
    // A fresh element of neutral judgements: acceptable, nothing to offer.
    EXPECT_EQ(Session.OfferSuggestions().SuggestionCount, 0U);
    EXPECT_FALSE(Session.CanAcceptSuggestion(0));
}
