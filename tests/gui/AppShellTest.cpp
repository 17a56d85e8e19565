#include "AppTestSupport.h"
#include "core/group/Consensus.h"
#include "core/group/GroupCsv.h"
#include "core/group/GroupReportContent.h"
#include "gui/group/TfmGroupMembers.h"

#include "gui/app/THelpViewer.h"
#include "gui/app/TfmAboutForm.h"
#include "gui/judgement/TfmExpertForm.h"
#include "gui/results/CResultsView.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/TfmElementEdit.h"

#include <QActionGroup>
#include <QChartView>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
#include <vector>

using apptest::CAppTest;
using EKind = CScriptedUserDialogs::EKind;

namespace {

class AppShell : public CAppTest {
protected:
    // "name:caption" per item, "-" per separator.
    [[nodiscard]] QStringList MenuItems(const char* menu) const
    {
        QStringList items;
        for (QAction* action : Control<QMenu>(menu)->actions()) {
            // Only "Сохранить проект" has a key of its own: Ctrl+S.
            EXPECT_EQ(action->shortcut(),
                action->objectName() == QStringLiteral("mnSaveProject") ? QKeySequence(Qt::CTRL | Qt::Key_S)
                                                                        : QKeySequence())
                << action->text().toStdString();
            items << (action->isSeparator()
                    ? QStringLiteral("-")
                    : action->objectName() + QLatin1Char(':') + WithoutMnemonic(action->text()));
        }
        return items;
    }
};

} // namespace

TEST_F(AppShell, FrameHasItsCaptionPanelAndStatusBar)
{
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Tessaly 1.0 (beta)"));
    auto* panel = Control<QToolBar>("ToolPanel");
    EXPECT_EQ(panel->height(), 40);
    EXPECT_EQ(Frame().statusBar()->height(), 18);
    EXPECT_TRUE(Frame().statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(Frame().centralWidget(), Frame().ClientArea());
    EXPECT_EQ(panel->geometry().bottom() + 1, Frame().ClientArea()->geometry().top());

    QStringList buttons;
    for (QAction* action : panel->actions()) {
        if (action->isSeparator()) {
            buttons << QStringLiteral("-");
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(panel->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->autoRaise());
        EXPECT_LE(button->width(), 24);
        EXPECT_EQ(button->height(), 23);
        EXPECT_FALSE(button->icon().isNull());
        // A screen reader says what the mouse shows.
        EXPECT_EQ(button->accessibleName(), button->toolTip());
        buttons << button->objectName() + QLatin1Char(':') + button->toolTip();
    }
    // A tool button and the menu item of the same command are one action.
    for (const auto& [button, item] : {std::pair{"btNewProject", "MNewProject"}, {"btOpenProject", "N5"},
             {"btOpenTempalteH", "mnTemplateLoad"}, {"btSaveProject", "mnSaveProject"}, {"btUserExit", "N7"}}) {
        EXPECT_EQ(Control(button)->defaultAction(), Action(item)) << button;
    }
    EXPECT_EQ(buttons,
        (QStringList{QStringLiteral("btNewProject:Создать новый проект"),
            QStringLiteral("btOpenProject:Открыть проект"),
            QStringLiteral("btOpenTempalteH:Загрузить шаблонную иерархию"), QStringLiteral("-"),
            QStringLiteral("btSaveProject:Сохранить проект (Ctrl+S)"), QStringLiteral("-"),
            QStringLiteral("btCloseProject:Закрыть проект"), QStringLiteral("-"),
            QStringLiteral("btPrintProject:Распечатать проект"), QStringLiteral("-"),
            QStringLiteral("btPrevProject:Показать предыдущий проект"),
            QStringLiteral("btNextProject:Показать следующий проект"),
            QStringLiteral("btUserExit:Выйти из программы")}));
}

TEST_F(AppShell, MainMenuIsExactlyAsListed)
{
    QStringList menus;
    for (QAction* action : Frame().menuBar()->actions()) {
        menus << WithoutMnemonic(action->text());
    }
    EXPECT_EQ(menus,
        (QStringList{QStringLiteral("Файл"), QStringLiteral("Правка"), QStringLiteral("Настройки"),
            QStringLiteral("Анализ"), QStringLiteral("Окно"), QStringLiteral("Справка")}));
    EXPECT_EQ(MenuItems("MFile"),
        (QStringList{QStringLiteral("MNewProject:Создать новый проект"),
            QStringLiteral("MNewTree:Создать дерево критериев..."), QStringLiteral("-"),
            QStringLiteral("N5:Открыть проект"), QStringLiteral("-"), QStringLiteral("mnSaveProject:Сохранить проект"),
            QStringLiteral("mnSaveProjectAs:Сохранить проект как..."), QStringLiteral("-"),
            QStringLiteral("mnTemplateLoad:Загрузить шаблон проекта"),
            QStringLiteral("mnSaveAsHTemplate:Сохранить проект в виде шаблона"), QStringLiteral("-"),
            QStringLiteral("N7:Выход")}));
    EXPECT_EQ(MenuItems("MTools"),
        (QStringList{QStringLiteral("mnToolOrient:Ориентация"), QStringLiteral("mnIdealSynthesis:Идеальный синтез"),
            QStringLiteral("mnLanguage:Язык / Language")}));
    EXPECT_EQ(MenuItems("mnToolOrient"),
        (QStringList{
            QStringLiteral("mnToolOrientVert:Вертикальная"), QStringLiteral("mnToolOrientHor:Горизонтальная")}));
    EXPECT_TRUE(Action("mnToolOrientVert")->isCheckable());
    EXPECT_TRUE(Action("mnToolOrientHor")->isChecked());
    EXPECT_EQ(MenuItems("WindowMenu"),
        (QStringList{QStringLiteral("MCascade:Каскад"), QStringLiteral("MWinVertical:По вертикали"),
            QStringLiteral("MWinHorizontal:По горизонтали")}));
    EXPECT_EQ(MenuItems("MHelp"),
        (QStringList{QStringLiteral("N8:Помощь"), QStringLiteral("-"), QStringLiteral("N10:О программе")}));
}

// The language of the next start: the stored choice is the checked item (none or an
// unknown one: as in the system); a new choice is stored and announced in both
// languages, the one already checked says nothing.
TEST_F(AppShell, LanguageMenuStoresTheChoiceForTheNextStartAndSaysSoInBothLanguages)
{
    const QString key = QStringLiteral("Interface/Language");
    const auto settings = [] { return QSettings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly")); };
    const auto checked = [this] {
        QStringList items;
        for (QAction* item : Control<QMenu>("mnLanguage")->actions()) {
            EXPECT_TRUE(item->isCheckable());
            EXPECT_TRUE(item->actionGroup() != nullptr && item->actionGroup()->isExclusive());
            if (item->isChecked()) {
                items << item->objectName();
            }
        }
        return items;
    };
    EXPECT_EQ(MenuItems("mnLanguage"),
        (QStringList{QStringLiteral("mnLanguageRussian:Русский"), QStringLiteral("mnLanguageEnglish:English"),
            QStringLiteral("mnLanguageSystem:Как в системе")}));
    for (const auto& [stored, shown] : {std::pair{"", "mnLanguageSystem"}, {"ru", "mnLanguageRussian"},
             {"en", "mnLanguageEnglish"}, {"de", "mnLanguageSystem"}}) {
        Windows.reset();
        if (*stored == '\0') {
            settings().remove(key);
        } else {
            settings().setValue(key, QString::fromLatin1(stored));
        }
        Windows = std::make_unique<CRunLongWindows>();
        EXPECT_EQ(checked(), QStringList{QString::fromLatin1(shown)}) << stored;
    }

    settings().remove(key);
    Windows = std::make_unique<CRunLongWindows>();
    const QString notice = QStringLiteral("Язык интерфейса сменится при следующем запуске Tessaly.\n"
                                          "The interface language will change the next time Tessaly starts.");
    for (const auto& [item, value, told] : {std::tuple{"mnLanguageSystem", "", false},
             {"mnLanguageEnglish", "en", true}, {"mnLanguageEnglish", "en", false}, {"mnLanguageRussian", "ru", true},
             {"mnLanguageSystem", "system", true}}) {
        Dialogs.Records.clear();
        Action(item)->trigger();
        EXPECT_EQ(settings().value(key).toString(), QString::fromLatin1(value)) << item;
        EXPECT_EQ(checked(), QStringList{QString::fromLatin1(item)});
        ASSERT_EQ(Dialogs.Records.size(), told ? 1U : 0U) << item << " " << value;
        if (told) {
            EXPECT_EQ(Dialogs.Records[0].Kind, EKind::Inform);
            EXPECT_EQ(Dialogs.Records[0].Text, notice);
            EXPECT_EQ(Dialogs.Records[0].Caption, QStringLiteral("Message"));
        }
    }
    settings().remove(key);
}

TEST_F(AppShell, WindowMenuListsProjectsAndTilingsPlaceThem)
{
    NewProject();
    NewProject();
    NewProject();
    auto* windowMenu = Control<QMenu>("WindowMenu");
    emit windowMenu->aboutToShow();
    QStringList listed;
    for (QAction* action : windowMenu->actions()) {
        if (!action->isSeparator() && action->objectName().isEmpty()) {
            listed << action->text();
        }
    }
    // Numbered, each number its mnemonic.
    EXPECT_EQ(listed,
        (QStringList{
            QStringLiteral("&1 Проект - 1"), QStringLiteral("&2 Проект - 2"), QStringLiteral("&3 Проект - 3")}));
    emit windowMenu->aboutToShow(); // rebuilt, not appended to
    EXPECT_EQ(windowMenu->actions().size(), 3 + 1 + 3);

    const QRect area = Frame().ClientArea()->viewport()->rect();
    const QList<QMdiSubWindow*> windows = Frame().ClientArea()->subWindowList();
    Action("MWinVertical")->trigger(); // side by side
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->geometry().top(), 0);
        EXPECT_EQ(windows[i]->height(), area.height());
        EXPECT_EQ(windows[i]->geometry().left(), i * (area.width() / 3));
    }
    Action("MWinHorizontal")->trigger(); // one above the other
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->geometry().left(), 0);
        EXPECT_EQ(windows[i]->width(), area.width());
        EXPECT_EQ(windows[i]->geometry().top(), i * (area.height() / 3));
    }
    Action("MCascade")->trigger();
    EXPECT_LT(windows[0]->geometry().top(), windows[2]->geometry().top());
    EXPECT_LT(windows[0]->geometry().left(), windows[2]->geometry().left());
    Dialogs.YesNoAnswers = {false, false, false};
    Frame().close();
}

TEST_F(AppShell, ProjectWindowsOpenInsideTheDocumentAreaAsLargeAsItAllowsAndCascadeKeepsThemSo)
{
    const QRect area = Frame().ClientArea()->viewport()->rect();
    TUserProject* first = NewProject(QStringLiteral("ЦЕЛЬ"), QStringLiteral("3"), QStringLiteral("9"));
    ASSERT_NE(first, nullptr);
    const QWidget* firstWindow = first->parentWidget();
    ASSERT_NE(firstWindow, nullptr);
    EXPECT_EQ(firstWindow->geometry(), area);

    // The results view shows its whole table and its settings without scrolling.
    auto* resultsButton = first->findChild<QToolButton*>(QStringLiteral("btResultsView"));
    QTest::mouseClick(resultsButton, Qt::LeftButton);
    QWidget* viewport = first->ScrollArea()->viewport();
    for (const QWidget* control : std::initializer_list<const QWidget*>{first->ResultsPanel()->bvInfoTable,
             first->ResultsPanel()->chPriorityChart, first->ResultsPanel()->sbVerOffset}) {
        const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
        EXPECT_TRUE(viewport->rect().contains(shown)) << control->objectName().toStdString();
    }
    QTest::mouseClick(resultsButton, Qt::LeftButton);
    // Upright, a level of nine keeps its 101-pixel frames apart.
    QTest::mouseClick(first->findChild<QToolButton*>(QStringLiteral("btHierarchyType")), Qt::LeftButton);
    for (std::uint32_t p = 0; p < 8; ++p) {
        EXPECT_GE(first->ElementBox(p + 1, 1)->x() - first->ElementBox(p, 1)->x(), 101) << p;
    }

    // New and cloned windows take the next cascade places, wholly inside the area and
    // reaching its far corner.
    TUserProject* second = NewProject();
    Dialogs.YesNoAnswers = {true};
    QTest::mouseClick(second->findChild<QToolButton*>(QStringLiteral("btClone")), Qt::LeftButton);
    const QList<QMdiSubWindow*> windows = Frame().ClientArea()->subWindowList();
    ASSERT_EQ(windows.size(), 3);
    QList<QRect> opened;
    for (QMdiSubWindow* window : windows) {
        EXPECT_TRUE(area.contains(window->geometry())) << window->windowTitle().toStdString();
        EXPECT_EQ(window->geometry().bottomRight(), area.bottomRight());
        opened.append(window->geometry());
    }
    EXPECT_LT(opened.at(0).top(), opened.at(1).top());
    EXPECT_LT(opened.at(1).left(), opened.at(2).left());
    EXPECT_FALSE(Frame().ClientArea()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(Frame().ClientArea()->verticalScrollBar()->isVisible());

    // After a tiling, "Каскад" puts them back so, each as large as the area allows.
    Action("MWinVertical")->trigger();
    Action("MCascade")->trigger();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows.at(i)->geometry(), opened.at(i)) << i;
        EXPECT_GE(windows.at(i)->width(), area.width() * 2 / 3);
        EXPECT_GE(windows.at(i)->height(), area.height() * 2 / 3);
    }
    Dialogs.YesNoAnswers = {false, false, false};
    Frame().close();
}

TEST_F(AppShell, ScreenNoticeOnlyForAScreenOtherThan1024x768)
{
    Frame().FormCreate(QSize(1280, 1024));
    ASSERT_EQ(Dialogs.Records.size(), 1U);
    EXPECT_EQ(Dialogs.Records[0].Kind, EKind::Inform);
    EXPECT_EQ(Dialogs.Records[0].Text, QStringLiteral("Желательный режим видеокарты: 1024x768"));
    EXPECT_EQ(Dialogs.Records[0].Caption, QStringLiteral("Alert"));
    Frame().FormCreate(QSize(1024, 768));
    EXPECT_EQ(Dialogs.Records.size(), 1U);
    Frame().FormCreate(QSize(768, 1024));
    EXPECT_EQ(Dialogs.Records.size(), 2U);
    EXPECT_EQ(Frame().StartDirectory(), QDir(WorkDir.path()).canonicalPath());
}

TEST_F(AppShell, AboutBoxShowsItsLinesAndClosesWithDa)
{
    bool seen = false;
    apptest::WhenModal<TfmAboutForm>([&seen](TfmAboutForm* about) {
        seen = true;
        EXPECT_EQ(about->windowTitle(), QStringLiteral(" О программе"));
        QStringList lines;
        for (QLabel* label : about->findChildren<QLabel*>()) {
            lines << label->text();
        }
        EXPECT_EQ(lines,
            (QStringList{QStringLiteral("TESSALY 1.0"),
                QStringLiteral("программа поддержки принятия рациональных решений"), QStringLiteral("Beta версия")}));
        EXPECT_TRUE(about->findChild<QLabel*>(QStringLiteral("lbTitle"))->font().bold());
        auto* ok = about->findChild<QPushButton*>(QStringLiteral("btOk"));
        EXPECT_EQ(ok->text(), QStringLiteral("Да"));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    Action("N10")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(AppWindows().AboutForm->isVisible());
}

// Start-up makes none of the shared dialogs; each is made on its first use, through
// the frame or a project window, and the same one serves every later use.
TEST_F(AppShell, SharedDialogsAreMadeOnFirstUseAndOnlyOnce)
{
    auto count = [this] {
        return std::vector<qsizetype>{Frame().findChildren<TCreateUserProject*>().size(),
            Frame().findChildren<TfmElementEdit*>().size(), Frame().findChildren<TfmAboutForm*>().size(),
            Frame().findChildren<TfmExpertForm*>().size(), Frame().findChildren<TfmSensitivity*>().size()};
    };
    EXPECT_EQ(count(), (std::vector<qsizetype>{0, 0, 0, 0, 0}));
    for (int use = 0; use < 2; ++use) {
        TUserProject* project = NewProject();
        ASSERT_NE(project, nullptr);
        EditElement(project);
        apptest::WhenModal<TfmAboutForm>([](TfmAboutForm* about) { about->reject(); });
        Action("N10")->trigger();
        EXPECT_EQ(count(), (std::vector<qsizetype>{1, 1, 1, 0, 0})) << use;
    }
}

TEST_F(AppShell, HelpOpensTessalyHlpAtItsContents)
{
    Action("N8")->trigger();
    const std::vector<QString> help = Dialogs.Texts(EKind::Help);
    ASSERT_EQ(help.size(), 1U);
    EXPECT_TRUE(help[0].endsWith(QStringLiteral("/tessaly.hlp")));

    THelpViewer viewer;
    EXPECT_TRUE(viewer.OpenAtContents(QStringLiteral(TESSALY_SOURCE_DIR "/tessaly.hlp")));
    const QString text = viewer.Browser()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Содержание")));
    for (const char* message : {"Файл проекта поврежден. Загрузка невозможна!", "Ошибка записи файла",
             "Не верные параметры текущего принтера", "Желательный режим видеокарты: 1024x768"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(message))) << message;
    }
    EXPECT_EQ(viewer.Browser()->source().fragment(), QStringLiteral("contents"));

    EXPECT_FALSE(viewer.OpenAtContents(Path(QStringLiteral("absent.hlp"))));
    EXPECT_TRUE(viewer.Browser()->toPlainText().contains(QStringLiteral("Файл справки не найден")));
}

TEST_F(AppShell, HelpNamesEveryMenuAndItemOfTheFrame)
{
    // Submenus included; the window list is empty with no window open.
    apptest::ExpectHelpNamesEveryMenuItem(Frame(), QStringLiteral(TESSALY_SOURCE_DIR "/tessaly.hlp"));
}

// The help quotes the group's windows, tables and exports by the program's own captions,
// and reads Kendall's W by the program's own bands.
TEST_F(AppShell, HelpQuotesTheGroupsCaptionsAndTheBandsOfKendallsW)
{
    THelpViewer viewer;
    ASSERT_TRUE(viewer.OpenAtContents(QStringLiteral(TESSALY_SOURCE_DIR "/tessaly.hlp")));
    const QString help = viewer.Browser()->toPlainText().simplified();
    const TfmGroupMembers members;
    QStringList captions{members.windowTitle(), QStringLiteral("Однородность итоговых приоритетов"),
        QStringLiteral("Согласие в порядке альтернатив (W Кендалла)")};
    for (const char* caption : {GroupRankingTitle, GroupElementsTitle, GroupMembersTitle, GroupDistancesTitle,
             UseExpertWeightsCaption, AipArithmeticCaption, AipGeometricCaption, ConsensusCaption, GroupRatioCaption,
             LargestExpertRatioCaption, WidestSpreadCaption, OwnRankingCaption, CsvGroupAgreementTitle,
             CsvGroupElementTitle, CsvExpertPrioritiesTitle, CsvPairJudgementsTitle}) {
        captions << QString::fromUtf8(caption);
    }
    for (const QString& caption : captions) {
        EXPECT_TRUE(help.contains(QStringLiteral("«%1»").arg(caption))) << caption.toStdString();
    }
    // Each row of the help's table of W: its range, then the band the program gives there.
    for (const auto& [range, w] : {std::pair{"меньше 0,2", 0.19}, {"от 0,2 и меньше 0,4", 0.2},
             {"от 0,4 и меньше 0,6", 0.4}, {"от 0,6 и меньше 0,8", 0.6}, {"0,8 и больше", 0.8}}) {
        const QString row = QString::fromUtf8(range) + QLatin1Char(' ')
            + QString::fromUtf8(ConcordanceBandText(ConcordanceBandOf(w)));
        EXPECT_TRUE(help.contains(row)) << row.toStdString();
    }
}

TEST_F(AppShell, HelpFileIsFoundBesideTheProgramThenInTheStartDirectoryThenInstalled)
{
    // An installed layout: <prefix>/bin and <prefix>/share/tessaly, started elsewhere.
    const QString prefix = Path(QStringLiteral("prefix"));
    const QString start = Path(QStringLiteral("start"));
    const QString bin = prefix + QStringLiteral("/bin");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(prefix + QStringLiteral("/share/tessaly")) && QDir().mkpath(start));
    const auto place = [](const QString& file) {
        QFile help(file);
        return help.open(QIODevice::WriteOnly) && help.write("<html></html>") > 0;
    };
    const QString missing = start + QStringLiteral("/tessaly.hlp");
    EXPECT_EQ(LocateHelpFile(QStringLiteral("tessaly.hlp"), start, bin), missing);

    const QString installed = prefix + QStringLiteral("/share/tessaly/tessaly.hlp");
    ASSERT_TRUE(place(installed));
    EXPECT_EQ(LocateHelpFile(QStringLiteral("tessaly.hlp"), start, bin), installed);
    ASSERT_TRUE(place(missing));
    EXPECT_EQ(LocateHelpFile(QStringLiteral("tessaly.hlp"), start, bin), missing);
    ASSERT_TRUE(place(bin + QStringLiteral("/tessaly.hlp")));
    EXPECT_EQ(LocateHelpFile(QStringLiteral("tessaly.hlp"), start, bin), bin + QStringLiteral("/tessaly.hlp"));
}

TEST_F(AppShell, RussianTranslationGivesDaAndNet)
{
    QTranslator russian;
    if (!InstallRussianTranslation(russian)) {
        GTEST_SKIP() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    }
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Message"), QStringLiteral("?"), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
    QCoreApplication::removeTranslator(&russian);
}

// The frame with the supplier example open (with TESSALY_SCREENSHOT set, saved as the
// README's picture).
TEST_F(AppShell, FrameWithTheSupplierExample)
{
    Frame().resize(1024, 768);
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    const QString copy = Path(QStringLiteral("supplier.tsy"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/supplier.tsy"), copy));
    TUserProject* project = OpenProject(copy);
    ASSERT_NE(project, nullptr);
    QTest::qWait(50);
    const QImage shot = Frame().grab().toImage();
    EXPECT_EQ(shot.size(), Frame().size() * shot.devicePixelRatio());
    if (const char* target = std::getenv("TESSALY_SCREENSHOT")) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(target)));
    }
    Click("btCloseProject");
}

namespace {

// Tells the parent process what was shown, since the death test runs in a child.
class CStderrDialogs final : public CUserDialogs {
public:
    CStderrDialogs() { SetUserDialogs(this); }
    ~CStderrDialogs() override { SetUserDialogs(nullptr); }
    CStderrDialogs(const CStderrDialogs&) = delete;
    CStderrDialogs& operator=(const CStderrDialogs&) = delete;
    void Inform(QWidget*, const QString& text, const QString& caption) override
    {
        std::fprintf(stderr, "%s|%s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    }
    bool AskYesNo(QWidget*, const QString&, const QString&) override { return false; }
    QString ChooseFileToOpen(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
    bool ChoosePrinter(QWidget*, QPrinter&) override { return false; }
    void OpenHelp(QWidget*, const QString&) override { }
};

} // namespace

TEST(AppStartDirectoryDeathTest, UnreadableCurrentDirectoryEndsTheProgramWithCodeZero)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    const std::string gone = QDir(parent.path()).filePath(QStringLiteral("gone")).toStdString();
    EXPECT_EXIT(
        {
            CStderrDialogs dialogs;
            if (::mkdir(gone.c_str(), 0755) != 0 || ::chdir(gone.c_str()) != 0 || ::rmdir(gone.c_str()) != 0) {
                std::exit(3);
            }
            TMainForm frame;
            std::exit(4); // not reached: the frame cannot go on without its start directory
        },
        testing::ExitedWithCode(0), "Message\\|Ошибка при запросе текущего пути");
}
