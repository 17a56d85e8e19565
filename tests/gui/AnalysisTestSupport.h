#pragma once

// Shared by the analysis window and report tests: the figures worked out here from the
// judgements alone (row geometric means, the synthesis top-down, moved weights and their
// crossings), never through the program's own functions, and the text a screen or a
// report shows for them.

#include "core/model/CUserProjectModel.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace analysistest {

using Vector = std::vector<double>;

inline double Value(int code)
{
    return code >= 0 ? code : 1.0 / -code;
}

inline std::uint32_t Count(const CUserProjectModel& m, std::uint32_t level)
{
    return level == 0 ? 1U : m.ElementsInLevelChecked(level);
}

// The local priorities of the element's children: normalised row geometric means.
inline Vector Local(const CUserProjectModel& m, std::uint32_t position, std::uint32_t level)
{
    const std::uint32_t n = Count(m, level + 1);
    Vector w(n);
    double sum = 0.0;
    for (std::uint32_t r = 0; r < n; ++r) {
        double product = 1.0;
        for (std::uint32_t c = 0; c < n; ++c) {
            product *= Value(m.Element(position, level).Judgements(r, c).Code());
        }
        w[r] = std::pow(product, 1.0 / n);
        sum += w[r];
    }
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

struct CMeasures {
    double LambdaMax = 0.0;
    double CI = 0.0;
    double CR = 0.0;
};
inline CMeasures Consistency(const CUserProjectModel& m, std::uint32_t position, std::uint32_t level)
{
    static constexpr double RandomIndex[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45};
    const Vector w = Local(m, position, level);
    const auto n = static_cast<std::uint32_t>(w.size());
    double lambda = 0.0;
    for (std::uint32_t r = 0; r < n; ++r) {
        double s = 0.0;
        for (std::uint32_t c = 0; c < n; ++c) {
            s += Value(m.Element(position, level).Judgements(r, c).Code()) * w[c];
        }
        lambda += s / w[r];
    }
    lambda /= n;
    const double ci = (lambda - n) / (n - 1.0);
    return {lambda, ci, ci / RandomIndex[n]};
}

// The weights of level l + 1 that the weights of level l give through their local priorities.
inline Vector StepDown(const CUserProjectModel& m, std::uint32_t l, const Vector& weights)
{
    Vector next(Count(m, l + 1), 0.0);
    for (std::uint32_t k = 0; k < weights.size(); ++k) {
        const Vector local = Local(m, k, l);
        for (std::uint32_t e = 0; e < next.size(); ++e) {
            next[e] += local[e] * weights[k];
        }
    }
    return next;
}

// The final priorities with the given weights on `level`, synthesised downward.
inline Vector Downward(const CUserProjectModel& m, std::uint32_t level, Vector weights)
{
    for (std::uint32_t l = level; l + 1 < m.LevelCount(); ++l) {
        weights = StepDown(m, l, weights);
    }
    return weights;
}

// The global priorities of one level.
inline Vector Global(const CUserProjectModel& m, std::uint32_t level)
{
    Vector weights{1.0};
    for (std::uint32_t l = 0; l < level; ++l) {
        weights = StepDown(m, l, weights);
    }
    return weights;
}

// The weights with element e moved to x, the others keeping their proportions.
inline Vector Moved(const Vector& weights, std::uint32_t e, double x)
{
    Vector moved(weights.size());
    for (std::uint32_t k = 0; k < weights.size(); ++k) {
        moved[k] = k == e ? x : weights[k] * (1.0 - x) / (1.0 - weights[e]);
    }
    return moved;
}

// Two alternatives changing places as the weight of one element moves over (0, 1).
struct CPlaceChange {
    double Weight = 0.0;
    std::uint32_t First = 0;
    std::uint32_t Second = 0;
    std::uint32_t LeaderAfter = 0;
};
inline std::vector<CPlaceChange> PlaceChanges(const CUserProjectModel& m, std::uint32_t level, std::uint32_t e)
{
    const Vector weights = Global(m, level);
    const Vector at0 = Downward(m, level, Moved(weights, e, 0.0));
    const Vector at1 = Downward(m, level, Moved(weights, e, 1.0));
    std::vector<CPlaceChange> changes;
    for (std::uint32_t i = 0; i < at0.size(); ++i) {
        for (std::uint32_t j = i + 1; j < at0.size(); ++j) {
            // (at0 - at1) difference of i over j at x: d0 + x (d1 - d0), zero at x = d0 / (d0 - d1).
            const double d0 = at0[i] - at0[j];
            const double d1 = at1[i] - at1[j];
            if (std::fabs(d0 - d1) < 1e-12) {
                continue;
            }
            const double x = d0 / (d0 - d1);
            if (x > 0.0 && x < 1.0) {
                changes.push_back({x, i, j, d1 > d0 ? i : j});
            }
        }
    }
    std::stable_sort(changes.begin(), changes.end(), [](const auto& a, const auto& b) { return a.Weight < b.Weight; });
    return changes;
}

// The place change that involves the leader nearest to its element's present weight,
// over every middle element: level, element, the change.
struct CNearest {
    std::uint32_t Level = 0;
    std::uint32_t Position = 0;
    double From = 0.0;
    CPlaceChange Change;
};
inline std::optional<CNearest> NearestLeaderChange(const CUserProjectModel& m)
{
    const Vector final = Global(m, m.LevelCount() - 1);
    const auto leader = static_cast<std::uint32_t>(std::max_element(final.begin(), final.end()) - final.begin());
    std::optional<CNearest> nearest;
    for (std::uint32_t l = 1; l + 1 < m.LevelCount(); ++l) {
        const Vector weights = Global(m, l);
        for (std::uint32_t e = 0; e < weights.size(); ++e) {
            for (const CPlaceChange& change : PlaceChanges(m, l, e)) {
                if (change.First != leader && change.Second != leader) {
                    continue;
                }
                const double distance = std::fabs(change.Weight - weights[e]);
                if (!nearest || distance < std::fabs(nearest->Change.Weight - nearest->From)) {
                    nearest = CNearest{l, e, weights[e], change};
                }
            }
        }
    }
    return nearest;
}

// A priority as the screens and the report show it: cut (not rounded) to four decimals.
inline QString Cut4(double value)
{
    return QString::number(std::floor(value * 10000.0 + 1e-9) / 10000.0, 'g', 15)
        .replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// A judgement as the comparison window shows it.
inline QString Cell(int code)
{
    return code >= 0 ? QString::number(code) : QStringLiteral("1/%1").arg(-code);
}

inline QString Name(const CUserProjectModel& m, std::uint32_t position, std::uint32_t level)
{
    return QString::fromStdString(m.Element(position, level).Name);
}

} // namespace analysistest
