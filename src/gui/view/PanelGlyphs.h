#pragma once

#include <QIcon>

// The glyphs of the project window's tool panel, drawn in code; a checked button
// shows its state by its sunken look.
namespace PanelGlyphs {
QIcon Orientation();
QIcon EditMode();
QIcon ExpertMode();
QIcon ResultsView();
QIcon Clone();
} // namespace PanelGlyphs
