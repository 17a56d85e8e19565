// A tree of criteria reported from its window by the analysis menu and the print button:
// the PDF read back from the file (the outline indented by level, every matrix named by its
// path), the CSV's rows by path and the printed page, every figure against one worked out
// here from the judgements alone.
#include "AnalysisTestSupport.h"
#include "AppTestSupport.h"

#include "core/model/CHierarchy.h"
#include "core/storage/TreeFile.h"
#include "gui/view/TTreeProject.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <numeric>
#include <random>

using analysistest::Cut4;
using analysistest::Value;
using apptest::CAppTest;

namespace {

// Local (under the parent), global and CR of every node, and the final priorities: row
// geometric means, the synthesis top-down.
struct CFigures {
    std::vector<double> Local;
    std::vector<double> Global;
    std::vector<double> Cr;
    std::vector<double> Final;
};

CFigures Work(const CHierarchy& tree)
{
    // Saaty's table to 10, Alonso and Lamata's line above it.
    static constexpr double RandomIndex[] = {10.0, 1.0, 1.0, 0.58, 0.9, 1.12, 1.24, 1.32, 1.41, 1.45, 1.49};
    const auto randomIndex
        = [](std::uint32_t n) { return n <= 10 ? RandomIndex[n] : (1.7699 * n - 4.3513) / (n - 1.0); };
    CFigures f;
    f.Local.assign(tree.NodeCount(), 1.0);
    f.Global.assign(tree.NodeCount(), 1.0);
    f.Cr.assign(tree.NodeCount(), 0.0);
    f.Final.assign(tree.AlternativeCount(), 0.0);
    for (std::uint32_t node = 0; node < tree.NodeCount(); ++node) { // parents come first
        const CHierarchyNode& data = tree.Node(node);
        const auto n = data.Children.empty() ? tree.AlternativeCount() : std::uint32_t(data.Children.size());
        std::vector<double> w(n);
        double sum = 0.0;
        for (std::uint32_t r = 0; r < n; ++r) {
            double product = 1.0;
            for (std::uint32_t c = 0; c < n; ++c) {
                product *= n > 1 ? Value(data.Judgements(r, c).Code()) : 1.0;
            }
            sum += w[r] = std::pow(product, 1.0 / n);
        }
        double lambda = 0.0;
        for (std::uint32_t r = 0; r < n; ++r) {
            double s = 0.0;
            for (std::uint32_t c = 0; c < n; ++c) {
                s += (n > 1 ? Value(data.Judgements(r, c).Code()) : 1.0) * w[c];
            }
            lambda += s / w[r] / n;
        }
        f.Cr[node] = n > 2 ? (lambda - n) / (n - 1.0) / randomIndex(n) : 0.0;
        for (std::uint32_t r = 0; r < n; ++r) {
            const double share = f.Global[node] * w[r] / sum;
            if (data.Children.empty()) {
                f.Final[r] += share;
            } else {
                f.Local[data.Children[r]] = w[r] / sum;
                f.Global[data.Children[r]] = share;
            }
        }
    }
    return f;
}

QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& pdf)
{
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// The words in order on one line (or across lines), any space between them.
QRegularExpression Line(const QString& words, bool wrapped = false)
{
    QStringList escaped;
    for (const QString& word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        escaped << QRegularExpression::escape(word);
    }
    return QRegularExpression(escaped.join(wrapped ? QStringLiteral("\\s+") : QStringLiteral("[ \\t]+")));
}

// The left edge (points) of the first word on the page equal to word.
double WordLeft(const QString& pdf, const QString& word)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(word))
              .match(RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
}

std::vector<std::uint32_t> ByFinal(const std::vector<double>& final)
{
    std::vector<std::uint32_t> order(final.size());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return final[a] > final[b]; });
    return order;
}

class AppTreeReport : public CAppTest {
protected:
    TTreeProject* OpenTree(const QString& path)
    {
        OpenProject(path);
        return Frame().ActiveTree();
    }
    TTreeProject* OpenCar()
    {
        const QString copy = Path(QStringLiteral("car.tsj"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/car.tsj"), copy));
        return OpenTree(copy);
    }
    void Export(const char* command, const QString& name)
    {
        Dialogs.FileAnswers.push_back(name);
        Action(command)->trigger();
        EXPECT_TRUE(Dialogs.MessageTexts().empty());
    }
    // The print button answered with an A4 PDF file.
    void PrintTo(const QString& pdf)
    {
        Dialogs.PrinterAnswer = [pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
        Click("btPrintProject");
        Dialogs.PrinterAnswer = nullptr;
    }
    static QString PathOf(const CHierarchy& tree, std::uint32_t node)
    {
        QStringList names;
        for (const std::string& name : tree.Path(node)) {
            names << QString::fromStdString(name);
        }
        return names.join(QStringLiteral(" / "));
    }
};

} // namespace

TEST_F(AppTreeReport, PdfShowsTheOutlineByLevelTheRankingAndEveryMatrixByItsPath)
{
    TTreeProject* window = OpenCar();
    ASSERT_NE(window, nullptr);
    const CHierarchy& tree = window->Document().Tree();
    const CFigures f = Work(tree);
    const QString pdf = Path(QStringLiteral("car.pdf"));
    Export("mnProjectReport", pdf);
    const QString text = PdfText(pdf);

    // Every criterion's outline line: its name, local and global priority, its CR.
    const qsizetype outline = text.indexOf(QStringLiteral("Иерархия"));
    ASSERT_GE(outline, 0) << text.toStdString();
    for (std::uint32_t node = 1; node < tree.NodeCount(); ++node) {
        const QString line = QStringLiteral("%1 %2 %3 ОС %4")
                                 .arg(QString::fromStdString(tree.Node(node).Name), Cut4(f.Local[node]),
                                     Cut4(f.Global[node]), Cut4(f.Cr[node]));
        EXPECT_TRUE(Line(line).match(text, outline).hasMatch()) << line.toStdString() << '\n' << text.toStdString();
    }
    // Indented by level: a sub-criterion right of its criterion, criteria of a level aligned.
    const double first = WordLeft(pdf, QStringLiteral("Стоимость"));
    EXPECT_GT(WordLeft(pdf, QStringLiteral("Цена")), first + 5.0);
    EXPECT_NEAR(WordLeft(pdf, QStringLiteral("Безопасность")), first, 0.5);
    EXPECT_GT(first, WordLeft(pdf, QStringLiteral("Иерархия")) + 5.0);

    // Both rankings, best first.
    for (const char* title : {"Итоговый рейтинг (распределительный синтез)", "Итоговый рейтинг (идеальный синтез)"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(title))) << title;
    }
    qsizetype from = text.indexOf(QStringLiteral("Итоговый результат"));
    const std::vector<std::uint32_t> order = ByFinal(f.Final);
    for (std::uint32_t place = 0; place < order.size(); ++place) {
        const QRegularExpressionMatch match = Line(
            QStringLiteral("%1 %2 %3")
                .arg(place + 1)
                .arg(QString::fromStdString(tree.Alternatives()[order[place]].Name), Cut4(f.Final[order[place]])))
                                                  .match(text, from);
        ASSERT_TRUE(match.hasMatch()) << place << text.toStdString();
        from = match.capturedEnd();
    }

    // A covering sub-criterion's matrix under its path, row by row with its priorities.
    const std::uint32_t price = *tree.NodeAt({"Стоимость", "Цена"});
    const qsizetype section = text.indexOf(QStringLiteral("Критерий «Стоимость / Цена» (уровень 2)"));
    ASSERT_GE(section, 0) << text.toStdString();
    for (std::uint32_t r = 0; r < 3; ++r) {
        QString row = QStringLiteral("%1. %2").arg(r + 1).arg(QString::fromStdString(tree.Alternatives()[r].Name));
        for (std::uint32_t c = 0; c < 3; ++c) {
            row += QLatin1Char(' ') + analysistest::Cell(tree.Node(price).Judgements(r, c).Code());
        }
        EXPECT_TRUE(Line(row).match(text, section).hasMatch()) << row.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Критерий «Комфорт / Шумоизоляция» (уровень 2)")));
    EXPECT_FALSE(window->Document().Modified());
}

TEST_F(AppTreeReport, CsvNamesEveryCriterionByItsPathWithItsGlobalPriority)
{
    TTreeProject* window = OpenCar();
    ASSERT_NE(window, nullptr);
    const CHierarchy& tree = window->Document().Tree();
    const CFigures f = Work(tree);
    const QString csv = Path(QStringLiteral("car.csv"));
    Export("mnExportCsv", csv);
    const QString separator = QLocale().decimalPoint() == QLatin1Char(',') ? QStringLiteral(";") : QStringLiteral(",");
    const QStringList lines = QString::fromUtf8(apptest::ReadAll(csv)).split(QStringLiteral("\r\n"));
    const qsizetype title = lines.indexOf(QStringLiteral("Глобальные приоритеты критериев"));
    ASSERT_GE(title, 0);
    EXPECT_EQ(lines.indexOf(QString(), title), title + 2 + tree.NodeCount() - 1); // a row a criterion
    for (std::uint32_t node = 1; node < tree.NodeCount(); ++node) {
        const QString head = QString::number(tree.Level(node)) + separator + PathOf(tree, node) + separator;
        const qsizetype at
            = lines.indexOf(QRegularExpression(QRegularExpression::escape(head) + QStringLiteral(".*")), title);
        ASSERT_GT(at, title) << head.toStdString();
        EXPECT_NEAR(QLocale().toDouble(lines[at].mid(head.size())), f.Global[node], 1e-12) << head.toStdString();
    }
}

TEST_F(AppTreeReport, PrintedPageNamesTheCursorsCriterionAndRanksTheAlternatives)
{
    TTreeProject* window = OpenCar();
    ASSERT_NE(window, nullptr);
    const CHierarchy& tree = window->Document().Tree();
    window->SelectNode(*tree.NodeAt({"Комфорт", "Шумоизоляция"}));
    const QString pdf = Path(QStringLiteral("page.pdf"));
    PrintTo(pdf);
    const QString text = PdfText(pdf);
    QStringList expected{QStringLiteral("Проект: Шумоизоляция")};
    const CFigures f = Work(tree);
    for (const std::uint32_t a : ByFinal(f.Final)) {
        expected << QString::fromStdString(tree.Alternatives()[a].Name) + QStringLiteral(": ") + Cut4(f.Final[a]);
    }
    qsizetype from = 0;
    for (const QString& line : expected) {
        const qsizetype at = text.indexOf(line, from);
        EXPECT_GE(at, from) << line.toStdString() << " not in order in:\n" << text.toStdString();
        from = std::max(from, at + 1);
    }
}

TEST_F(AppTreeReport, LargestTreesMatricesKeepEveryColumnOnThePage)
{
    // The goal over 10 criteria, each over 19 judged over 20 alternatives: 200 criteria.
    std::mt19937 rng(7U);
    std::vector<CHierarchyNode> nodes(1);
    nodes[0].Name = "Цель";
    auto judged = [&rng](std::uint32_t n) {
        CJudgementMatrix m = EqualJudgements(n);
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = r + 1; c < n; ++c) {
                const int code = static_cast<int>(rng() % 9U) + 1;
                m(r, c) = CJudgement::FromCode(rng() % 2U == 0 ? code : (code == 1 ? 1 : -code));
                m(c, r) = m(r, c).Mirror();
            }
        }
        return m;
    };
    for (std::uint32_t k = 0; k < 10; ++k) {
        const auto middle = static_cast<std::uint32_t>(nodes.size());
        nodes[0].Children.push_back(middle);
        nodes.push_back(CHierarchyNode{"Критерий " + std::to_string(k), "", {}, judged(19)});
        for (std::uint32_t s = 0; s < 19; ++s) {
            nodes[middle].Children.push_back(static_cast<std::uint32_t>(nodes.size()));
            nodes.push_back(CHierarchyNode{
                "Подкритерий " + std::to_string(k) + "." + std::to_string(s) + " с длинным полным именем", "", {},
                judged(20)});
        }
    }
    nodes[0].Judgements = judged(10);
    std::vector<CAlternative> alternatives;
    for (std::uint32_t a = 0; a < 20; ++a) {
        alternatives.push_back(
            {"Альтернатива номер " + std::to_string(a + 1) + " с полным и очень длинным именем отчёта", ""});
    }
    const std::optional<CHierarchy> made = CHierarchy::Make(EHierarchyShape::Tree, nodes, alternatives);
    ASSERT_TRUE(made.has_value());
    const QString file = Path(QStringLiteral("largest.tsj"));
    ASSERT_EQ(SaveTreeFile(*made, file.toStdString(), false), EWriteResult::Ok);
    TTreeProject* window = OpenTree(file);
    ASSERT_NE(window, nullptr);
    const QString pdf = Path(QStringLiteral("largest.pdf"));
    Export("mnProjectReport", pdf);
    const QString text = PdfText(pdf);
    // Every criterion's section in the outline's order, each under its path.
    std::vector<std::uint32_t> order;
    for (const std::uint32_t criterion : made->Goal().Children) {
        order.push_back(criterion);
        order.insert(order.end(), made->Node(criterion).Children.begin(), made->Node(criterion).Children.end());
    }
    qsizetype section = 0;
    for (const std::uint32_t node : order) {
        section = text.indexOf(
            Line(QStringLiteral("Критерий «%1» (уровень %2)").arg(PathOf(*made, node)).arg(made->Level(node)), true),
            section);
        ASSERT_GE(section, 0) << node;
        if (!made->IsCovering(node)) {
            continue;
        }
        // The last alternative's row: its twenty cells and its priority, none cut off.
        const std::uint32_t n = made->AlternativeCount();
        QString cells;
        for (std::uint32_t c = 0; c < n; ++c) {
            cells += QLatin1Char(' ') + analysistest::Cell(made->Node(node).Judgements(n - 1, c).Code());
        }
        const QRegularExpression row(Line(cells).pattern() + QStringLiteral("[ \\t]+0[.,]\\d+"));
        EXPECT_TRUE(row.match(text, section).hasMatch()) << node;
    }

    // Printed, the longest names break at words within the page.
    const QString page = Path(QStringLiteral("page.pdf"));
    PrintTo(page);
    const QString boxes = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), page, QStringLiteral("-")});
    auto right = QRegularExpression(QStringLiteral("xMax=\"([0-9.]+)\"")).globalMatch(boxes);
    ASSERT_TRUE(right.hasNext());
    while (right.hasNext()) {
        EXPECT_LE(right.next().captured(1).toDouble(), 595.3);
    }
    const CFigures f = Work(*made);
    const std::uint32_t best = ByFinal(f.Final).front();
    EXPECT_TRUE(
        Line(QString::fromStdString(made->Alternatives()[best].Name) + QStringLiteral(": ") + Cut4(f.Final[best]), true)
            .match(PdfText(page))
            .hasMatch());
}
