#include "core/document/CProjectDocument.h"
#include "core/judgement/CJudgingSession.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {
// A 3-level project of 3 elements per level; the goal judges (1, 3, 5), (-3, 1, 3), (-5, -3, 1).
class JudgingSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        Document.BuildNewHierarchy(3, 3, "ЦЕЛЬ", "");
        SetPair(EditableModel(Document), 0, 0, 0, 1, 3);
        SetPair(EditableModel(Document), 0, 0, 0, 2, 5);
        SetPair(EditableModel(Document), 0, 0, 1, 2, 3);
        Document.MarkSaved();
    }
    CProjectDocument Document;
    CJudgingSession Session;
};

TEST_F(JudgingSession, OpensOnlyForAnElementWithALevelBelow)
{
    EXPECT_FALSE(Session.Open(Document, 1, 2)); // the alternatives judge nothing
    EXPECT_FALSE(Session.Open(Document, 5, 1)); // a slot not in use
    EXPECT_FALSE(Session.Open(Document, 0, 9));
    EXPECT_FALSE(Session.IsOpen());
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    EXPECT_EQ(Session.Order(), 3U);
    EXPECT_EQ(Session.JudgedName(), "ЦЕЛЬ");
    EXPECT_EQ(Session.ComparedName(2), "ЭЛЕМЕНТ_2");
    EXPECT_EQ(Session.ComparedName(3), "");
    // Opening computes what the window shows: geometric means of the rows, normalised.
    const double g[3] = {std::cbrt(15.0), 1.0, std::cbrt(1.0 / 15.0)};
    const double sum = g[0] + g[1] + g[2];
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(Session.Shown().Priority[i], g[i] / sum, 1e-15);
    }
    EXPECT_NEAR(Session.Shown().LambdaMax, 3.038511, 1e-6);
    EXPECT_FALSE(Document.Modified()); // opening alone changes nothing
}

TEST_F(JudgingSession, AJudgementWritesItsMirrorAndOnlyScaleValuesAreTaken)
{
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    EXPECT_TRUE(Session.SetJudgement(2, 0, 7));
    EXPECT_EQ(Session.Judgement(2, 0).Code(), 7);
    EXPECT_EQ(Session.Judgement(0, 2).Code(), -7);
    EXPECT_TRUE(Session.SetJudgement(1, 2, -4));
    EXPECT_EQ(Session.Judgement(2, 1).Code(), 4);
    EXPECT_TRUE(Session.SetJudgement(0, 1, 1));
    EXPECT_EQ(Session.Judgement(1, 0).Code(), 1);
    EXPECT_EQ(Session.ScaleLineFor(2, 0), 2); // "A явно важнее B"
    EXPECT_EQ(Session.ScaleLineFor(0, 2), 16);
    const CJudgementMatrix before = Session.Working();
    for (const auto& [r, c, v] : {std::tuple{1U, 1U, 3}, {0U, 3U, 3}, {0U, 1U, 0}, {0U, 1U, -1}, {0U, 1U, 10}}) {
        EXPECT_FALSE(Session.SetJudgement(r, c, v)) << r << "," << c << "=" << v;
    }
    EXPECT_EQ(Session.Working(), before);
    // Nothing reaches the element before Apply or the end of the judging.
    EXPECT_EQ(Document.Model().Goal().Judgements(2, 0).Code(), -5);
}

TEST_F(JudgingSession, ApplyRecomputesAndClosingCommitsWhateverHappened)
{
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    Session.SetJudgement(0, 1, 1);
    Session.SetJudgement(0, 2, 1);
    Session.SetJudgement(1, 2, 1);
    Session.Apply();
    EXPECT_TRUE(Document.Modified());
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(Session.Shown().Priority[i], 1.0 / 3.0, 1e-15);
        EXPECT_NEAR(Document.Results().LevelData(0, 0).Priority[i], 1.0 / 3.0, 1e-15);
    }
    // Entered after Apply and never applied: the element still gets it when the judging
    // ends, but the window's priorities stay those of the last Apply.
    Session.SetJudgement(0, 1, 9);
    Session.Close();
    EXPECT_FALSE(Session.IsOpen());
    EXPECT_EQ(Document.Model().Goal().Judgements(0, 1).Code(), 9);
    EXPECT_EQ(Document.Model().Goal().Judgements(1, 0).Code(), -9);
    EXPECT_NEAR(Session.Shown().Priority[0], 1.0 / 3.0, 1e-15);
}

TEST_F(JudgingSession, TheWorkingMatrixOutsideTheBlockIsKeptBetweenOpenings)
{
    CProjectDocument wide;
    wide.BuildNewHierarchy(5, 3, "G", "");
    ASSERT_TRUE(Session.Open(wide, 0, 0));
    Session.SetJudgement(0, 4, 6);
    Session.Close();
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    EXPECT_EQ(Session.Judgement(0, 1).Code(), 3); // the block is loaded afresh
    EXPECT_EQ(Session.Judgement(0, 4).Code(), 6); // beyond it, what the last judging left
    const std::uint64_t revision = Document.Model().Revision();
    Session.Close();
    // Only the judged block is committed: nothing beyond it, and nothing at all when the
    // block is as it was.
    EXPECT_EQ(Document.Model().Goal().Judgements(0, 4).Code(), 1);
    EXPECT_EQ(Document.Model().Revision(), revision);
}

// The verdict follows the working matrix, with that matrix's own priorities, before Apply.
TEST_F(JudgingSession, GuidanceIsForTheWorkingMatrixAsItStands)
{
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    EXPECT_TRUE(Session.Guidance().Acceptable()); // CR 0.0332 within 0.05
    Session.SetJudgement(0, 2, -5);               // rows (1, 3, 1/5), (1/3, 1, 3), (5, 1/3, 1)
    const CConsistencyGuidance guidance = Session.Guidance();
    // Every row's product is 3/5, 1 or 5/3: geometric means in the ratio of those cube roots.
    const double g[3] = {std::cbrt(0.6), 1.0, std::cbrt(5.0 / 3.0)};
    const double a[3][3] = {{1, 3, 0.2}, {1.0 / 3.0, 1, 3}, {5, 1.0 / 3.0, 1}};
    double lambda = 0.0;
    for (std::uint32_t i = 0; i < 3; ++i) {
        lambda += (a[i][0] * g[0] + a[i][1] * g[1] + a[i][2] * g[2]) / g[i] / 3.0;
    }
    EXPECT_NEAR(guidance.Measures.CR, (lambda - 3.0) / 2.0 / 0.58, 1e-12);
    EXPECT_FALSE(guidance.Acceptable());
    EXPECT_NEAR(Session.Shown().CR, 0.033199, 1e-6); // the window's measures wait for Apply
    Session.Apply();
    EXPECT_NEAR(Session.Guidance().Measures.CR, Session.Shown().CR, 1e-15);
}

// The research window's deviations rest on the working matrix's own priorities: before
// Apply they are the geometric means written here, and after Apply exactly what the
// element shows, a pair left out (least squares) too.
TEST_F(JudgingSession, WorkingPrioritiesAreThoseApplyWillShow)
{
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    Session.SetJudgement(0, 2, -5);
    const double g[3] = {std::cbrt(0.6), 1.0, std::cbrt(5.0 / 3.0)};
    const std::array<double, MaxElementsPerLevel> before = Session.WorkingPriorities();
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(before[i], g[i] / (g[0] + g[1] + g[2]), 1e-15) << i;
    }
    Session.Apply();
    // Bit for bit, over the order (what lies beyond it is never read).
    const auto same
        = [](const std::array<double, MaxElementsPerLevel>& a, const std::array<double, MaxElementsPerLevel>& b,
              std::uint32_t n) { return std::equal(a.begin(), a.begin() + n, b.begin()); };
    EXPECT_TRUE(same(Session.WorkingPriorities(), Session.Shown().Priority, 3));

    // A pair left out, in a 4 x 4 block: the priorities come from the judgements given,
    // as the results find them, before and after Apply.
    CProjectDocument document;
    document.BuildNewHierarchy(4, 3, "G", "");
    SetPair(EditableModel(document), 0, 0, 0, 2, 3);
    SetPair(EditableModel(document), 0, 0, 1, 3, -2);
    SetCell(EditableModel(document), 0, 0, 2, 3, 0);
    SetCell(EditableModel(document), 0, 0, 3, 2, 0);
    CJudgingSession session;
    ASSERT_TRUE(session.Open(document, 0, 0));
    ASSERT_EQ(document.Results().Basis(0, 0), EPrioritiesBasis::LeastSquares);
    EXPECT_TRUE(same(session.WorkingPriorities(), session.Shown().Priority, 4));
    ASSERT_TRUE(session.SetJudgement(0, 1, 4));
    const std::array<double, MaxElementsPerLevel> typed = session.WorkingPriorities();
    EXPECT_FALSE(same(typed, session.Shown().Priority, 4));
    session.Apply();
    EXPECT_TRUE(same(typed, session.Shown().Priority, 4));
}

TEST(JudgingSessionKeys, CurrentCellMovesOverOffDiagonalCellsAndTheUpperTriangle)
{
    CProjectDocument document;
    document.BuildNewHierarchy(4, 3, "G", "");
    CJudgingSession session;
    ASSERT_TRUE(session.Open(document, 0, 0));
    const auto at = [&session] { return std::pair{session.CurrentRow(), session.CurrentColumn()}; };
    EXPECT_EQ(at(), std::pair(0U, 1U));

    // Tab walks the upper triangle in reading order and comes round; Shift+Tab walks it back.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> upper;
    for (std::uint32_t r = 0; r < 4; ++r) {
        for (std::uint32_t c = r + 1; c < 4; ++c) {
            upper.emplace_back(r, c);
        }
    }
    for (std::size_t i = 1; i <= upper.size(); ++i) {
        session.NextCell();
        EXPECT_EQ(at(), upper[i % upper.size()]) << i;
    }
    for (std::size_t i = upper.size(); i-- > 0;) {
        session.PreviousCell();
        EXPECT_EQ(at(), upper[i]) << i;
    }
    // From a clicked lower or diagonal cell Tab goes on to the next upper cell of the reading order.
    for (const auto& [from, next, previous] : {std::tuple{std::pair(2U, 0U), std::pair(2U, 3U), std::pair(1U, 3U)},
             {std::pair(3U, 1U), std::pair(0U, 1U), std::pair(2U, 3U)},
             {std::pair(1U, 1U), std::pair(1U, 2U), std::pair(0U, 3U)},
             {std::pair(0U, 0U), std::pair(0U, 1U), std::pair(2U, 3U)}}) {
        session.SetCurrent(from.first, from.second);
        session.NextCell();
        EXPECT_EQ(at(), next);
        session.SetCurrent(from.first, from.second);
        session.PreviousCell();
        EXPECT_EQ(at(), previous);
    }
    session.SetCurrent(4, 0); // outside the order: ignored
    EXPECT_EQ(at(), std::pair(2U, 3U));

    // The arrows step over the diagonal and stop at the edge.
    struct CMoveCase {
        std::pair<std::uint32_t, std::uint32_t> From;
        ECellMove Move;
        std::pair<std::uint32_t, std::uint32_t> To;
    };
    for (const CMoveCase& m : {CMoveCase{{0, 1}, ECellMove::Down, {2, 1}}, {{0, 1}, ECellMove::Left, {0, 1}},
             {{0, 1}, ECellMove::Up, {0, 1}}, {{0, 1}, ECellMove::Right, {0, 2}}, {{1, 0}, ECellMove::Right, {1, 2}},
             {{2, 1}, ECellMove::Up, {0, 1}}, {{3, 2}, ECellMove::Right, {3, 2}}, {{2, 3}, ECellMove::Down, {2, 3}},
             {{3, 0}, ECellMove::Down, {3, 0}}, {{1, 1}, ECellMove::Left, {1, 0}}, {{2, 2}, ECellMove::Up, {1, 2}}}) {
        session.SetCurrent(m.From.first, m.From.second);
        session.MoveCurrent(m.Move);
        EXPECT_EQ(at(), m.To) << m.From.first << "," << m.From.second << " move " << static_cast<int>(m.Move);
    }
}

TEST(JudgingSessionKeys, TypedDigitsJudgeWithTheMirrorAndMoveOn)
{
    CProjectDocument document;
    document.BuildNewHierarchy(4, 3, "G", "");
    CJudgingSession session;
    ASSERT_TRUE(session.Open(document, 0, 0));
    // The six upper cells in one go: 3, 1/5, 7, 1, 1/2, 9.
    int set = 0;
    for (const char ch : std::string("3/57-11-29")) {
        set += session.TypeCharacter(ch) ? 1 : 0;
    }
    // "-1" sets nothing and drops the pending sign; the next 1 is plain equality.
    EXPECT_EQ(set, 6);
    const int want[4][4] = {{1, 3, -5, 7}, {-3, 1, 1, -2}, {5, 1, 1, 9}, {-7, 2, -9, 1}};
    for (std::uint32_t r = 0; r < 4; ++r) {
        for (std::uint32_t c = 0; c < 4; ++c) {
            EXPECT_EQ(session.Judgement(r, c).Code(), want[r][c]) << r << "," << c;
        }
    }
    EXPECT_EQ(session.CurrentRow(), 0U); // round to the first upper cell
    EXPECT_EQ(session.CurrentColumn(), 1U);

    // A lower cell takes a judgement for its own row; the next upper cell follows it.
    session.SetCurrent(3, 1);
    EXPECT_TRUE(session.TypeCharacter('4'));
    EXPECT_EQ(session.Judgement(3, 1).Code(), 4);
    EXPECT_EQ(session.Judgement(1, 3).Code(), -4);
    EXPECT_EQ(std::pair(session.CurrentRow(), session.CurrentColumn()), std::pair(0U, 1U));

    // Nothing on the diagonal, for 0 or a letter, and a move drops a pending '/'.
    const CJudgementMatrix before = session.Working();
    session.SetCurrent(2, 2);
    for (const char ch : std::string("50x/1")) {
        EXPECT_FALSE(session.TypeCharacter(ch)) << ch;
    }
    EXPECT_EQ(session.CurrentRow(), 2U);
    EXPECT_EQ(session.Working(), before);
    EXPECT_FALSE(session.TypeCharacter('/'));
    session.MoveCurrent(ECellMove::Right);
    EXPECT_TRUE(session.TypeCharacter('6'));
    EXPECT_EQ(session.Judgement(2, 3).Code(), 6);
}

TEST(ProjectDocument, EditsMarkItModifiedAndRefusalsDoNot)
{
    CProjectDocument document;
    document.BuildNewHierarchy(2, 3, "G", "");
    EXPECT_FALSE(document.Modified());
    EXPECT_TRUE(document.AskSaveOnClose());
    EXPECT_FALSE(document.ClosingAll());
    EXPECT_EQ(document.DeleteElement(0, 1), EStructureResult::TooFewElements);
    EXPECT_EQ(document.DeleteLevel(0), EStructureResult::NotApplicable);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.AddElement(1), EStructureResult::Done);
    EXPECT_TRUE(document.Modified());
    document.MarkSaved();
    EXPECT_TRUE(document.SetElementText(1, 1, "ИМЯ", ""));
    EXPECT_TRUE(document.Modified());
    document.MarkSaved();
    EXPECT_FALSE(document.SetElementText(0, 10, "X", "")); // outside the grid: nothing
    EXPECT_FALSE(document.Modified());
    document.ElementDoubleClicked();
    EXPECT_TRUE(document.Modified());
}
} // namespace

TEST_F(JudgingSession, ZeroLeavesThePairOutAndApplyShowsTheCompletedMatrix)
{
    ASSERT_TRUE(Session.Open(Document, 0, 0));
    EXPECT_FALSE(Session.ClearJudgement(1, 1)); // the diagonal is always judged
    EXPECT_FALSE(Session.ClearJudgement(0, 3)); // outside the order
    Session.SetCurrent(1, 2);
    EXPECT_TRUE(Session.TypeCharacter('0'));
    EXPECT_EQ(Session.CurrentRow(), 0U); // '0' moves on like any digit: round to the first
    EXPECT_EQ(Session.CurrentColumn(), 1U);
    EXPECT_EQ(Session.Judgement(1, 2).Code(), 0);
    EXPECT_EQ(Session.Judgement(2, 1).Code(), 0);
    EXPECT_TRUE(Session.IsLeftOut(2, 1));
    EXPECT_FALSE(Session.IsLeftOut(0, 1));
    // Shown figures stay until Apply.
    EXPECT_TRUE(Session.ShownMatrix().Graph.Complete());
    Session.Apply();
    EXPECT_EQ(Document.Model().Element(0, 0).Judgements(1, 2).Code(), 0);
    EXPECT_EQ(Document.Model().Element(0, 0).Judgements(2, 1).Code(), 0);
    const CMatrixPriorities& shown = Session.ShownMatrix();
    EXPECT_EQ(shown.Basis, EPrioritiesBasis::LeastSquares);
    // a01 = 3, a02 = 5 only: y = (ln 15 / 3, ln 5 / 3 - ... ) by least squares gives
    // w proportional to (15, 5, 3); the completed a12 is 5/3.
    EXPECT_NEAR(shown.Completed[1][2], 5.0 / 3.0, 1e-12);
    EXPECT_NEAR(Session.Shown().Priority[0], 15.0 / 23.0, 1e-12);
    EXPECT_NEAR(Session.Shown().CR, 0.0, 1e-12);
    // A scale digit judges the pair again.
    Session.SetCurrent(1, 2);
    EXPECT_TRUE(Session.TypeCharacter('2'));
    EXPECT_FALSE(Session.IsLeftOut(1, 2));
    // Clearing drops a pending '/': after "/", clear, "6" the next digit judges for the row.
    for (const bool byZero : {true, false}) {
        Session.SetCurrent(0, 1);
        EXPECT_FALSE(Session.TypeCharacter('/'));
        EXPECT_TRUE(Session.ReciprocalTyped());
        EXPECT_TRUE(byZero ? Session.TypeCharacter('0') : Session.ClearJudgement(0, 1));
        EXPECT_FALSE(Session.ReciprocalTyped());
        Session.SetCurrent(0, 2);
        EXPECT_TRUE(Session.TypeCharacter('6'));
        EXPECT_EQ(Session.Judgement(0, 2).Code(), 6) << byZero;
    }
}
