#include "gui/view/CHierarchyElementBox.h"

#include "core/layout/LayoutGeometry.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace {
constexpr int BoxFontPointSize = 10;
} // namespace

CHierarchyElementBox::CHierarchyElementBox(std::uint32_t position, std::uint32_t level, QWidget* parent)
    : QLabel(parent)
    , SlotPosition(position)
    , SlotLevel(level)
{
    // The style never changes, so it is set once rather than on every layout.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    // Its own white, not the canvas's grey, which a child takes over unless told otherwise.
    setBackgroundRole(QPalette::Window);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    QFont boxFont = font();
    boxFont.setPointSize(BoxFontPointSize);
    setFont(boxFont);
    setTextFormat(Qt::PlainText);
    // Its size never changes; names are fitted to it.
    resize(position == 0 && level == 0 ? GoalBoxWidth : ElementBoxWidth, ElementBoxHeight);
    hide();
}

void CHierarchyElementBox::mousePressEvent(QMouseEvent* event)
{
    // Any button makes the element current, so the menu and the double-click act on it.
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (alive) {
        event->accept();
    }
}

void CHierarchyElementBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The owner may close its window on either signal (the fatal model error).
    const QPointer<CHierarchyElementBox> alive(this);
    emit Pressed(SlotPosition, SlotLevel);
    if (alive && event->button() == Qt::LeftButton) {
        emit DoubleClicked();
    }
    if (alive) {
        event->accept();
    }
}

void CHierarchyElementBox::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (ContextMenu != nullptr) {
        ContextMenu->popup(event->globalPos());
    }
}
