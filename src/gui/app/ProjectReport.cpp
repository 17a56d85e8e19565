#include "gui/app/ProjectReport.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/MiddleLevels.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/CRatingResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/Deviations.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/RatingReportContent.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "gui/app/CReportPageWriter.h"
#include "gui/results/CRatingBars.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

void Write(CReportParagraphs& notes, const std::vector<std::string>& lines, double firstIndentMm, double indentMm)
{
    for (std::size_t l = 0; l < lines.size(); ++l) {
        notes.push_back({Text(lines[l]), l == 0 ? firstIndentMm : indentMm});
    }
}

void TitleBlock(CReportPageWriter& page, const std::string& goal, const std::string& goalComment,
    const CReportSubject& subject, const QString& structure)
{
    page.Paragraph(
        QCoreApplication::translate("ProjectReport", "Отчёт по проекту"), CReportPageWriter::Font(18.0, true));
    page.Gap(3.0);
    const QString comment = Text(goalComment);
    //: The date's format (Qt's QDate format), as a reader of the language writes a date.
    const QString date = subject.Date.toString(QCoreApplication::translate("ProjectReport", "dd.MM.yyyy"));
    CReportPageTable info;
    info.HasHeader = false;
    info.Ruled = false;
    info.BoldFirstColumn = true;
    info.Widths = {page.Units(32.0), page.Width() - page.Units(32.0)};
    info.Rows = {
        {{QCoreApplication::translate("ProjectReport", "Цель")}, {Text(goal)}},
        {{QCoreApplication::translate("ProjectReport", "Комментарий")},
            {comment.isEmpty() ? QCoreApplication::translate("ProjectReport", "нет") : comment}},
        {{QCoreApplication::translate("ProjectReport", "Файл")},
            {subject.FileName.isEmpty() ? QCoreApplication::translate("ProjectReport", "новый проект")
                                        : subject.FileName}},
        {{QCoreApplication::translate("ProjectReport", "Дата")}, {date}},
        {{QCoreApplication::translate("ProjectReport", "Структура")}, {structure}},
    };
    page.Table(info);
}

void HierarchySection(CReportPageWriter& page, const CHierarchyPicture& picture)
{
    if (!picture.Paint || picture.Extent.isEmpty()) {
        return;
    }
    // The page's width, unless the drawing and its heading would then be taller than a page.
    const double scale = std::min(
        page.Width() / picture.Extent.width(), (page.PageHeight() - page.Units(15.0)) / picture.Extent.height());
    const double height = picture.Extent.height() * scale;
    page.Heading(QCoreApplication::translate("ProjectReport", "Иерархия"), 13.0, 6.0, height);
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
    CReportPageWriter& page, const CUserProjectModel& project, const CProjectResults& computed, char separator)
{
    CReportPageTable table = ReportPageTableOf(
        FinalRankingTable(project, computed, separator), {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight}, false);
    const double half = page.Width() * 0.46;
    table.Widths = {page.Units(14.0), half - page.Units(14.0) - page.Units(23.0), page.Units(23.0)};
    page.Measure(table);
    const double pieHeight = page.Units(70.0);
    const double height = std::max(table.Height, pieHeight);
    // A ranking that rests on matrices not acceptable says so above itself, on its page.
    CReportParagraphs warning;
    const std::string unacceptable
        = UnacceptableWarningText(project, UnacceptableMatrices(project, computed), separator);
    if (!unacceptable.empty()) {
        warning.push_back({Text(unacceptable)});
    }
    const double warningHeight = warning.empty() ? 0.0 : page.Height(warning) + page.Units(1.5);
    const CReportParagraphs label{{Text(RankingTitle(ESynthesisMode::Distributive))}};
    const double labelHeight = page.Height(label) + page.Units(1.5);
    page.Heading(QCoreApplication::translate("ProjectReport", "Итоговый результат"), 13.0, 6.0,
        labelHeight + warningHeight + height);
    page.Write(label);
    page.Gap(1.5);
    if (!warning.empty()) {
        page.Write(warning);
        page.Gap(1.5);
    }
    page.EnsureSpace(height);
    page.DrawTable(table, page.Left, page.Y);
    page.Pie(QRectF(page.Left + half + page.Units(4.0), page.Y, page.Width() - half - page.Units(4.0), pieHeight),
        FinalResults(project, computed));
    page.Y += height;
    page.Gap(2.0);
}

// The ideal ranking beside the distributive one, with the raw ideal scores.
void IdealRankingSection(
    CReportPageWriter& page, const CUserProjectModel& project, const CProjectResults& computed, char separator)
{
    CReportPageTable table = ReportPageTableOf(IdealRankingTable(project, computed, separator),
        {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight}, false);
    const double half = page.Width() * 0.56;
    table.Widths = {page.Units(14.0), half - page.Units(14.0) - page.Units(46.0), page.Units(23.0), page.Units(23.0)};
    page.Measure(table);
    const double pieHeight = page.Units(60.0);
    const double height = std::max(table.Height, pieHeight);
    const CReportParagraphs note{{Text(Tr(RawIdealNote))}};
    page.Heading(Text(RankingTitle(ESynthesisMode::Ideal)), 11.0, 5.0, height + page.Height(note));
    page.EnsureSpace(height);
    page.DrawTable(table, page.Left, page.Y);
    page.Pie(QRectF(page.Left + half + page.Units(4.0), page.Y, page.Width() - half - page.Units(4.0), pieHeight),
        FinalResults(project, computed, ESynthesisMode::Ideal));
    page.Y += height;
    page.Gap(1.5);
    page.Write(note);
    page.Gap(2.0);
}

void LevelsSection(
    CReportPageWriter& page, const CUserProjectModel& project, const CProjectResults& results, char separator)
{
    page.Heading(QString::fromStdString(Tr(LevelPrioritiesTitle)), 13.0, 6.0);
    const double gap = page.Units(6.0);
    const double width = (page.Width() - gap) / 2.0;
    std::vector<CReportPageTable> tables;
    for (std::uint32_t level = 1; level < project.LevelCount(); ++level) {
        CReportPageTable table = ReportPageTableOf(
            LevelRankingTable(project, results, level, separator), {Qt::AlignLeft, Qt::AlignRight}, false);
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

void ElementSection(CReportPageWriter& page, const CUserProjectModel& project, const CProjectResults& results,
    std::uint32_t position, std::uint32_t level, const CSensitivityAnalysis& analysis, char separator)
{
    const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
    const CHierarchy_Element& element = project.Element(position, level);

    std::vector<Qt::Alignment> aligns{Qt::AlignLeft};
    aligns.insert(aligns.end(), n, Qt::AlignHCenter);
    aligns.push_back(Qt::AlignRight);
    CReportPageTable matrix
        = ReportPageTableOf(JudgementTable(project, results, position, level, separator), aligns, true);
    const double cell = page.Units(11.0);
    const double priority = page.Units(23.0);
    matrix.Widths.push_back(page.Width() - cell * n - priority);
    matrix.Widths.insert(matrix.Widths.end(), n, cell);
    matrix.Widths.push_back(priority);

    CReportParagraphs notes;
    // Comparisons left out are told first: how many are given, and whether they connect.
    const CComparisonGraph graph = ElementGraph(project, position, level);
    if (!graph.Complete()) {
        notes.push_back({Text(JudgedPairsText(graph, ComparedNames(project, level)))});
    }
    if (!graph.Connected()) {
        notes.push_back({Text(NotConnectedText(element.Name, graph, ComparedNames(project, level)))});
    }
    notes.push_back(
        {Text(MeasuresText(results.LevelData(position, level), results.Basis(position, level), separator))});
    notes.push_back({Text(TransitivityText(BuildTransitivityReport(element.Judgements, n)))});
    const CConsistencyGuidance guidance = GuideConsistency(project, position, level);
    Write(notes, ConsistencyLines(guidance, separator), 0.0, 0.0);
    Write(notes, SuggestionLines(project, level, guidance, separator), 5.0, 5.0);
    if (IsMiddleLevel(project.LevelCount(), level) && !results.NotConnected()) {
        Write(notes, SensitivityLines(ElementSensitivityText(project, analysis, level, position, separator)), 0.0, 5.0);
    }

    const QString title = level == 0 ? QCoreApplication::translate("ProjectReport", "Цель «%1»").arg(Text(element.Name))
                                     : QCoreApplication::translate("ProjectReport", "«%1»: уровень %2, № %3")
                                           .arg(Text(element.Name))
                                           .arg(level)
                                           .arg(position + 1);
    // The element's block moves to the next page whole when it fits on one.
    page.Measure(matrix);
    page.Heading(title, 10.5, 5.0, matrix.Height + page.Units(1.5) + page.Height(notes));
    page.Table(matrix);
    page.Gap(1.5);
    page.Write(notes);
}

// ---- a tree of criteria

// The core's ranking with its colours by place, the results view's own.
std::vector<CResultRow> TreeRanking(const CHierarchy& tree, const CHierarchyResults& results, ESynthesisMode mode)
{
    const CResultList list = HierarchyFinalResults(tree, results, mode);
    return {list.Rows.begin(), list.Rows.begin() + list.Count};
}

// The outline: each criterion indented by its level under its parent.
void OutlineSection(CReportPageWriter& page, const CHierarchy& tree, const CHierarchyResults& results, char separator)
{
    CReportPageTable table = ReportPageTableOf(HierarchyOutlineTable(tree, results, separator),
        {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft}, false);
    const std::vector<std::uint32_t> nodes = DepthFirstNodes(tree);
    for (std::size_t r = 1; r < table.Rows.size() && r - 1 < nodes.size(); ++r) {
        table.Rows[r][0].Indent = page.Units(4.0) * tree.Level(nodes[r - 1]);
    }
    // The figures' and the mark's columns as wide as their longest words, the names the rest.
    const double padding = page.Units(2.2);
    //: Not shown: measures the priority columns; the longest word of their headings.
    const double figure = page.TextWidth(QCoreApplication::translate("ProjectReport", "Глобальный"), true) + padding;
    //: Not shown: measures the consistency column; its widest mark.
    const double mark
        = page.TextWidth(QCoreApplication::translate("ProjectReport", "ОС 0.0000, недостаточна"), false) + padding;
    table.Widths = {page.Width() - 2 * figure - mark, figure, figure, mark};
    page.Heading(QCoreApplication::translate("ProjectReport", "Иерархия"), 13.0, 6.0);
    page.Table(table);
    page.Gap(2.0);
}

void TreeRankingSection(CReportPageWriter& page, const CHierarchy& tree, const CHierarchyResults& results,
    ESynthesisMode mode, char separator)
{
    const bool ideal = mode == ESynthesisMode::Ideal;
    CReportPageTable table = ReportPageTableOf(HierarchyRankingTable(tree, results, mode, separator),
        {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight}, false);
    const double half = page.Width() * (ideal ? 0.56 : 0.46);
    const double figures = page.Units(ideal ? 46.0 : 23.0);
    table.Widths = {page.Units(14.0), half - page.Units(14.0) - figures, page.Units(23.0)};
    if (ideal) {
        table.Widths.push_back(page.Units(23.0));
    }
    page.Measure(table);
    const double pieHeight = page.Units(ideal ? 60.0 : 70.0);
    const double height = std::max(table.Height, pieHeight);
    CReportParagraphs above;
    CReportParagraphs below;
    if (ideal) {
        below.push_back({Text(Tr(RawIdealNote))});
    } else {
        above.push_back({Text(RankingTitle(mode))});
        // A ranking that rests on matrices not acceptable says so above itself.
        const std::string warning
            = UnacceptableNodesWarningText(tree, results, UnacceptableNodes(tree, results), separator);
        if (!warning.empty()) {
            above.push_back({Text(warning)});
        }
    }
    const double aboveHeight = above.empty() ? 0.0 : page.Height(above) + page.Units(1.5);
    if (ideal) {
        page.Heading(Text(RankingTitle(mode)), 11.0, 5.0, height + page.Height(below));
    } else {
        page.Heading(QCoreApplication::translate("ProjectReport", "Итоговый результат"), 13.0, 6.0,
            aboveHeight + std::min(height, page.PageHeight() / 2));
        page.Write(above);
        page.Gap(1.5);
    }
    // Twenty alternatives may take more than a page: the pie stands beside the table's top.
    page.EnsureSpace(std::min(height, page.PageHeight()));
    const QRectF pie(page.Left + half + page.Units(4.0), page.Y, page.Width() - half - page.Units(4.0), pieHeight);
    page.Pie(pie, TreeRanking(tree, results, mode));
    const double top = page.Y;
    page.Table(table);
    if (page.Y >= top) {
        page.Y = std::max(page.Y, top + pieHeight);
    }
    page.Gap(1.5);
    page.Write(below);
    page.Gap(2.0);
}

// The node's sensitivity when its weight can move.
void WriteNodeSensitivity(CReportParagraphs& notes, const CHierarchy& tree, std::uint32_t node,
    const CHierarchySensitivity& analysis, char separator, std::size_t leaders)
{
    for (const CNodeSensitivity& moved : analysis.Nodes) {
        if (moved.Node == node) {
            Write(notes, SensitivityLines(NodeSensitivityText(tree, analysis, moved, separator, leaders)), 0.0, 5.0);
        }
    }
}

void NodeSection(CReportPageWriter& page, const CHierarchy& tree, const CHierarchyResults& results, std::uint32_t node,
    const CHierarchySensitivity& analysis, char separator, std::size_t leaders = 0)
{
    const CNodeResult& result = results.Node(node);
    CReportParagraphs notes;
    std::optional<CReportPageTable> matrix;
    if (!result.Compared) {
        notes.push_back({Text(SingleChildText(tree, node))});
    } else {
        const std::uint32_t n = tree.ComparedCount(node);
        std::vector<Qt::Alignment> aligns{Qt::AlignLeft};
        aligns.insert(aligns.end(), n, Qt::AlignHCenter);
        aligns.push_back(Qt::AlignRight);
        matrix = ReportPageTableOf(NodeJudgementTable(tree, results, node, separator), aligns, true);
        // Nine columns as the layered report draws them; more share the page, closer
        // round their text, each as wide as its widest judgement, the names taking the rest.
        double priority = page.Units(23.0);
        double cell = page.Units(11.0);
        if (n > 9) {
            matrix->PaddingMm = 0.5;
            const double padding = page.Units(2 * matrix->PaddingMm + 0.2);
            priority = std::max(page.TextWidth(Text(Tr(PriorityCaption)), true),
                           page.TextWidth(QStringLiteral("0.0000"), false))
                + padding;
            cell = page.TextWidth(QString::number(n), true);
            for (const char* text : {"1/9", NotJudgedCellText}) {
                cell = std::max(cell, page.TextWidth(QString::fromUtf8(text), false));
            }
            cell += padding;
        }
        matrix->Widths.push_back(page.Width() - cell * n - priority);
        matrix->Widths.insert(matrix->Widths.end(), n, cell);
        matrix->Widths.push_back(priority);

        const CWideComparisonGraph graph = NodeGraph(tree, node);
        const std::vector<std::string> names = NodeComparedNames(tree, node);
        if (!graph.Complete()) {
            notes.push_back({Text(JudgedPairsText(graph, names))});
        }
        if (!graph.Connected()) {
            notes.push_back({Text(NotConnectedText(NodePathText(tree, node), graph, names))});
        }
        notes.push_back({Text(MeasuresText(result.Measures, result.Basis, separator))});
        const CJudgementMatrix& judgements = tree.Node(node).Judgements;
        notes.push_back({Text(TransitivityText(BuildTransitivityReport(judgements, n)))});
        const CConsistencyGuidance guidance = GuideConsistency(judgements, n, result.Local.data());
        Write(notes, ConsistencyLines(guidance, separator), 0.0, 0.0);
        Write(notes, SuggestionLines(names, guidance, separator), 5.0, 5.0);
    }
    WriteNodeSensitivity(notes, tree, node, analysis, separator, leaders);
    // The criterion's block moves to the next page whole when it fits on one.
    double height = page.Height(notes);
    if (matrix) {
        page.Measure(*matrix);
        height += matrix->Height + page.Units(1.5);
    }
    page.Heading(Text(NodeHeading(tree, node)), 10.5, 5.0, height);
    if (matrix) {
        page.Table(*matrix);
        page.Gap(1.5);
    }
    page.Write(notes);
}

// ---- a rated tree

// A rated criterion: its scale and the sensitivity of the scores to its weight.
void RatedNodeSection(CReportPageWriter& page, const CHierarchy& tree, std::uint32_t node,
    const CHierarchySensitivity& analysis, char separator)
{
    CReportParagraphs notes{{Text(CriterionScaleText(tree, node))}};
    WriteNodeSensitivity(notes, tree, node, analysis, separator, RatedSensitivityLeaders);
    page.Heading(Text(NodeHeading(tree, node)), 10.5, 5.0, page.Height(notes));
    page.Write(notes);
}

// The leading places by score as the results view draws them, bars at the page's width.
void RatedBars(CReportPageWriter& page, const CHierarchy& tree, const CRatingResults& results)
{
    std::vector<CRatingBars::CBar> rows;
    for (const std::uint32_t a : results.Ranking()) {
        if (rows.size() == RatedReportLeaders) {
            break;
        }
        rows.push_back({Text(tree.Alternatives()[a].Name), results.Scores()[a], results.Complete(a)});
    }
    CRatingBars bars;
    bars.SetBars(std::move(rows));
    // Drawn at a screen's size and scaled to the page, so its letters keep their proportion to the bars.
    const QSize size(720, bars.sizeHint().height());
    bars.resize(size);
    const double scale = page.Width() / size.width();
    page.EnsureSpace(size.height() * scale);
    QPainter& painter = page.Canvas();
    painter.save();
    painter.translate(page.Left, page.Y);
    painter.scale(scale, scale);
    bars.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
    page.Y += size.height() * scale;
    page.Gap(2.0);
}

// The leading places by score, with share and the mark of cells not rated.
void RatedRankingSection(CReportPageWriter& page, const CHierarchy& tree, const CRatingResults& results, char separator)
{
    const CHierarchyResults& criteria = results.Criteria();
    CReportPageTable table = ReportPageTableOf(RatingRankingTable(tree, results, RatedReportLeaders, separator),
        {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft}, false);
    const double place = page.Units(14.0);
    const double figure = page.Units(23.0);
    const double mark = page.TextWidth(Text(Tr(NotAllRatedMark)), false) + page.Units(2.2);
    table.Widths = {place, page.Width() - place - 2 * figure - mark, figure, figure, mark};
    page.Measure(table);
    CReportParagraphs above{{Text(Tr(RatingRankingTitle))}};
    const std::string warning
        = UnacceptableNodesWarningText(tree, criteria, UnacceptableNodes(tree, criteria), separator);
    if (!warning.empty()) {
        above.push_back({Text(warning)});
    }
    page.Heading(QCoreApplication::translate("ProjectReport", "Итоговый результат"), 13.0, 6.0,
        page.Height(above) + page.Units(1.5) + std::min(table.Height, page.PageHeight() / 2));
    page.Write(above);
    page.Gap(1.5);
    page.Table(table);
    const std::string more = LeadingAlternativesText(RatedReportLeaders, tree.AlternativeCount());
    if (!more.empty()) {
        page.Gap(1.5);
        page.Paragraph(Text(more), CReportPageWriter::Font(ReportBodyPoints));
    }
    page.Gap(2.0);
    RatedBars(page, tree, results);
}

// Each scale: its intensities with priority and ideal value, the criteria it serves,
// its consistency and a weight out of the listed order.
void ScaleSection(
    CReportPageWriter& page, const CHierarchy& tree, const CRatingResults& results, std::uint32_t s, char separator)
{
    const CRatingScale& scale = tree.Scales()[s];
    const CScaleResult& result = results.Scales()[s];
    CReportPageTable table = ReportPageTableOf(
        ScaleTable(scale, result, separator), {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight}, false);
    //: Not shown: measures the figures' columns; the widest heading of a scale's table.
    const double figure
        = page.TextWidth(QCoreApplication::translate("ProjectReport", "Идеальное значение"), true) + page.Units(2.2);
    table.Widths = {page.Width() - 2 * figure, figure, figure};
    CReportParagraphs notes{{Text(ScaleUseText(tree, s))}};
    Write(notes, ScaleConsistencyLines(scale, result, separator), 0.0, 0.0);
    const std::string warning = ScaleOrderWarningText(scale, result);
    if (!warning.empty()) {
        notes.push_back({Text(warning)});
    }
    page.Measure(table);
    page.Heading(Text(ScaleHeading(scale)), 10.5, 5.0, table.Height + page.Units(1.5) + page.Height(notes));
    page.Table(table);
    page.Gap(1.5);
    page.Write(notes);
}

// The whole ratings table: the alternatives in their order down the pages, the rated
// criteria in as many column groups as the page's width takes, each group a table.
void RatingsAppendix(CReportPageWriter& page, const CHierarchy& tree)
{
    const CReportTable all = RatingsTable(tree);
    const double nameWidth = page.Units(42.0);
    // Each column as wide as the longest intensity, so that no name breaks inside a word.
    double minimum = std::max(page.Units(24.0), page.TextWidth(Text(Tr(NotRatedCellText)), false));
    for (const CRatingScale& scale : tree.Scales()) {
        for (const std::string& intensity : scale.Intensities) {
            minimum = std::max(minimum, page.TextWidth(Text(intensity), false));
        }
    }
    minimum = std::min(minimum + page.Units(2.2), page.Width() - nameWidth);
    const auto perGroup = static_cast<std::size_t>(std::max(1.0, (page.Width() - nameWidth) / minimum));
    const std::size_t criteria = all.Header.size() - 1;
    page.NewPage();
    page.Heading(
        QCoreApplication::translate("ProjectReport", "Приложение. %1").arg(Text(Tr(RatingsTableTitle))), 13.0, 0.0);
    for (std::size_t first = 0; first < criteria; first += perGroup) {
        const std::size_t count = std::min(perGroup, criteria - first);
        CReportTable part;
        part.Header.push_back(all.Header[0]);
        part.Header.insert(part.Header.end(), all.Header.begin() + static_cast<std::ptrdiff_t>(1 + first),
            all.Header.begin() + static_cast<std::ptrdiff_t>(1 + first + count));
        part.Rows.reserve(all.Rows.size());
        for (const std::vector<std::string>& row : all.Rows) {
            std::vector<std::string> cells{row[0]};
            cells.insert(cells.end(), row.begin() + static_cast<std::ptrdiff_t>(1 + first),
                row.begin() + static_cast<std::ptrdiff_t>(1 + first + count));
            part.Rows.push_back(std::move(cells));
        }
        CReportPageTable table = ReportPageTableOf(part, {Qt::AlignLeft}, false);
        const double column = (page.Width() - nameWidth) / static_cast<double>(count);
        table.Widths.assign(1, nameWidth);
        table.Widths.insert(table.Widths.end(), count, std::min(column, std::max(minimum, page.Units(60.0))));
        if (criteria > perGroup) {
            page.Heading(QCoreApplication::translate("ProjectReport", "Критерии с %1 по %2 из %3")
                             .arg(first + 1)
                             .arg(first + count)
                             .arg(criteria),
                10.5, 5.0);
        }
        page.Table(table);
        page.Gap(2.0);
    }
}

// The pages of a report: A4 at the drawing's resolution, its title and creator, a
// footer on every page; writePages fills them.
QByteArray ReportPdf(
    const std::string& goal, const CReportSubject& subject, const std::function<void(CReportPageWriter&)>& writePages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(subject.Hierarchy.Dpi > 0 ? subject.Hierarchy.Dpi : 96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QCoreApplication::translate("ProjectReport", "Отчёт по проекту: %1").arg(Text(goal)));
        writer.setCreator(
            QStringLiteral("%1 %2").arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        QPainter painter(&writer);
        CReportPageWriter page(writer, painter,
            QCoreApplication::translate("ProjectReport", "%1 %2 — программа поддержки принятия рациональных решений")
                .arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        writePages(page);
        page.EnsureSpace(0.0); // a heading still waiting is drawn
        painter.end();
    }
    return bytes;
}

} // namespace

QByteArray ProjectReportPdf(
    const CUserProjectModel& project, const CProjectResults& results, const CReportSubject& subject)
{
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(project, results, *analysis);
    return ReportPdf(project.Goal().Name, subject, [&](CReportPageWriter& page) {
        const char separator = subject.DecimalSeparator;

        TitleBlock(page, project.Goal().Name, project.Goal().Comment, subject,
            QCoreApplication::translate("ProjectReport", "уровней: %1, альтернатив: %2")
                .arg(project.LevelCount())
                .arg(project.LastLevelCount()));
        HierarchySection(page, subject.Hierarchy);
        // Judgements that do not connect an element's elements leave no ranking: the
        // report says why where the ranking would stand, and still shows the judgements.
        const std::string refusal = ProjectNotConnectedText(project, results);
        if (!refusal.empty()) {
            page.Heading(QCoreApplication::translate("ProjectReport", "Итоговый результат"), 13.0, 6.0);
            page.Paragraph(Text(refusal), CReportPageWriter::Font(ReportBodyPoints));
        } else {
            RankingSection(page, project, results, separator);
            if (HasMiddleLevels(project.LevelCount())) {
                page.Paragraph(Text(CriticalChangeText(project, analysis->Critical, separator)),
                    CReportPageWriter::Font(ReportBodyPoints));
            }
            IdealRankingSection(page, project, results, separator);
            LevelsSection(page, project, results, separator);
        }
        page.Heading(QCoreApplication::translate("ProjectReport", "Суждения и согласованность"), 13.0, 6.0);
        const std::vector<std::string> incomplete = IncompleteMatrixLines(project);
        if (!incomplete.empty()) {
            CReportParagraphs list;
            list.push_back({QString::fromStdString(Tr(IncompleteMatricesHeading))});
            Write(list, incomplete, 5.0, 5.0);
            page.Write(list);
            page.Gap(2.0);
        }
        for (std::uint32_t level = 0; level + 1 < project.LevelCount(); ++level) {
            const std::uint32_t count = level == 0 ? 1U : project.ElementsInLevelChecked(level);
            for (std::uint32_t e = 0; e < count; ++e) {
                ElementSection(page, project, results, e, level, *analysis, separator);
            }
        }
    });
}

QByteArray TreeReportPdf(const CHierarchy& tree, const CHierarchyResults& results, const CReportSubject& subject)
{
    const CHierarchySensitivity analysis
        = results.NotConnected() ? CHierarchySensitivity() : AnalyseSensitivity(tree, results);
    return ReportPdf(tree.Goal().Name, subject, [&](CReportPageWriter& page) {
        const char separator = subject.DecimalSeparator;
        TitleBlock(page, tree.Goal().Name, tree.Goal().Comment, subject,
            QCoreApplication::translate("ProjectReport", "дерево критериев: уровней %1, критериев %2, альтернатив %3")
                .arg(tree.LevelCount())
                .arg(tree.NodeCount() - 1)
                .arg(tree.AlternativeCount()));
        OutlineSection(page, tree, results, separator);
        // Judgements that do not connect a criterion's elements leave no ranking: the
        // report says why where the ranking would stand, and still shows the judgements.
        const std::string refusal = HierarchyNotConnectedText(tree, results);
        if (!refusal.empty()) {
            page.Heading(QCoreApplication::translate("ProjectReport", "Итоговый результат"), 13.0, 6.0);
            page.Paragraph(Text(refusal), CReportPageWriter::Font(ReportBodyPoints));
        } else {
            TreeRankingSection(page, tree, results, ESynthesisMode::Distributive, separator);
            page.Paragraph(Text(NodeCriticalChangeText(tree, analysis.Critical, separator)),
                CReportPageWriter::Font(ReportBodyPoints));
            TreeRankingSection(page, tree, results, ESynthesisMode::Ideal, separator);
        }
        page.Heading(QCoreApplication::translate("ProjectReport", "Суждения и согласованность"), 13.0, 6.0);
        const std::vector<std::string> incomplete = IncompleteNodeLines(tree);
        if (!incomplete.empty()) {
            CReportParagraphs list;
            list.push_back({QString::fromStdString(Tr(IncompleteMatricesHeading))});
            Write(list, incomplete, 5.0, 5.0);
            page.Write(list);
            page.Gap(2.0);
        }
        for (const std::uint32_t node : DepthFirstNodes(tree)) {
            NodeSection(page, tree, results, node, analysis, separator);
        }
    });
}

QByteArray RatedTreeReportPdf(const CHierarchy& tree, const CRatingResults& results, const CReportSubject& subject)
{
    const CHierarchyResults& criteria = results.Criteria();
    CHierarchySensitivity analysis;
    std::size_t leftOut = 0;
    if (!criteria.NotConnected()) {
        AnalyseSensitivity(tree, results, analysis);
        leftOut = KeepLeadingCrossings(analysis, results.Ranking(), RatedSensitivityLeaders);
    }
    return ReportPdf(tree.Goal().Name, subject, [&](CReportPageWriter& page) {
        const char separator = subject.DecimalSeparator;
        TitleBlock(page, tree.Goal().Name, tree.Goal().Comment, subject,
            QCoreApplication::translate(
                "ProjectReport", "дерево критериев: уровней %1, критериев %2, альтернатив %3, оценки по шкалам")
                .arg(tree.LevelCount())
                .arg(tree.NodeCount() - 1)
                .arg(tree.AlternativeCount()));
        OutlineSection(page, tree, criteria, separator);
        const std::string refusal = HierarchyNotConnectedText(tree, criteria);
        if (!refusal.empty()) {
            page.Heading(QCoreApplication::translate("ProjectReport", "Итоговый результат"), 13.0, 6.0);
            page.Paragraph(Text(refusal), CReportPageWriter::Font(ReportBodyPoints));
        } else {
            RatedRankingSection(page, tree, results, separator);
            page.Paragraph(Text(NodeCriticalChangeText(tree, analysis.Critical, separator)),
                CReportPageWriter::Font(ReportBodyPoints));
            const std::string note = LeftOutCrossingsText(RatedSensitivityLeaders, leftOut);
            if (!note.empty()) {
                page.Paragraph(Text(note), CReportPageWriter::Font(ReportBodyPoints));
            }
        }
        page.Heading(QCoreApplication::translate("ProjectReport", "Суждения и согласованность"), 13.0, 6.0);
        const std::vector<std::string> incomplete = IncompleteNodeLines(tree);
        if (!incomplete.empty()) {
            CReportParagraphs list;
            list.push_back({QString::fromStdString(Tr(IncompleteMatricesHeading))});
            Write(list, incomplete, 5.0, 5.0);
            page.Write(list);
            page.Gap(2.0);
        }
        for (const std::uint32_t node : DepthFirstNodes(tree)) {
            if (tree.IsRated(node)) {
                RatedNodeSection(page, tree, node, analysis, separator);
            } else {
                NodeSection(page, tree, criteria, node, analysis, separator, RatedSensitivityLeaders);
            }
        }
        page.Heading(QCoreApplication::translate("ProjectReport", "Шкалы оценок"), 13.0, 6.0);
        for (std::uint32_t s = 0; s < tree.Scales().size(); ++s) {
            ScaleSection(page, tree, results, s, separator);
        }
        RatingsAppendix(page, tree);
    });
}
