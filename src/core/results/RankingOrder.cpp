#include "core/results/RankingOrder.h"

#include <utility>

std::vector<std::uint32_t> RankingOrder(std::span<const double> values)
{
    const auto m = static_cast<std::uint32_t>(values.size());
    std::vector<std::uint32_t> order(m);
    std::vector<double> sorted(values.begin(), values.end());
    for (std::uint32_t i = 0; i < m; ++i) {
        order[i] = i;
    }
    for (std::uint32_t i = 0; i < m; ++i) {
        for (std::uint32_t j = i + 1; j < m; ++j) {
            if (sorted[i] < sorted[j]) {
                std::swap(sorted[i], sorted[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    return order;
}
