#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The places of a ranking of any length: the indices of values, largest value first, by
// the exchange procedure the results table has always used (equal values are never
// exchanged, so their order is the one that procedure leaves).
std::vector<std::uint32_t> RankingOrder(std::span<const double> values);
