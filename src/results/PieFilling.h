#pragma once

#include "results/Synthesis.h"

class QChart;
class QChartView;
class QPieSeries;
class QWidget;

// A chart view with one pie and nothing else: no title, legend, axes or frame,
// and no panning or zooming by mouse.
QChartView* MakePieChartView(QWidget* parent, QPieSeries* series, int margin);

// One slice per row, in the rows' order: the unrounded value, the name as its
// label and the row's colour.
void FillPie(QPieSeries* series, const CResultList& rows);
