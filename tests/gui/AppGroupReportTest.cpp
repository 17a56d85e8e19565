// The PDF reports' pages and the group's PDF read back with pdftotext: a heading never
// ends a page, a table taller than a page goes on under its header, and a group of many
// experts is reported per element by its summary, checked against figures computed here.
#include "core/group/CGroupDecision.h"
#include "core/group/GroupReportContent.h"
#include "core/model/CJudgement.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/NumberFormat.h"
#include "core/results/ReportContent.h"
#include "gui/app/CReportPageWriter.h"
#include "gui/app/GroupReport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {
// The pages' text, one string a page, as pdftotext lays them out.
QStringList PdfPages(const QByteArray& pdf)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

QString Simplified(const QString& text)
{
    return text.simplified();
}

// A page writer over A4 at 96 dpi, as the reports make one.
QByteArray Written(const std::function<void(CReportPageWriter&)>& write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter(&writer);
        CReportPageWriter page(writer, painter, QStringLiteral("подвал"));
        write(page);
        page.EnsureSpace(0.0);
        painter.end();
    }
    return bytes;
}

CReportPageTable Rows(int count, double width)
{
    CReportPageTable table;
    table.Widths = {width};
    table.Rows.push_back({{QStringLiteral("Заголовок таблицы")}});
    for (int r = 1; r <= count; ++r) {
        table.Rows.push_back({{QStringLiteral("строка %1").arg(r)}});
    }
    return table;
}

// Headings, alone and two in a row, followed by a block that does not fit under them:
// they go to the next page with it. A table taller than a page is continued on the
// next pages, its header on each, every row once.
TEST(ReportPages, HeadingsStayWithTheirBlockAndTallTablesGoOnUnderTheirHeader)
{
    for (const int headings : {1, 2}) {
        const QStringList pages = PdfPages(Written([headings](CReportPageWriter& page) {
            // Filled to a few lines above the foot.
            while (page.Y < page.Bottom - page.Units(14.0)) {
                page.Paragraph(QStringLiteral("текст"), CReportPageWriter::Font(ReportBodyPoints));
            }
            if (headings == 2) {
                page.Heading(QStringLiteral("Раздел отчёта"), 13.0, 2.0);
            }
            page.Heading(QStringLiteral("Элемент отчёта"), 10.5, 1.0);
            CReportPageTable table = Rows(5, page.Width());
            page.Table(table);
        }));
        ASSERT_EQ(pages.size(), 2) << headings;
        EXPECT_FALSE(pages[0].contains(QStringLiteral("Элемент отчёта")));
        EXPECT_FALSE(pages[0].contains(QStringLiteral("Раздел отчёта")));
        EXPECT_TRUE(pages[1].contains(QStringLiteral("Элемент отчёта")));
        EXPECT_EQ(pages[1].contains(QStringLiteral("Раздел отчёта")), headings == 2);
    }

    const int count = 200;
    const QStringList pages = PdfPages(Written([](CReportPageWriter& page) {
        page.Heading(QStringLiteral("Длинная таблица"), 13.0, 0.0);
        CReportPageTable table = Rows(count, page.Width());
        page.Table(table);
    }));
    ASSERT_GE(pages.size(), 3);
    int rows = 0;
    for (const QString& text : pages) {
        EXPECT_TRUE(text.contains(QStringLiteral("Заголовок таблицы")));
        rows += static_cast<int>(text.count(QRegularExpression(QStringLiteral("строка \\d+\\b"))));
    }
    EXPECT_EQ(rows, count);
    EXPECT_TRUE(pages.back().contains(QStringLiteral("строка %1").arg(count)));
}

// A goal over three alternatives; an expert's judgements of the pairs (0,1), (0,2), (1,2)
// as codes (3 for 3, -3 for 1/3).
using CUpper = std::array<int, 3>;

std::unique_ptr<CUserProjectModel> Expert(const CUpper& upper)
{
    TLoadSaveProject record;
    record.LevelCount = 2;
    record.ElementsPerLevel[0] = 1;
    record.ElementsPerLevel[1] = 3;
    record.Elements[0][0].Name = "ЦЕЛЬ";
    for (std::uint32_t a = 0; a < 3; ++a) {
        record.Elements[a][1].Name = std::string("АЛЬТ") + static_cast<char>('A' + a);
    }
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(project->BuildLoadedHierarchy(record));
    CJudgementMatrix matrix(3, 3);
    const std::array<std::pair<int, int>, 3> pairs{{{0, 1}, {0, 2}, {1, 2}}};
    for (std::size_t p = 0; p < 3; ++p) {
        matrix(pairs[p].first, pairs[p].second) = CJudgement::FromCode(upper[p]);
        matrix(pairs[p].second, pairs[p].first) = matrix(pairs[p].first, pairs[p].second).Mirror();
    }
    project->SetJudgements(0, 0, matrix);
    return project;
}

double Value(int code)
{
    return code > 0 ? code : -1.0 / code;
}

// Row geometric means of the 3 x 3 matrix, normalised.
std::array<double, 3> Priorities(const CUpper& u)
{
    const double a = Value(u[0]);
    const double b = Value(u[1]);
    const double c = Value(u[2]);
    std::array<double, 3> w{std::cbrt(a * b), std::cbrt(c / a), std::cbrt(1.0 / (b * c))};
    const double sum = w[0] + w[1] + w[2];
    for (double& x : w) {
        x /= sum;
    }
    return w;
}

double Median(std::vector<double> x)
{
    std::sort(x.begin(), x.end());
    return x.size() % 2 == 1 ? x[x.size() / 2] : (x[x.size() / 2 - 1] + x[x.size() / 2]) / 2.0;
}

QString Figure(double x)
{
    return QString::fromStdString(FormatTruncated(x, 4));
}

struct CGroupCase {
    const char* Name;
    std::vector<CUpper> Experts;
    bool Unacceptable; // the combined goal matrix above the limit
};

// Forty experts: the PDF shows per alternative the least, the median and the largest of
// their priorities (the ranking and the goal's vectors), the five most distant (the
// reversed expert first), the count of those above the consistency limit, and no
// column per expert; the ranking page warns exactly when the combined matrix is not
// acceptable, in the sentence a project's ranking has.
TEST(GroupReport, ManyExpertsAreSummarisedPerElementAndTheRankingWarns)
{
    std::vector<CUpper> mostlyConsistent;
    for (int k = 0; k < 40; ++k) {
        const std::array<CUpper, 4> kinds{{{2, 4, 2}, {1, 1, 1}, {3, 9, 3}, {2, 4, 2}}};
        mostlyConsistent.push_back(kinds[k % 4]);
    }
    mostlyConsistent[17] = {-2, -4, -2};                     // the one who reverses everything
    mostlyConsistent[6] = mostlyConsistent[29] = {9, -9, 9}; // two cycles
    const std::vector<CUpper> mostlyCycles(40, CUpper{9, -9, 9});
    const std::vector<CGroupCase> cases{{"consistent", mostlyConsistent, false}, {"cycles", mostlyCycles, true}};

    for (const CGroupCase& group : cases) {
        SCOPED_TRACE(group.Name);
        CGroupDecision decision;
        for (std::size_t k = 0; k < group.Experts.size(); ++k) {
            const std::string label = "Эксп" + std::to_string(k + 1);
            ASSERT_EQ(
                decision.AddExpert(CGroupMember{"/g/" + label + ".tsy", label, 1.0}, *Expert(group.Experts[k])), "");
        }
        CGroupReportSubject subject;
        subject.Date = QDate(2026, 1, 1);
        const QStringList pages = PdfPages(GroupReportPdf(decision, subject));
        ASSERT_FALSE(pages.isEmpty());
        ASSERT_LE(pages.size(), 4);
        const QString text = pages.join(QLatin1Char('\n'));
        EXPECT_TRUE(text.contains(QStringLiteral("Медиана")));

        // The warning on the ranking's page, where the ranking starts.
        const std::string warning = UnacceptableWarningText(
            decision.Model(), UnacceptableMatrices(decision.Model(), decision.Result().Group), '.');
        EXPECT_EQ(!warning.empty(), group.Unacceptable);
        const auto ranking = std::find_if(pages.begin(), pages.end(),
            [](const QString& p) { return p.contains(QStringLiteral("Групповой рейтинг")); });
        ASSERT_NE(ranking, pages.end());
        EXPECT_EQ(Simplified(*ranking).contains(QStringLiteral("Внимание: согласованность")), group.Unacceptable);
        if (group.Unacceptable) {
            EXPECT_TRUE(Simplified(*ranking).contains(Simplified(QString::fromStdString(warning))));
        }

        // Per alternative: Мин. | Медиана | Макс. in the ranking and in the goal's vectors.
        std::array<std::vector<double>, 3> byAlternative;
        int above = 0;
        for (const CUpper& u : group.Experts) {
            const std::array<double, 3> w = Priorities(u);
            for (int a = 0; a < 3; ++a) {
                byAlternative[a].push_back(w[a]);
            }
            // A 3 x 3 matrix is consistent exactly when a02 = a01 a12.
            above += std::abs(Value(u[1]) - Value(u[0]) * Value(u[2])) > 1e-9 ? 1 : 0;
        }
        for (int a = 0; a < 3; ++a) {
            const auto& x = byAlternative[a];
            const QString summary = QStringLiteral("%1\\s+%2\\s+%3")
                                        .arg(QRegularExpression::escape(Figure(*std::min_element(x.begin(), x.end()))),
                                            QRegularExpression::escape(Figure(Median(x))),
                                            QRegularExpression::escape(Figure(*std::max_element(x.begin(), x.end()))));
            const QRegularExpression row(QStringLiteral("АЛЬТ%1\\s.*%2").arg(QChar(u'A' + a)).arg(summary));
            EXPECT_EQ(text.count(row), 2) << a << " " << summary.toStdString();
        }
        // The ideal ranking: the group's priorities (for equal weights and complete matrices
        // the normalised geometric mean of the experts' vectors) over the largest of them.
        std::array<double, 3> combined{};
        for (int a = 0; a < 3; ++a) {
            double logSum = 0.0;
            for (const double w : byAlternative[a]) {
                logSum += std::log(w);
            }
            combined[a] = std::exp(logSum / static_cast<double>(byAlternative[a].size()));
        }
        const double best = *std::max_element(combined.begin(), combined.end());
        const double sum = combined[0] + combined[1] + combined[2];
        const qsizetype ideal = text.indexOf(QString::fromStdString(RankingTitle(ESynthesisMode::Ideal)));
        ASSERT_GE(ideal, 0);
        for (int a = 0; a < 3; ++a) {
            const QRegularExpression row(QStringLiteral("АЛЬТ%1\\s+%2\\s+%3")
                                             .arg(QChar(u'A' + a))
                                             .arg(QRegularExpression::escape(Figure(combined[a] / sum)),
                                                 QRegularExpression::escape(Figure(combined[a] / best))));
            EXPECT_TRUE(text.mid(ideal).contains(row)) << a;
        }
        EXPECT_TRUE(Simplified(text).contains(QString::fromStdString(KendallLine(decision))));

        const QString count = QStringLiteral("Число экспертов с ОС выше допустимой (0.05): %1 из 40").arg(above);
        EXPECT_TRUE(Simplified(text).contains(count)) << count.toStdString();
        if (group.Unacceptable) {
            EXPECT_TRUE(
                Simplified(text).contains(QStringLiteral("среди них Эксп1, Эксп2, Эксп3, Эксп4, Эксп5 и ещё 35")));
        } else {
            EXPECT_TRUE(Simplified(text).contains(QStringLiteral("Дальше всех от группы (5 из 40): Эксп18 ")));
            // The reversed expert left out: in no summary, nor among the most distant.
            ASSERT_TRUE(decision.SetIncluded(17, false));
            const QString without = Simplified(PdfPages(GroupReportPdf(decision, subject)).join(QLatin1Char(' ')));
            EXPECT_TRUE(without.contains(QStringLiteral("итоговые приоритеты экспертов (учтено 39 из 40)")));
            EXPECT_TRUE(without.contains(QStringLiteral("Приоритеты экспертов (учтено 39 из 40)")));
            EXPECT_TRUE(without.contains(QStringLiteral("Дальше всех от группы (5 из 39): ")));
            EXPECT_FALSE(without.contains(QStringLiteral("Дальше всех от группы (5 из 39): Эксп18 ")));
        }
    }
}
} // namespace
