#pragma once

#include "core/model/CHierarchy.h"
#include "core/model/CJudgement.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// An n x n matrix from the codes of its upper triangle in reading order, each mirrored
// below the diagonal, as a tree file stores a criterion's judgements.
inline CJudgementMatrix Upper(std::uint32_t n, const std::vector<int>& codes)
{
    CJudgementMatrix m = EqualJudgements(n);
    std::size_t k = 0;
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n; ++c, ++k) {
            m(r, c) = CJudgement::FromCode(codes[k]);
            m(c, r) = m(r, c).Mirror();
        }
    }
    return m;
}
