#include "gui/app/FrameGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace FrameGlyphs {
namespace {
constexpr int GlyphSize = 16;
const QColor Paper(0xFF, 0xFF, 0xF4);
const QColor Ink(0x30, 0x30, 0x30);
const QColor Blue(0x20, 0x50, 0xA0);

// A sheet with a folded corner.
void PaintPage(QPainter& painter)
{
    const QPolygon sheet({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 15), QPoint(3, 15)});
    painter.setBrush(Paper);
    painter.setPen(QPen(Ink, 1));
    painter.drawPolygon(sheet);
    painter.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
}

void PaintFolder(QPainter& painter)
{
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(QColor(0xE8, 0xC0, 0x50));
    painter.drawPolygon(
        QPolygon({QPoint(1, 4), QPoint(6, 4), QPoint(7, 5), QPoint(14, 5), QPoint(14, 13), QPoint(1, 13)}));
    painter.setBrush(QColor(0xF6, 0xD8, 0x78));
    painter.drawPolygon(QPolygon({QPoint(1, 13), QPoint(3, 7), QPoint(15, 7), QPoint(14, 13)}));
}

// A goal joined to three boxes: the template is a hierarchy.
void PaintTree(QPainter& painter)
{
    painter.setPen(QPen(Ink, 1));
    for (int i = 0; i < 3; ++i) {
        painter.drawLine(7, 4, 2 + 5 * i, 11);
        painter.fillRect(QRect(1 + 5 * i, 11, 4, 3), Blue);
    }
    painter.fillRect(QRect(5, 1, 5, 3), Qt::darkRed);
}

void PaintFloppy(QPainter& painter)
{
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Blue);
    painter.drawRect(QRect(1, 1, 13, 13));
    painter.fillRect(QRect(4, 2, 7, 4), Qt::white);
    painter.fillRect(QRect(4, 9, 7, 5), QColor(0xC0, 0xC0, 0xC0));
}

void PaintPrinter(QPainter& painter)
{
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Paper);
    painter.drawRect(QRect(4, 1, 7, 5));
    painter.setBrush(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(QRect(1, 6, 13, 6));
    painter.setBrush(Paper);
    painter.drawRect(QRect(4, 10, 7, 5));
}

void PaintArrow(QPainter& painter, bool left)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x80, 0x30));
    const QPolygon arrow = left
        ? QPolygon(
            {QPoint(1, 8), QPoint(8, 1), QPoint(8, 5), QPoint(15, 5), QPoint(15, 11), QPoint(8, 11), QPoint(8, 15)})
        : QPolygon(
            {QPoint(15, 8), QPoint(8, 1), QPoint(8, 5), QPoint(1, 5), QPoint(1, 11), QPoint(8, 11), QPoint(8, 15)});
    painter.drawPolygon(arrow);
}

void PaintCross(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
}

// A door with an arrow out of it.
void PaintExit(QPainter& painter)
{
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(QColor(0x90, 0x60, 0x30));
    painter.drawRect(QRect(2, 1, 7, 14));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    painter.drawLine(8, 8, 15, 8);
    painter.drawLine(12, 5, 15, 8);
    painter.drawLine(12, 11, 15, 8);
}
} // namespace

QIcon Glyph(EGlyph glyph)
{
    QPixmap pixmap(GlyphSize, GlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    switch (glyph) {
    case EGlyph::NewProject:
        PaintPage(painter);
        painter.fillRect(QRect(6, 7, 5, 1), Blue);
        painter.fillRect(QRect(8, 5, 1, 5), Blue);
        break;
    case EGlyph::OpenProject:
        PaintFolder(painter);
        break;
    case EGlyph::OpenTemplate:
        PaintTree(painter);
        break;
    case EGlyph::SaveProject:
        PaintFloppy(painter);
        break;
    case EGlyph::CloseProject:
        PaintPage(painter);
        PaintCross(painter, QRect(5, 6, 6, 6));
        break;
    case EGlyph::PrintProject:
        PaintPrinter(painter);
        break;
    case EGlyph::PreviousProject:
        PaintArrow(painter, true);
        break;
    case EGlyph::NextProject:
        PaintArrow(painter, false);
        break;
    case EGlyph::Exit:
        PaintExit(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}
} // namespace FrameGlyphs
