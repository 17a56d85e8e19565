#include "gui/widgets/WidgetStyle.h"

#include "core/results/NumberFormat.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QVariant>

#include <algorithm>

namespace {
// 10 points and 8 points at the 96 dpi the window sizes are laid out for.
constexpr int CellFontPixels = 13;
constexpr int LabelFontPixels = 11;
// The smallest type a name is fitted into: fourteen wide capitals still fit the
// comparison window's 120-pixel object field, and they are still legible.
constexpr int SmallestFittedPixels = 7;
// Where a fitted field keeps the type it was given, before any fitting changed it.
constexpr const char* FieldFontProperty = "tessalyFieldFont";

bool TextFits(const QString& text, const QFont& font, int room)
{
    const QFontMetrics metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width()) <= room;
}
} // namespace

void SetFittedText(QLabel* field, const QString& text)
{
    QVariant kept = field->property(FieldFontProperty);
    if (!kept.isValid()) {
        kept = field->font();
        field->setProperty(FieldFontProperty, kept);
    }
    const QFont own = kept.value<QFont>();
    // Centred text is cut on both sides once it is wider than the inside of the frame;
    // two pixels each side keep it off the frame.
    constexpr int Padding = 2;
    const int room = field->contentsRect().width() - 2 * field->margin() - 2 * Padding;
    QFont shown = own;
    bool fits = TextFits(text, shown, room);
    for (int pixels = QFontInfo(own).pixelSize() - 1; !fits && pixels >= SmallestFittedPixels; --pixels) {
        shown.setPixelSize(pixels);
        fits = TextFits(text, shown, room);
    }
    const bool whole = TextFits(text, own, room);
    field->setFont(whole ? own : shown);
    field->setToolTip(whole ? QString() : text);
    field->setText(text);
}

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
    return MakeBoldLabel(parent, name, QString::fromUtf8(text), at, pixelSize);
}

QLabel* MakeBoldLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at, int pixelSize)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    StyleBoldLabel(label, pixelSize);
    label->move(at);
    return label;
}

QStringList HeadingLines(const QString& heading, qsizetype count)
{
    static const QRegularExpression Argument(QStringLiteral("%\\d+"));
    if (count <= 0) {
        return {};
    }
    QStringList lines = heading.split(QLatin1Char('\n'));
    while (lines.size() > count) {
        lines[count - 1] += QLatin1Char(' ') + lines.takeAt(count);
    }
    while (lines.size() < count) {
        lines.append(QString());
    }
    for (QString& line : lines) {
        line.remove(Argument);
        line = line.trimmed();
    }
    return lines;
}
