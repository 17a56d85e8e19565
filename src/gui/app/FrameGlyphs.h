#pragma once

#include <QIcon>

// The glyphs of the frame's tool panel, drawn in code: the style's standard icons are
// looked up through the icon theme and loaded from files at several sizes, which made
// them the largest single cost of starting the program.
namespace FrameGlyphs {
enum class EGlyph {
    NewProject,
    OpenProject,
    OpenTemplate,
    SaveProject,
    CloseProject,
    PrintProject,
    PreviousProject,
    NextProject,
    Exit,
};
QIcon Glyph(EGlyph glyph);
} // namespace FrameGlyphs
