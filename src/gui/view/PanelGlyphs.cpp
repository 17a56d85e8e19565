#include "gui/view/PanelGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {
constexpr int GlyphSize = 17;

QPixmap Draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paint(painter);
    return pixmap;
}

// A small hierarchy: one box joined to three, left to right (or top to bottom).
void PaintTree(QPainter& painter, bool vertical)
{
    const QColor boxColour(0x20, 0x50, 0xA0);
    painter.setPen(QPen(Qt::black, 1));
    const QRect goal = vertical ? QRect(6, 1, 5, 3) : QRect(1, 6, 3, 5);
    for (int i = 0; i < 3; ++i) {
        const QRect child = vertical ? QRect(1 + 6 * i, 12, 4, 3) : QRect(12, 1 + 6 * i, 3, 4);
        const QPoint from = vertical ? QPoint(8, 4) : QPoint(4, 8);
        const QPoint to = vertical ? QPoint(child.center().x(), 12) : QPoint(12, child.center().y());
        painter.drawLine(from, to);
        painter.fillRect(child, boxColour);
    }
    painter.fillRect(goal, Qt::darkRed);
}

void PaintPencil(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath body;
    body.moveTo(12, 1);
    body.lineTo(16, 5);
    body.lineTo(6, 15);
    body.lineTo(2, 11);
    body.closeSubpath();
    painter.fillPath(body, QColor(0xE0, 0xB0, 0x20));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPath(body);
    QPainterPath tip;
    tip.moveTo(2, 11);
    tip.lineTo(6, 15);
    tip.lineTo(1, 16);
    tip.closeSubpath();
    painter.fillPath(tip, Qt::black);
}

// A balance: the expert weighs one element against another.
void PaintScales(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(8, 2, 8, 14);
    painter.drawLine(5, 15, 11, 15);
    painter.drawLine(2, 4, 14, 4);
    painter.drawLine(2, 4, 0, 9);
    painter.drawLine(2, 4, 4, 9);
    painter.drawLine(14, 4, 12, 9);
    painter.drawLine(14, 4, 16, 9);
    painter.fillRect(QRect(0, 9, 5, 2), Qt::darkBlue);
    painter.fillRect(QRect(12, 9, 5, 2), Qt::darkBlue);
}

void PaintPie(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF circle(1, 1, 15, 15);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::red);
    painter.drawPie(circle, 90 * 16, 150 * 16);
    painter.setBrush(Qt::yellow);
    painter.drawPie(circle, 240 * 16, 80 * 16);
    painter.setBrush(Qt::blue);
    painter.drawPie(circle, 320 * 16, 130 * 16);
}

void PaintCopies(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 1, 9, 11);
    painter.setBrush(QColor(0xC0, 0xE0, 0xFF));
    painter.drawRect(6, 5, 9, 11);
    painter.drawLine(8, 8, 13, 8);
    painter.drawLine(8, 10, 13, 10);
    painter.drawLine(8, 12, 13, 12);
}
} // namespace

namespace PanelGlyphs {
QIcon Orientation()
{
    // One picture for both states: the button's state need not match the orientation,
    // since the frame's menu switches it without touching the button.
    return QIcon(Draw([](QPainter& p) { PaintTree(p, false); }));
}

QIcon EditMode()
{
    return QIcon(Draw(PaintPencil));
}

QIcon ExpertMode()
{
    return QIcon(Draw(PaintScales));
}

QIcon ResultsView()
{
    return QIcon(Draw(PaintPie));
}

QIcon Clone()
{
    return QIcon(Draw(PaintCopies));
}
} // namespace PanelGlyphs
