#include "core/layout/PieLabelPlaces.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr double Pi = 3.14159265358979323846;
}

bool CLabelBox::Overlaps(const CLabelBox& other) const
{
    return Left < other.Left + other.Width && other.Left < Left + Width && Top < other.Top + other.Height
        && other.Top < Top + Height;
}

CLabelBox PieLabelBox(const CPieLabel& label, double arm, double height)
{
    const double middle = label.MiddleAngle - 360.0 * std::floor(label.MiddleAngle / 360.0);
    // The chart never lets an arm point straight down: it turns it ten degrees aside.
    double armAngle = middle;
    if (armAngle > 170.0 && armAngle < 180.0) {
        armAngle = 170.0;
    } else if (armAngle > 180.0 && armAngle < 190.0) {
        armAngle = 190.0;
    }
    const double startX = label.Distance * std::sin(middle * Pi / 180.0);
    const double startY = -label.Distance * std::cos(middle * Pi / 180.0);
    const double endX = startX + arm * std::sin(armAngle * Pi / 180.0);
    const double endY = startY - arm * std::cos(armAngle * Pi / 180.0);
    const double left = armAngle < 180.0 ? endX : endX - label.Width;
    return CLabelBox{left, endY - height, label.Width, height};
}

std::vector<bool> ClearPieLabels(const std::vector<CPieLabel>& labels, double arm, double height)
{
    std::vector<std::size_t> order(labels.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
        [&labels](std::size_t a, std::size_t b) { return labels[a].Value > labels[b].Value; });
    std::vector<bool> shown(labels.size(), false);
    std::vector<CLabelBox> kept;
    for (const std::size_t i : order) {
        const CLabelBox box = PieLabelBox(labels[i], arm, height);
        if (std::none_of(kept.begin(), kept.end(), [&box](const CLabelBox& other) { return box.Overlaps(other); })) {
            kept.push_back(box);
            shown[i] = true;
        }
    }
    return shown;
}
