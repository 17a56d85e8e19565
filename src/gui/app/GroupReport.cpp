#include "gui/app/GroupReport.h"

#include "core/group/CGroupDecision.h"
#include "core/group/CGroupResult.h"
#include "core/group/ExpertSummary.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/ModelConstants.h"
#include "gui/app/CReportPageWriter.h"
#include "gui/app/ProjectReport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The experts' columns that fit one table beside the columns every part repeats.
constexpr std::size_t ExpertColumnsPerTable = 6;
// Up to this many experts every expert has a column of his own; more are summarised
// (the least, the median and the largest figure), every expert's figures being in the CSV.
constexpr std::size_t ExpertsInColumns = 3 + ExpertColumnsPerTable;
// The experts named where a list of them would run on: the most distant, those above
// the consistency limit.
constexpr std::size_t ExpertsNamed = 5;
// The members' table lists everyone up to this many; past it the first and the last few.
constexpr std::size_t MembersListed = 30;
constexpr std::size_t MembersAtEachEnd = 10;
// The columns of a combined matrix wider than a layer's that one table holds.
constexpr std::uint32_t MatrixColumnsPerTable = 6;

// Columns [first, first + count) of a table after the columns kept in every part.
CReportTable Columns(
    const CReportTable& table, const std::vector<std::size_t>& kept, std::size_t first, std::size_t count)
{
    CReportTable part;
    auto take = [&](const std::vector<std::string>& cells) {
        std::vector<std::string> out;
        for (const std::size_t c : kept) {
            out.push_back(cells.at(c));
        }
        for (std::size_t c = first; c < first + count && c < cells.size(); ++c) {
            out.push_back(cells[c]);
        }
        return out;
    };
    part.Header = take(table.Header);
    for (const std::vector<std::string>& row : table.Rows) {
        part.Rows.push_back(take(row));
    }
    return part;
}

void TitleBlock(CReportPageWriter& page, const CGroupDecision& decision, const CGroupReportSubject& subject)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    // A tree counts its criteria: its levels differ from branch to branch.
    const QString structure = decision.Layered()
        ? QCoreApplication::translate("GroupReport", "уровней: %1, альтернатив: %2")
              .arg(decision.Model().LevelCount())
              .arg(decision.Model().LastLevelCount())
        : QCoreApplication::translate("GroupReport", "дерево критериев: критериев %1, альтернатив %2")
              .arg(hierarchy.NodeCount() - 1)
              .arg(hierarchy.AlternativeCount());
    page.Paragraph(
        QCoreApplication::translate("GroupReport", "Групповое решение"), CReportPageWriter::Font(18.0, true));
    page.Gap(3.0);
    //: The date's format (Qt's QDate format), as a reader of the language writes a date.
    const QString date = subject.Date.toString(QCoreApplication::translate("GroupReport", "dd.MM.yyyy"));
    CReportPageTable info;
    info.HasHeader = false;
    info.Ruled = false;
    info.BoldFirstColumn = true;
    info.Widths = {page.Units(36.0), page.Width() - page.Units(36.0)};
    info.Rows = {
        {{QCoreApplication::translate("GroupReport", "Цель")}, {Text(hierarchy.Goal().Name)}},
        {{QCoreApplication::translate("GroupReport", "Файл группы")},
            {subject.FileName.isEmpty() ? QCoreApplication::translate("GroupReport", "группа не сохранена")
                                        : subject.FileName}},
        {{QCoreApplication::translate("GroupReport", "Дата")}, {date}},
        {{QCoreApplication::translate("GroupReport", "Структура")}, {structure}},
        {{QCoreApplication::translate("GroupReport", "Экспертов")},
            {(decision.UseExpertWeights()
                    ? QCoreApplication::translate("GroupReport", "%1, веса учитываются")
                    : QCoreApplication::translate("GroupReport", "%1, веса не учитываются (все равны)"))
                    .arg(decision.ExpertCount())}},
    };
    page.Table(info);
}

void MembersSection(CReportPageWriter& page, const CGroupDecision& decision, char separator)
{
    CReportTable members = GroupMembersTable(decision, separator);
    const std::size_t count = members.Rows.size();
    QString omitted;
    if (count > MembersListed) {
        members.Rows.erase(members.Rows.begin() + static_cast<std::ptrdiff_t>(MembersAtEachEnd),
            members.Rows.end() - static_cast<std::ptrdiff_t>(MembersAtEachEnd));
        members.Rows.insert(members.Rows.begin() + static_cast<std::ptrdiff_t>(MembersAtEachEnd),
            std::vector<std::string>(members.Header.size(), "…"));
        omitted = QCoreApplication::translate("GroupReport",
            "Показаны первые %1 и последние %2 экспертов из %3; все эксперты с весами и долями — в экспорте CSV.")
                      .arg(MembersAtEachEnd)
                      .arg(MembersAtEachEnd)
                      .arg(count);
    }
    CReportPageTable table = ReportPageTableOf(
        members, {Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight}, false);
    const double number = page.Units(12.0);
    const double label = page.Units(38.0);
    const double figure = page.Units(18.0);
    table.Widths = {number, label, page.Width() - number - label - 2 * figure, figure, figure};
    page.Measure(table);
    page.Heading(Text(Tr(GroupMembersTitlePhrase)), 13.0, 6.0, std::min(table.Height, page.Units(40.0)));
    page.Table(table);
    if (!omitted.isEmpty()) {
        page.Gap(1.5);
        page.Write({{omitted}});
    }
}

// The group's columns and the experts' columns, a few experts to a table.
void RankingByExpertTables(CReportPageWriter& page, const CGroupDecision& decision, char separator)
{
    const CReportTable ranking = GroupRankingTable(decision, separator);
    // A rated group's note column follows the experts' columns.
    const std::size_t experts = decision.ExpertCount() + (decision.Result().Ratings ? 1 : 0);
    // The group's columns with the first experts; the other experts follow in tables of
    // their own beside the alternatives' names.
    std::vector<CReportTable> parts;
    parts.push_back(Columns(ranking, {0, 1, 2, 3, 4}, 5, std::min<std::size_t>(experts, 3)));
    for (std::size_t first = 5 + 3; first < 5 + experts; first += ExpertColumnsPerTable) {
        parts.push_back(Columns(ranking, {1}, first, std::min(ExpertColumnsPerTable, 5 + experts - first)));
    }
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const std::size_t kept = p == 0 ? 5 : 1;
        std::vector<Qt::Alignment> aligns(kept == 5 ? std::vector<Qt::Alignment>{Qt::AlignHCenter, Qt::AlignLeft}
                                                    : std::vector<Qt::Alignment>{Qt::AlignLeft});
        aligns.push_back(Qt::AlignRight);
        CReportPageTable table = ReportPageTableOf(parts[p], aligns, false);
        const std::size_t columns = parts[p].Header.size();
        const double place = page.Units(15.0);
        const double name = page.Units(40.0);
        const double fixed = kept == 5 ? place + name : name;
        const double figure
            = (page.Width() - fixed) / static_cast<double>(std::max<std::size_t>(1, columns - (kept == 5 ? 2 : 1)));
        if (kept == 5) {
            table.Widths = {place, name};
        } else {
            table.Widths = {name};
        }
        table.Widths.resize(columns, std::min(figure, page.Units(24.0)));
        page.Table(table);
        page.Gap(2.0);
    }
}

// The group's columns and the experts' final priorities summarised.
void RankingSummaryTable(CReportPageWriter& page, const CGroupDecision& decision, char separator)
{
    CReportPageTable table = ReportPageTableOf(
        GroupRankingSummaryTable(decision, separator), {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight}, false);
    const double place = page.Units(15.0);
    const double figure = page.Units(19.0);
    table.Widths = {place, page.Width() - place - 6 * figure};
    table.Widths.resize(8, figure);
    page.Table(table);
    page.Gap(1.5);
    page.Write({{Text(RankingSummaryNote(decision))}});
    page.Gap(2.0);
}

// The group's ideal ranking, as a project's report shows its own, with the raw scores.
void IdealRankingSection(CReportPageWriter& page, const CGroupDecision& decision, char separator)
{
    const CReportTable ideal = decision.Layered()
        ? IdealRankingTable(decision.Model(), decision.Result().Group, separator)
        : HierarchyRankingTable(decision.Hierarchy(), decision.Result().Nodes, ESynthesisMode::Ideal, separator);
    CReportPageTable table
        = ReportPageTableOf(ideal, {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight}, false);
    const double place = page.Units(15.0);
    const double figure = page.Units(24.0);
    table.Widths = {place, page.Width() * 0.56 - place - 2 * figure, figure, figure};
    page.Measure(table);
    const CReportParagraphs note{{Text(Tr(RawIdealNote))}};
    page.Heading(Text(RankingTitle(ESynthesisMode::Ideal)), 11.0, 5.0, table.Height + page.Height(note));
    page.Table(table);
    page.Gap(1.5);
    page.Write(note);
}

void RankingSection(CReportPageWriter& page, const CGroupDecision& decision, char separator)
{
    page.Heading(Text(Tr(GroupRankingTitlePhrase)), 13.0, 6.0, page.Units(40.0));
    // A ranking that rests on combined matrices not acceptable says so above itself, as a
    // project's ranking does.
    const CGroupResult& result = decision.Result();
    if (result.Ranking.Count > 0) {
        const std::string unacceptable = GroupUnacceptableWarning(decision, separator);
        if (!unacceptable.empty()) {
            page.Write({{Text(unacceptable)}});
            page.Gap(1.5);
        }
    }
    if (decision.ExpertCount() <= ExpertsInColumns) {
        RankingByExpertTables(page, decision, separator);
    } else {
        RankingSummaryTable(page, decision, separator);
    }

    CReportParagraphs notes;
    notes.push_back({Text(OverallConsensusLine(decision, separator))});
    notes.push_back({Text(FinalAgreementLine(decision, separator))});
    notes.push_back({Text(KendallLine(decision, separator))});
    for (const std::string& note : {RankingProblemText(decision.Result().RankingProblem), WithoutFinalText(decision)}) {
        if (!note.empty()) {
            notes.push_back({Text(note)});
        }
    }
    page.EnsureSpace(page.Height(notes));
    page.Write(notes);
    if (decision.Result().Ranking.Count > 0) {
        const double height = page.Units(65.0);
        page.Gap(2.0);
        page.EnsureSpace(height);
        page.Pie(QRectF(page.Left, page.Y, page.Width(), height), decision.Result().Ranking);
        page.Y += height;
        if (decision.Result().Ratings) {
            const CReportParagraphs note{{Text(Tr(RatedGroupIdealNote))}};
            page.EnsureSpace(page.Height(note));
            page.Write(note);
        } else {
            IdealRankingSection(page, decision, separator);
        }
    }
}

void ElementsSection(CReportPageWriter& page, const CGroupDecision& decision, char separator)
{
    CReportPageTable table = ReportPageTableOf(GroupElementsTable(decision, separator),
        {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft}, false);
    const double level = page.Units(18.0);
    const double ratio = page.Units(16.0);
    const double rest = page.Width() - level - ratio;
    table.Widths = {level, rest * 0.22, rest * 0.26, ratio, rest * 0.2, rest * 0.32};
    page.Measure(table);
    page.Heading(Text(Tr(GroupElementsTitlePhrase)), 13.0, 6.0, std::min(table.Height, page.Units(40.0)));
    page.Table(table);
}

// The experts' vectors, a few experts to a table.
void ExpertVectorTables(CReportPageWriter& page, const CGroupDecision& decision, std::size_t index, char separator)
{
    const CReportTable vectors = ExpertVectorsTable(decision, index, separator);
    const std::size_t columns = vectors.Header.size();
    for (std::size_t first = 2; first < columns; first += ExpertColumnsPerTable) {
        const std::size_t count = std::min(ExpertColumnsPerTable, columns - first);
        CReportPageTable table
            = ReportPageTableOf(Columns(vectors, {0, 1}, first, count), {Qt::AlignLeft, Qt::AlignRight}, false);
        const double nameWidth = page.Units(44.0);
        const double figure = std::min(page.Units(22.0), (page.Width() - nameWidth) / static_cast<double>(count + 1));
        table.Widths = {nameWidth};
        table.Widths.resize(count + 2, figure);
        page.Gap(1.5);
        page.Table(table);
    }
}

void ElementSection(CReportPageWriter& page, const CGroupDecision& decision, std::size_t index, char separator)
{
    const CGroupElementResult& element = decision.Result().Elements[index];
    const std::uint32_t n = element.Aggregate.Order;
    // A tree's criterion by its path: its name alone may stand under several parents.
    const std::string name
        = decision.Layered() ? decision.Hierarchy().Node(element.Node).Name : GroupNodePath(decision, element.Node);

    // A layer's nine columns in one table; a tree's criterion of more, a few columns to a
    // table (each cell holds a combined value and its spread), the priorities in the last.
    const CReportTable full = AggregatedMatrixTable(decision, index, separator);
    const std::uint32_t perTable = n <= MaxElementsPerLevel ? n : MatrixColumnsPerTable;
    std::vector<CReportPageTable> matrices;
    for (std::uint32_t first = 1; first <= n; first += perTable) {
        const bool last = first + perTable > n;
        const std::uint32_t count = last ? n + 2 - first : perTable;
        std::vector<Qt::Alignment> aligns{Qt::AlignLeft};
        aligns.insert(aligns.end(), last ? count - 1 : count, Qt::AlignHCenter);
        aligns.push_back(Qt::AlignRight);
        CReportPageTable matrix = ReportPageTableOf(Columns(full, {0}, first, count), aligns, true);
        const double priority = page.Units(22.0);
        const std::uint32_t cells = last ? count - 1 : count;
        // A layer's cells as wide as ever; a tree's share what the names leave.
        const double cell = n <= MaxElementsPerLevel
            ? std::min(page.Units(22.0), (page.Width() - page.Units(36.0) - priority) / n)
            : std::min(page.Units(24.0), (page.Width() - page.Units(36.0) - (last ? priority : 0.0)) / cells);
        matrix.Widths.push_back(page.Width() - cell * cells - (last ? priority : 0.0));
        matrix.Widths.insert(matrix.Widths.end(), cells, cell);
        if (last) {
            matrix.Widths.push_back(priority);
        }
        matrices.push_back(std::move(matrix));
    }

    CReportParagraphs notes;
    notes.push_back({Text(GroupMeasuresText(decision, index, separator))});
    notes.push_back({Text(Tr(ConsensusCaptionPhrase)) + QStringLiteral(": ")
        + (element.Consensus ? Text(ConsensusText(element.Consensus->SStar, separator))
                             : QString::fromUtf8(NoFigureText))});
    const std::string leftOut = LeftOutText(decision, name, element.LeftOut);
    if (!leftOut.empty()) {
        notes.push_back({Text(leftOut)});
    }

    const QString title = Text(GroupElementHeading(decision, index));
    const bool inColumns = decision.ExpertCount() <= ExpertsInColumns;
    CReportParagraphs after;
    const std::string warning = inColumns ? ExpertRatioWarning(decision, index, separator)
                                          : ExpertRatioSummaryText(decision, index, ExpertsNamed, separator);
    if (!warning.empty()) {
        after.push_back({Text(warning)});
    }
    if (!element.Distances.empty()) {
        const std::size_t named = inColumns ? element.Distances.size() : ExpertsNamed;
        after.push_back({Text(FurthestExpertsText(decision, element.Distances, named, separator))});
    }
    // Many experts' summary: a note and one table, with the matrix one block on one page.
    CReportPageTable summary;
    CReportParagraphs summaryNote;
    if (!inColumns) {
        summary = ReportPageTableOf(
            ExpertVectorsSummaryTable(decision, index, separator), {Qt::AlignLeft, Qt::AlignRight}, false);
        const double figure = page.Units(22.0);
        summary.Widths = {page.Width() - 4 * figure};
        summary.Widths.resize(5, figure);
        page.Measure(summary);
        summaryNote.push_back({Text(ExpertVectorsSummaryNote(decision, index))});
    }

    for (CReportPageTable& matrix : matrices) {
        page.Measure(matrix);
    }
    // The heading stays with the first table; with the notes when it is the only one.
    double block = matrices.front().Height + (matrices.size() == 1 ? page.Units(1.5) + page.Height(notes) : 0.0);
    if (!inColumns) {
        block += page.Units(1.5) + page.Height(summaryNote) + summary.Height + page.Units(1.0) + page.Height(after);
    }
    page.Heading(title, 10.5, 5.0, block);
    for (std::size_t part = 0; part < matrices.size(); ++part) {
        if (part > 0) {
            page.Gap(1.5);
        }
        page.Table(matrices[part]);
    }
    page.Gap(1.5);
    page.Write(notes);
    if (inColumns) {
        ExpertVectorTables(page, decision, index, separator);
    } else {
        page.Gap(1.5);
        page.EnsureSpace(page.Height(summaryNote) + summary.Height);
        page.Write(summaryNote);
        page.Table(summary);
    }
    page.Gap(1.0);
    page.Write(after);
}
} // namespace

QByteArray GroupReportPdf(const CGroupDecision& decision, const CGroupReportSubject& subject)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(subject.Dpi > 0 ? subject.Dpi : 96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QCoreApplication::translate("GroupReport", "Групповое решение: %1")
                            .arg(Text(decision.Hierarchy().Goal().Name)));
        writer.setCreator(
            QStringLiteral("%1 %2").arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        QPainter painter(&writer);
        CReportPageWriter page(writer, painter,
            QCoreApplication::translate("GroupReport", "%1 %2 — программа поддержки принятия рациональных решений")
                .arg(QString::fromUtf8(ReportProgramName), QString::fromUtf8(ReportProgramVersion)));
        const char separator = subject.DecimalSeparator;
        if (decision.ExpertCount() > 0) {
            TitleBlock(page, decision, subject);
            MembersSection(page, decision, separator);
            RankingSection(page, decision, separator);
            ElementsSection(page, decision, separator);
            page.Heading(QCoreApplication::translate("GroupReport", "Групповые суждения и согласие"), 13.0, 6.0);
            for (const std::size_t e : GroupElementOrder(decision)) {
                ElementSection(page, decision, e, separator);
            }
        }
        page.EnsureSpace(0.0); // a heading still waiting is drawn
        painter.end();
    }
    return bytes;
}
