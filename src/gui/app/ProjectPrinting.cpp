#include "gui/app/ProjectPrinting.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QRect>

namespace {

QFont PrintFont(QPainter& painter, int pointSize)
{
    QFont font = painter.font(); // the printer canvas's default typeface
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

// Text positions are the top-left corner of the text, as the line heights below assume.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

} // namespace

QSize PrinterPageSize(const QPrinter& printer)
{
    return {printer.width(), printer.height()};
}

QStringList FinalResultLines(
    const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator, ESynthesisMode mode)
{
    // With no synthesis the page says why instead of ranking.
    const std::string refusal = ProjectNotConnectedText(project, results);
    if (!refusal.empty()) {
        return {QString::fromStdString(refusal)};
    }
    const CResultList ranking = FinalResults(project, results, mode);
    QStringList lines;
    if (mode == ESynthesisMode::Ideal) {
        lines.append(QString::fromStdString(RankingTitle(mode)) + QStringLiteral(":"));
    }
    for (std::uint32_t i = 0; i < ranking.Count; ++i) {
        const CResultRow& row = ranking.Rows[i];
        lines.append(QString::fromStdString(row.Name) + QStringLiteral(": ")
            + QString::fromStdString(FormatTruncated(row.Value, 4, decimalSeparator)));
    }
    return lines;
}

namespace {

// The page of either shape; lines are made after the title is drawn.
EPrintResult PrintPage(QPrinter& printer, const std::string& titleName, const TPageSizeOf& pageSizeOf,
    const std::function<QStringList()>& makeLines)
{
    printer.setDocName(QString::fromUtf8(PrintJobTitle));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return EPrintResult::BadPageSize;
    }
    const QSize page = pageSizeOf(printer);
    const int H = page.height();
    const int W = page.width();
    if (H == 0 || W == 0) {
        printer.abort();
        painter.end();
        return EPrintResult::BadPageSize;
    }

    // x from the height and y from the width: the page is laid out that way on purpose.
    painter.setFont(PrintFont(painter, 14));
    const QString title
        = QCoreApplication::translate("ProjectPrinting", "Проект: %1").arg(QString::fromStdString(titleName));
    DrawTextAt(painter, H / 10, W / 6, title);
    int y = W / 6 + 2 * painter.fontMetrics().height();

    const QStringList lines = makeLines();

    painter.setFont(PrintFont(painter, 12));
    // A line wider than the page (a long full name) is broken at words within the
    // same margin on the right.
    const int width = W - 2 * (H / 12);
    for (const QString& line : lines) {
        if (painter.fontMetrics().horizontalAdvance(line) <= width) {
            DrawTextAt(painter, H / 12, y, line);
            y += painter.fontMetrics().height() + 20;
            continue;
        }
        QRect used;
        painter.drawText(QRect(H / 12, y, width, H), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
        y += used.height() + 20;
    }
    painter.end();
    return EPrintResult::Printed;
}

} // namespace

EPrintResult PrintProjectPage(QPrinter& printer, const CUserProjectModel& project, const CProjectResults& results,
    const std::string& titleName, char decimalSeparator, const TPageSizeOf& pageSizeOf, ESynthesisMode mode)
{
    return PrintPage(
        printer, titleName, pageSizeOf, [&] { return FinalResultLines(project, results, decimalSeparator, mode); });
}

EPrintResult PrintTreePage(QPrinter& printer, const CHierarchy& tree, const CHierarchyResults& results,
    const std::string& titleName, char decimalSeparator, const TPageSizeOf& pageSizeOf, ESynthesisMode mode)
{
    return PrintPage(printer, titleName, pageSizeOf, [&] {
        QStringList lines;
        for (const std::string& line : HierarchyResultLines(tree, results, mode, decimalSeparator)) {
            lines.append(QString::fromStdString(line));
        }
        return lines;
    });
}
