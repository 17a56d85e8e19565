#pragma once

#include <vector>

// One slice's label as the chart draws it outside the pie: an arm from the slice's edge
// at its middle, then the text beside the arm's end, right of it on the right half and
// left of it on the left half, standing on the arm's level.
struct CPieLabel {
    double MiddleAngle = 0; // degrees clockwise from twelve o'clock
    double Distance = 0;    // from the pie's centre to where the arm starts
    double Value = 0;       // the slice's value: larger slices keep their labels first
    double Width = 0;       // the text's width
};

// A rectangle around the pie's centre (y grows downwards).
struct CLabelBox {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    [[nodiscard]] bool Overlaps(const CLabelBox& other) const;
};

// Where a label's text stands for an arm of the length given and a text of the height given.
CLabelBox PieLabelBox(const CPieLabel& label, double arm, double height);

// Which labels show so that no two overlap: largest slice first (the earlier of equal
// ones), each kept when it keeps clear of every label kept before it. A slice whose label
// is left out is named by the table beside the pie.
std::vector<bool> ClearPieLabels(const std::vector<CPieLabel>& labels, double arm, double height);
