#pragma once

#include "core/model/CJudgement.h"

#include <cstdint>

// True when every cell of the 9 x 9 matrix is 1: a fresh or reset judgement matrix.
inline bool AllOnes(const TMatrix<int>& m)
{
    for (std::uint32_t r = 0; r < 9; ++r) {
        for (std::uint32_t c = 0; c < 9; ++c) {
            if (m(r, c) != 1) {
                return false;
            }
        }
    }
    return true;
}

inline bool AllOnes(const CJudgementMatrix& m)
{
    return AllOnes(CodesOf(m));
}
