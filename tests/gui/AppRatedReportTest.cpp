// A rated tree reported from its window: the PDF read back (the leading alternatives by
// score with share and the mark of cells not rated, the scales with their ideal values,
// the whole ratings table in the appendix across pages) and the CSV's row per alternative,
// every figure against one worked out here from the judgements alone.
#include "AnalysisTestSupport.h"
#include "AppTestSupport.h"

#include "core/storage/TreeFile.h"
#include "gui/view/TTreeProject.h"
#include "support/EmployeesTree.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

using analysistest::Cut4;
using apptest::CAppTest;

namespace {

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words in order on one line, any space between them.
QRegularExpression Line(const std::vector<std::string>& words)
{
    QStringList escaped;
    for (const std::string& word : words) {
        escaped << QRegularExpression::escape(QString::fromStdString(word));
    }
    return QRegularExpression(escaped.join(QStringLiteral("[ \\t]+")));
}

class AppRatedReport : public CAppTest {
protected:
    TTreeProject* OpenRated(const CHierarchy& tree, const QString& name)
    {
        const QString file = Path(name);
        EXPECT_EQ(SaveTreeFile(tree, file.toStdString(), false), EWriteResult::Ok);
        OpenProject(file);
        return Frame().ActiveTree();
    }
    void Export(const char* command, const QString& name)
    {
        Dialogs.FileAnswers.push_back(name);
        Action(command)->trigger();
        EXPECT_TRUE(Dialogs.MessageTexts().empty());
    }
};

} // namespace

TEST_F(AppRatedReport, PdfAndCsvGiveScoresScalesAndTheRatingsTable)
{
    const std::vector<std::vector<int>> ratings{{0, 1, 1, 0}, {1, 0, 2, 1}, {2, 2, 0, 1}, {1, 1, -1, 2}};
    ASSERT_NE(OpenRated(EmployeesTree(ratings), QStringLiteral("employees.tsj")), nullptr);
    const std::vector<double> scores = EmployeeScores(ratings);
    const double total = scores[0] + scores[1] + scores[2] + scores[3];
    const QString pdf = Path(QStringLiteral("employees.pdf"));
    Export("mnProjectReport", pdf);
    const QString text = PdfText(pdf);

    // By score, with share; Г, not rated under Опыт, marked.
    qsizetype from = text.indexOf(QStringLiteral("Итоговый рейтинг (оценки по шкалам)"));
    ASSERT_GE(from, 0) << text.toStdString();
    const std::vector<std::pair<std::size_t, std::string>> order{{0, "А"}, {1, "Б"}, {3, "Г"}, {2, "В"}};
    for (std::size_t place = 0; place < order.size(); ++place) {
        const auto& [a, name] = order[place];
        std::vector<std::string> words{
            std::to_string(place + 1), name, Cut4(scores[a]).toStdString(), Cut4(scores[a] / total).toStdString()};
        if (a == 3) {
            words.insert(words.end(), {"не", "все", "оценки"});
        }
        const QRegularExpressionMatch match = Line(words).match(text, from);
        ASSERT_TRUE(match.hasMatch()) << place << '\n' << text.toStdString();
        from = match.capturedEnd();
    }
    // The four-step scale no criterion uses: its priorities and ideal values.
    const std::vector<double> four = RowGeometricMeans(4, FourStepUpper);
    from = text.indexOf(QStringLiteral("Шкала «Четыре ступени»"));
    ASSERT_GE(from, 0);
    const char* intensities[] = {"Отлично", "Хорошо", "Удовлетворительно", "Плохо"};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::vector<std::string> words{
            intensities[k], Cut4(four[k]).toStdString(), Cut4(four[k] / four[0]).toStdString()};
        EXPECT_TRUE(Line(words).match(text, from).hasMatch()) << intensities[k];
    }
    // The appendix names every cell's intensity.
    from = text.indexOf(QStringLiteral("Приложение. Таблица оценок"));
    ASSERT_GT(from, 0);
    EXPECT_TRUE(Line({"Г", "Выше", "среднего", "Магистр", "не", "оценено", "Средне"}).match(text, from).hasMatch())
        << text.mid(from).toStdString();

    const QString csv = Path(QStringLiteral("employees.csv"));
    Export("mnExportCsv", csv);
    const QStringList lines = QString::fromUtf8(apptest::ReadAll(csv)).split(QStringLiteral("\r\n"));
    const qsizetype row = lines.indexOf(QRegularExpression(QStringLiteral("^3[,;]Г[,;].*")));
    ASSERT_GE(row, 0) << lines.join(QLatin1Char('\n')).toStdString();
    const QStringList fields = lines[row].split(lines[row][1]);
    ASSERT_EQ(fields.size(), 9) << lines[row].toStdString();
    EXPECT_NEAR(QLocale().toDouble(fields[2]), scores[3], 1e-13);
    EXPECT_EQ(fields.mid(4).join(QLatin1Char('|')).toStdString(), "нет|Выше среднего|Магистр||Средне");
}

// A thousand alternatives: the results rank the leading twenty and say so; the appendix
// runs over many pages and ends with the last alternative.
TEST_F(AppRatedReport, ThousandAlternativesRankTheLeadersAndListEveryOneInTheAppendix)
{
    std::vector<std::vector<int>> ratings;
    for (int a = 0; a < 1000; ++a) {
        ratings.push_back({a % 5, (a / 5) % 4, (a / 20) % 3, (a / 60) % 5});
    }
    CHierarchy tree = EmployeesTree({{0, 0, 0, 0}, {1, 1, 1, 1}});
    for (std::uint32_t a = 0; a < 1000; ++a) {
        const std::string name = "Кандидат " + std::to_string(a + 1);
        ASSERT_EQ(a < 2 ? tree.SetAlternativeText(a, name, "") : tree.AddAlternative(a, name), "");
        for (std::uint32_t c = 0; c < 4; ++c) {
            ASSERT_EQ(tree.SetRating(1 + c, a, ratings[a][c]), "");
        }
    }
    ASSERT_NE(OpenRated(tree, QStringLiteral("many.tsj")), nullptr);
    const QString pdf = Path(QStringLiteral("many.pdf"));
    QElapsedTimer timer;
    timer.start();
    Export("mnProjectReport", pdf);
    const qint64 elapsed = timer.elapsed();
    const QString text = PdfText(pdf);
    EXPECT_LT(elapsed, 30000);
    EXPECT_TRUE(text.contains(QStringLiteral("Показаны 20 лучших альтернатив из 1000")));
    // Ratings (0, 0, 0, 0) come back every 300 alternatives: the first four places, score 1.
    const qsizetype ranking = text.indexOf(QStringLiteral("Итоговый рейтинг (оценки по шкалам)"));
    EXPECT_TRUE(Line({"4", "Кандидат", "901", "1"}).match(text, ranking).hasMatch()) << text.left(6000).toStdString();
    EXPECT_FALSE(Line({"21", "Кандидат"}).match(text, ranking).hasMatch());
    const qsizetype appendix = text.indexOf(QStringLiteral("Приложение. Таблица оценок"));
    ASSERT_GT(appendix, 0);
    EXPECT_GT(text.mid(appendix).count(QChar(u'\f')), 15);
    EXPECT_TRUE(
        Line({"Кандидат", "1000", "Плохо", "Среднее", "Средний", "Выше", "среднего"}).match(text, appendix).hasMatch());
}
