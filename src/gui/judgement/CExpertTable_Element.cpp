#include "gui/judgement/CExpertTable_Element.h"

#include <QMouseEvent>
#include <QPainter>

CExpertTable_Element::CExpertTable_Element(QWidget* parent)
    : QLabel(parent)
{
    hide();
}

CExpertTable_Element::~CExpertTable_Element() = default;

void CExpertTable_Element::mousePressEvent(QMouseEvent* event)
{
    // Any button makes the cell current.
    emit Pressed(this);
    event->accept();
}

void CExpertTable_Element::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click also makes the cell current.
    emit Pressed(this);
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked(this);
    }
    event->accept();
}

void CExpertTable_Element::SetCurrent(bool current)
{
    if (Current != current) {
        Current = current;
        update();
    }
}

void CExpertTable_Element::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!Current) {
        return;
    }
    // Over the cell's own border, so the text keeps its room.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
    const qreal half = FocusFrameWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
