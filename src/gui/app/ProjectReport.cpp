#include "gui/app/ProjectReport.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/MiddleLevels.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/Deviations.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "gui/results/PieFilling.h"

#include <QBuffer>
#include <QChart>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPieSeries>
#include <QPieSlice>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr double MarginMm = 16.0;
constexpr double FooterMm = 9.0; // the footer's baseline above the paper's bottom edge
constexpr double CellPaddingMm = 1.0;
constexpr double BodyPoints = 9.0;
constexpr double TablePoints = 8.0;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// One cell of a table; a header row is drawn bold on grey.
struct CCell {
    QString Text;
    Qt::Alignment Align = Qt::AlignLeft;
};
using CRow = std::vector<CCell>;

// Body text, indented by IndentMm.
struct CParagraph {
    QString Text;
    double IndentMm = 0.0;
};
using CParagraphs = std::vector<CParagraph>;

struct CTable {
    std::vector<double> Widths; // device units
    std::vector<CRow> Rows;
    bool HasHeader = true;
    bool Ruled = true;
    bool BoldFirstColumn = false;
    // Filled by Measure.
    std::vector<double> Heights;
    double Height = 0.0;
};

// The pages as they fill: a cursor down the page, breaks where a block would not fit,
// a footer on every page. Every measure is in the writer's device units.
class CPageWriter {
public:
    CPageWriter(QPdfWriter& writer, QPainter& painter, QString footer)
        : Writer(writer)
        , Painter(painter)
        , Dpi(writer.resolution())
        , FooterText(std::move(footer))
        , TableFont(Font(TablePoints))
        , TableBold(Font(TablePoints, true))
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

    [[nodiscard]] double Units(double mm) const { return mm / 25.4 * Dpi; }
    [[nodiscard]] double Width() const { return Right - Left; }
    [[nodiscard]] double PageHeight() const { return Bottom - Top; }

    // One family throughout, with Cyrillic in every weight; the writer embeds it.
    [[nodiscard]] static QFont Font(double points, bool bold = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    void NewPage()
    {
        Writer.newPage();
        ++Page;
        Y = Top;
        DrawFooter();
    }

    // Room for a block of this height, on a new page when this one has too little.
    void EnsureSpace(double height)
    {
        if (Y + height > Bottom && Y > Top) {
            NewPage();
        }
    }

    void Gap(double mm) { Y = std::min(Y + Units(mm), Bottom); }

    // Text laid out to a width, breaking at words or, for a word wider than the line, anywhere.
    std::unique_ptr<QTextLayout> LayOut(const QString& text, const QFont& font, double width, double* height) const
    {
        auto layout = std::make_unique<QTextLayout>(text, font, &Writer);
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

    // A paragraph, broken across pages line by line when it has to be.
    void Paragraph(const QString& text, const QFont& font, double indentMm = 0.0)
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

    // A heading never ends a page: it stays with keepWith units of what follows (a few
    // lines unless the caller knows the block's height).
    [[nodiscard]] double Height(const CParagraphs& paragraphs) const
    {
        double total = 0.0;
        for (const CParagraph& paragraph : paragraphs) {
            double height = 0.0;
            LayOut(paragraph.Text, Font(BodyPoints), Width() - Units(paragraph.IndentMm), &height);
            total += height;
        }
        return total;
    }

    void Write(const CParagraphs& paragraphs)
    {
        const QFont body = Font(BodyPoints);
        for (const CParagraph& paragraph : paragraphs) {
            Paragraph(paragraph.Text, body, paragraph.IndentMm);
        }
    }

    void Heading(const QString& text, double points, double spaceBeforeMm, double keepWith = -1.0)
    {
        const QFont font = Font(points, true);
        double height = 0.0;
        LayOut(text, font, Width(), &height);
        Y += Units(spaceBeforeMm);
        EnsureSpace(height + Units(1.5) + std::min(keepWith < 0.0 ? Units(12.0) : keepWith, PageHeight() - height));
        Paragraph(text, font);
        Gap(1.5);
    }

    void Measure(CTable& table) const
    {
        const double padding = Units(CellPaddingMm);
        table.Heights.clear();
        table.Height = 0.0;
        for (std::size_t r = 0; r < table.Rows.size(); ++r) {
            double rowHeight = 0.0;
            for (std::size_t c = 0; c < table.Rows[r].size() && c < table.Widths.size(); ++c) {
                const bool isBold = (table.HasHeader && r == 0) || (table.BoldFirstColumn && c == 0);
                rowHeight
                    = std::max(rowHeight, CellTextHeight(table.Rows[r][c].Text, isBold, table.Widths[c] - 2 * padding));
            }
            table.Heights.push_back(rowHeight + 2 * padding);
            table.Height += rowHeight + 2 * padding;
        }
    }

    // A measured table at (x, y), whole; it never breaks across pages.
    void DrawTable(const CTable& table, double x, double y)
    {
        const double padding = Units(CellPaddingMm);
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
                DrawCellText(table.Rows[r][c], isBold, cell.adjusted(padding, padding, -padding, -padding));
                left += table.Widths[c];
            }
            top += table.Heights[r];
        }
    }

    // A table in the flow at the left margin, moved to a new page when it does not fit.
    void Table(CTable& table, double keepWithMm = 0.0)
    {
        Measure(table);
        EnsureSpace(table.Height + Units(keepWithMm));
        DrawTable(table, Left, Y);
        Y += table.Height;
    }

    QPainter& Canvas() { return Painter; }
    double Left = 0.0;
    double Right = 0.0;
    double Top = 0.0;
    double Bottom = 0.0;
    double Y = 0.0;

private:
    // A cell's text on one line when it fits (the common case, and the fast one), else wrapped.
    [[nodiscard]] double CellTextHeight(const QString& text, bool bold, double width) const
    {
        const QFontMetricsF& metrics = bold ? TableBoldMetrics : TableMetrics;
        if (metrics.horizontalAdvance(text) <= width) {
            return metrics.height();
        }
        double height = 0.0;
        LayOut(text, bold ? TableBold : TableFont, width, &height);
        return height;
    }

    void DrawCellText(const CCell& cell, bool bold, const QRectF& box)
    {
        Painter.setPen(Qt::black);
        Painter.setFont(bold ? TableBold : TableFont);
        if ((bold ? TableBoldMetrics : TableMetrics).horizontalAdvance(cell.Text) <= box.width()) {
            Painter.drawText(box, static_cast<int>(cell.Align | Qt::AlignTop), cell.Text);
            return;
        }
        double height = 0.0;
        const std::unique_ptr<QTextLayout> layout
            = LayOut(cell.Text, bold ? TableBold : TableFont, box.width(), &height);
        layout->draw(&Painter, box.topLeft());
    }

    void DrawFooter()
    {
        const QFont font = Font(7.5);
        Painter.setFont(font);
        const double baseline = Writer.height() - Units(FooterMm);
        const double ruleY = baseline - QFontMetricsF(font, &Writer).ascent() - Units(1.5);
        Painter.setPen(QPen(QColor(120, 120, 120), Units(0.2)));
        Painter.drawLine(QPointF(Left, ruleY), QPointF(Right, ruleY));
        Painter.setPen(Qt::black);
        Painter.drawText(QPointF(Left, baseline), FooterText);
        const QString number = QStringLiteral("Страница %1").arg(Page);
        Painter.drawText(QPointF(Right - QFontMetricsF(font, &Writer).horizontalAdvance(number), baseline), number);
    }

    QPdfWriter& Writer;
    QPainter& Painter;
    int Dpi = 96;
    QString FooterText;
    QFont TableFont;
    QFont TableBold;
    QFontMetricsF TableMetrics;
    QFontMetricsF TableBoldMetrics;
    int Page = 1;
};

// The ranking's pie, drawn by the chart component into the target area of the page.
void DrawPie(QPainter& painter, const QRectF& target, const CResultList& results)
{
    QGraphicsScene scene;
    auto* chart = new QChart();
    auto* series = new QPieSeries();
    FillPie(series, results);
    series->setPieSize(0.6);
    for (QPieSlice* slice : series->slices()) {
        slice->setLabelArmLengthFactor(0.12);
        // The labels of thin slices would pile up; the table beside names every one.
        slice->setLabelVisible(slice->percentage() >= 0.04);
    }
    chart->addSeries(series);
    chart->legend()->hide();
    chart->setBackgroundVisible(false);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setAnimationOptions(QChart::NoAnimation);
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0.0, 0.0), target.size()));
    scene.render(&painter, target, QRectF(QPointF(0.0, 0.0), target.size()));
}

// A table of the report content, each column aligned as given (the header row keeps to
// the left but where its column's alignment is centred or right).
CTable TableOf(const CReportTable& content, const std::vector<Qt::Alignment>& aligns, bool alignHeader)
{
    CTable table;
    auto row = [&aligns](const std::vector<std::string>& cells, bool align) {
        CRow cellsOut;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const Qt::Alignment a = c < aligns.size() ? aligns[c] : aligns.back();
            cellsOut.push_back({Text(cells[c]), align ? a : Qt::Alignment(Qt::AlignLeft)});
        }
        return cellsOut;
    };
    table.Rows.push_back(row(content.Header, alignHeader));
    for (const std::vector<std::string>& cells : content.Rows) {
        table.Rows.push_back(row(cells, true));
    }
    return table;
}

void Write(CParagraphs& notes, const std::vector<std::string>& lines, double firstIndentMm, double indentMm)
{
    for (std::size_t l = 0; l < lines.size(); ++l) {
        notes.push_back({Text(lines[l]), l == 0 ? firstIndentMm : indentMm});
    }
}

void TitleBlock(CPageWriter& page, const CUserProjectModel& project, const CReportSubject& subject)
{
    page.Paragraph(QStringLiteral("Отчёт по проекту"), page.Font(18.0, true));
    page.Gap(3.0);
    const QString comment = Text(project.Goal().Comment);
    CTable info;
    info.HasHeader = false;
    info.Ruled = false;
    info.BoldFirstColumn = true;
    info.Widths = {page.Units(32.0), page.Width() - page.Units(32.0)};
    info.Rows = {
        {{QStringLiteral("Цель")}, {Text(project.Goal().Name)}},
        {{QStringLiteral("Комментарий")}, {comment.isEmpty() ? QStringLiteral("нет") : comment}},
        {{QStringLiteral("Файл")}, {subject.FileName.isEmpty() ? QStringLiteral("новый проект") : subject.FileName}},
        {{QStringLiteral("Дата")}, {subject.Date.toString(QStringLiteral("dd.MM.yyyy"))}},
        {{QStringLiteral("Структура")},
            {QStringLiteral("уровней: %1, альтернатив: %2").arg(project.LevelCount()).arg(project.LastLevelCount())}},
    };
    page.Table(info);
}

void HierarchySection(CPageWriter& page, const CHierarchyPicture& picture)
{
    if (!picture.Paint || picture.Extent.isEmpty()) {
        return;
    }
    // The page's width, unless the drawing and its heading would then be taller than a page.
    const double scale = std::min(
        page.Width() / picture.Extent.width(), (page.PageHeight() - page.Units(15.0)) / picture.Extent.height());
    const double height = picture.Extent.height() * scale;
    page.Heading(QStringLiteral("Иерархия"), 13.0, 6.0, height);
    page.EnsureSpace(height);
    QPainter& painter = page.Canvas();
    painter.save();
    painter.translate(page.Left, page.Y);
    painter.scale(scale, scale);
    painter.translate(-picture.Extent.topLeft());
    painter.setClipRect(picture.Extent);
    picture.Paint(painter);
    painter.restore();
    page.Y += height;
}

void RankingSection(
    CPageWriter& page, const CUserProjectModel& project, const CProjectResults& computed, char separator)
{
    CTable table = TableOf(
        FinalRankingTable(project, computed, separator), {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight}, false);
    const double half = page.Width() * 0.46;
    table.Widths = {page.Units(14.0), half - page.Units(14.0) - page.Units(23.0), page.Units(23.0)};
    page.Measure(table);
    const double pieHeight = page.Units(70.0);
    const double height = std::max(table.Height, pieHeight);
    // A ranking that rests on matrices not acceptable says so above itself, on its page.
    CParagraphs warning;
    const std::string unacceptable
        = UnacceptableWarningText(project, UnacceptableMatrices(project, computed), separator);
    if (!unacceptable.empty()) {
        warning.push_back({Text(unacceptable)});
    }
    const double warningHeight = warning.empty() ? 0.0 : page.Height(warning) + page.Units(1.5);
    page.Heading(QStringLiteral("Итоговый результат"), 13.0, 6.0, warningHeight + height);
    if (!warning.empty()) {
        page.Write(warning);
        page.Gap(1.5);
    }
    page.EnsureSpace(height);
    page.DrawTable(table, page.Left, page.Y);
    DrawPie(page.Canvas(),
        QRectF(page.Left + half + page.Units(4.0), page.Y, page.Width() - half - page.Units(4.0), pieHeight),
        FinalResults(project, computed));
    page.Y += height;
    page.Gap(2.0);
}

void LevelsSection(CPageWriter& page, const CUserProjectModel& project, const CProjectResults& results, char separator)
{
    page.Heading(QString::fromUtf8(LevelPrioritiesTitle), 13.0, 6.0);
    const double gap = page.Units(6.0);
    const double width = (page.Width() - gap) / 2.0;
    std::vector<CTable> tables;
    for (std::uint32_t level = 1; level < project.LevelCount(); ++level) {
        CTable table
            = TableOf(LevelRankingTable(project, results, level, separator), {Qt::AlignLeft, Qt::AlignRight}, false);
        table.Widths = {width - page.Units(23.0), page.Units(23.0)};
        page.Measure(table);
        tables.push_back(std::move(table));
    }
    // Two levels side by side.
    for (std::size_t i = 0; i < tables.size(); i += 2) {
        const double height = std::max(tables[i].Height, i + 1 < tables.size() ? tables[i + 1].Height : 0.0);
        page.EnsureSpace(height);
        page.DrawTable(tables[i], page.Left, page.Y);
        if (i + 1 < tables.size()) {
            page.DrawTable(tables[i + 1], page.Left + width + gap, page.Y);
        }
        page.Y += height;
        page.Gap(3.0);
    }
}

void ElementSection(CPageWriter& page, const CUserProjectModel& project, const CProjectResults& results,
    std::uint32_t position, std::uint32_t level, const CSensitivityAnalysis& analysis, char separator)
{
    const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
    const CHierarchy_Element& element = project.Element(position, level);

    std::vector<Qt::Alignment> aligns{Qt::AlignLeft};
    aligns.insert(aligns.end(), n, Qt::AlignHCenter);
    aligns.push_back(Qt::AlignRight);
    CTable matrix = TableOf(JudgementTable(project, results, position, level, separator), aligns, true);
    const double cell = page.Units(11.0);
    const double priority = page.Units(23.0);
    matrix.Widths.push_back(page.Width() - cell * n - priority);
    matrix.Widths.insert(matrix.Widths.end(), n, cell);
    matrix.Widths.push_back(priority);

    CParagraphs notes;
    notes.push_back({Text(MeasuresText(results.LevelData(position, level), separator))});
    notes.push_back({Text(TransitivityText(BuildTransitivityReport(element.Judgements, n)))});
    const CConsistencyGuidance guidance = GuideConsistency(project, position, level);
    Write(notes, ConsistencyLines(guidance, separator), 0.0, 0.0);
    Write(notes, SuggestionLines(project, level, guidance, separator), 5.0, 5.0);
    if (IsMiddleLevel(project.LevelCount(), level)) {
        Write(notes, SensitivityLines(ElementSensitivityText(project, analysis, level, position, separator)), 0.0, 5.0);
    }

    const QString title = level == 0
        ? QStringLiteral("Цель «%1»").arg(Text(element.Name))
        : QStringLiteral("«%1»: уровень %2, № %3").arg(Text(element.Name)).arg(level).arg(position + 1);
    // The element's block moves to the next page whole when it fits on one.
    page.Measure(matrix);
    page.Heading(title, 10.5, 5.0, matrix.Height + page.Units(1.5) + page.Height(notes));
    page.Table(matrix);
    page.Gap(1.5);
    page.Write(notes);
}

} // namespace

QByteArray ProjectReportPdf(
    const CUserProjectModel& project, const CProjectResults& results, const CReportSubject& subject)
{
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(project, results, *analysis);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(subject.Hierarchy.Dpi > 0 ? subject.Hierarchy.Dpi : 96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("Отчёт по проекту: ") + Text(project.Goal().Name));
        writer.setCreator(
            QStringLiteral("%1 %2").arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        QPainter painter(&writer);
        CPageWriter page(writer, painter,
            QStringLiteral("%1 %2 — программа поддержки принятия рациональных решений")
                .arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        const char separator = subject.DecimalSeparator;

        TitleBlock(page, project, subject);
        HierarchySection(page, subject.Hierarchy);
        RankingSection(page, project, results, separator);
        if (HasMiddleLevels(project.LevelCount())) {
            page.Paragraph(Text(CriticalChangeText(project, analysis->Critical, separator)), page.Font(BodyPoints));
        }
        LevelsSection(page, project, results, separator);
        page.Heading(QStringLiteral("Суждения и согласованность"), 13.0, 6.0);
        for (std::uint32_t level = 0; level + 1 < project.LevelCount(); ++level) {
            const std::uint32_t count = level == 0 ? 1U : project.ElementsInLevelChecked(level);
            for (std::uint32_t e = 0; e < count; ++e) {
                ElementSection(page, project, results, e, level, *analysis, separator);
            }
        }
        painter.end();
    }
    return bytes;
}
