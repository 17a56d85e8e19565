#include "judgement/CExpertTable_Element.h"

#include <QMouseEvent>

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
