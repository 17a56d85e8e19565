#include "gui/results/CAbsouteMatrixTable_Element.h"

CAbsouteMatrixTable_Element::CAbsouteMatrixTable_Element(QWidget* parent)
    : QLabel(parent)
{
    hide();
}

CAbsouteMatrixTable_Element::~CAbsouteMatrixTable_Element() = default;
