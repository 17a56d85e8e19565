#include "AnalysisTestSupport.h"
#include "AppTestSupport.h"
#include "ReadOnlyDirectory.h"

#include "gui/results/TfmSensitivity.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>

#include <cerrno>
#include <cstring>

using namespace analysistest;
using apptest::CAppTest;
using EKind = CScriptedUserDialogs::EKind;

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text with its lines as laid out on the page.
QString PdfText(const QString& pdf)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

int PdfPages(const QString& pdf)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The words of a line in order, any space between them.
QRegularExpression Line(const QStringList& words)
{
    QStringList escaped;
    for (const QString& word : words) {
        escaped << QRegularExpression::escape(word);
    }
    return QRegularExpression(escaped.join(QStringLiteral("\\s+")));
}

// A small CSV reader: UTF-8 after a byte-order mark, CRLF rows, quoted fields with doubled
// quotes inside. An empty line is an empty row.
std::vector<QStringList> ReadCsv(const QByteArray& bytes, QChar separator)
{
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            if (!row.isEmpty() || !field.isEmpty()) {
                row << field;
            }
            rows.push_back(row);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

class AppAnalysis : public CAppTest {
protected:
    TUserProject* OpenExample(const char* name)
    {
        const QString copy = Path(QString::fromLatin1(name));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + QString::fromLatin1(name), copy));
        return OpenProject(copy);
    }
    // The command with the file dialog answered by name.
    void Export(const char* command, const QString& name)
    {
        Dialogs.FileAnswers.push_back(name);
        Action(command)->trigger();
    }
};

} // namespace

TEST_F(AppAnalysis, AnalysisMenuHoldsItsThreeCommandsAndOpensTheWindowOnLevelOne)
{
    QStringList items;
    for (QAction* action : Control<QMenu>("MAnalysis")->actions()) {
        items << action->objectName() + QLatin1Char(':') + WithoutMnemonic(action->text());
    }
    EXPECT_EQ(items,
        (QStringList{QStringLiteral("mnProjectReport:Отчёт по проекту (PDF)..."),
            QStringLiteral("mnExportCsv:Экспорт результатов (CSV)..."),
            QStringLiteral("mnSensitivityAnalysis:Анализ чувствительности"), QStringLiteral(":"),
            QStringLiteral("mnPrepareExpertFiles:Подготовить файлы для экспертов..."),
            QStringLiteral("mnGroupDecision:Групповое решение..."),
            QStringLiteral("mnOpenGroup:Открыть группу экспертов...")}));

    TUserProject* project = OpenExample("warehouse.tsy");
    ASSERT_NE(project, nullptr);
    std::uint32_t level = 0;
    QString element;
    apptest::WhenModal<TfmSensitivity>([&](TfmSensitivity* window) {
        level = window->ShownLevel();
        element = window->cbElement->currentText();
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
    EXPECT_EQ(level, 1U);
    EXPECT_EQ(element, QStringLiteral("1. ") + Name(project->Model(), 0, 1));
    Click("btCloseProject");
}

TEST_F(AppAnalysis, ReportReadsBackWithTheRankingAMatrixAndItsConsistency)
{
    TUserProject* project = OpenExample("supplier.tsy");
    ASSERT_NE(project, nullptr);
    const CUserProjectModel& m = project->Model();
    // With the results shown in place of the hierarchy, the report still draws the hierarchy.
    auto* results = project->findChild<QToolButton*>(QStringLiteral("btResultsView"));
    QTest::mouseClick(results, Qt::LeftButton);
    Export("mnProjectReport", Path(QStringLiteral("report"))); // the extension is added
    EXPECT_TRUE(results->isChecked());
    EXPECT_FALSE(project->ElementBox(0, 1)->isVisible());
    const QString pdf = Path(QStringLiteral("report.pdf"));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(Dialogs.Texts(EKind::SaveFile), std::vector<QString>{QStringLiteral("Отчёт PDF (*.pdf)")});
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_FALSE(project->Document().Modified());

    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Отчёт по проекту"))) << text.toStdString();
    EXPECT_TRUE(text.contains(Line({QStringLiteral("Цель"), Name(m, 0, 0)})));
    EXPECT_TRUE(text.contains(Line({QStringLiteral("Файл"), Path(QStringLiteral("supplier.tsy"))})));
    EXPECT_TRUE(text.contains(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))));
    EXPECT_TRUE(text.contains(QStringLiteral("Tessaly 1.0")));

    const QRegularExpressionMatch drawing
        = QRegularExpression(QStringLiteral("^\\s*Иерархия\\s*$(.*)^\\s*Итоговый результат"),
            QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption)
              .match(text);
    ASSERT_TRUE(drawing.hasMatch()) << text.toStdString();
    for (std::uint32_t level = 0; level < 3; ++level) {
        for (std::uint32_t e = 0; e < Count(m, level); ++e) {
            EXPECT_TRUE(drawing.captured(1).contains(Name(m, e, level))) << level << ' ' << e;
        }
    }

    // The ranking, largest first, each line at a place below the one before.
    const Vector final = Global(m, 2);
    std::vector<std::uint32_t> order{0, 1, 2};
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return final[a] > final[b]; });
    qsizetype from = 0;
    for (std::uint32_t place = 0; place < 3; ++place) {
        const QRegularExpressionMatch match
            = Line({QString::number(place + 1), Name(m, order[place], 2), Cut4(final[order[place]])}).match(text, from);
        ASSERT_TRUE(match.hasMatch()) << place << text.toStdString();
        from = match.capturedEnd();
    }
    // The goal's matrix, row by row, with its local priorities, and its CR.
    const Vector local = Local(m, 0, 0);
    for (std::uint32_t r = 0; r < 4; ++r) {
        QStringList words{QStringLiteral("%1.").arg(r + 1), Name(m, r, 1)};
        for (std::uint32_t c = 0; c < 4; ++c) {
            words << Cell(m.Element(0, 0).Judgements(r, c).Code());
        }
        words << Cut4(local[r]);
        EXPECT_TRUE(text.contains(Line(words))) << words.join(QLatin1Char(' ')).toStdString();
    }
    const CMeasures measures = Consistency(m, 0, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("ОС: ") + Cut4(measures.CR)));
    EXPECT_TRUE(text.contains(QStringLiteral("СЗ: ") + Cut4(measures.LambdaMax)));
    // The verdict's figures in the windows' words, and none of the other words left.
    EXPECT_TRUE(text.contains(Line({QStringLiteral("ОС:"), Cut4(measures.CR), QStringLiteral("(допустимо"),
        QStringLiteral("до"), Cut4(0.08) + QLatin1Char(')')})))
        << text.toStdString();
    for (const QString& old : {QStringLiteral("(CR)"), QStringLiteral("CR станет"), QStringLiteral("GCI"),
             QStringLiteral(" -> "), QStringLiteral("lambda-max")}) {
        EXPECT_FALSE(text.contains(old)) << old.toStdString();
    }

    // The same name again, the extension completed once more: replaced only after Yes.
    const QByteArray first = apptest::ReadAll(pdf);
    Dialogs.YesNoAnswers = {false};
    Export("mnProjectReport", Path(QStringLiteral("report")));
    EXPECT_EQ(Dialogs.MessageTexts().back(), QStringLiteral("Файл с таким именем уже существует. Заменить его?"));
    EXPECT_EQ(apptest::ReadAll(pdf), first);
    QFile::resize(pdf, 10);
    Dialogs.YesNoAnswers = {true};
    Export("mnProjectReport", Path(QStringLiteral("report")));
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    // Typed whole, the name was confirmed by the save dialog itself: no second question.
    const std::size_t asked = Dialogs.MessageTexts().size();
    QFile::resize(pdf, 10);
    Export("mnProjectReport", pdf);
    EXPECT_EQ(Dialogs.MessageTexts().size(), asked);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(Dialogs.AllAnswersUsed());
    Click("btCloseProject");
}

TEST_F(AppAnalysis, ReportOfTheLargestProjectNumbersEveryPageAndHoldsEveryJudgedElement)
{
    TUserProject* project = NewProject(QStringLiteral("ЦЕЛЬ"), QStringLiteral("10"), QStringLiteral("9"));
    ASSERT_NE(project, nullptr);
    ASSERT_EQ(project->Model().LevelCount(), 10U);
    Export("mnProjectReport", Path(QStringLiteral("largest.pdf")));
    const QString pdf = Path(QStringLiteral("largest.pdf"));
    const int pages = PdfPages(pdf);
    const QString text = PdfText(pdf);
    // 73 judged elements, two or three to a page.
    EXPECT_GE(pages, 25);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("Страница \\d+"))), pages);
    EXPECT_TRUE(text.contains(QStringLiteral("Страница %1").arg(pages)));
    EXPECT_TRUE(text.contains(QStringLiteral("Цель «ЦЕЛЬ»")));
    for (std::uint32_t level = 1; level < 9; ++level) {
        for (std::uint32_t e = 0; e < 9; ++e) {
            EXPECT_TRUE(text.contains(QStringLiteral("«ЭЛЕМЕНТ_%1»: уровень %2, № %3").arg(e).arg(level).arg(e + 1)))
                << level << ' ' << e;
        }
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Уровень 9")));
    // A new project's report names no file; the report is no edit.
    EXPECT_TRUE(text.contains(Line({QStringLiteral("Файл"), QStringLiteral("новый проект")})));
    EXPECT_FALSE(project->Document().Modified());
    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
}

TEST_F(AppAnalysis, CsvParsesBackToTheFiguresOfTheProject)
{
    TUserProject* project = OpenExample("warehouse.tsy");
    ASSERT_NE(project, nullptr);
    const CUserProjectModel& m = project->Model();
    Export("mnExportCsv", QString()); // cancelled: nothing written
    EXPECT_TRUE(QDir(WorkDir.path()).entryList({QStringLiteral("*.csv")}).isEmpty());
    Export("mnExportCsv", Path(QStringLiteral("figures")));
    EXPECT_EQ(Dialogs.Texts(EKind::SaveFile).back(), QStringLiteral("Таблица CSV (*.csv)"));
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    EXPECT_FALSE(project->Document().Modified());

    const QChar decimal = QLocale().decimalPoint().at(0);
    const QChar separator = decimal == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
    const std::vector<QStringList> rows = ReadCsv(apptest::ReadAll(Path(QStringLiteral("figures.csv"))), separator);
    auto number
        = [decimal](const QString& field) { return QString(field).replace(decimal, QLatin1Char('.')).toDouble(); };
    std::size_t at = 0;
    auto next = [&rows, &at]() -> const QStringList& {
        static const QStringList none;
        return at < rows.size() ? rows[at++] : none;
    };

    next();
    EXPECT_EQ(next().size(), 3);
    const Vector final = Global(m, 3);
    std::vector<std::uint32_t> order{0, 1, 2};
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return final[a] > final[b]; });
    for (std::uint32_t place = 0; place < 3; ++place) {
        const QStringList& row = next();
        ASSERT_EQ(row.size(), 3);
        EXPECT_EQ(row[0], QString::number(place + 1));
        EXPECT_EQ(row[1], Name(m, order[place], 3));
        EXPECT_NEAR(number(row[2]), final[order[place]], 1e-13);
    }
    EXPECT_TRUE(next().isEmpty());
    // The ideal ranking worked out here: under each element of the last middle level the
    // best alternative scores 1; the scores weighted by the elements' global priorities.
    EXPECT_EQ(next(), QStringList{QStringLiteral("Итоговый рейтинг (идеальный синтез)")});
    EXPECT_EQ(next().size(), 4);
    const Vector parents = Global(m, 2);
    Vector raw(3, 0.0);
    for (std::uint32_t k = 0; k < parents.size(); ++k) {
        const Vector local = Local(m, k, 2);
        const double best = *std::max_element(local.begin(), local.end());
        for (std::uint32_t a = 0; a < 3; ++a) {
            raw[a] += parents[k] * local[a] / best;
        }
    }
    const double rawSum = raw[0] + raw[1] + raw[2];
    std::vector<std::uint32_t> idealOrder{0, 1, 2};
    std::stable_sort(idealOrder.begin(), idealOrder.end(), [&](auto a, auto b) { return raw[a] > raw[b]; });
    for (std::uint32_t place = 0; place < 3; ++place) {
        const QStringList& row = next();
        ASSERT_EQ(row.size(), 4);
        EXPECT_EQ(row[0], QString::number(place + 1));
        EXPECT_EQ(row[1], Name(m, idealOrder[place], 3));
        EXPECT_NEAR(number(row[2]), raw[idealOrder[place]] / rawSum, 1e-13);
        EXPECT_NEAR(number(row[3]), raw[idealOrder[place]], 1e-13);
    }
    EXPECT_TRUE(next().isEmpty());
    next();
    next();
    for (std::uint32_t level = 1; level < 4; ++level) {
        const Vector global = Global(m, level);
        for (std::uint32_t e = 0; e < global.size(); ++e) {
            const QStringList& row = next();
            ASSERT_EQ(row.size(), 4);
            EXPECT_EQ(row[0], QString::number(level));
            EXPECT_EQ(row[1], QString::number(e + 1));
            EXPECT_EQ(row[2], Name(m, e, level));
            EXPECT_NEAR(number(row[3]), global[e], 1e-13);
        }
    }
    for (std::uint32_t level = 0; level < 3; ++level) {
        for (std::uint32_t k = 0; k < Count(m, level); ++k) {
            EXPECT_TRUE(next().isEmpty());
            const QStringList& title = next();
            ASSERT_EQ(title.size(), 1);
            EXPECT_TRUE(title[0].contains(QStringLiteral("«%1»").arg(Name(m, k, level)))) << title[0].toStdString();
            next();
            const Vector local = Local(m, k, level);
            for (std::uint32_t e = 0; e < local.size(); ++e) {
                const QStringList& row = next();
                ASSERT_EQ(row.size(), 3);
                EXPECT_EQ(row[1], Name(m, e, level + 1));
                EXPECT_NEAR(number(row[2]), local[e], 1e-13);
            }
            const CMeasures measures = Consistency(m, k, level);
            for (const double expected : {measures.LambdaMax, measures.CI, measures.CR}) {
                const QStringList& row = next();
                ASSERT_EQ(row.size(), 2);
                EXPECT_NEAR(number(row[1]), expected, 1e-12) << row[0].toStdString();
            }
        }
    }
    EXPECT_EQ(at, rows.size());
    Click("btCloseProject");
}

TEST_F(AppAnalysis, FailedExportKeepsTheOldFileAndSaysSo)
{
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("locked")));
    TUserProject* project = OpenExample("supplier.tsy");
    ASSERT_NE(project, nullptr);
    const QString csv = Path(QStringLiteral("locked/figures.csv"));
    const QString pdf = Path(QStringLiteral("locked/report.pdf"));
    for (const QString& path : {csv, pdf}) {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    {
        CReadOnlyDirectory locked(Path(QStringLiteral("locked")));
        if (!locked.IsReady()) {
            Click("btCloseProject");
            GTEST_SKIP() << "no read-only mount can be made here (root without CAP_SYS_ADMIN)";
        }
        Dialogs.YesNoAnswers = {true, true};
        Export("mnExportCsv", Path(QStringLiteral("locked/figures")));
        Export("mnProjectReport", Path(QStringLiteral("locked/report")));
    }
    const QString replace = QStringLiteral("Файл с таким именем уже существует. Заменить его?");
    const QString failed = QStringLiteral("Ошибка открытия файла");
    EXPECT_EQ(Dialogs.MessageTexts(), (std::vector<QString>{replace, failed, replace, failed}));
    EXPECT_EQ(apptest::ReadAll(csv), QByteArray("old"));
    EXPECT_EQ(apptest::ReadAll(pdf), QByteArray("old"));
    EXPECT_EQ(QDir(Path(QStringLiteral("locked"))).entryList(QDir::Files).size(), 2);
    Click("btCloseProject");
}

// The export dialogs propose the project's own name in its folder (a project never saved:
// its goal in the last export folder), and a written export says where in the status bar.
TEST_F(AppAnalysis, ExportsProposeTheProjectsNameAndSayWhereTheyWrote)
{
    ASSERT_TRUE(QDir(WorkDir.path()).mkdir(QStringLiteral("out")));
    ASSERT_NE(OpenExample("supplier.tsy"), nullptr);
    QStatusBar* status = Frame().statusBar();
    Dialogs.Records.clear();
    Export("mnProjectReport", QString());
    Export("mnExportCsv", Path(QStringLiteral("out/figures")));
    ASSERT_EQ(Dialogs.Records.size(), 2U);
    EXPECT_EQ(Dialogs.Records[0].Caption, Path(QStringLiteral("supplier.pdf")));
    EXPECT_EQ(Dialogs.Records[1].Caption, Path(QStringLiteral("supplier.csv")));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("out/figures.csv"))));
    EXPECT_EQ(
        status->currentMessage(), QStringLiteral("Результаты сохранены: ") + Path(QStringLiteral("out/figures.csv")));

    NewProject(QStringLiteral("ВЫБОР"));
    Dialogs.Records.clear();
    Export("mnProjectReport", Path(QStringLiteral("out/choice")));
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Caption, Path(QStringLiteral("out/ВЫБОР.pdf")));
    EXPECT_EQ(status->currentMessage(), QStringLiteral("Отчёт сохранён: ") + Path(QStringLiteral("out/choice.pdf")));

    // A failed export says why in its message and nothing in the status bar.
    status->clearMessage();
    Export("mnExportCsv", Path(QStringLiteral("gone/figures")));
    EXPECT_EQ(Dialogs.Records.back().Text, QStringLiteral("Ошибка открытия файла"));
    EXPECT_EQ(Dialogs.Records.back().Informative,
        QStringLiteral("Файл: ") + Path(QStringLiteral("gone/figures.csv")) + QStringLiteral("\nПричина: ")
            + QString::fromLocal8Bit(std::strerror(ENOENT)));
    EXPECT_TRUE(status->currentMessage().isEmpty());
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}
