#pragma once

#include "core/model/TColor.h"

#include <QColor>
#include <QString>
#include <QStringList>

class QFrame;
class QPoint;
class QRect;
class QLabel;
class QPainter;
class QWidget;

// The look the windows share for their table cells: a sunken white panel with
// centred 10-point text, hidden until its window shows it.
void StyleStaticText(QLabel* label, bool bold);

// Shows a name whole in a field of fixed size (an element box, a name cell): in the
// field's own type when it fits, otherwise in the largest smaller type that does; a name
// shown smaller, or one too long even for the smallest type, also carries itself as the
// tooltip. The text is never shortened, so whoever reads the field gets the whole name.
void SetFittedText(QLabel* field, const QString& text);

// A label in the window's bold 8-point type.
void StyleBoldLabel(QLabel* label, int pixelSize = 11);

// A sunken frame grouping controls, and a bold label at a point; both named for tests.
QFrame* MakeBevel(QWidget* parent, const char* name, const QRect& geometry);
QLabel* MakeBoldLabel(QWidget* parent, const char* name, const char* text, const QPoint& at, int pixelSize = 11);
QLabel* MakeBoldLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at, int pixelSize = 11);

// A heading that reads as one sentence over several labels, each line followed by a
// field, is translated whole: its lines parted by "\n", each field marked where it
// stands by its argument ("...\nотносительно объекта %1"). These are its first count
// lines without the arguments, trimmed (a translation with fewer lines leaves the
// last labels empty, one with more has them joined into the last label).
QStringList HeadingLines(const QString& heading, qsizetype count);

// TColor is 0x00BBGGRR.
QColor ToQColor(TColor colour);

// The user's decimal separator as the core's formatting takes it; '.' when the
// locale's separator is not a single ASCII character.
char DecimalSeparator();

// A priority, measure or deviation as the screens show it: truncated to the
// given decimals through the core, with the user's separator.
QString TruncatedText(double x, int decimals);

// The row and column numbers ("1.", "2.", ...) painted beside the tables.
void DrawTableNumber(QPainter& painter, int x, int y, int number);
