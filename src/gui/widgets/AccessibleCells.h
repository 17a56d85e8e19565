#pragma once

class QAbstractItemView;

// A view's accessible interface keeps one interface per cell it was asked for, found
// again by the cell's place among the view's children. Qt moves or drops those cells
// when rows and columns come and go only while accessibility is active; a view refilled
// while it is not (no screen reader yet, or one that was stopped) keeps cells of its old
// content, which then answer for cells the view no longer has: no text, no place among
// the children, or another cell's place. With this, such a view drops its cells on every
// change of its rows or columns while accessibility is off, and makes them anew from
// what it shows when asked.
void KeepAccessibleCellsInStep(QAbstractItemView& view);
