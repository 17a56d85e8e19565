#pragma once

#include "core/model/ModelConstants.h"

#include <array>

// Results of one element: its local priorities of the next level and their consistency.
class TDesicionLevelData {
public:
    double LambdaMax = 0.0;
    double CI = 0.0;
    double CR = 0.0;
    std::array<double, MaxElementsPerLevel> Priority{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
};
