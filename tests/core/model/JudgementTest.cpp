#include "core/model/CJudgement.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Judgement, ValueAndMirrorOfEveryKind)
{
    struct Case {
        CJudgement Judgement;
        double Value;
        bool Judged;
        CJudgement Mirror;
    };
    const Case cases[] = {
        {CJudgement{}, 1.0, true, CJudgement::FromCode(1)},
        {CJudgement::FromCode(5), 5.0, true, CJudgement::FromCode(-5)},
        {CJudgement::FromCode(-4), 0.25, true, CJudgement::FromCode(4)},
        {CJudgement::NotJudged(), 0.0, false, CJudgement::NotJudged()},
        // Codes no scale offers still carry their number, as a file's codes always did.
        {CJudgement::FromCode(-1), 1.0, true, CJudgement::FromCode(1)},
        {CJudgement::FromCode(INT_MIN), 1.0 / 2147483648.0, true, CJudgement::FromCode(INT_MAX)},
        {CJudgement::Combined(2.5), 2.5, true, CJudgement::Combined(0.4)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Judgement.Value(), c.Value);
        EXPECT_EQ(c.Judgement.IsJudged(), c.Judged);
        EXPECT_EQ(c.Judgement.Mirror(), c.Mirror) << c.Judgement.Value();
    }
    EXPECT_EQ(CJudgement::Combined(2.5).Code(), 0);
    EXPECT_FALSE(CJudgement::Combined(2.0) == CJudgement::FromCode(2));
    EXPECT_FALSE(CJudgement::Combined(2.0) == CJudgement::Combined(2.5));
}

TEST(Judgement, CodesSurviveTheWayThroughJudgements)
{
    TMatrix<int> codes(9, 9);
    codes(0, 1) = 7;
    codes(1, 0) = -7;
    codes(3, 2) = INT_MIN;
    codes(8, 8) = 123;
    const CJudgementMatrix judgements = JudgementsFromCodes(codes);
    EXPECT_EQ(judgements(0, 1).Value(), 7.0);
    EXPECT_FALSE(judgements(5, 5).IsJudged());
    EXPECT_EQ(CodesOf(judgements), codes);
    CJudgementMatrix fresh(2, 2);
    EXPECT_EQ(fresh(1, 0), CJudgement{}); // a new matrix compares every pair as equal
}
