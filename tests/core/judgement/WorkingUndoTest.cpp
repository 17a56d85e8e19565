// Undo inside a judging: every change of the working matrix (a scale line, a typed
// judgement, an accepted suggestion) taken back and made again one at a time, checked
// against copies of the working matrix taken after each change.
#include "core/document/CProjectDocument.h"
#include "core/judgement/CJudgingSession.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

// The goal judges five elements far from consistently (CR 0.6044), so three changes are
// offered; the first is 1/2 -> 8 in the pair (2, 3).
class WorkingUndo : public ::testing::Test {
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
    [[nodiscard]] std::pair<std::uint32_t, std::uint32_t> Current() const
    {
        return {Session.CurrentRow(), Session.CurrentColumn()};
    }
    CProjectDocument Document;
    CJudgingSession Session;
};

} // namespace

TEST_F(WorkingUndo, EveryChangeIsTakenBackAndMadeAgainOneByOne)
{
    EXPECT_FALSE(Session.CanUndoChange());
    EXPECT_FALSE(Session.UndoChange());
    EXPECT_FALSE(Session.RedoChange());

    // The working matrix after each change, and the pair each change wrote.
    std::vector<CJudgementMatrix> states{Session.Working()};
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    const auto changed = [&](std::uint32_t r, std::uint32_t c) {
        states.push_back(Session.Working());
        pairs.emplace_back(r, c);
    };
    // Typed at (0, 1): 7, then "/3" at (0, 2), where typing moves on.
    ASSERT_TRUE(Session.TypeCharacter('7'));
    changed(0, 1);
    ASSERT_FALSE(Session.TypeCharacter('/'));
    ASSERT_TRUE(Session.TypeCharacter('3'));
    changed(0, 2);
    // A scale line on a lower cell: row 4 over row 1 by 5.
    ASSERT_TRUE(Session.SetJudgement(4, 1, 5));
    changed(4, 1);
    // The first offered change, accepted.
    Session.OfferSuggestions();
    const CSuggestion first = Session.Suggestions().Offered().Suggestions[0];
    ASSERT_TRUE(Session.AcceptSuggestion(0));
    changed(first.Row, first.Column);
    ASSERT_EQ(states.size(), 5U);
    EXPECT_EQ(states[4](first.Row, first.Column).Code(), first.Proposed);
    EXPECT_EQ(states[1](0, 1).Code(), 7);
    EXPECT_EQ(states[2](2, 0).Code(), 3);
    EXPECT_EQ(states[3](1, 4).Code(), -5);

    // Back to the opening, each undo one change with its pair made current.
    for (std::size_t k = 4; k > 0; --k) {
        ASSERT_TRUE(Session.CanUndoChange()) << k;
        ASSERT_TRUE(Session.UndoChange()) << k;
        EXPECT_EQ(Session.Working(), states[k - 1]) << k;
        EXPECT_EQ(Current(), pairs[k - 1]) << k;
    }
    EXPECT_FALSE(Session.UndoChange());
    EXPECT_EQ(Session.Working(), states[0]);
    // And forward again to the last.
    for (std::size_t k = 1; k <= 4; ++k) {
        ASSERT_TRUE(Session.RedoChange()) << k;
        EXPECT_EQ(Session.Working(), states[k]) << k;
        EXPECT_EQ(Current(), pairs[k - 1]) << k;
    }
    EXPECT_FALSE(Session.CanRedoChange());
    EXPECT_FALSE(Session.RedoChange());
    // The element waits for Apply or the end of the judging, as for any change.
    EXPECT_EQ(Document.Model().Goal().Judgements(0, 1).Code(), 2);
    EXPECT_FALSE(Document.Modified());
}

TEST_F(WorkingUndo, ANewChangeDropsWhatWasTakenBackAndNoChangeIsNoStep)
{
    ASSERT_TRUE(Session.SetJudgement(0, 1, 9));
    const CJudgementMatrix nine = Session.Working();
    ASSERT_TRUE(Session.SetJudgement(0, 3, -2));
    ASSERT_TRUE(Session.UndoChange());
    EXPECT_TRUE(Session.CanRedoChange());
    // Another change where the undone one stood: the undone one is gone for good.
    ASSERT_TRUE(Session.SetJudgement(2, 4, 3));
    EXPECT_FALSE(Session.CanRedoChange());
    ASSERT_TRUE(Session.UndoChange());
    EXPECT_EQ(Session.Working(), nine);
    ASSERT_TRUE(Session.RedoChange());

    // The judgement the cell already holds, typed or from the scale, changes nothing to
    // take back; nor does a refused entry.
    const CJudgementMatrix now = Session.Working();
    ASSERT_TRUE(Session.SetJudgement(2, 4, 3));
    ASSERT_TRUE(Session.SetJudgement(4, 2, -3)); // the same judgement from the mirror
    Session.SetCurrent(2, 4);
    ASSERT_TRUE(Session.TypeCharacter('3'));
    for (const auto& [r, c, v] : {std::tuple{1U, 1U, 3}, {0U, 5U, 3}, {0U, 1U, 0}, {0U, 1U, 10}}) {
        EXPECT_FALSE(Session.SetJudgement(r, c, v));
    }
    Session.SetCurrent(3, 3);
    EXPECT_FALSE(Session.TypeCharacter('5'));
    EXPECT_EQ(Session.Working(), now);
    ASSERT_TRUE(Session.UndoChange());
    EXPECT_EQ(Session.Working(), nine); // straight back past all of those
    EXPECT_EQ(Current(), (std::pair<std::uint32_t, std::uint32_t>(2, 4)));
}

TEST_F(WorkingUndo, UndoDropsAPendingSignAndTheNextDigitJudgesTheUndoneCell)
{
    ASSERT_TRUE(Session.TypeCharacter('4')); // (0, 1), then on to (0, 2)
    ASSERT_FALSE(Session.TypeCharacter('-'));
    ASSERT_TRUE(Session.UndoChange());
    // Back on (0, 1): a plain digit, the '-' forgotten.
    ASSERT_TRUE(Session.TypeCharacter('6'));
    EXPECT_EQ(Session.Judgement(0, 1).Code(), 6);
    EXPECT_EQ(Session.Judgement(0, 2).Code(), -6); // untouched
}

TEST_F(WorkingUndo, AnUndoneAcceptanceCanBeAcceptedAgainAndARedoneOneNot)
{
    Session.OfferSuggestions();
    const CSuggestion first = Session.Suggestions().Offered().Suggestions[0];
    const CJudgement before = Session.Judgement(first.Row, first.Column);
    ASSERT_TRUE(Session.AcceptSuggestion(0));
    ASSERT_TRUE(Session.AcceptSuggestion(1));
    ASSERT_EQ(Session.Suggestions().ChangeCount(), 2U);

    ASSERT_TRUE(Session.UndoChange());
    ASSERT_TRUE(Session.UndoChange());
    EXPECT_EQ(Session.Judgement(first.Row, first.Column), before);
    EXPECT_EQ(Session.Judgement(first.Column, first.Row), before.Mirror());
    EXPECT_FALSE(Session.Suggestions().IsAccepted(0));
    EXPECT_FALSE(Session.Suggestions().IsAccepted(1));
    EXPECT_EQ(Session.Suggestions().ChangeCount(), 0U);
    EXPECT_FALSE(Session.ChangedByAccepting(first.Row, first.Column));
    EXPECT_TRUE(Session.CanAcceptSuggestion(0));

    ASSERT_TRUE(Session.RedoChange());
    EXPECT_TRUE(Session.Suggestions().IsAccepted(0));
    EXPECT_FALSE(Session.Suggestions().IsAccepted(1));
    EXPECT_FALSE(Session.CanAcceptSuggestion(0));
    EXPECT_TRUE(Session.ChangedByAccepting(first.Row, first.Column));
    ASSERT_EQ(Session.Suggestions().ChangeCount(), 1U);
    EXPECT_EQ(Session.Suggestions().Change(0).Before, before);

    // Offered afresh (the research window asks again): the new list keeps its own marks
    // through undo and redo, while the accepted change is still taken back and made again.
    Session.OfferSuggestions();
    ASSERT_TRUE(Session.UndoChange());
    EXPECT_EQ(Session.Suggestions().ChangeCount(), 0U);
    for (std::uint32_t s = 0; s < Session.Suggestions().Count(); ++s) {
        EXPECT_FALSE(Session.Suggestions().IsAccepted(s)) << s;
    }
    ASSERT_TRUE(Session.RedoChange());
    EXPECT_EQ(Session.Suggestions().ChangeCount(), 1U);
    for (std::uint32_t s = 0; s < Session.Suggestions().Count(); ++s) {
        EXPECT_FALSE(Session.Suggestions().IsAccepted(s)) << s;
    }
}

TEST_F(WorkingUndo, ClosingCommitsTheMatrixAsUndoLeftItAndANewJudgingStartsAfresh)
{
    ASSERT_TRUE(Session.SetJudgement(0, 1, 9));
    Session.Apply();
    EXPECT_EQ(Document.Model().Goal().Judgements(0, 1).Code(), 9);
    // Undo after Apply changes the working matrix; the element follows at the end.
    ASSERT_TRUE(Session.UndoChange());
    EXPECT_EQ(Document.Model().Goal().Judgements(0, 1).Code(), 9);
    Session.Close();
    EXPECT_EQ(Document.Model().Goal().Judgements(0, 1).Code(), 2);
    EXPECT_EQ(Document.Model().Goal().Judgements(1, 0).Code(), -2);
    EXPECT_FALSE(Session.CanRedoChange());
    EXPECT_FALSE(Session.RedoChange());

    ASSERT_TRUE(Session.Open(Document, 0, 1));
    EXPECT_FALSE(Session.CanUndoChange());
    EXPECT_FALSE(Session.CanRedoChange());
}
