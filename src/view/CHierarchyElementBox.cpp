#include "view/CHierarchyElementBox.h"

#include "view/TUserProject.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace {
constexpr int BoxFontPointSize = 10;
} // namespace

CHierarchyElementBox::CHierarchyElementBox(
    TUserProject& project, std::uint32_t position, std::uint32_t level, QWidget* parent)
    : QLabel(parent)
    , Project(project)
    , SlotPosition(position)
    , SlotLevel(level)
{
    // The style never changes, so it is set once rather than on every layout.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    QFont boxFont = font();
    boxFont.setPointSize(BoxFontPointSize);
    setFont(boxFont);
    setTextFormat(Qt::PlainText);
    hide();
}

void CHierarchyElementBox::mousePressEvent(QMouseEvent* event)
{
    // Any button makes the element current, so the menu and the double-click act on it.
    const QPointer<CHierarchyElementBox> alive(this);
    Project.ElementMouseDown(SlotPosition, SlotLevel);
    if (alive) {
        event->accept();
    }
}

void CHierarchyElementBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPointer<CHierarchyElementBox> alive(this);
    if (!Project.ElementMouseDown(SlotPosition, SlotLevel)) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        Project.ElementDoubleClick();
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
