#pragma once

#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QPdfWriter;
class QPieSeries;
class QTextLayout;

// The pieces a PDF report is made of: body paragraphs, ruled tables that break across
// pages only when taller than a page (their header repeated), headings that stay with
// what follows, and a footer on every page.
// Both the project's and the group's report write their pages with it.

inline constexpr double ReportBodyPoints = 9.0;
inline constexpr double ReportTablePoints = 8.0;

// One cell of a table; a header row is drawn bold on grey.
struct CReportCell {
    QString Text;
    Qt::Alignment Align = Qt::AlignLeft;
    double Indent = 0.0; // device units before the text: an outline's depth
};
using CReportRow = std::vector<CReportCell>;

// Body text, indented by IndentMm.
struct CReportParagraph {
    QString Text;
    double IndentMm = 0.0;
};
using CReportParagraphs = std::vector<CReportParagraph>;

struct CReportPageTable {
    std::vector<double> Widths; // device units
    std::vector<CReportRow> Rows;
    bool HasHeader = true;
    bool Ruled = true;
    bool BoldFirstColumn = false;
    double PaddingMm = 1.0; // round each cell's text
    // Filled by Measure.
    std::vector<double> Heights;
    double Height = 0.0;
};

// A table of the report content, each column aligned as given (the last alignment for
// the columns after), the header row to the left unless alignHeader.
CReportPageTable ReportPageTableOf(
    const CReportTable& content, const std::vector<Qt::Alignment>& aligns, bool alignHeader);

// The pages as they fill: a cursor down the page, breaks where a block would not fit,
// a footer on every page. Every measure is in the writer's device units.
class CReportPageWriter {
public:
    CReportPageWriter(QPdfWriter& writer, QPainter& painter, QString footer);
    CReportPageWriter(const CReportPageWriter&) = delete;
    CReportPageWriter& operator=(const CReportPageWriter&) = delete;
    ~CReportPageWriter();

    [[nodiscard]] double Units(double mm) const { return mm / 25.4 * Dpi; }
    [[nodiscard]] double Width() const { return Right - Left; }
    [[nodiscard]] double PageHeight() const { return Bottom - Top; }

    // One family throughout, with Cyrillic in every weight; the writer embeds it.
    [[nodiscard]] static QFont Font(double points, bool bold = false);

    void NewPage();
    // Room for a block of this height, on a new page when this one has too little; the
    // headings waiting for their block go with it.
    void EnsureSpace(double height);
    void Gap(double mm);
    // A paragraph, broken across pages line by line when it has to be.
    void Paragraph(const QString& text, const QFont& font, double indentMm = 0.0);
    [[nodiscard]] double Height(const CReportParagraphs& paragraphs) const;
    void Write(const CReportParagraphs& paragraphs);
    // A heading never ends a page: it stays with keepWith units of what follows (a few
    // lines unless the caller knows the block's height), and it is drawn only with the
    // first block after it, on that block's page.
    void Heading(const QString& text, double points, double spaceBeforeMm, double keepWith = -1.0);
    void Measure(CReportPageTable& table) const;
    // A measured table at (x, y), whole; it never breaks across pages.
    void DrawTable(const CReportPageTable& table, double x, double y);
    // A table in the flow at the left margin, moved to a new page when it does not fit;
    // one taller than a page is broken between rows, its header row on every page.
    void Table(CReportPageTable& table, double keepWithMm = 0.0);
    // A ranking's pie, drawn by the chart component into target.
    void Pie(const QRectF& target, const CResultList& results);
    // The same for a ranking of any length, in its order, each slice labelled with its
    // place: full names (up to twenty of them) round one pie would be cut short, and the
    // table beside names every place.
    void Pie(const QRectF& target, const std::vector<CResultRow>& rows);
    // The width of a table cell's text on one line.
    [[nodiscard]] double TextWidth(const QString& text, bool bold) const;

    QPainter& Canvas() { return Painter; }
    double Left = 0.0;
    double Right = 0.0;
    double Top = 0.0;
    double Bottom = 0.0;
    double Y = 0.0;

private:
    struct CPendingHeading {
        QString Text;
        QFont Font;
        double Height = 0.0;
        double SpaceBefore = 0.0;
    };
    // A new page when this one has no room for the waiting headings and height more.
    void Room(double height);
    [[nodiscard]] double PendingHeight() const;
    void DrawPendingHeadings();
    // Text laid out to a width, breaking at words or, for a word wider than the line, anywhere.
    std::unique_ptr<QTextLayout> LayOut(const QString& text, const QFont& font, double width, double* height) const;
    [[nodiscard]] double CellTextHeight(const QString& text, bool bold, double width) const;
    void DrawCellText(const CReportCell& cell, bool bold, const QRectF& box);
    void DrawFooter();
    // The series's pie, labels of the larger slices outside it, into target.
    void DrawPie(const QRectF& target, QPieSeries* series);

    QPdfWriter& Writer;
    QPainter& Painter;
    int Dpi = 96;
    QString FooterText;
    QFont TableFont;
    QFont TableBold;
    QFontMetricsF TableMetrics;
    QFontMetricsF TableBoldMetrics;
    int Page = 1;
    std::vector<CPendingHeading> Pending;
};
