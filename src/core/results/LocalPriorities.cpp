#include "core/results/LocalPriorities.h"

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

void NormalizeVector(std::uint32_t n, double* vector)
{
    double s = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        s += vector[i];
    }
    if (s == 0.0 || !std::isfinite(s)) {
        for (std::uint32_t i = 0; i < n; ++i) {
            vector[i] = 0.0;
        }
        return;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        vector[i] = vector[i] / s;
    }
}

namespace {
std::uint32_t BlockOrder(std::uint32_t n, std::uint32_t capacity = MaxElementsPerLevel)
{
    return n > capacity ? capacity : n;
}

// One formula whatever holds the values (the judgements or a block read from them),
// so both give the same bits; value(i, j) is the number of cell (i, j).
template <typename Value> double RowMean(const Value& value, std::uint32_t order, std::uint32_t row, double exponent)
{
    double p = 1.0;
    for (std::uint32_t j = 0; j < order; ++j) {
        p = p * value(row, j);
    }
    return std::pow(p, exponent);
}

template <typename Value> void PrioritiesOf(const Value& value, std::uint32_t order, double* priority)
{
    const double exponent = 1.0 / static_cast<double>(order);
    for (std::uint32_t i = 0; i < order; ++i) {
        priority[i] = RowMean(value, order, i, exponent);
    }
    NormalizeVector(order, priority);
}

// The same sums as RowRatios, row by row: a block varied cell by cell (the suggestions)
// is not worth copying by column.
template <typename Value> CConsistency ConsistencyOf(const Value& value, std::uint32_t order, const double* priority)
{
    CConsistency result;
    double sum = 0.0;
    for (std::uint32_t i = 0; i < order; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return result;
        }
        double s = 0.0;
        for (std::uint32_t j = 0; j < order; ++j) {
            s = s + value(i, j) * priority[j];
        }
        sum = sum + s / priority[i];
    }
    const auto size = static_cast<double>(order);
    result.LambdaMax = sum / size;
    result.CI = (result.LambdaMax - size) / (size - 1.0);
    result.CR = result.CI / RandomIndexOf(order);
    if (!std::isfinite(result.LambdaMax) || !std::isfinite(result.CI) || !std::isfinite(result.CR)) {
        return CConsistency{};
    }
    return result;
}

auto ValuesOf(const CJudgementMatrix& judgements)
{
    return [&judgements](std::uint32_t i, std::uint32_t j) { return judgements(i, j).Value(); };
}

template <std::uint32_t Capacity> auto BlockOf(const TValueBlock<Capacity>& values)
{
    return [&values](std::uint32_t i, std::uint32_t j) { return values[i][j]; };
}

// Rows are taken ten at a time, two per vector register.
constexpr std::uint32_t RowGroup = 10;

// The row products of the block, two rows per step. Each row's product is still formed
// as p = p * value(row, j) for j = 0, 1, ..., so every bit is as in the scalar formula.
// All five pairs of a group are formed whatever the order (the rows past it hold numbers
// and are never read back), so the products stay in registers.
void RowProducts(const CColumnBlock& block, std::uint32_t order, double* products)
{
    for (std::uint32_t first = 0; first < order; first += RowGroup) {
#if defined(__SSE2__)
        __m128d p0 = _mm_set1_pd(1.0);
        __m128d p1 = p0;
        __m128d p2 = p0;
        __m128d p3 = p0;
        __m128d p4 = p0;
        for (std::uint32_t j = 0; j < order; ++j) {
            const double* column = block.Columns + static_cast<std::size_t>(j) * block.Stride + first;
            p0 = _mm_mul_pd(p0, _mm_loadu_pd(column));
            p1 = _mm_mul_pd(p1, _mm_loadu_pd(column + 2));
            p2 = _mm_mul_pd(p2, _mm_loadu_pd(column + 4));
            p3 = _mm_mul_pd(p3, _mm_loadu_pd(column + 6));
            p4 = _mm_mul_pd(p4, _mm_loadu_pd(column + 8));
        }
        _mm_storeu_pd(products + first, p0);
        _mm_storeu_pd(products + first + 2, p1);
        _mm_storeu_pd(products + first + 4, p2);
        _mm_storeu_pd(products + first + 6, p3);
        _mm_storeu_pd(products + first + 8, p4);
#else
        for (std::uint32_t i = first; i < first + RowGroup; ++i) {
            products[i] = 1.0;
            for (std::uint32_t j = 0; j < order; ++j) {
                products[i] = products[i] * block.Columns[static_cast<std::size_t>(j) * block.Stride + i];
            }
        }
#endif
    }
}

// (A w)_i / w_i for every row, two rows per step; each sum in the scalar order
// s = s + a_ij * w_j, then one division, as in the scalar formula.
void RowRatios(const CColumnBlock& block, std::uint32_t order, const double* priority, double* ratios)
{
    for (std::uint32_t first = 0; first < order; first += RowGroup) {
        // The priorities past the order are not numbers of this matrix: divide by 1 there.
        double divisors[RowGroup];
        for (std::uint32_t i = 0; i < RowGroup; ++i) {
            divisors[i] = first + i < order ? priority[first + i] : 1.0;
        }
#if defined(__SSE2__)
        __m128d s0 = _mm_setzero_pd();
        __m128d s1 = s0;
        __m128d s2 = s0;
        __m128d s3 = s0;
        __m128d s4 = s0;
        for (std::uint32_t j = 0; j < order; ++j) {
            const double* column = block.Columns + static_cast<std::size_t>(j) * block.Stride + first;
            const __m128d w = _mm_set1_pd(priority[j]);
            s0 = _mm_add_pd(s0, _mm_mul_pd(_mm_loadu_pd(column), w));
            s1 = _mm_add_pd(s1, _mm_mul_pd(_mm_loadu_pd(column + 2), w));
            s2 = _mm_add_pd(s2, _mm_mul_pd(_mm_loadu_pd(column + 4), w));
            s3 = _mm_add_pd(s3, _mm_mul_pd(_mm_loadu_pd(column + 6), w));
            s4 = _mm_add_pd(s4, _mm_mul_pd(_mm_loadu_pd(column + 8), w));
        }
        _mm_storeu_pd(ratios + first, _mm_div_pd(s0, _mm_loadu_pd(divisors)));
        _mm_storeu_pd(ratios + first + 2, _mm_div_pd(s1, _mm_loadu_pd(divisors + 2)));
        _mm_storeu_pd(ratios + first + 4, _mm_div_pd(s2, _mm_loadu_pd(divisors + 4)));
        _mm_storeu_pd(ratios + first + 6, _mm_div_pd(s3, _mm_loadu_pd(divisors + 6)));
        _mm_storeu_pd(ratios + first + 8, _mm_div_pd(s4, _mm_loadu_pd(divisors + 8)));
#else
        for (std::uint32_t i = 0; i < RowGroup; ++i) {
            double s = 0.0;
            for (std::uint32_t j = 0; j < order; ++j) {
                s = s + block.Columns[static_cast<std::size_t>(j) * block.Stride + first + i] * priority[j];
            }
            ratios[first + i] = s / divisors[i];
        }
#endif
    }
}
} // namespace

namespace {
template <std::uint32_t Capacity>
void ReadValues(const CJudgementMatrix& judgements, std::uint32_t n, TValueBlock<Capacity>& values)
{
    const std::uint32_t order = BlockOrder(n, Capacity);
    for (std::uint32_t i = 0; i < order; ++i) {
        for (std::uint32_t j = 0; j < order; ++j) {
            values[i][j] = judgements(i, j).Value();
        }
    }
}

template <std::uint32_t Capacity>
double GeometricMeanOf(const TValueBlock<Capacity>& values, std::uint32_t n, std::uint32_t row)
{
    const std::uint32_t order = BlockOrder(n, Capacity);
    return RowMean(BlockOf<Capacity>(values), order, row, 1.0 / static_cast<double>(order));
}
} // namespace

void ReadJudgementValues(const CJudgementMatrix& judgements, std::uint32_t n, CValueBlock& values)
{
    ReadValues<MaxElementsPerLevel>(judgements, n, values);
}

double RowGeometricMean(const CValueBlock& values, std::uint32_t n, std::uint32_t row)
{
    return GeometricMeanOf<MaxElementsPerLevel>(values, n, row);
}

void ComputeLocalPriorities(const CValueBlock& values, std::uint32_t n, double* priority)
{
    PrioritiesOf(BlockOf<MaxElementsPerLevel>(values), BlockOrder(n), priority);
}

CConsistency ComputeConsistency(const CValueBlock& values, std::uint32_t n, const double* priority)
{
    return ConsistencyOf(BlockOf<MaxElementsPerLevel>(values), BlockOrder(n), priority);
}

void ReadJudgementValues(const CJudgementMatrix& judgements, std::uint32_t n, CWideValueBlock& values)
{
    ReadValues<MaxMatrixOrder>(judgements, n, values);
}

double RowGeometricMean(const CWideValueBlock& values, std::uint32_t n, std::uint32_t row)
{
    return GeometricMeanOf<MaxMatrixOrder>(values, n, row);
}

void ComputeLocalPriorities(const CWideValueBlock& values, std::uint32_t n, double* priority)
{
    PrioritiesOf(BlockOf<MaxMatrixOrder>(values), BlockOrder(n, MaxMatrixOrder), priority);
}

CConsistency ComputeConsistency(const CWideValueBlock& values, std::uint32_t n, const double* priority)
{
    return ConsistencyOf(BlockOf<MaxMatrixOrder>(values), BlockOrder(n, MaxMatrixOrder), priority);
}

void ComputeLocalPriorities(const CJudgementMatrix& judgements, std::uint32_t n, double* priority)
{
    PrioritiesOf(ValuesOf(judgements), BlockOrder(n), priority);
}

CConsistency ComputeConsistency(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority)
{
    return ConsistencyOf(ValuesOf(judgements), BlockOrder(n), priority);
}

void ComputeLocalPriorities(const CColumnBlock& block, std::uint32_t n, double* priority)
{
    const std::uint32_t order = BlockOrder(n, MaxMatrixOrder);
    if (order == 0) {
        return;
    }
    double products[MaxMatrixOrder];
    RowProducts(block, order, products);
    const double exponent = 1.0 / static_cast<double>(order);
    for (std::uint32_t i = 0; i < order; ++i) {
        priority[i] = std::pow(products[i], exponent);
    }
    NormalizeVector(order, priority);
}

CConsistency ComputeConsistency(const CColumnBlock& block, std::uint32_t n, const double* priority)
{
    const std::uint32_t order = BlockOrder(n, MaxMatrixOrder);
    if (order == 0) {
        return CConsistency{};
    }
    for (std::uint32_t i = 0; i < order; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return CConsistency{}; // only a 0 from a file gets here: measures of 0, never a NaN
        }
    }
    double ratios[MaxMatrixOrder];
    RowRatios(block, order, priority, ratios);
    double sum = 0.0;
    for (std::uint32_t i = 0; i < order; ++i) {
        sum = sum + ratios[i];
    }
    const auto size = static_cast<double>(order);
    CConsistency result;
    result.LambdaMax = sum / size;
    result.CI = (result.LambdaMax - size) / (size - 1.0);
    result.CR = result.CI / RandomIndexOf(order);
    if (!std::isfinite(result.LambdaMax) || !std::isfinite(result.CI) || !std::isfinite(result.CR)) {
        return CConsistency{};
    }
    return result;
}

CColumnBlock ReadJudgementColumns(const CJudgementMatrix& judgements, std::uint32_t n, TColumnCopy& copy)
{
    const std::uint32_t order = BlockOrder(n, MaxMatrixOrder);
    std::size_t k = 0;
    for (std::uint32_t j = 0; j < order; ++j) {
        for (std::uint32_t i = 0; i < order; ++i) {
            copy[k++] = judgements(i, j).Value();
        }
    }
    for (std::uint32_t pad = 0; pad < RowGroup; ++pad) {
        copy[k++] = 1.0;
    }
    return CColumnBlock{copy.data(), order};
}
