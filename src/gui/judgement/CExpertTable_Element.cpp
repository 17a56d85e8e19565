#include "gui/judgement/CExpertTable_Element.h"

#include <QContextMenuEvent>
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

void CExpertTable_Element::contextMenuEvent(QContextMenuEvent* event)
{
    emit ContextMenuAsked(this, event->globalPos());
    event->accept();
}

void CExpertTable_Element::SetCompletedText(const QString& text)
{
    if (Completed != text) {
        Completed = text;
        // The "—" moves up to the left corner, the value takes the lower right one.
        setAlignment(text.isEmpty() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        setIndent(text.isEmpty() ? -1 : DashIndent);
        update();
    }
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
    QPainter painter(this);
    if (!Completed.isEmpty()) {
        // Never touching the dash, so that "—" and "3.1" cannot read as one figure: the
        // value sits lower, and its type shrinks until a gap is left beside the dash.
        const QRect room = contentsRect().adjusted(0, 0, -2, 0);
        const int dashRight = room.left() + DashIndent + fontMetrics().horizontalAdvance(text());
        QFont small = font();
        small.setBold(false);
        for (int size = 9; size >= 6; --size) {
            small.setPixelSize(size);
            if (room.right() - QFontMetrics(small).horizontalAdvance(Completed) >= dashRight + CompletedGap) {
                break;
            }
        }
        painter.setFont(small);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawText(room, Qt::AlignRight | Qt::AlignBottom, Completed);
    }
    if (!Current) {
        return;
    }
    // Over the cell's own border, so the text keeps its room.
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
    const qreal half = FocusFrameWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
