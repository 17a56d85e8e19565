#pragma once

#include "core/results/CHierarchyResults.h"

class CHierarchy;

// The local results of every criterion (row geometric means when every pair is judged,
// least squares over the pairs given otherwise), then G(goal) = 1, G(c) = sum over the
// parents p of G(p) w_p(c) in node order, and both syntheses of the alternatives. For
// complete layers these are the layered project's figures bit for bit. Into results
// (whose storage is reused) or a new value.
void ComputeHierarchyResults(const CHierarchy& hierarchy, CHierarchyResults& results);
CHierarchyResults ComputeHierarchyResults(const CHierarchy& hierarchy);

// One criterion's local result from its judgements of n elements.
void ComputeNodeResult(const CJudgementMatrix& judgements, std::uint32_t n, CNodeResult& result);
