#include "core/model/TMatrix.h"

#include <gtest/gtest.h>

namespace {
TMatrix<int> Block4()
{
    const int cells[4][4] = {{1, 2, 3, 4}, {-2, 1, 5, 6}, {-3, -5, 1, 7}, {-4, -6, -7, 1}};
    TMatrix<int> m(9, 9);
    m.FillOnes();
    for (std::uint32_t r = 0; r < 4; ++r) {
        for (std::uint32_t c = 0; c < 4; ++c) {
            m(r, c) = cells[r][c];
        }
    }
    return m;
}
} // namespace

TEST(TMatrix, SetSizeKeepsCountsForZeroAndValueInitialises)
{
    TMatrix<int> m;
    m.SetSize(3, 4);
    EXPECT_EQ(m.RowCountInUse(), 3U);
    EXPECT_EQ(m.ColCountInUse(), 4U);
    EXPECT_EQ(m(2, 3), 0);
    m.SetSize(0, 6);
    EXPECT_EQ(m.RowCountInUse(), 3U);
    EXPECT_EQ(m.ColCountInUse(), 6U);
    m(0, 0) = 7;
    m.SetSize(5, 0);
    EXPECT_EQ(m(0, 0), 7);
    EXPECT_EQ(m(4, 5), 0);
}

TEST(TMatrix, FillOnesAndZero)
{
    TMatrix<double> d(9, 10);
    d(3, 7) = 0.5;
    d.Zero();
    EXPECT_EQ(d(3, 7), 0.0);
    TMatrix<int> m(9, 9);
    m.FillOnes();
    for (std::uint32_t r = 0; r < 9; ++r) {
        for (std::uint32_t c = 0; c < 9; ++c) {
            EXPECT_EQ(m(r, c), 1);
        }
    }
}

TEST(TMatrix, RemoveRowColOfTheWorkedBlock)
{
    TMatrix<int> m = Block4();
    m.RemoveRowCol(1, 4);
    const int expected[3][3] = {{1, 3, 4}, {-3, 1, 7}, {-4, -7, 1}};
    for (std::uint32_t r = 0; r < 3; ++r) {
        for (std::uint32_t c = 0; c < 3; ++c) {
            EXPECT_EQ(m(r, c), expected[r][c]) << r << "," << c;
        }
    }
    // Row and column n-1 keep their old values; cells beyond the block are untouched.
    EXPECT_EQ(m(3, 3), 1);
    EXPECT_EQ(m(3, 0), -4);
    EXPECT_EQ(m(0, 5), 1);
}

TEST(TMatrix, RemoveLastRowColLeavesTheRestAlone)
{
    TMatrix<int> m = Block4();
    const TMatrix<int> before = m;
    m.RemoveRowCol(3, 4);
    EXPECT_EQ(m, before);
}

TEST(TMatrix, SetRowColOnesTouchesOnlyRowAndColumnK)
{
    TMatrix<int> m = Block4();
    m.SetRowColOnes(2);
    EXPECT_EQ(m(0, 2), 1);
    EXPECT_EQ(m(1, 2), 1);
    EXPECT_EQ(m(2, 0), 1);
    EXPECT_EQ(m(2, 1), 1);
    EXPECT_EQ(m(0, 1), 2);
    EXPECT_EQ(m(1, 0), -2);
    EXPECT_EQ(m(0, 3), 4);
    EXPECT_EQ(m(3, 2), -7);
}

TEST(TMatrix, AssignFromNeverShrinks)
{
    TMatrix<int> big(9, 9);
    big.FillOnes();
    TMatrix<int> small(3, 3);
    small(2, 2) = 5;
    big.AssignFrom(small);
    EXPECT_EQ(big.RowCountInUse(), 9U);
    EXPECT_EQ(big.ColCountInUse(), 9U);
    EXPECT_EQ(big(2, 2), 5);
    EXPECT_EQ(big(8, 8), 1);
    TMatrix<int> other = Block4();
    big.AssignFrom(other);
    EXPECT_EQ(big, other);
    small.AssignFrom(other);
    EXPECT_EQ(small.RowCountInUse(), 9U);
    EXPECT_EQ(small(3, 2), -7);
}
