// Judgements that are not consistent enough, flagged wherever a result rests on them in
// the frame: the element's mark in expert mode and the status bar while the results are
// shown; and the whole way from judging to a mended matrix on the keyboard alone.
#include "AppTestSupport.h"

#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/TfmAbsoluteMatrix.h"

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

class AppConsistency : public CAppTest {
protected:
    static QToolButton* Button(TUserProject* project, const char* name)
    {
        return project->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    // A key to whatever holds the keyboard.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key, modifiers);
    }
    // The user comes back to the project and its goal (the offscreen platform does not
    // hand the activation back when a dialog closes).
    void BackToGoal(TUserProject* project) const
    {
        Frame().activateWindow();
        ASSERT_TRUE(WaitUntilActive(&Frame()));
        project->FocusElement({0, 0});
        ASSERT_EQ(QApplication::focusWidget(), project->ElementBox(0, 0));
    }
};

// Whether some pixel of the area is the mark's strong red.
bool HasRed(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 180 && colour.green() < 60 && colour.blue() < 60) {
                return true;
            }
        }
    }
    return false;
}

// The pages of a PDF as text, as laid out.
QStringList PdfPages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
}

// The words of a sentence in order, any space or line break between them.
QRegularExpression Words(const QString& sentence)
{
    QStringList escaped;
    for (const QString& word : sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        escaped << QRegularExpression::escape(word);
    }
    return QRegularExpression(escaped.join(QStringLiteral("\\s+")));
}

QString Dec(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

TEST_F(AppConsistency, MarkedInExpertModeNamedInTheStatusBarAndMendedFromTheKeyboard)
{
    TUserProject* project = NewProject(QStringLiteral("ВЫБОР"), QStringLiteral("3"), QStringLiteral("3"));
    ASSERT_NE(project, nullptr);
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    CHierarchyElementBox* goal = project->ElementBox(0, 0);
    EXPECT_TRUE(goal->Warning().isEmpty());

    // The cycle A > B 5, C > A 3, B > C 5 typed on the goal's table, then "Отмена" (Escape),
    // which keeps what was entered.
    BackToGoal(project);
    WhenModal<TfmExpertForm>([](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        Key(Qt::Key_5);
        Key(Qt::Key_Slash);
        Key(Qt::Key_3);
        Key(Qt::Key_5);
        Key(Qt::Key_Escape);
    });
    Key(Qt::Key_Return);
    ASSERT_EQ(project->Model().Goal().Judgements(0, 2).Code(), -3);

    // The goal carries the mark, with its CR (2.115767) and limit; nothing else does.
    const QString mark = Dec("Согласованность суждений недостаточна: ОС 2.1157 (допустимо до 0.05)");
    EXPECT_EQ(goal->Warning(), mark);
    EXPECT_EQ(goal->accessibleDescription(), mark);
    for (std::uint32_t p = 0; p < 3; ++p) {
        EXPECT_TRUE(project->ElementBox(p, 1)->Warning().isEmpty()) << p;
        EXPECT_TRUE(project->ElementBox(p, 2)->Warning().isEmpty()) << p;
    }
    // A red corner inside the box's frame at its top right, and a red line along its
    // bottom inside the frame; none on a box without a mark.
    const QImage boxes = project->grab().toImage();
    const auto redCorner = [&](const CHierarchyElementBox* box) {
        const QPoint corner = box->mapTo(project, box->contentsRect().topRight());
        return HasRed(boxes, QRect(corner.x() - 4, corner.y(), 4, 4));
    };
    const auto redBottom = [&](const CHierarchyElementBox* box) {
        const QPoint left = box->mapTo(project, box->contentsRect().bottomLeft());
        return HasRed(boxes, QRect(left.x() + 20, left.y(), 10, 1));
    };
    EXPECT_TRUE(redCorner(goal));
    EXPECT_TRUE(redBottom(goal));
    EXPECT_FALSE(redCorner(project->ElementBox(0, 1)));
    EXPECT_FALSE(redBottom(project->ElementBox(0, 1)));
    QDir().mkpath(QDir::tempPath() + QStringLiteral("/tessaly-grabs"));
    boxes.save(QDir::tempPath() + QStringLiteral("/tessaly-grabs/TUserProject_unacceptable_mark.png"));
    // Editing mode shows no marks; expert mode again does.
    QTest::mouseClick(Button(project, "btEditMode"), Qt::LeftButton);
    EXPECT_TRUE(goal->Warning().isEmpty());
    QTest::mouseClick(Button(project, "btExpertMode"), Qt::LeftButton);
    EXPECT_EQ(goal->Warning(), mark);

    // While the results are shown, the status bar names the matrix; hidden, it says nothing.
    // At 1024 pixels the warning is longer than the bar: cut with "…", whole in its tooltip.
    Frame().resize(1024, 740);
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    const QString warning
        = Dec("Внимание: согласованность суждений недостаточна в 1 матрице из 4: цель «ВЫБОР» (ОС 2.1157, допустимо "
              "до 0.05). Результат опирается на суждения, которые стоит пересмотреть.");
    QStatusBar* bar = Frame().statusBar();
    const QString shown = bar->currentMessage();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)) && warning.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_LT(bar->fontMetrics().horizontalAdvance(shown), bar->width() - 8);
    EXPECT_EQ(bar->toolTip(), warning);
    QImage barImage = bar->grab().toImage();
    QDir().mkpath(QDir::tempPath() + QStringLiteral("/tessaly-grabs"));
    barImage.save(QDir::tempPath() + QStringLiteral("/tessaly-grabs/StatusBar_warning_1024.png"));
    // Wide enough, it is shown whole.
    Frame().resize(bar->fontMetrics().horizontalAdvance(warning) + 60, 740);
    EXPECT_EQ(bar->currentMessage(), warning);
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    EXPECT_TRUE(Frame().statusBar()->currentMessage().isEmpty());
    // The report's ranking page says the same, under its heading.
    const auto rankingPage = [this](const QString& name) {
        Dialogs.FileAnswers.push_back(Path(name));
        Action("mnProjectReport")->trigger();
        for (const QString& page : PdfPages(Path(name))) {
            if (page.contains(QStringLiteral("Итоговый результат"))) {
                return page;
            }
        }
        return QString();
    };
    const QString page = rankingPage(QStringLiteral("unacceptable.pdf"));
    EXPECT_TRUE(page.contains(Words(warning))) << page.toStdString();

    // On the keyboard alone: Enter opens the judging, Ctrl+R the research window with the
    // keyboard on the first suggestion, Space accepts it (the keyboard goes back to the
    // table), Ctrl+Enter applies, Escape leaves.
    BackToGoal(project);
    TfmAbsoluteMatrix* research = nullptr;
    WhenModal<TfmExpertForm>([&research](TfmExpertForm* form) {
        ASSERT_TRUE(WaitUntilActive(form));
        Key(Qt::Key_R, Qt::ControlModifier);
        research = form->findChild<TfmAbsoluteMatrix*>();
        ASSERT_NE(research, nullptr);
        ASSERT_TRUE(WaitUntilActive(research));
        EXPECT_EQ(QApplication::focusWidget(), research->AcceptButtons[0]);
        EXPECT_TRUE(research->SuggestionLines[0]->text().startsWith(
            QStringLiteral("1. ЭЛЕМЕНТ_0 и 2. ЭЛЕМЕНТ_1: 5 → 1/9, остальные суждения говорят: «ЭЛЕМЕНТ_1» важнее")));
        Key(Qt::Key_Space);
        ASSERT_TRUE(WaitUntilActive(form));
        EXPECT_EQ(form->WorkingJudgements()(0, 1).Code(), -9);
        EXPECT_EQ(research->lbVerdict->text(), QStringLiteral("Согласованность суждений приемлема"));
        EXPECT_EQ(form->stOS->text(), Dec("2.1157"));
        Key(Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(form->stOS->text(), Dec("0.025"));
        // Ctrl+R with the research window open brings it forward.
        Key(Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(WaitUntilActive(research));
        form->activateWindow();
        ASSERT_TRUE(WaitUntilActive(form));
        Key(Qt::Key_Escape);
    });
    Key(Qt::Key_Return);
    ASSERT_NE(research, nullptr);
    EXPECT_EQ(project->Model().Goal().Judgements(0, 1).Code(), -9);
    EXPECT_TRUE(goal->Warning().isEmpty());
    QTest::mouseClick(research->btClose, Qt::LeftButton);
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    EXPECT_TRUE(Frame().statusBar()->currentMessage().isEmpty());
    QTest::mouseClick(Button(project, "btResultsView"), Qt::LeftButton);
    const QString mended = rankingPage(QStringLiteral("mended.pdf"));
    EXPECT_TRUE(mended.contains(QStringLiteral("Итоговый результат")));
    EXPECT_FALSE(mended.contains(QStringLiteral("Внимание")));
}
