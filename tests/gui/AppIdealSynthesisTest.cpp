// The ideal synthesis from the "Настройки" menu: the results table, its pie and caption,
// the level priorities, the sensitivity analysis and printing follow the switch; the
// switch is remembered for the next run; the PDF report carries both rankings always.

#include "AppTestSupport.h"
#include "support/IdealExample.h"

#include "core/results/CProjectResults.h"
#include "core/results/ReportContent.h"
#include "core/results/Sensitivity.h"
#include "core/storage/ProjectFile.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/results/TfmSensitivity.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>

using apptest::CAppTest;

namespace {

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
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

// The rows of a results table as "name value".
QStringList Rows(const std::array<QLabel*, MaxElementsPerLevel>& names,
    const std::array<QLabel*, MaxElementsPerLevel>& values, std::uint32_t count)
{
    QStringList rows;
    for (std::uint32_t i = 0; i < count; ++i) {
        rows << names[i]->text() + QLatin1Char(' ') + values[i]->text();
    }
    return rows;
}

// The example's rankings as the table shows them, cut to 4 decimals.
const QStringList DistributiveRows{
    QStringLiteral("АЛЬФА 0.6637"), QStringLiteral("БЕТА 0.2069"), QStringLiteral("ГАММА 0.1293")};
const QStringList IdealRows{
    QStringLiteral("АЛЬФА 0.6433"), QStringLiteral("БЕТА 0.221"), QStringLiteral("ГАММА 0.1355")};

class AppIdealSynthesis : public CAppTest {
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly")).clear();
        CAppTest::SetUp();
    }
    void TearDown() override
    {
        CAppTest::TearDown();
        QSettings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly")).clear();
    }

    TUserProject* OpenIdealExample()
    {
        CUserProjectModel model;
        EXPECT_TRUE(idealexample::Build(model));
        const QString file = Path(QStringLiteral("ideal.tsy"));
        EXPECT_EQ(SaveProjectFile(model, file.toStdString(), false), EWriteResult::Ok);
        return OpenProject(file);
    }
    static void ShowResults(TUserProject* project)
    {
        auto* button = project->findChild<QToolButton*>(QStringLiteral("btResultsView"));
        if (!button->isChecked()) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    static QStringList TableRows(TUserProject* project)
    {
        const CResultsView* view = project->ResultsPanel();
        return Rows(view->ResultNameLabels(), view->ResultValueLabels(), 3);
    }
    // The level priorities window on the bottom level, through the element menu's command.
    static QStringList BottomLevelRows(TUserProject* project, QString* title)
    {
        QStringList rows;
        project->SetCurrent(0, 2);
        apptest::WhenModal<TfmCurrentPriorityLevel>([&](TfmCurrentPriorityLevel* window) {
            rows = Rows(window->NameCells, window->ValueCells, 3);
            *title = window->windowTitle();
            window->btClose->click();
        });
        project->findChild<QAction*>(QStringLiteral("mnCurrentPriority"))->trigger();
        return rows;
    }
    void Restart()
    {
        Windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Windows = std::make_unique<CRunLongWindows>();
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }
};

} // namespace

TEST_F(AppIdealSynthesis, TheMenuSwitchesEveryRankingShownAndIsRemembered)
{
    QAction* ideal = Action("mnIdealSynthesis");
    ASSERT_NE(ideal, nullptr);
    EXPECT_TRUE(Control<QMenu>("MTools")->actions().contains(ideal));
    EXPECT_TRUE(ideal->isCheckable());
    EXPECT_FALSE(ideal->isChecked()); // off by default

    TUserProject* project = OpenIdealExample();
    ASSERT_NE(project, nullptr);
    ShowResults(project);
    CResultsView* view = project->ResultsPanel();
    EXPECT_EQ(TableRows(project), DistributiveRows);
    EXPECT_EQ(view->lbTitleInfoTable->text(), QStringLiteral("Итоговый результат"));
    const QString plainGeometry = QStringLiteral("%1").arg(view->lbTitleInfoTable->x());

    // On: the table, the pie and the caption at once, the view still shown.
    ideal->trigger();
    EXPECT_TRUE(ideal->isChecked());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(TableRows(project), IdealRows);
    const QString caption = QStringLiteral("Итоговый результат (идеальный синтез)");
    EXPECT_EQ(view->lbTitleInfoTable->text(), caption);
    // The whole caption is readable: as wide as its text and inside the view.
    QLabel* title = view->lbTitleInfoTable;
    EXPECT_GE(title->width(), QFontMetrics(title->font()).horizontalAdvance(caption));
    EXPECT_TRUE(view->rect().contains(title->geometry())) << title->x() << ' ' << title->width();
    const QList<QPieSlice*> slices = view->srPieSeries->slices();
    ASSERT_EQ(slices.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(slices[i]->value(), idealexample::Ideal[static_cast<std::size_t>(i)], 5e-7);
    }

    // The level priorities: the bottom level ideal, the criteria as they are.
    QString levelTitle;
    EXPECT_EQ(BottomLevelRows(project, &levelTitle), IdealRows);
    EXPECT_EQ(levelTitle, QStringLiteral("Приоритеты текущего уровня (идеальный синтез)"));

    // The sensitivity analysis: its bars start at the ideal priorities (here no weight
    // changes the leader in either synthesis).
    const CProjectResults& results = project->Document().Results();
    auto analysis = std::make_unique<CSensitivityAnalysis>();
    AnalyseSensitivity(project->Model(), results, *analysis, ESynthesisMode::Ideal);
    QString windowTitle;
    QString critical;
    std::array<double, 3> bars{};
    apptest::WhenModal<TfmSensitivity>([&](TfmSensitivity* window) {
        windowTitle = window->windowTitle();
        critical = window->lbCritical->text();
        for (std::uint32_t i = 0; i < 3; ++i) {
            bars[i] = window->MovedAlternative(i);
        }
        window->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
    EXPECT_EQ(windowTitle, QStringLiteral("Анализ чувствительности (идеальный синтез)"));
    EXPECT_EQ(critical, QString::fromStdString(CriticalChangeText(project->Model(), analysis->Critical)));
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(bars[i], idealexample::Ideal[i], 5e-7);
    }

    // Printing: the ideal ranking under a line naming it.
    const QString pdf = Path(QStringLiteral("page.pdf"));
    Dialogs.PrinterAnswer = [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    Click("btPrintProject");
    const QString printed = PdfText(pdf);
    qsizetype from = 0;
    for (const QString& line : {QStringLiteral("Итоговый рейтинг (идеальный синтез):"), QStringLiteral("АЛЬФА: 0.6433"),
             QStringLiteral("БЕТА: 0.221"), QStringLiteral("ГАММА: 0.1355")}) {
        const qsizetype at = printed.indexOf(line, from);
        EXPECT_GE(at, from) << line.toStdString() << " not in order in:\n" << printed.toStdString();
        from = std::max(from, at + 1);
    }

    // Remembered: the next run starts with it on, and a project opened then shows it.
    Restart();
    EXPECT_TRUE(Action("mnIdealSynthesis")->isChecked());
    project = OpenIdealExample();
    ASSERT_NE(project, nullptr);
    ShowResults(project);
    EXPECT_EQ(TableRows(project), IdealRows);

    // Off again: the distributive result exactly as before, caption in its place.
    Action("mnIdealSynthesis")->trigger();
    EXPECT_EQ(TableRows(project), DistributiveRows);
    EXPECT_EQ(project->ResultsPanel()->lbTitleInfoTable->text(), QStringLiteral("Итоговый результат"));
    EXPECT_EQ(QStringLiteral("%1").arg(project->ResultsPanel()->lbTitleInfoTable->x()), plainGeometry);
    EXPECT_EQ(BottomLevelRows(project, &levelTitle), DistributiveRows);
    EXPECT_EQ(levelTitle, QStringLiteral("Приоритеты текущего уровня"));
    Restart();
    EXPECT_FALSE(Action("mnIdealSynthesis")->isChecked());
}

TEST_F(AppIdealSynthesis, TheReportCarriesBothRankingsWhicheverIsShown)
{
    TUserProject* project = OpenIdealExample();
    ASSERT_NE(project, nullptr);
    for (const bool on : {false, true}) {
        if (Action("mnIdealSynthesis")->isChecked() != on) {
            Action("mnIdealSynthesis")->trigger();
        }
        const QString pdf = Path(on ? QStringLiteral("on.pdf") : QStringLiteral("off.pdf"));
        Dialogs.FileAnswers.push_back(pdf);
        Action("mnProjectReport")->trigger();
        ASSERT_TRUE(QFileInfo::exists(pdf));
        const QString text = PdfText(pdf);
        // Each ranking under its label, in order, the ideal one with the raw ideal scores.
        const std::vector<QStringList> lines{{QStringLiteral("Итоговый"), QStringLiteral("рейтинг"),
                                                 QStringLiteral("(распределительный"), QStringLiteral("синтез)")},
            {QStringLiteral("1"), QStringLiteral("АЛЬФА"), QStringLiteral("0.6637")},
            {QStringLiteral("2"), QStringLiteral("БЕТА"), QStringLiteral("0.2069")},
            {QStringLiteral("3"), QStringLiteral("ГАММА"), QStringLiteral("0.1293")},
            {QStringLiteral("Итоговый"), QStringLiteral("рейтинг"), QStringLiteral("(идеальный"),
                QStringLiteral("синтез)")},
            {QStringLiteral("Место"), QStringLiteral("Альтернатива"), QStringLiteral("Приоритет"),
                QStringLiteral("Доля"), QStringLiteral("идеала")},
            {QStringLiteral("1"), QStringLiteral("АЛЬФА"), QStringLiteral("0.6433"), QStringLiteral("1")},
            {QStringLiteral("2"), QStringLiteral("БЕТА"), QStringLiteral("0.221"), QStringLiteral("0.3436")},
            {QStringLiteral("3"), QStringLiteral("ГАММА"), QStringLiteral("0.1355"), QStringLiteral("0.2106")}};
        qsizetype from = 0;
        for (const QStringList& words : lines) {
            const QRegularExpressionMatch match = Line(words).match(text, from);
            ASSERT_TRUE(match.hasMatch()) << on << ' ' << words.join(QLatin1Char(' ')).toStdString() << '\n'
                                          << text.toStdString();
            from = match.capturedEnd();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Доля идеала:"))) << text.toStdString();
    }
}
