#pragma once

#include "core/results/LocalPriorities.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class CProjectResults;
class CUserProjectModel;

// The largest CR still taken as consistent enough: 0.05 for 3 elements, 0.08 for 4,
// 0.10 from 5 on. A pair is always consistent (its CR is 0); it gets the limit of 3.
double ConsistencyRatioLimit(std::uint32_t n);
// The geometric consistency index's limit: 0.31, 0.35, 0.37 as above; none for a pair.
std::optional<double> GeometricIndexLimit(std::uint32_t n);

// The geometric consistency index of the geometric-mean priorities w:
// 2 / ((n-1)(n-2)) * sum over i < j of ln^2(a_ij * w_j / w_i). None for n < 3 and
// for a zero or non-finite term (a 0 read from a file). On a layered element's block and
// on any matrix of a hierarchy (n at most 20).
std::optional<double> GeometricConsistencyIndex(const CValueBlock& values, std::uint32_t n, const double* priority);
std::optional<double> GeometricConsistencyIndex(const CWideValueBlock& values, std::uint32_t n, const double* priority);

// One judgement to change: the cell (Row, Column) above the diagonal, its code now and
// the code proposed, with the measures the matrix would have after that one change.
struct CSuggestion {
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    std::int32_t Current = 1;
    std::int32_t Proposed = 1;
    double CrAfter = 0.0;
    std::optional<double> GciAfter; // none for a pair
    // The change alone brings the CR within its limit.
    bool Reaches = false;
    // The other element of the pair becomes the more important one (a 1 on either side
    // is no reversal).
    bool Reverses = false;
    // What the other judgements say of the pair: w_i / w_j of their least-squares
    // priorities with the pair left out, and that ratio as the scale's judgement (whole
    // ratios, so 2.7 is 3 and 1/2.7 is 1/3). None when without the pair they do not
    // connect the elements.
    std::optional<double> ImpliedRatio;
    std::int32_t Implied = 1;
    // The other judgements put the pair on the other side of equality from its judgement:
    // it was probably entered the wrong way round. Then, when the implied judgement
    // brings the CR within its limit, it is the one proposed.
    bool ProbablyReversed = false;
};

// The judgement of the scale nearest a ratio: the whole number nearest it (or nearest its
// inverse, as a reciprocal) up to 9; equality for ratios nearer 1 than 2.
std::int32_t ScaleCodeOfRatio(double ratio);

inline constexpr std::uint32_t MaxSuggestions = 3;

enum class EConsistencyVerdict {
    Acceptable,    // CR within its limit
    NotAcceptable, // CR above it
    Undetermined,  // the block holds a 0: its measures mean nothing
};

// Everything the research window and the reports show about one judgement matrix.
struct CConsistencyGuidance {
    std::uint32_t Order = 0;
    CConsistency Measures; // as ComputeConsistency gives them
    double CrLimit = 0.0;
    EConsistencyVerdict Verdict = EConsistencyVerdict::Acceptable;
    std::optional<double> Gci;
    std::optional<double> GciLimit;
    bool HoldsZero = false; // then no GCI and no suggestions
    // Pairs are left out and the judged ones connect the elements: the measures and the
    // verdict are those of the completed matrix, there is no GCI, and the suggestions
    // change judged cells only.
    bool Completed = false;
    // Pairs are left out and the judged ones do not connect the elements: no verdict.
    bool NotConnected = false;
    std::uint32_t SuggestionCount = 0;
    std::array<CSuggestion, MaxSuggestions> Suggestions{};

    [[nodiscard]] bool Acceptable() const { return Verdict == EConsistencyVerdict::Acceptable; }
};

// The verdict and up to three suggestions for the leading n x n block of judgements,
// with its priorities w as ComputeLocalPriorities gives them. Suggestions are made only
// for a block of order 3 or more, without a 0, whose CR is above its limit. Every cell
// above the diagonal tries each other judgement of the scale (1/9 .. 1/2, 1, 2 .. 9)
// with its mirror, the priorities and CR computed again exactly as the element would
// compute them. Of the values that bring the CR within the limit the cell proposes the
// one nearest its present judgement (|ln| of the values apart), equally near ones the
// lower CR; if none does, the value with the lowest CR, equal ones the nearer. A full tie
// keeps the smaller value. A cell whose proposal does not lower the CR proposes nothing.
// A suggested cell that the other judgements put the other way round (its implied
// judgement, above) proposes that implied judgement instead when it reaches the limit.
// The cells that reach come first, nearest change first, then lower CR; the others follow
// by CR after, then nearness; then row, then column. Figures within 1e-9 count as equal.
// Allocates nothing. A block with pairs left out takes its own least-squares priorities
// (priority is not read), is judged by its completed matrix and varies only the judged
// cells; one whose judged pairs do not connect the elements has no verdict. n is at most
// 20 (any matrix of a hierarchy); a larger one is cut to 20.
CConsistencyGuidance GuideConsistency(const CJudgementMatrix& judgements, std::uint32_t n, const double* priority);
// The same for an element of a project, from its stored judgements; its priorities are
// computed afresh. Nothing for the bottom level or a slot outside the hierarchy.
CConsistencyGuidance GuideConsistency(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level);

// Writes a suggestion into a working matrix with its mirror cell, as the scale window
// writes a chosen judgement: v and -v, or 1 and 1.
void ApplySuggestion(CJudgementMatrix& working, const CSuggestion& suggestion);

// A judged element whose matrix is not acceptable: its CR above the limit of its order.
struct CUnacceptableMatrix {
    std::uint32_t Level = 0;
    std::uint32_t Position = 0;
    double Cr = 0.0;
    double CrLimit = 0.0;
    bool Completed = false; // Cr is that of the completed matrix
};

// The judged elements whose matrices are not acceptable, level by level, then by position,
// with the CR the results hold for them. The verdict is the research window's: a block
// with pairs left out is judged by its completed matrix; one holding a foreign file's 0
// or without priorities has no verdict, so it is not listed.
std::vector<CUnacceptableMatrix> UnacceptableMatrices(const CUserProjectModel& project, const CProjectResults& results);
// How many elements of the project judge the level below them: its matrices.
std::uint32_t JudgedMatrixCount(const CUserProjectModel& project);

// The same for a hierarchy of either shape: its judged nodes (a single child is not
// judged) whose CR is above the limit of their order, in node order.
struct CUnacceptableNode {
    std::uint32_t Node = 0;
    double Cr = 0.0;
    double CrLimit = 0.0;
    bool Completed = false; // Cr is that of the completed matrix
};
std::vector<CUnacceptableNode> UnacceptableNodes(const CHierarchy& hierarchy, const CHierarchyResults& results);
// How many nodes judge what is below them: the hierarchy's matrices.
std::uint32_t JudgedMatrixCount(const CHierarchy& hierarchy, const CHierarchyResults& results);
