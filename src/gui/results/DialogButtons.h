#pragma once

#include <Qt>

class QBoxLayout;
class QPushButton;
class QString;
class QToolButton;
class QWidget;

// A flat arrow button stepping through what a window shows; an arrow alone says nothing
// to a screen reader, so the hint is its tooltip and its accessible name.
QToolButton* MakeStepButton(QWidget* parent, const char* name, const QString& hint, Qt::ArrowType arrow);

// "Закрыть" at the right end of a row added under the window's rows; never the default
// button, so Return stays with the control that has the focus.
QPushButton* AddCloseButton(QWidget* window, QBoxLayout* rows);
