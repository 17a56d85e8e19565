#include "gui/app/ProjectReport.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/MiddleLevels.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/Deviations.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/results/Synthesis.h"
#include "gui/app/CReportPageWriter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <memory>
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

void TitleBlock(CReportPageWriter& page, const CUserProjectModel& project, const CReportSubject& subject)
{
    page.Paragraph(QStringLiteral("Отчёт по проекту"), CReportPageWriter::Font(18.0, true));
    page.Gap(3.0);
    const QString comment = Text(project.Goal().Comment);
    CReportPageTable info;
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

void HierarchySection(CReportPageWriter& page, const CHierarchyPicture& picture)
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
    page.Heading(QStringLiteral("Итоговый результат"), 13.0, 6.0, labelHeight + warningHeight + height);
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
    const CReportParagraphs note{{Text(RawIdealNote)}};
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
    page.Heading(QString::fromUtf8(LevelPrioritiesTitle), 13.0, 6.0);
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
        CReportPageWriter page(writer, painter,
            QStringLiteral("%1 %2 — программа поддержки принятия рациональных решений")
                .arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        const char separator = subject.DecimalSeparator;

        TitleBlock(page, project, subject);
        HierarchySection(page, subject.Hierarchy);
        // Judgements that do not connect an element's elements leave no ranking: the
        // report says why where the ranking would stand, and still shows the judgements.
        const std::string refusal = ProjectNotConnectedText(project, results);
        if (!refusal.empty()) {
            page.Heading(QStringLiteral("Итоговый результат"), 13.0, 6.0);
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
        page.Heading(QStringLiteral("Суждения и согласованность"), 13.0, 6.0);
        const std::vector<std::string> incomplete = IncompleteMatrixLines(project);
        if (!incomplete.empty()) {
            CReportParagraphs list;
            list.push_back({QString::fromUtf8(IncompleteMatricesHeading)});
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
        page.EnsureSpace(0.0); // a heading still waiting is drawn
        painter.end();
    }
    return bytes;
}
