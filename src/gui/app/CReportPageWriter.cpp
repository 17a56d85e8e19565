#include "gui/app/CReportPageWriter.h"

#include "gui/results/PieFilling.h"
#include "gui/widgets/WidgetStyle.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QPainter>
#include <QPdfWriter>
#include <QPieSeries>
#include <QPieSlice>
#include <QTextLayout>

#include <algorithm>

namespace {
constexpr double MarginMm = 16.0;
constexpr double FooterMm = 9.0; // the footer's baseline above the paper's bottom edge
} // namespace

CReportPageTable ReportPageTableOf(
    const CReportTable& content, const std::vector<Qt::Alignment>& aligns, bool alignHeader)
{
    CReportPageTable table;
    auto row = [&aligns](const std::vector<std::string>& cells, bool align) {
        CReportRow cellsOut;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const Qt::Alignment a = c < aligns.size() ? aligns[c] : aligns.back();
            cellsOut.push_back({QString::fromStdString(cells[c]), align ? a : Qt::Alignment(Qt::AlignLeft)});
        }
        return cellsOut;
    };
    table.Rows.push_back(row(content.Header, alignHeader));
    for (const std::vector<std::string>& cells : content.Rows) {
        table.Rows.push_back(row(cells, true));
    }
    return table;
}

CReportPageWriter::CReportPageWriter(QPdfWriter& writer, QPainter& painter, QString footer)
    : Writer(writer)
    , Painter(painter)
    , Dpi(writer.resolution())
    , FooterText(std::move(footer))
    , TableFont(Font(ReportTablePoints))
    , TableBold(Font(ReportTablePoints, true))
    , TableMetrics(TableFont, &writer)
    , TableBoldMetrics(TableBold, &writer)
{
    Left = Units(MarginMm);
    Right = writer.width() - Units(MarginMm);
    Top = Units(MarginMm);
    Bottom = writer.height() - Units(MarginMm + 4.0);
    Y = Top;
    DrawFooter();
}

CReportPageWriter::~CReportPageWriter() = default;

QFont CReportPageWriter::Font(double points, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void CReportPageWriter::NewPage()
{
    Writer.newPage();
    ++Page;
    Y = Top;
    DrawFooter();
}

void CReportPageWriter::Room(double height)
{
    if (Y + PendingHeight() + height > Bottom && Y > Top) {
        NewPage();
    }
}

double CReportPageWriter::PendingHeight() const
{
    double total = 0.0;
    for (const CPendingHeading& heading : Pending) {
        total += heading.SpaceBefore + heading.Height + Units(1.5);
    }
    return total;
}

void CReportPageWriter::DrawPendingHeadings()
{
    const std::vector<CPendingHeading> headings = std::move(Pending);
    Pending.clear();
    for (const CPendingHeading& heading : headings) {
        Y += heading.SpaceBefore;
        Paragraph(heading.Text, heading.Font);
        Gap(1.5);
    }
}

void CReportPageWriter::EnsureSpace(double height)
{
    Room(height);
    DrawPendingHeadings();
}

void CReportPageWriter::Gap(double mm)
{
    Y = std::min(Y + Units(mm), Bottom);
}

std::unique_ptr<QTextLayout> CReportPageWriter::LayOut(
    const QString& text, const QFont& font, double width, double* height) const
{
    // A cell's second line (a spread under its value) is a line of its own: the layout
    // breaks only at a line separator, never at '\n'.
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    auto layout = std::make_unique<QTextLayout>(lines, font, &Writer);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    double h = 0.0;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        line.setPosition(QPointF(0.0, h));
        h += line.height();
    }
    layout->endLayout();
    *height = h;
    return layout;
}

void CReportPageWriter::Paragraph(const QString& text, const QFont& font, double indentMm)
{
    const double indent = Units(indentMm);
    double height = 0.0;
    const std::unique_ptr<QTextLayout> layout = LayOut(text, font, Width() - indent, &height);
    Painter.setPen(Qt::black);
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        EnsureSpace(line.height());
        line.draw(&Painter, QPointF(Left + indent, Y - line.y()));
        Y += line.height();
    }
}

double CReportPageWriter::Height(const CReportParagraphs& paragraphs) const
{
    double total = 0.0;
    for (const CReportParagraph& paragraph : paragraphs) {
        double height = 0.0;
        LayOut(paragraph.Text, Font(ReportBodyPoints), Width() - Units(paragraph.IndentMm), &height);
        total += height;
    }
    return total;
}

void CReportPageWriter::Write(const CReportParagraphs& paragraphs)
{
    const QFont body = Font(ReportBodyPoints);
    for (const CReportParagraph& paragraph : paragraphs) {
        Paragraph(paragraph.Text, body, paragraph.IndentMm);
    }
}

void CReportPageWriter::Heading(const QString& text, double points, double spaceBeforeMm, double keepWith)
{
    const QFont font = Font(points, true);
    double height = 0.0;
    LayOut(text, font, Width(), &height);
    // The first waiting heading's space is taken now; a page break drops it.
    double spaceBefore = Units(spaceBeforeMm);
    if (Pending.empty()) {
        Y += spaceBefore;
        spaceBefore = 0.0;
    }
    Room(spaceBefore + height + Units(1.5)
        + std::min(keepWith < 0.0 ? Units(12.0) : keepWith, PageHeight() - PendingHeight() - height));
    Pending.push_back({text, font, height, spaceBefore});
}

void CReportPageWriter::Measure(CReportPageTable& table) const
{
    const double padding = Units(table.PaddingMm);
    table.Heights.clear();
    table.Height = 0.0;
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        double rowHeight = 0.0;
        for (std::size_t c = 0; c < table.Rows[r].size() && c < table.Widths.size(); ++c) {
            const bool isBold = (table.HasHeader && r == 0) || (table.BoldFirstColumn && c == 0);
            const CReportCell& cell = table.Rows[r][c];
            rowHeight
                = std::max(rowHeight, CellTextHeight(cell.Text, isBold, table.Widths[c] - 2 * padding - cell.Indent));
        }
        table.Heights.push_back(rowHeight + 2 * padding);
        table.Height += rowHeight + 2 * padding;
    }
}

void CReportPageWriter::DrawTable(const CReportPageTable& table, double x, double y)
{
    const double padding = Units(table.PaddingMm);
    const QPen rule(QColor(120, 120, 120), Units(0.2));
    double top = y;
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        double left = x;
        const bool header = table.HasHeader && r == 0;
        for (std::size_t c = 0; c < table.Rows[r].size() && c < table.Widths.size(); ++c) {
            const QRectF cell(left, top, table.Widths[c], table.Heights[r]);
            if (header && table.Ruled) {
                Painter.fillRect(cell, QColor(228, 228, 228));
            }
            if (table.Ruled) {
                Painter.setPen(rule);
                Painter.drawRect(cell);
            }
            const bool isBold = header || (table.BoldFirstColumn && c == 0);
            DrawCellText(table.Rows[r][c], isBold,
                cell.adjusted(padding + table.Rows[r][c].Indent, padding, -padding, -padding));
            left += table.Widths[c];
        }
        top += table.Heights[r];
    }
}

void CReportPageWriter::Table(CReportPageTable& table, double keepWithMm)
{
    Measure(table);
    if (table.Height + PendingHeight() <= PageHeight() || table.Rows.empty()) {
        EnsureSpace(table.Height + Units(keepWithMm));
        DrawTable(table, Left, Y);
        Y += table.Height;
        return;
    }
    // Taller than a page: as many rows as fit on each page, under the header row.
    const std::size_t body = table.HasHeader ? 1 : 0;
    const double header = body == 1 ? table.Heights[0] : 0.0;
    std::size_t r = body;
    while (r < table.Rows.size()) {
        EnsureSpace(header + table.Heights[r]);
        CReportPageTable part;
        part.Widths = table.Widths;
        part.HasHeader = table.HasHeader;
        part.Ruled = table.Ruled;
        part.BoldFirstColumn = table.BoldFirstColumn;
        part.PaddingMm = table.PaddingMm;
        part.Rows.assign(table.Rows.begin(), table.Rows.begin() + static_cast<std::ptrdiff_t>(body));
        part.Heights.assign(table.Heights.begin(), table.Heights.begin() + static_cast<std::ptrdiff_t>(body));
        double height = header;
        // At least one row a page, so that a row taller than a page cannot stop the loop.
        do {
            part.Rows.push_back(table.Rows[r]);
            part.Heights.push_back(table.Heights[r]);
            height += table.Heights[r];
            ++r;
        } while (r < table.Rows.size() && Y + height + table.Heights[r] <= Bottom);
        part.Height = height;
        DrawTable(part, Left, Y);
        Y += height;
    }
}

void CReportPageWriter::Pie(const QRectF& target, const CResultList& results)
{
    auto* series = new QPieSeries();
    FillPie(series, results);
    DrawPie(target, series);
}

void CReportPageWriter::Pie(const QRectF& target, const std::vector<CResultRow>& rows)
{
    auto* series = new QPieSeries();
    QList<QPieSlice*> slices;
    for (const CResultRow& row : rows) {
        auto* slice = new QPieSlice(QString::number(slices.size() + 1), row.Value);
        slice->setColor(ToQColor(row.Colour));
        slice->setBorderColor(Qt::black);
        slice->setLabelColor(Qt::black);
        slices.append(slice);
    }
    series->append(slices);
    DrawPie(target, series);
}

double CReportPageWriter::TextWidth(const QString& text, bool bold) const
{
    return (bold ? TableBoldMetrics : TableMetrics).horizontalAdvance(text);
}

void CReportPageWriter::DrawPie(const QRectF& target, QPieSeries* series)
{
    QGraphicsScene scene;
    auto* chart = new QChart();
    series->setPieSize(0.6);
    for (QPieSlice* slice : series->slices()) {
        slice->setLabelArmLengthFactor(0.12);
        // The labels of thin slices would pile up; the table names every one.
        slice->setLabelVisible(slice->percentage() >= 0.04);
    }
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setBackgroundVisible(false);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setAnimationOptions(QChart::NoAnimation);
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0.0, 0.0), target.size()));
    scene.render(&Painter, target, QRectF(QPointF(0.0, 0.0), target.size()));
}

double CReportPageWriter::CellTextHeight(const QString& text, bool bold, double width) const
{
    // A cell's text on one line when it fits (the common case, and the fast one), else wrapped.
    const QFontMetricsF& metrics = bold ? TableBoldMetrics : TableMetrics;
    if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= width) {
        return metrics.height();
    }
    double height = 0.0;
    LayOut(text, bold ? TableBold : TableFont, width, &height);
    return height;
}

void CReportPageWriter::DrawCellText(const CReportCell& cell, bool bold, const QRectF& box)
{
    Painter.setPen(Qt::black);
    Painter.setFont(bold ? TableBold : TableFont);
    if (!cell.Text.contains(QLatin1Char('\n'))
        && (bold ? TableBoldMetrics : TableMetrics).horizontalAdvance(cell.Text) <= box.width()) {
        Painter.drawText(box, static_cast<int>(cell.Align | Qt::AlignTop), cell.Text);
        return;
    }
    // Lines laid out one under the other, each aligned as the cell is.
    double top = box.top();
    for (const QString& part : cell.Text.split(QLatin1Char('\n'))) {
        double height = 0.0;
        const std::unique_ptr<QTextLayout> layout = LayOut(part, bold ? TableBold : TableFont, box.width(), &height);
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            double x = box.left();
            if (cell.Align & Qt::AlignRight) {
                x = box.right() - line.naturalTextWidth();
            } else if (cell.Align & Qt::AlignHCenter) {
                x = box.left() + (box.width() - line.naturalTextWidth()) / 2.0;
            }
            line.draw(&Painter, QPointF(x - line.x(), top - line.y()));
            top += line.height();
        }
    }
}

void CReportPageWriter::DrawFooter()
{
    const QFont font = Font(7.5);
    Painter.setFont(font);
    const double baseline = Writer.height() - Units(FooterMm);
    const double ruleY = baseline - QFontMetricsF(font, &Writer).ascent() - Units(1.5);
    Painter.setPen(QPen(QColor(120, 120, 120), Units(0.2)));
    Painter.drawLine(QPointF(Left, ruleY), QPointF(Right, ruleY));
    Painter.setPen(Qt::black);
    Painter.drawText(QPointF(Left, baseline), FooterText);
    const QString number = QCoreApplication::translate("CReportPageWriter", "Страница %1").arg(Page);
    Painter.drawText(QPointF(Right - QFontMetricsF(font, &Writer).horizontalAdvance(number), baseline), number);
}
