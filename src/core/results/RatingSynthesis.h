#pragma once

#include "core/results/CRatingResults.h"

class CHierarchy;
struct CRatingScale;

// The scores of a rated tree, the criteria's weights from the one hierarchy synthesis.
// Into results (whose storage is reused) or a new value. A tree compared in pairs gets
// the criteria's results and no scales; its scores are all 0.
void ComputeRatingResults(const CHierarchy& hierarchy, CRatingResults& results);
CRatingResults ComputeRatingResults(const CHierarchy& hierarchy);
// A scale's priorities, ideal values and order flag.
void ComputeScaleResult(const CRatingScale& scale, CScaleResult& result);
