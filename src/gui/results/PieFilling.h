#pragma once

#include "core/results/Synthesis.h"

class QChart;
class QSizeF;
class QChartView;
class QPieSeries;
class QPieSlice;
class QString;
class QWidget;

// A chart view with one pie and nothing else: no title, legend, axes or frame,
// and no panning or zooming by mouse.
QChartView* MakePieChartView(QWidget* parent, QPieSeries* series, int margin);

// One slice per row, in the rows' order: the unrounded value, the name as its
// label and the row's colour.
void FillPie(QPieSeries* series, const CResultList& rows);

struct CPieGeometry {
    double Size = 0;               // the pie's diameter over the plot area's smaller side
    double HorizontalPosition = 0; // the centre, as a fraction of the plot area
    double VerticalPosition = 0;
};

// The pie at the size asked for, less what its pulled-out slice needs (body: 1 + the pull,
// in radii) so the whole pie stays in view, never changed to make room for labels; its
// centre moved by the offsets (-100..100) in proportion, at most until the pie meets the
// plot area's edge. So every step of the size, the pull and each offset moves the pie.
CPieGeometry PlacePie(const QSizeF& plot, double requestedSize, double body, int horOffset, int verOffset);

// The room a slice label has outside the pie wherever it comes round: from the circle its
// arm ends on (reach, in radii) to the nearest edge of the plot area, across and down.
QSizeF PieLabelRoom(const QSizeF& plot, const CPieGeometry& pie, double reach);

// How the labels are shown in the room they have: whole at the normal size if they fit,
// else at a smaller font down to a floor, else cut short with "…" (the whole name stays
// the slice's tooltip), else inside the slices. Returns the font's pixel size used.
struct CPieLabels {
    int PixelSize = 0;
    bool Inside = false;
};

// Places the series' pie by PlacePie in the chart's plot area (its own rectangle within
// the margins until it is laid out), then shows its labels as above; pulledOut is how far
// the largest slice stands out, in radii.
CPieLabels FitPieToItsLabels(
    const QChartView* view, QPieSeries* series, double requestedSize, double pulledOut, int horOffset, int verOffset);

// More slices than a layered level has: only the labels that keep clear of each other
// show, the largest slices' first (the table beside the pie names the rest). Fewer slices
// keep every label. Called again whenever the pie turns, grows or moves.
void HideCrowdedLabels(const QChartView* view, QPieSeries* series);

// A pie that no bar sizes: as large as largestSize allows once every label shows whole
// inside the plot area wherever it comes round, centred.
CPieGeometry FitPieWithLabels(
    const QSizeF& plot, const QSizeF& label, double requestedSize, double reach, int horOffset, int verOffset);
void ShrinkPieToItsLabels(const QChartView* view, QPieSeries* series, double largestSize);

// The whole name of a slice, whatever its label shows.
QString SliceName(const QPieSlice* slice);
