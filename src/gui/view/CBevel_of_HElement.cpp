#include "gui/view/CBevel_of_HElement.h"

CBevel_of_HElement::CBevel_of_HElement(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    // The frame is decoration: presses go to the canvas, never eaten by the frame.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}
