#pragma once

#include <string>
#include <vector>

class QWidget;

// What a screen reader finds wrong in a window's accessible tree, walked from the window
// down through every child shown, each problem as "where: what". The window itself needs
// a window role (a dialog, a window, the application's main window) and a name; every
// control shown (button, field, list, table, slider, tab, chart ...) needs a name; no
// list item, line of text or header shown may be blank; and every table needs a header
// with a name over each of its columns (a bare number, Qt's default, names nothing).
// Any window can be walked, so a window added later is one more call.
std::vector<std::string> AccessibleTreeProblems(QWidget* window);
