#include "core/results/LocalPriorities.h"

#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"

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

using TColumns = CUserProjectModel::TJudgementColumns;
constexpr std::uint32_t Padded = CUserProjectModel::ColumnLength;

// The row products of the block, two rows per step. Each row's product is still formed
// as p = p * value(row, j) for j = 0, 1, ..., so every bit is as in the scalar formula.
// All five pairs are formed whatever the order (the padding rows hold finite numbers and
// are never read), so the products stay in registers.
void RowProducts(const TColumns& columns, std::uint32_t order, double* products)
{
#if defined(__SSE2__)
    static_assert(Padded == 10, "five pairs of rows");
    __m128d p0 = _mm_set1_pd(1.0);
    __m128d p1 = p0;
    __m128d p2 = p0;
    __m128d p3 = p0;
    __m128d p4 = p0;
    for (std::uint32_t j = 0; j < order; ++j) {
        const double* column = columns[j].data();
        p0 = _mm_mul_pd(p0, _mm_loadu_pd(column));
        p1 = _mm_mul_pd(p1, _mm_loadu_pd(column + 2));
        p2 = _mm_mul_pd(p2, _mm_loadu_pd(column + 4));
        p3 = _mm_mul_pd(p3, _mm_loadu_pd(column + 6));
        p4 = _mm_mul_pd(p4, _mm_loadu_pd(column + 8));
    }
    _mm_storeu_pd(products, p0);
    _mm_storeu_pd(products + 2, p1);
    _mm_storeu_pd(products + 4, p2);
    _mm_storeu_pd(products + 6, p3);
    _mm_storeu_pd(products + 8, p4);
#else
    for (std::uint32_t i = 0; i < order; ++i) {
        products[i] = 1.0;
    }
    for (std::uint32_t j = 0; j < order; ++j) {
        for (std::uint32_t i = 0; i < order; ++i) {
            products[i] = products[i] * columns[j][i];
        }
    }
#endif
}

// (A w)_i / w_i for every row, two rows per step; each sum in the scalar order
// s = s + a_ij * w_j, then one division, as in the scalar formula.
void RowRatios(const TColumns& columns, std::uint32_t order, const double* priority, double* ratios)
{
#if defined(__SSE2__)
    __m128d s0 = _mm_setzero_pd();
    __m128d s1 = s0;
    __m128d s2 = s0;
    __m128d s3 = s0;
    __m128d s4 = s0;
    for (std::uint32_t j = 0; j < order; ++j) {
        const double* column = columns[j].data();
        const __m128d w = _mm_set1_pd(priority[j]);
        s0 = _mm_add_pd(s0, _mm_mul_pd(_mm_loadu_pd(column), w));
        s1 = _mm_add_pd(s1, _mm_mul_pd(_mm_loadu_pd(column + 2), w));
        s2 = _mm_add_pd(s2, _mm_mul_pd(_mm_loadu_pd(column + 4), w));
        s3 = _mm_add_pd(s3, _mm_mul_pd(_mm_loadu_pd(column + 6), w));
        s4 = _mm_add_pd(s4, _mm_mul_pd(_mm_loadu_pd(column + 8), w));
    }
    // The priorities past the order are not numbers of this matrix: divide by 1 there.
    double divisors[Padded];
    for (std::uint32_t i = 0; i < Padded; ++i) {
        divisors[i] = i < order ? priority[i] : 1.0;
    }
    _mm_storeu_pd(ratios, _mm_div_pd(s0, _mm_loadu_pd(divisors)));
    _mm_storeu_pd(ratios + 2, _mm_div_pd(s1, _mm_loadu_pd(divisors + 2)));
    _mm_storeu_pd(ratios + 4, _mm_div_pd(s2, _mm_loadu_pd(divisors + 4)));
    _mm_storeu_pd(ratios + 6, _mm_div_pd(s3, _mm_loadu_pd(divisors + 6)));
    _mm_storeu_pd(ratios + 8, _mm_div_pd(s4, _mm_loadu_pd(divisors + 8)));
#else
    for (std::uint32_t i = 0; i < order; ++i) {
        double s = 0.0;
        for (std::uint32_t j = 0; j < order; ++j) {
            s = s + columns[j][i] * priority[j];
        }
        ratios[i] = s / priority[i];
    }
#endif
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

void ComputeLocalPriorities(const CUserProjectModel& project, CProjectResults& results, std::uint32_t position,
    std::uint32_t level, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels || n > MaxElementsPerLevel || n == 0) {
        return;
    }
    double products[Padded];
    RowProducts(project.JudgementColumns(position, level), n, products);
    double* priority = results.LevelData(position, level).Priority.data();
    const double exponent = 1.0 / static_cast<double>(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        priority[i] = std::pow(products[i], exponent);
    }
    NormalizeVector(n, priority);
}

void ComputeConsistency(const CUserProjectModel& project, CProjectResults& results, std::uint32_t position,
    std::uint32_t level, std::uint32_t n)
{
    if (position >= MaxElementsPerLevel || level >= MaxLevels || n > MaxElementsPerLevel) {
        return;
    }
    TDesicionLevelData& record = results.LevelData(position, level);
    const double* priority = record.Priority.data();
    record.LambdaMax = 0.0;
    record.CI = 0.0;
    record.CR = 0.0;
    if (n == 0) {
        return;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        if (priority[i] == 0.0 || !std::isfinite(priority[i])) {
            return; // only a 0 from a file gets here: measures of 0, never a NaN
        }
    }
    double ratios[Padded];
    RowRatios(project.JudgementColumns(position, level), n, priority, ratios);
    double sum = 0.0;
    for (std::uint32_t i = 0; i < n; ++i) {
        sum = sum + ratios[i];
    }
    const auto size = static_cast<double>(n);
    const double lambdaMax = sum / size;
    const double ci = (lambdaMax - size) / (size - 1.0);
    const double cr = ci / RandomIndex[n];
    if (std::isfinite(lambdaMax) && std::isfinite(ci) && std::isfinite(cr)) {
        record.LambdaMax = lambdaMax;
        record.CI = ci;
        record.CR = cr;
    }
}
