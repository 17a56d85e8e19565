#include "AppTestSupport.h"
#include "support/ModelEdits.h"

#include "core/results/Synthesis.h"
#include "gui/app/ProjectPrinting.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using apptest::CAppTest;

namespace {

// The final ranking worked out here from the judgements alone: row geometric means,
// normalised, synthesised top-down; then cut (not rounded) to four decimals.
std::vector<std::pair<std::string, double>> ExpectedRanking(const CUserProjectModel& model)
{
    const std::uint32_t levels = model.LevelCount();
    std::vector<double> weights{1.0};
    for (std::uint32_t k = 0; k + 1 < levels; ++k) {
        const std::uint32_t n = model.ElementsInLevelChecked(k + 1);
        std::vector<double> next(n, 0.0);
        for (std::uint32_t e = 0; e < model.ElementsInLevelChecked(k); ++e) {
            std::vector<double> local(n);
            double sum = 0.0;
            for (std::uint32_t r = 0; r < n; ++r) {
                double product = 1.0;
                for (std::uint32_t c = 0; c < n; ++c) {
                    const int code = model.Element(e, k).Judgements(r, c).Code();
                    product *= code >= 0 ? code : 1.0 / -code;
                }
                local[r] = std::pow(product, 1.0 / n);
                sum += local[r];
            }
            for (std::uint32_t r = 0; r < n; ++r) {
                next[r] += weights[e] * local[r] / sum;
            }
        }
        weights = next;
    }
    std::vector<std::pair<std::string, double>> ranking;
    for (std::uint32_t e = 0; e < weights.size(); ++e) {
        ranking.emplace_back(model.Element(e, levels - 1).Name, weights[e]);
    }
    std::stable_sort(ranking.begin(), ranking.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return ranking;
}

QString Cut4(double value)
{
    return QString::number(std::floor(value * 10000.0 + 1e-9) / 10000.0, 'g', 15);
}

QString PdfText(const QString& pdf, const QStringList& options = {})
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// xMin and yMin (points) of the first word of the page that equals word.
QPointF WordPlace(const QString& pdf, const QString& word)
{
    const QString html = PdfText(pdf, {QStringLiteral("-bbox")});
    const QRegularExpression pattern(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                         .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch match = pattern.match(html);
    return match.hasMatch() ? QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QPointF(-1, -1);
}

class AppPrint : public CAppTest {
protected:
    TUserProject* OpenExample()
    {
        const QString copy = Path(QStringLiteral("supplier.tsy"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), copy));
        return OpenProject(copy);
    }
    void PrintTo(const QString& pdf, int* height = nullptr, int* width = nullptr, int* dpi = nullptr)
    {
        Dialogs.PrinterAnswer = [pdf, height, width, dpi](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            printer.setFullPage(true); // device (0, 0) is the paper's corner
            if (height != nullptr) {
                *height = printer.height();
                *width = printer.width();
                *dpi = printer.resolution();
            }
            return true;
        };
        Click("btPrintProject");
    }
};

} // namespace

TEST_F(AppPrint, PrintsTitleAndFreshRankingLargestFirstAtTheirPlaces)
{
    TUserProject* project = OpenExample();
    ASSERT_NE(project, nullptr);
    const QString pdf = Path(QStringLiteral("page.pdf"));
    int H = 0;
    int W = 0;
    int dpi = 0;
    PrintTo(pdf, &H, &W, &dpi);
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_EQ(Dialogs.Texts(CScriptedUserDialogs::EKind::Printer).size(), 1U);

    const auto ranking = ExpectedRanking(project->Model());
    ASSERT_EQ(ranking.size(), 3U);
    QStringList expected{QStringLiteral("Проект: ПОСТАВЩИК ТРУБ")};
    for (const auto& [name, value] : ranking) {
        expected << QString::fromStdString(name) + QStringLiteral(": ") + Cut4(value);
    }
    EXPECT_EQ(ranking[0].first, "СИБСТАЛЬ");

    const QString text = PdfText(pdf);
    qsizetype from = 0;
    for (const QString& line : expected) {
        const qsizetype at = text.indexOf(line, from);
        EXPECT_GE(at, from) << line.toStdString() << " not found in order in:\n" << text.toStdString();
        from = std::max(from, at + 1);
    }

    // Title at x = H / 10, y = W / 6 (from the height and the width as they are);
    // result lines at x = H / 12, below the title by twice its height.
    const double toPoints = 72.0 / dpi;
    const QPointF title = WordPlace(pdf, QStringLiteral("Проект:"));
    EXPECT_NEAR(title.x(), (H / 10) * toPoints, 3.0);
    EXPECT_NEAR(title.y(), (W / 6) * toPoints, 6.0);
    const QPointF first = WordPlace(pdf, QString::fromStdString(ranking[0].first) + QLatin1Char(':'));
    const QPointF last = WordPlace(pdf, QString::fromStdString(ranking[2].first) + QLatin1Char(':'));
    EXPECT_NEAR(first.x(), (H / 12) * toPoints, 3.0);
    EXPECT_GT(first.y(), title.y() + 14.0); // two title heights below, a 14-point font
    EXPECT_GT(last.y(), first.y() + 2 * 12.0);
    Dialogs.PrinterAnswer = nullptr;
    Click("btCloseProject");
}

TEST_F(AppPrint, TitleNamesTheCurrentElementAndCancelPrintsNothing)
{
    TUserProject* project = OpenExample();
    ASSERT_NE(project, nullptr);
    QTest::mouseClick(project->ElementBox(1, 1), Qt::LeftButton); // КАЧЕСТВО becomes current
    const QString pdf = Path(QStringLiteral("current.pdf"));
    PrintTo(pdf);
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("Проект: КАЧЕСТВО")));

    Dialogs.PrinterAnswer = [](QPrinter&) { return false; };
    QFile::remove(pdf);
    Click("btPrintProject");
    EXPECT_FALSE(QFileInfo::exists(pdf));
    Dialogs.PrinterAnswer = nullptr;
    Click("btCloseProject");
}

TEST_F(AppPrint, ZeroPageSizeAbandonsTheDocumentSoTheNextPrintStarts)
{
    auto model = std::make_unique<CUserProjectModel>();
    model->BuildNewHierarchy(3, 3, "ЦЕЛЬ", "");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = Path(QStringLiteral("second.pdf"));
    printer.setOutputFileName(Path(QStringLiteral("first.pdf")));
    EXPECT_EQ(PrintProjectPage(printer, *model, ComputeResults(*model), model->Goal().Name, '.',
                  [](const QPrinter&) { return QSize(0, 0); }),
        EPrintResult::BadPageSize);
    EXPECT_NE(printer.printerState(), QPrinter::Active);

    printer.setOutputFileName(pdf);
    EXPECT_EQ(
        PrintProjectPage(printer, *model, ComputeResults(*model), model->Goal().Name, ','), EPrintResult::Printed);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Проект: ЦЕЛЬ")));
    EXPECT_TRUE(text.contains(QStringLiteral("ЭЛЕМЕНТ_0: 0,3333"))) << text.toStdString(); // the user's separator
    EXPECT_FALSE(text.contains(QStringLiteral("0,3334")));
}

TEST_F(AppPrint, FinalResultLinesAreTruncatedAndOrdered)
{
    auto model = std::make_unique<CUserProjectModel>();
    model->BuildNewHierarchy(3, 3, "ЦЕЛЬ", "");
    // Goal over two criteria 3 : 1; the first criterion puts alternative 2 first.
    SetCell(*model, 0, 0, 0, 1, 3);
    SetCell(*model, 0, 0, 1, 0, -3);
    SetCell(*model, 0, 1, 2, 0, 4);
    SetCell(*model, 0, 1, 0, 2, -4);
    const auto ranking = ExpectedRanking(*model);
    const QStringList lines = FinalResultLines(*model, ComputeResults(*model), '.');
    ASSERT_EQ(lines.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i], QString::fromStdString(ranking[i].first) + QStringLiteral(": ") + Cut4(ranking[i].second));
    }
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ЭЛЕМЕНТ_2: ")));
}
