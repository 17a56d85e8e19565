#pragma once

#include "core/model/CJudgement.h"
#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"

#include <array>
#include <cstdint>

// Indexed by the matrix order n itself; entries 0..2 keep the division defined.
inline constexpr std::array<double, 11> RandomIndex{10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
// The table up to 10; above it RI(n) = (1.7699 n - 4.3513) / (n - 1) (Alonso and Lamata).
constexpr double RandomIndexOf(std::uint32_t n)
{
    if (n < RandomIndex.size()) {
        return RandomIndex[n];
    }
    const auto size = static_cast<double>(n);
    return (1.7699 * size - 4.3513) / (size - 1.0);
}

// Divides entries 0..n-1 by their sum; a zero or non-finite sum gives zeros.
void NormalizeVector(std::uint32_t n, double* vector);

// Normalised row geometric means of the leading n x n block.
void ComputeLocalPriorities(const CJudgementMatrix& judgements, std::uint32_t n, double* priority);

struct CConsistency {
    double LambdaMax = 0.0;
    double CI = 0.0;
    double CR = 0.0;
};
// From the block and the priorities already computed; a zero priority (possible
// only with a 0 read from a file) gives all three measures 0.
CConsistency ComputeConsistency(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority);

// The numeric values of a leading n x n block (n at most 9), read once. The functions
// above run on such a block, so a caller that varies a cell or two (the consistency
// suggestions) gets exactly the figures the element would get.
template <std::uint32_t Capacity> using TValueBlock = std::array<std::array<double, Capacity>, Capacity>;
using CValueBlock = TValueBlock<MaxElementsPerLevel>;
void ReadJudgementValues(const CJudgementMatrix& judgements, std::uint32_t n, CValueBlock& values);
// The row's geometric mean, before normalising: pow(product of the row, 1 / n).
double RowGeometricMean(const CValueBlock& values, std::uint32_t n, std::uint32_t row);
void ComputeLocalPriorities(const CValueBlock& values, std::uint32_t n, double* priority);
CConsistency ComputeConsistency(const CValueBlock& values, std::uint32_t n, const double* priority);

// The same on a block of any matrix of a hierarchy (n at most 20): one formula, so a
// block of 9 or fewer gives the bits of the functions above.
using CWideValueBlock = TValueBlock<MaxMatrixOrder>;
void ReadJudgementValues(const CJudgementMatrix& judgements, std::uint32_t n, CWideValueBlock& values);
double RowGeometricMean(const CWideValueBlock& values, std::uint32_t n, std::uint32_t row);
void ComputeLocalPriorities(const CWideValueBlock& values, std::uint32_t n, double* priority);
CConsistency ComputeConsistency(const CWideValueBlock& values, std::uint32_t n, const double* priority);

// A block held by columns, as the synthesis reads a matrix: the number of cell (i, j) at
// Columns[j * Stride + i], Stride at least the order. Rows are read ten at a time, two per
// vector register, so the ten numbers from each group's first row of every column must be
// readable (the next column's, or padding after the last); those past the order are never
// used. Each row's product and sum is still formed in the plain formula's order, so these
// give the bits of the functions above (which go row by row: the suggestions vary a block
// cell by cell, and a copy by column each time would cost them more than it saves).
struct CColumnBlock {
    const double* Columns = nullptr;
    std::uint32_t Stride = 0;
};
void ComputeLocalPriorities(const CColumnBlock& block, std::uint32_t n, double* priority);
CConsistency ComputeConsistency(const CColumnBlock& block, std::uint32_t n, const double* priority);

// Room for the numbers of a block of up to 20 by column and the padding after them.
using TColumnCopy = std::array<double, MaxMatrixOrder * MaxMatrixOrder + 10>;
// The leading n x n block's numbers (n cut to 20), column after column, into copy.
CColumnBlock ReadJudgementColumns(const CJudgementMatrix& judgements, std::uint32_t n, TColumnCopy& copy);
