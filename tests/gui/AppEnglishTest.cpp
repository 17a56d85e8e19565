// The English interface walked as a user meets it: every window and menu, each opened the
// way the user opens it, shows and says no Cyrillic letter outside the user's own data,
// and every message asked or told is English; the PDF report read back from its file too.
#include "AppTestSupport.h"
#include "ShownTexts.h"
#include "support/UpperJudgements.h"

#include "core/storage/TreeFile.h"
#include "gui/app/THelpViewer.h"
#include "gui/app/TfmAboutForm.h"
#include "gui/group/TfmExpertFiles.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/group/TfmGroupMembers.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/judgement/TfmExpertScale.h"
#include "gui/judgement/TfmRatingScales.h"
#include "gui/judgement/TfmRatings.h"
#include "gui/results/TfmAbsoluteMatrix.h"
#include "gui/results/TfmCurrentPriorityLevel.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/results/TfmTreePriorities.h"
#include "gui/results/TfmTreeSensitivity.h"
#include "gui/view/TTreeProject.h"
#include "gui/widgets/InterfaceLanguage.h"
#include "gui/widgets/TAddNewLevel.h"

#include <QDate>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeView>

#include <array>

using apptest::CAppTest;
using apptest::WhenModal;

namespace {

// A criteria tree in English: the user's data, so the walk finds only the program's words.
CHierarchy EnglishTree(bool rated)
{
    std::vector<CHierarchyNode> nodes(5);
    nodes[0] = {"Choosing a car", "", {1, 2}, Upper(2, {3})};
    nodes[1] = {"Cost", "", {3, 4}, Upper(2, {2})};
    nodes[2] = {"Comfort", "", {}, {}};
    nodes[3] = {"Price", "", {}, {}};
    nodes[4] = {"Running costs", "", {}, {}};
    const std::vector<CAlternative> cars{{"Hatchback", ""}, {"Estate", ""}, {"Crossover", ""}};
    if (!rated) {
        for (const std::uint32_t leaf : {2U, 3U, 4U}) {
            nodes[leaf].Judgements = Upper(3, {2, 3, 2});
        }
        return *CHierarchy::Make(EHierarchyShape::Tree, std::move(nodes), cars);
    }
    for (const std::uint32_t leaf : {2U, 3U, 4U}) {
        nodes[leaf].Scale = 0;
        nodes[leaf].Ratings = {0, 1, -1};
    }
    std::vector<CRatingScale> scales{
        MakeRatingScale("s4", "Four steps", {"Excellent", "Good", "Fair", "Poor"}, {2, 4, 6, 2, 4, 2})};
    return *CHierarchy::MakeRated(std::move(nodes), cars, std::move(scales));
}

class AppEnglish : public CAppTest {
protected:
    void SetUp() override
    {
        // Before the frame is made: every window takes its texts when it is made.
        InstallTessalyTranslation(ELanguage::English);
        CAppTest::SetUp();
    }
    void TearDown() override
    {
        CAppTest::TearDown();
        InstallTessalyTranslation(ELanguage::Russian);
    }
    // What the window shows and says, and every message since the last look.
    void Look(QWidget* window, const char* where)
    {
        Looked << QString::fromLatin1(where);
        // The language menu names each language in its own.
        const QStringList found = CyrillicTexts(window, {QStringLiteral("Язык"), QStringLiteral("Русский")});
        EXPECT_TRUE(found.isEmpty()) << where << ":\n" << found.join(QLatin1Char('\n')).toStdString();
        for (const QString& message : Dialogs.MessageTexts()) {
            EXPECT_FALSE(HasCyrillic(message)) << where << ": " << message.toStdString();
        }
        Dialogs.Records.clear();
    }
    TTreeProject* OpenTree(const CHierarchy& tree, const QString& name)
    {
        const QString file = Path(name);
        EXPECT_EQ(SaveTreeFile(tree, file.toStdString(), false), EWriteResult::Ok);
        OpenProject(file);
        return Frame().ActiveTree();
    }
    void LookAtPdf(const char* where)
    {
        const QString pdf = Path(QStringLiteral("report.pdf"));
        QFile::remove(pdf);
        Dialogs.FileAnswers = {pdf};
        Action("mnProjectReport")->trigger();
        QProcess text;
        text.start(
            QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(60000));
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_FALSE(read.isEmpty()) << where;
        // The date as an English reader writes it: "10 December 2026".
        const QDate today = QDate::currentDate();
        const std::array<const char*, 12> months{"January", "February", "March", "April", "May", "June", "July",
            "August", "September", "October", "November", "December"};
        EXPECT_TRUE(read.contains(QStringLiteral("%1 %2 %3")
                                      .arg(today.day())
                                      .arg(QLatin1String(months[today.month() - 1]))
                                      .arg(today.year())))
            << where;
        QStringList lines;
        // A column narrower than an English word of its heading breaks the word: its last
        // letters stand alone on a line.
        const QRegularExpression brokenTail(QStringLiteral("^[a-z]{1,2}$"));
        for (const QString& line : read.split(QLatin1Char('\n'))) {
            if (HasCyrillic(line) || brokenTail.match(line.trimmed()).hasMatch()) {
                lines << line;
            }
        }
        EXPECT_TRUE(lines.isEmpty()) << where << ":\n" << lines.join(QLatin1Char('\n')).toStdString();
        Dialogs.Records.clear();
        Looked << QString::fromLatin1(where);
    }
    // Every window of the walk was met: none skipped because it did not open.
    void ExpectLooked(const QStringList& expected)
    {
        Looked.removeDuplicates();
        EXPECT_EQ(Looked, expected);
    }
    QStringList Looked;
};

} // namespace

TEST_F(AppEnglish, ALayeredDecisionFromTheNewProjectToItsReport)
{
    Look(&Frame(), "frame and menus");
    WhenModal<TCreateUserProject>([&](TCreateUserProject* dialog) {
        Look(dialog, "new project");
        TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("edProjectAim")), QStringLiteral("SUPPLIER"));
        TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("edLevelNum")), QStringLiteral("3"));
        TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("edMaxCriteria")), QStringLiteral("3"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btOk")), Qt::LeftButton);
    });
    Click("btNewProject");
    TUserProject* project = Frame().ActiveProject();
    ASSERT_NE(project, nullptr);
    Look(&Frame(), "project window");

    WhenModal<TfmElementEdit>([&](TfmElementEdit* dialog) {
        Look(dialog, "element");
        dialog->reject();
    });
    QTest::mouseClick(project->ElementBox(0, 1), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 1), Qt::LeftButton);
    WhenModal<TAddNewLevel>([&](TAddNewLevel* dialog) {
        Look(dialog, "add level");
        dialog->reject();
    });
    project->findChild<QAction*>(QStringLiteral("mnAddLevel"))->trigger();

    // The comparison window with its scale and the research window, a judgement typed.
    QTest::mouseClick(project->findChild<QToolButton*>(QStringLiteral("btExpertMode")), Qt::LeftButton);
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        Look(form, "comparison");
        // "λmax:" is wider than "СЗ:": its value stands clear of it.
        EXPECT_LE(form->lbOwnerValue->geometry().right(), form->stOwnerValue->x());
        EXPECT_LE(form->stOwnerValue->geometry().right(), form->btApply->x());
        // The shorter English heading stays centred in its frame.
        const QRect frame = form->bvMainObjectBevel->geometry();
        const QRect heading = form->lbText_1->geometry();
        EXPECT_LE(std::abs((heading.left() - frame.left()) - (frame.right() - heading.right())), 2);
        WhenModal<TfmExpertScale>([&](TfmExpertScale* scale) {
            Look(scale, "scale");
            scale->reject();
        });
        QTest::keyClick(form, Qt::Key_Return);
        QTest::keyClicks(form, QStringLiteral("3"));
        QTest::mouseClick(form->btResearch, Qt::LeftButton);
        Look(form->findChild<TfmAbsoluteMatrix*>(), "research");
        QTest::mouseClick(form->btOk, Qt::LeftButton);
    });
    QTest::mouseClick(project->ElementBox(0, 0), Qt::LeftButton);
    QTest::mouseDClick(project->ElementBox(0, 0), Qt::LeftButton);

    WhenModal<TfmCurrentPriorityLevel>([&](TfmCurrentPriorityLevel* levels) {
        Look(levels, "level priorities");
        levels->btClose->click();
    });
    project->SetCurrent(0, 1);
    project->findChild<QAction*>(QStringLiteral("mnCurrentPriority"))->trigger();
    QTest::mouseClick(project->findChild<QToolButton*>(QStringLiteral("btResultsView")), Qt::LeftButton);
    Look(&Frame(), "results");
    WhenModal<TfmSensitivity>([&](TfmSensitivity* sensitivity) {
        Look(sensitivity, "sensitivity");
        sensitivity->btClose->click();
    });
    Action("mnSensitivityAnalysis")->trigger();
    LookAtPdf("layered report");

    WhenModal<TfmAboutForm>([&](TfmAboutForm* about) {
        Look(about, "about");
        about->reject();
    });
    Action("N10")->trigger();
    THelpViewer help;
    ASSERT_TRUE(help.OpenAtContents(
        LocateHelpFile(Frame().HelpFile(), QDir::currentPath(), QStringLiteral(TESSALY_SOURCE_DIR))));
    Look(&help, "help");

    Dialogs.YesNoAnswers = {false};
    Click("btCloseProject");
    Look(&Frame(), "close question");
    ExpectLooked({QStringLiteral("frame and menus"), QStringLiteral("new project"), QStringLiteral("project window"),
        QStringLiteral("element"), QStringLiteral("add level"), QStringLiteral("comparison"), QStringLiteral("scale"),
        QStringLiteral("research"), QStringLiteral("level priorities"), QStringLiteral("results"),
        QStringLiteral("sensitivity"), QStringLiteral("layered report"), QStringLiteral("about"),
        QStringLiteral("help"), QStringLiteral("close question")});
}

TEST_F(AppEnglish, ATreeItsRatingsAndAGroupOfIt)
{
    TTreeProject* tree = OpenTree(EnglishTree(false), QStringLiteral("car.tsj"));
    ASSERT_NE(tree, nullptr);
    Look(&Frame(), "tree window");
    tree->SelectNode(CHierarchy::GoalNode);
    WhenModal<TfmExpertForm>([&](TfmExpertForm* form) {
        Look(form, "tree comparison");
        form->btCancel->click();
    });
    QTest::keyClick(tree->Outline(), Qt::Key_Return);
    QTest::keyClick(tree->Outline(), Qt::Key_3, Qt::ControlModifier);
    Look(&Frame(), "tree results");
    WhenModal<TfmTreePriorities>([&](TfmTreePriorities* window) {
        Look(window, "tree priorities");
        window->btClose->click();
    });
    tree->findChild<QAction*>(QStringLiteral("mnCurrentPriority"))->trigger();
    WhenModal<TfmTreeSensitivity>([&](TfmTreeSensitivity* window) {
        Look(window, "tree sensitivity");
        window->btClose->click();
    });
    tree->findChild<QAction*>(QStringLiteral("mnSensitivity"))->trigger();
    LookAtPdf("tree report");

    // A group of two copies of the tree, through the members' dialog.
    const QString anna = Path(QStringLiteral("anna.tsj"));
    const QString boris = Path(QStringLiteral("boris.tsj"));
    for (const QString& file : {anna, boris}) {
        ASSERT_EQ(SaveTreeFile(EnglishTree(false), file.toStdString(), false), EWriteResult::Ok);
    }
    WhenModal<TfmExpertFiles>([&](TfmExpertFiles* dialog) {
        Look(dialog, "expert files");
        dialog->reject();
    });
    Action("mnPrepareExpertFiles")->trigger();
    WhenModal<TfmGroupMembers>([&](TfmGroupMembers* dialog) {
        Dialogs.FileAnswers = {anna, boris};
        QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        QTest::mouseClick(dialog->btAddMembers, Qt::LeftButton);
        Look(dialog, "members");
        QTest::mouseClick(dialog->btOk, Qt::LeftButton);
    });
    Action("mnGroupDecision")->trigger();
    TfmGroupDecision* group = Frame().ActiveGroup();
    ASSERT_NE(group, nullptr);
    for (int tab = 0; tab < group->tcGroup->count(); ++tab) {
        group->tcGroup->setCurrentIndex(tab);
        Look(group->parentWidget(), "group");
    }
    LookAtPdf("group report");
    Dialogs.YesNoAnswers = {false, false, false};
    ExpectLooked({QStringLiteral("tree window"), QStringLiteral("tree comparison"), QStringLiteral("tree results"),
        QStringLiteral("tree priorities"), QStringLiteral("tree sensitivity"), QStringLiteral("tree report"),
        QStringLiteral("expert files"), QStringLiteral("members"), QStringLiteral("group"),
        QStringLiteral("group report")});
    Frame().close();
}

TEST_F(AppEnglish, ARatedTreeItsScalesAndItsRatings)
{
    TTreeProject* tree = OpenTree(EnglishTree(true), QStringLiteral("rated.tsj"));
    ASSERT_NE(tree, nullptr);
    Look(&Frame(), "rated tree");
    tree->SelectNode(2);
    QTest::keyClick(tree->Outline(), Qt::Key_Return);
    ASSERT_NE(tree->RatingsWindow(), nullptr);
    Look(tree->RatingsWindow(), "ratings");
    tree->RatingsWindow()->close();
    WhenModal<TfmRatingScales>([&](TfmRatingScales* window) {
        Look(window, "rating scales");
        window->reject();
    });
    Action("mnRatingScales")->trigger();
    QTest::keyClick(tree->Outline(), Qt::Key_3, Qt::ControlModifier);
    Look(&Frame(), "rated results");
    LookAtPdf("rated report");
    // Back to pairs: the question and the undo step's name.
    Dialogs.YesNoAnswers = {true};
    Action("mnEvaluationPairs")->trigger();
    Look(&Frame(), "evaluation switched");
    ExpectLooked({QStringLiteral("rated tree"), QStringLiteral("ratings"), QStringLiteral("rating scales"),
        QStringLiteral("rated results"), QStringLiteral("rated report"), QStringLiteral("evaluation switched")});
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

// The English help names every menu and item of the English frame by its caption.
TEST_F(AppEnglish, TheEnglishHelpNamesEveryMenuAndItemOfTheFrame)
{
    apptest::ExpectHelpNamesEveryMenuItem(Frame(), QStringLiteral(TESSALY_SOURCE_DIR "/tessaly_en.hlp"));
}

// An English keyboard reaches every item of the English menus: each menu's letters are
// Latin and none is taken twice (the window list's digits included).
TEST_F(AppEnglish, EveryMenuItemHasALatinLetterOfItsOwn)
{
    QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
    const std::vector<QStringList> lists = apptest::FrameMenuTexts(Frame());
    EXPECT_GE(lists.size(), 8U);
    for (const QStringList& items : lists) {
        QSet<QChar> taken;
        for (const QString& text : items) {
            const int amp = text.indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << text.toStdString();
            const QChar letter = text.at(amp + 1).toLower();
            EXPECT_TRUE(letter.isDigit() || (letter >= QLatin1Char('a') && letter <= QLatin1Char('z')))
                << text.toStdString();
            EXPECT_FALSE(taken.contains(letter)) << text.toStdString();
            taken.insert(letter);
        }
    }
    Dialogs.YesNoAnswers = {false};
    Frame().close();
}

// The setting's three values: a language named is that language; "system" (or nothing)
// follows the locale.
TEST(InterfaceLanguageSetting, ANamedLanguageHoldsAndTheSystemsFollowsTheLocale)
{
    const bool set = qEnvironmentVariableIsSet("LANGUAGE");
    const QByteArray before = qgetenv("LANGUAGE");
    for (const auto& [locale, system] : {std::pair{"en_US", ELanguage::English}, {"ru_RU", ELanguage::Russian}}) {
        qputenv("LANGUAGE", locale);
        EXPECT_EQ(ChosenInterfaceLanguage(QStringLiteral("ru")), ELanguage::Russian);
        EXPECT_EQ(ChosenInterfaceLanguage(QStringLiteral("en")), ELanguage::English);
        EXPECT_EQ(ChosenInterfaceLanguage(QStringLiteral("system")), system);
        EXPECT_EQ(ChosenInterfaceLanguage(QString()), system);
    }
    if (set) {
        qputenv("LANGUAGE", before);
    } else {
        qunsetenv("LANGUAGE");
    }
}
