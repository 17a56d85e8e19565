#include "results/WidgetStyle.h"

#include "results/NumberFormat.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QRect>

namespace {
// 10 points and 8 points at the 96 dpi the window sizes are laid out for.
constexpr int CellFontPixels = 13;
constexpr int LabelFontPixels = 11;
} // namespace

void StyleStaticText(QLabel* label, bool bold)
{
    label->hide();
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    // White even on a grey canvas, whose background role a child otherwise takes over.
    label->setBackgroundRole(QPalette::Window);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPixelSize(CellFontPixels);
    font.setBold(bold);
    label->setFont(font);
    label->setWordWrap(false);
}

void StyleBoldLabel(QLabel* label, int pixelSize)
{
    QFont font = label->font();
    font.setPixelSize(pixelSize > 0 ? pixelSize : LabelFontPixels);
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
}

QColor ToQColor(TColor colour)
{
    return QColor(ColorRed(colour), ColorGreen(colour), ColorBlue(colour));
}

char DecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator.at(0).unicode() < 128) {
        return separator.at(0).toLatin1();
    }
    return '.';
}

QString TruncatedText(double x, int decimals)
{
    return QString::fromStdString(FormatTruncated(x, decimals, DecimalSeparator()));
}

void DrawTableNumber(QPainter& painter, int x, int y, int number)
{
    const QString text = QString::number(number) + QLatin1Char('.');
    const QFontMetrics metrics(painter.font());
    // The position is the text's top-left corner, as the window's canvas takes it.
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

QFrame* MakeBevel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(geometry);
    return bevel;
}

QLabel* MakeBoldLabel(QWidget* parent, const char* name, const char* text, const QPoint& at, int pixelSize)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    StyleBoldLabel(label, pixelSize);
    label->move(at);
    return label;
}
