#pragma once

#include "core/results/Synthesis.h"

class QChart;
class QSizeF;
class QChartView;
class QPieSeries;
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

// The pie's size and centre for the size asked for and the offsets (-100..100), kept
// small enough, and far enough from the edges, that every slice label stays whole
// inside the plot area wherever it comes round. reach is how far a label's arm ends
// from the centre, in radii (1 + the largest slice's pull + the arm's length); label is
// the widest and the tallest label text. The offsets move the centre within the room
// the labels leave.
CPieGeometry FitPieWithLabels(
    const QSizeF& plot, const QSizeF& label, double requestedSize, double reach, int horOffset, int verOffset);

// Sizes and centres the series' pie by FitPieWithLabels, from the chart's plot area (its
// own rectangle within the margins until it is laid out) and the series' own labels;
// pulledOut is how far the largest slice stands out, in radii.
void FitPieToItsLabels(
    const QChartView* view, QPieSeries* series, double requestedSize, double pulledOut, int horOffset, int verOffset);
