#include "gui/view/CHierarchyCanvas.h"

#include <QPaintEvent>
#include <QPainter>

CHierarchyCanvas::CHierarchyCanvas(QWidget* parent)
    : QWidget(parent)
{
    // The window's button-face background, as the links were always drawn on it.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void CHierarchyCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    if (PaintLinks) {
        PaintLinks(painter);
    }
}
