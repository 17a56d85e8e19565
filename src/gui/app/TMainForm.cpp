#include "gui/app/TMainForm.h"

#include "core/group/CGroupDecision.h"
#include "core/group/GroupCsv.h"
#include "core/group/GroupReportContent.h"
#include "core/lifecycle/LifecycleRules.h"
#include "core/model/HierarchyLimits.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/CsvExport.h"
#include "core/results/RatingWarnings.h"
#include "core/results/ReportContent.h"
#include "core/results/Synthesis.h"
#include "gui/app/CAppWindows.h"
#include "gui/app/CDocumentLifecycle.h"
#include "gui/app/FrameGlyphs.h"
#include "gui/app/GroupReport.h"
#include "gui/app/ProjectExport.h"
#include "gui/app/ProjectPrinting.h"
#include "gui/app/ProjectReport.h"
#include "gui/app/THelpViewer.h"
#include "gui/app/TfmAboutForm.h"
#include "gui/group/CGroupLifecycle.h"
#include "gui/group/TfmExpertFiles.h"
#include "gui/group/TfmGroupDecision.h"
#include "gui/results/TfmSensitivity.h"
#include "gui/view/TTreeProject.h"
#include "gui/view/TUserProject.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/MenuText.h"
#include "gui/widgets/TCreateUserProject.h"
#include "gui/widgets/WidgetStyle.h"

#include "TessalyVersion.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUndoGroup>
#include <QUndoStack>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

const QString MessageCaption = QStringLiteral("Message");

void Inform(QWidget* parent, const QString& text)
{
    UserDialogs().Inform(parent, text, MessageCaption);
}

// The absolute current directory; the program cannot place its templates and clone
// file without it, so it ends when the directory cannot be read.
QString DetermineStartDirectory(QWidget* parent)
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error || current.empty()) {
        Inform(parent, TMainForm::tr("Ошибка при запросе текущего пути"));
        std::exit(0);
    }
    return QString::fromStdString(current.string());
}

// The program's own settings, kept between runs in the user's configuration folder.
constexpr const char* IdealSynthesisKey = "IdealSynthesis";
// The interface language the program starts in: "ru", "en" or "system" (the default).
constexpr const char* LanguageKey = "Interface/Language";
QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("Tessaly"), QStringLiteral("Tessaly"));
}

// The stored language; none or one unknown counts as the system's.
QString StoredLanguage()
{
    const QString stored = ProgramSettings().value(QString::fromLatin1(LanguageKey)).toString();
    return stored == QStringLiteral("ru") || stored == QStringLiteral("en") ? stored : QStringLiteral("system");
}

QMdiSubWindow* SubWindowOf(TUserProject* project)
{
    return project != nullptr ? qobject_cast<QMdiSubWindow*>(project->parentWidget()) : nullptr;
}

// A window that deletes itself (a fatal model error) takes its subwindow along. When it is
// the subwindow that is being deleted (it deletes its window from its own destructor), the
// subwindow is no longer a QMdiSubWindow by then: the guard holds it as a bare QObject,
// whose deferred deletion is dropped when the object finishes dying.
void DeleteSubWindowAlong(QWidget* window, QMdiSubWindow* frame, QObject* context)
{
    QObject::connect(window, &QObject::destroyed, context, [guard = QPointer<QObject>(frame)] {
        if (!guard.isNull()) {
            guard->deleteLater();
        }
    });
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tessaly " TESSALY_VERSION " (beta)"));
    setContextMenuPolicy(Qt::PreventContextMenu); // no toolbar-hiding menu
    StartDir = DetermineStartDirectory(this);
    DocumentLifecycle = std::make_unique<CDocumentLifecycle>(this, static_cast<CProjectWindowHost&>(*this), StartDir);
    Groups = std::make_unique<CGroupLifecycle>(this, static_cast<CGroupWindowHost&>(*this));
    Groups->SetStartDirectory(StartDir);

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("ClientArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::BindEditMenu);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, [this] {
        if (TfmGroupDecision* group = ActiveGroup()) {
            Groups->FollowMembers(*group);
        }
    });

    CreateMenus();
    CreateToolPanel();
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::ShowTreeWarning);
    connect(EditSteps, &QUndoGroup::indexChanged, this, &TMainForm::ShowTreeWarning);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setFixedHeight(18);
    statusBar()->setSizeGripEnabled(false);

    UpdateProjectCommands();
    resize(1024, 768);
}

TMainForm::~TMainForm()
{
    // The frame's own members are gone before Qt deletes its children, and it is no longer
    // a TMainForm: a window closing in the document area activates the next one, the undo
    // group names the next step as each project's steps go; neither may call back.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

void TMainForm::ShowResultsWarning(const QString& warning)
{
    ResultsWarning = warning;
    // The bar keeps its one line: a warning longer than the window is cut with "…" and
    // read whole in the bar's tooltip.
    const int room = statusBar()->width() - 2 * statusBar()->style()->pixelMetric(QStyle::PM_LayoutLeftMargin) - 8;
    const QString shown = statusBar()->fontMetrics().elidedText(warning, Qt::ElideRight, std::max(room, 0));
    statusBar()->setToolTip(shown == warning ? QString() : warning);
    statusBar()->showMessage(shown);
    ShownResultsWarning = shown;
}

void TMainForm::ShowTreeWarning()
{
    const TTreeProject* tree = ActiveTree();
    const bool rated = tree != nullptr && tree->Document().IsTree()
        && tree->Document().Tree().Evaluation() == EAlternativeEvaluation::Ratings;
    // Ratings are ideal by nature: the switch says so while a rated tree is in front.
    mnIdealSynthesis->setEnabled(!rated);
    const QString ratedTip = tr("Оценки по шкалам всегда идеальны: переключатель к ним не относится.");
    mnIdealSynthesis->setStatusTip(rated ? ratedTip : QString());
    mnIdealSynthesis->setToolTip(
        rated ? ratedTip : tr("Показывать результаты идеального синтеза вместо распределительного"));
    // A window being opened holds no tree until its file is read.
    if (tree != nullptr && tree->Document().IsTree()) {
        const CProjectDocument& document = tree->Document();
        ShowResultsWarning(QString::fromStdString(rated
                ? RatingWarningText(document.Tree(), document.RatingResults(), DecimalSeparator())
                : UnacceptableNodesWarningText(document.Tree(), document.TreeResults(),
                    UnacceptableNodes(document.Tree(), document.TreeResults()), DecimalSeparator())));
        TreeWarningShown = true;
    } else if (TreeWarningShown) {
        ShowResultsWarning(QString());
        TreeWarningShown = false;
    }
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Only while the bar still shows the warning, not a later message.
    if (!ResultsWarning.isEmpty() && statusBar()->currentMessage() == ShownResultsWarning) {
        ShowResultsWarning(ResultsWarning);
    }
}

void TMainForm::FormCreate(QSize screenSize)
{
    if (screenSize != QSize(1024, 768)) {
        UserDialogs().Inform(this, tr("Желательный режим видеокарты: 1024x768"), QStringLiteral("Alert"));
    }
    StartDir = DetermineStartDirectory(this);
    DocumentLifecycle->SetStartDirectory(StartDir);
    Groups->SetStartDirectory(StartDir);
}

// ---- construction of the menus and the tool panel

QAction* TMainForm::MakeCommand(
    const char* name, const QString& caption, const QString& hint, void (TMainForm::*handler)())
{
    auto* command = new QAction(caption, this);
    command->setObjectName(QString::fromLatin1(name));
    command->setToolTip(hint);
    command->setIconVisibleInMenu(false);
    connect(command, &QAction::triggered, this, handler);
    return command;
}

void TMainForm::CreateMenus()
{
    // Every caption carries its mnemonic ('&' before the letter a Russian desktop user
    // looks for, none twice in a menu); a tooltip, a tool button and a screen reader
    // get the caption without it.
    auto action = [this](QMenu* menu, const char* name, const QString& text, void (TMainForm::*handler)(),
                      const QString& hint = QString()) {
        QAction* item = MakeCommand(name, text, hint.isEmpty() ? WithoutMnemonic(text) : hint, handler);
        menu->addAction(item);
        return item;
    };
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* created = menuBar()->addMenu(caption);
        created->setObjectName(QString::fromLatin1(name));
        created->menuAction()->setObjectName(QString::fromLatin1(name));
        // The open menu is announced by its name.
        created->setWindowTitle(WithoutMnemonic(caption));
        return created;
    };
    menuBar()->setObjectName(QStringLiteral("MainMenu"));

    MFile = menu("MFile", tr("&Файл"));
    MNewProject = action(MFile, "MNewProject", tr("&Создать новый проект"), &TMainForm::MNewProjectClick);
    MNewTree = action(MFile, "MNewTree", tr("Создать &дерево критериев..."), &TMainForm::MNewTreeClick);
    MFile->addSeparator();
    N5 = action(MFile, "N5", tr("&Открыть проект"), &TMainForm::N5Click);
    MFile->addSeparator();
    mnSaveProject = action(MFile, "mnSaveProject", tr("Со&хранить проект"), &TMainForm::mnSaveProjectClick);
    // The one key every user tries; the menu shows it beside the caption, the button's hint names it.
    mnSaveProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnSaveProject->setToolTip(QStringLiteral("%1 (%2)").arg(
        mnSaveProject->toolTip(), mnSaveProject->shortcut().toString(QKeySequence::NativeText)));
    mnSaveProjectAs
        = action(MFile, "mnSaveProjectAs", tr("Сохранить проект &как..."), &TMainForm::mnSaveProjectAsClick);
    MFile->addSeparator();
    mnTemplateLoad = action(MFile, "mnTemplateLoad", tr("&Загрузить шаблон проекта"), &TMainForm::mnTemplateLoadClick,
        tr("Загрузить шаблонную иерархию"));
    mnSaveAsHTemplate = action(
        MFile, "mnSaveAsHTemplate", tr("Сохранить проект в виде &шаблона"), &TMainForm::mnSaveAsHTemplateClick);
    MFile->addSeparator();
    N7 = action(MFile, "N7", tr("В&ыход"), &TMainForm::N7Click, tr("Выйти из программы"));

    // The active project's undo steps, each item naming its step.
    MEdit = menu("MEdit", tr("&Правка"));
    mnUndo = action(MEdit, "mnUndo", tr("&Отменить"), &TMainForm::mnUndoClick);
    mnUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnRedo = action(MEdit, "mnRedo", tr("&Повторить"), &TMainForm::mnRedoClick);
    mnRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    EditSteps = new QUndoGroup(this);
    connect(EditSteps, &QUndoGroup::canUndoChanged, mnUndo, &QAction::setEnabled);
    connect(EditSteps, &QUndoGroup::canRedoChanged, mnRedo, &QAction::setEnabled);
    connect(EditSteps, &QUndoGroup::undoTextChanged, this,
        [this](const QString& step) { ShowStepName(mnUndo, tr("&Отменить"), tr("&Отменить: %1"), step); });
    connect(EditSteps, &QUndoGroup::redoTextChanged, this,
        [this](const QString& step) { ShowStepName(mnRedo, tr("&Повторить"), tr("&Повторить: %1"), step); });
    mnUndo->setEnabled(false);
    mnRedo->setEnabled(false);
    MEdit->addSeparator();
    mnConvertToTree = action(MEdit, "mnConvertToTree", tr("Преобразовать в &дерево"), &TMainForm::mnConvertToTreeClick);
    mnConvertToTree->setEnabled(false);
    // A tree's alternatives compared in pairs or rated on scales; a layered project's are compared.
    mnEvaluation = MEdit->addMenu(tr("Оценка &альтернатив"));
    mnEvaluation->setObjectName(QStringLiteral("mnEvaluation"));
    mnEvaluation->menuAction()->setObjectName(QStringLiteral("mnEvaluation"));
    mnEvaluation->setWindowTitle(WithoutMnemonic(mnEvaluation->title()));
    auto* evaluations = new QActionGroup(this);
    mnEvaluationPairs = action(mnEvaluation, "mnEvaluationPairs", tr("&Попарно"), &TMainForm::mnEvaluationPairsClick);
    mnEvaluationRatings
        = action(mnEvaluation, "mnEvaluationRatings", tr("По &шкалам"), &TMainForm::mnEvaluationRatingsClick);
    for (QAction* item : {mnEvaluationPairs, mnEvaluationRatings}) {
        item->setCheckable(true);
        evaluations->addAction(item);
    }
    mnRatingScales = action(MEdit, "mnRatingScales", tr("Шкалы о&ценок..."), &TMainForm::mnRatingScalesClick);
    connect(MEdit, &QMenu::aboutToShow, this, &TMainForm::FillEditMenu);
    connect(EditSteps, &QUndoGroup::indexChanged, this, &TMainForm::ShowEvaluationCommands);

    MTools = menu("MTools", tr("&Настройки"));
    mnToolOrient = MTools->addMenu(tr("&Ориентация"));
    mnToolOrient->setObjectName(QStringLiteral("mnToolOrient"));
    mnToolOrient->menuAction()->setObjectName(QStringLiteral("mnToolOrient"));
    mnToolOrient->setWindowTitle(WithoutMnemonic(mnToolOrient->title()));
    OrientationGroup = new QActionGroup(this);
    OrientationGroup->setExclusive(true);
    mnToolOrientVert = action(mnToolOrient, "mnToolOrientVert", tr("&Вертикальная"), &TMainForm::mnToolOrientVertClick);
    mnToolOrientHor = action(mnToolOrient, "mnToolOrientHor", tr("&Горизонтальная"), &TMainForm::mnToolOrientHorClick);
    for (QAction* item : {mnToolOrientVert, mnToolOrientHor}) {
        item->setCheckable(true);
        OrientationGroup->addAction(item);
    }
    mnToolOrientHor->setChecked(true);
    mnIdealSynthesis = action(MTools, "mnIdealSynthesis", tr("&Идеальный синтез"), &TMainForm::mnIdealSynthesisClick,
        tr("Показывать результаты идеального синтеза вместо распределительного"));
    mnIdealSynthesis->setCheckable(true);
    mnIdealSynthesis->setChecked(ProgramSettings().value(QString::fromLatin1(IdealSynthesisKey), false).toBool());
    // The language submenu reads in both languages, so that a user who cannot read the
    // current one still finds it; each language is named in its own.
    //: Both languages in every translation; only its letter moves to one the translation's
    //: keyboard has.
    mnLanguage = MTools->addMenu(tr("&Язык / Language"));
    mnLanguage->setObjectName(QStringLiteral("mnLanguage"));
    mnLanguage->menuAction()->setObjectName(QStringLiteral("mnLanguage"));
    mnLanguage->setWindowTitle(WithoutMnemonic(mnLanguage->title()));
    auto* languages = new QActionGroup(this);
    languages->setExclusive(true);
    const QString chosen = StoredLanguage();
    auto language = [&](const char* name, const QString& caption, const QString& value) {
        auto* item = new QAction(caption, this);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        item->setChecked(value == chosen);
        languages->addAction(item);
        mnLanguage->addAction(item);
        connect(item, &QAction::triggered, this, [this, value] { ChooseLanguage(value); });
        return item;
    };
    //: Russian named in Russian; a translation adds its own name with a letter of its keyboard.
    mnLanguageRussian = language("mnLanguageRussian", tr("&Русский"), QStringLiteral("ru"));
    mnLanguageEnglish = language("mnLanguageEnglish", QStringLiteral("&English"), QStringLiteral("en"));
    mnLanguageSystem = language("mnLanguageSystem", tr("&Как в системе"), QStringLiteral("system"));

    MAnalysis = menu("MAnalysis", tr("&Анализ"));
    mnProjectReport
        = action(MAnalysis, "mnProjectReport", tr("&Отчёт по проекту (PDF)..."), &TMainForm::mnProjectReportClick);
    mnExportCsv = action(MAnalysis, "mnExportCsv", tr("&Экспорт результатов (CSV)..."), &TMainForm::mnExportCsvClick);
    mnSensitivityAnalysis = action(
        MAnalysis, "mnSensitivityAnalysis", tr("&Анализ чувствительности"), &TMainForm::mnSensitivityAnalysisClick);
    MAnalysis->addSeparator();
    mnPrepareExpertFiles = action(MAnalysis, "mnPrepareExpertFiles", tr("&Подготовить файлы для экспертов..."),
        &TMainForm::mnPrepareExpertFilesClick);
    mnGroupDecision
        = action(MAnalysis, "mnGroupDecision", tr("&Групповое решение..."), &TMainForm::mnGroupDecisionClick);
    mnOpenGroup = action(MAnalysis, "mnOpenGroup", tr("Открыть г&руппу экспертов..."), &TMainForm::mnOpenGroupClick);

    WindowMenu = menu("WindowMenu", tr("&Окно"));
    MCascade = action(WindowMenu, "MCascade", tr("&Каскад"), &TMainForm::MCascadeClick);
    MWinVertical = action(WindowMenu, "MWinVertical", tr("По &вертикали"), &TMainForm::MWinVerticalClick);
    MWinHorizontal = action(WindowMenu, "MWinHorizontal", tr("По &горизонтали"), &TMainForm::MWinHorizontalClick);
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);

    MHelp = menu("MHelp", tr("&Справка"));
    N8 = action(MHelp, "N8", tr("&Помощь"), &TMainForm::N8Click);
    MHelp->addSeparator();
    N10 = action(MHelp, "N10", tr("&О программе"), &TMainForm::N10Click);

    // F10 enters the menu bar at its first menu, as on the user's other desktop programs.
    OpenMenuCommand = new QAction(this);
    OpenMenuCommand->setObjectName(QStringLiteral("acOpenMenu"));
    OpenMenuCommand->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(OpenMenuCommand);
    connect(OpenMenuCommand, &QAction::triggered, this, &TMainForm::OpenFirstMenu);
}

void TMainForm::ChooseLanguage(const QString& language)
{
    if (StoredLanguage() == language) {
        return;
    }
    ProgramSettings().setValue(QString::fromLatin1(LanguageKey), language);
    // In both languages: the user may not read the one on the screen.
    Inform(this,
        QStringLiteral("Язык интерфейса сменится при следующем запуске Tessaly.\n"
                       "The interface language will change the next time Tessaly starts."));
}

void TMainForm::OpenFirstMenu()
{
    menuBar()->setActiveAction(MFile->menuAction());
}

void TMainForm::ShowStepName(QAction* item, const QString& command, const QString& commandWithStep, const QString& step)
{
    item->setText(step.isEmpty() ? command : commandWithStep.arg(LiteralMenuText(step)));
    item->setToolTip(WithoutMnemonic(item->text()));
}

void TMainForm::BindEditMenu()
{
    TUserProject* project = ActiveProject();
    TfmGroupDecision* group = project == nullptr ? ActiveGroup() : nullptr;
    TTreeProject* tree = project == nullptr && group == nullptr ? ActiveTree() : nullptr;
    EditSteps->setActiveStack(project != nullptr ? &project->UndoSteps()
            : group != nullptr                   ? &group->UndoSteps()
            : tree != nullptr                    ? &tree->UndoSteps()
                                                 : nullptr);
    mnConvertToTree->setEnabled(project != nullptr);
    ShowEvaluationCommands();
}

void TMainForm::ShowEvaluationCommands()
{
    const TTreeProject* tree = ActiveTree();
    const bool rated = tree != nullptr && tree->Document().IsTree()
        && tree->Document().Tree().Evaluation() == EAlternativeEvaluation::Ratings;
    mnEvaluation->menuAction()->setEnabled(tree != nullptr);
    mnEvaluationPairs->setChecked(tree != nullptr && !rated);
    mnEvaluationRatings->setChecked(rated);
    mnRatingScales->setEnabled(rated);
}

void TMainForm::mnEvaluationPairsClick()
{
    if (TTreeProject* tree = ActiveTree()) {
        tree->SetEvaluationClick(EAlternativeEvaluation::Pairs);
    }
    ShowEvaluationCommands();
}

void TMainForm::mnEvaluationRatingsClick()
{
    if (TTreeProject* tree = ActiveTree()) {
        tree->SetEvaluationClick(EAlternativeEvaluation::Ratings);
    }
    ShowEvaluationCommands();
}

void TMainForm::mnRatingScalesClick()
{
    if (TTreeProject* tree = ActiveTree()) {
        tree->ShowRatingScales();
    }
}

void TMainForm::FillEditMenu()
{
    // The fixed items stay; the tree window's commands after them are its own actions.
    bool fixed = true;
    for (QAction* item : MEdit->actions()) {
        if (!fixed) {
            MEdit->removeAction(item);
            if (item->parent() == MEdit) {
                item->deleteLater(); // the separator made at the last opening
            }
        }
        fixed = fixed && item != mnRatingScales;
    }
    ShowEvaluationCommands();
    if (TTreeProject* tree = ActiveTree()) {
        MEdit->addSeparator()->setObjectName(QStringLiteral("mnTreeCommands"));
        MEdit->addActions(tree->EditCommands());
    }
}

void TMainForm::mnConvertToTreeClick()
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        return;
    }
    std::string problem;
    std::optional<CHierarchy> tree = project->Document().TreeOfLayers(&problem);
    if (!tree) {
        Inform(this, tr("Проект не преобразован в дерево: %1.").arg(QString::fromStdString(problem)));
        return;
    }
    TTreeProject* window = CreateTreeWindow(QString());
    if (window == nullptr) {
        Inform(this, QString::fromStdString(Tr(NewProjectAllocationText)));
        return;
    }
    window->BuildConvertedTree(std::move(*tree));
    ShowTreeWindow(window);
}

void TMainForm::mnUndoClick()
{
    EditSteps->undo();
}

void TMainForm::mnRedoClick()
{
    EditSteps->redo();
}

QToolButton* TMainForm::AddToolButton(const char* name, QAction* command, FrameGlyphs::EGlyph glyph)
{
    command->setIcon(FrameGlyphs::Glyph(glyph));
    auto* button = new QToolButton(ToolPanel);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(command);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true); // flat until the mouse is over it
    button->setFixedSize(24, 23);
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    ToolPanel->addWidget(button);
    return button;
}

void TMainForm::CreateToolPanel()
{
    ToolPanel = new QToolBar(this);
    ToolPanel->setObjectName(QStringLiteral("ToolPanel"));
    ToolPanel->setFixedHeight(40);
    ToolPanel->setMovable(false);
    ToolPanel->setFloatable(false);
    ToolPanel->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, ToolPanel);

    CloseProjectCommand
        = MakeCommand("acCloseProject", tr("Закрыть проект"), tr("Закрыть проект"), &TMainForm::btCloseProjectClick);
    PrintProjectCommand = MakeCommand(
        "acPrintProject", tr("Распечатать проект"), tr("Распечатать проект"), &TMainForm::btPrintProjectClick);
    PrevProjectCommand = MakeCommand("acPrevProject", tr("Показать предыдущий проект"),
        tr("Показать предыдущий проект"), &TMainForm::btPrevProjectClick);
    NextProjectCommand = MakeCommand("acNextProject", tr("Показать следующий проект"), tr("Показать следующий проект"),
        &TMainForm::btNextProjectClick);
    // These commands have no menu item: the keys of a multiple-document window on the
    // user's desktop reach them.
    CloseProjectCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    PrintProjectCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    PrevProjectCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
    NextProjectCommand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));

    btNewProject = AddToolButton("btNewProject", MNewProject, FrameGlyphs::EGlyph::NewProject);
    btOpenProject = AddToolButton("btOpenProject", N5, FrameGlyphs::EGlyph::OpenProject);
    btOpenTempalteH = AddToolButton("btOpenTempalteH", mnTemplateLoad, FrameGlyphs::EGlyph::OpenTemplate);
    ToolPanel->addSeparator();
    btSaveProject = AddToolButton("btSaveProject", mnSaveProject, FrameGlyphs::EGlyph::SaveProject);
    ToolPanel->addSeparator();
    btCloseProject = AddToolButton("btCloseProject", CloseProjectCommand, FrameGlyphs::EGlyph::CloseProject);
    ToolPanel->addSeparator();
    btPrintProject = AddToolButton("btPrintProject", PrintProjectCommand, FrameGlyphs::EGlyph::PrintProject);
    ToolPanel->addSeparator();
    btPrevProject = AddToolButton("btPrevProject", PrevProjectCommand, FrameGlyphs::EGlyph::PreviousProject);
    btNextProject = AddToolButton("btNextProject", NextProjectCommand, FrameGlyphs::EGlyph::NextProject);
    btUserExit = AddToolButton("btUserExit", N7, FrameGlyphs::EGlyph::Exit);
    // A screen reader names a button by its hint, as the mouse shows it.
    for (QToolButton* button : {btNewProject, btOpenProject, btOpenTempalteH, btSaveProject, btCloseProject,
             btPrintProject, btPrevProject, btNextProject, btUserExit}) {
        button->setAccessibleName(button->defaultAction()->toolTip());
    }
    // Qt's own overflow buttons, shown when the window is too narrow for the panel or the menu.
    if (auto* more = ToolPanel->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")); more != nullptr) {
        more->setAccessibleName(tr("Другие команды панели"));
    }
    if (auto* more = menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")); more != nullptr) {
        more->setAccessibleName(tr("Другие пункты меню"));
    }
}

void TMainForm::UpdateProjectCommands()
{
    const bool enabled = !Registry.empty();
    // btSaveProject shows mnSaveProject; the other buttons show their own commands.
    for (QAction* item : {PrintProjectCommand, mnSaveProject, PrevProjectCommand, NextProjectCommand, mnSaveProjectAs,
             mnSaveAsHTemplate, mnPrepareExpertFiles}) {
        item->setEnabled(enabled);
    }
    // A tree project is saved, printed and closed as a layered one.
    const bool trees = !TreeRegistry.empty();
    for (QAction* item :
        {PrintProjectCommand, mnSaveProject, mnSaveProjectAs, PrevProjectCommand, NextProjectCommand}) {
        item->setEnabled(enabled || trees);
    }
    // A tree is made a template of, and prepared for experts, as layers are.
    mnSaveAsHTemplate->setEnabled(enabled || trees);
    mnPrepareExpertFiles->setEnabled(enabled || trees);
    // A group is combined without any project open; the report and the export take the
    // window in front, a project or a group, and so does closing it.
    const bool windows = enabled || !GroupRegistry.empty();
    // The settings and the sensitivity apply to a group window as to a project's.
    for (QAction* item : {CloseProjectCommand, MTools->menuAction(), mnSensitivityAnalysis}) {
        item->setEnabled(windows);
    }
    CloseProjectCommand->setEnabled(windows || trees);
    mnSensitivityAnalysis->setEnabled(windows || trees);
    MTools->menuAction()->setEnabled(windows || trees);
    MAnalysis->menuAction()->setEnabled(true);
    for (QAction* item : {mnProjectReport, mnExportCsv, WindowMenu->menuAction()}) {
        item->setEnabled(windows || trees);
    }
    BindEditMenu();
}

void TMainForm::FillWindowMenu()
{
    // The fixed items stay; the list of project windows after them is made anew.
    const QList<QAction*> items = WindowMenu->actions();
    for (QAction* item : items) {
        if (item != MCascade && item != MWinVertical && item != MWinHorizontal) {
            WindowMenu->removeAction(item);
            item->deleteLater();
        }
    }
    const QList<QMdiSubWindow*> windows = MdiArea->subWindowList();
    if (windows.isEmpty()) {
        return;
    }
    WindowMenu->addSeparator();
    QMdiSubWindow* current = MdiArea->currentSubWindow();
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        // The first nine are chosen by their number, as in the window lists of other
        // programs; the caption is shown as written, '&' and all.
        ++number;
        const QWidget* shown = window->widget() != nullptr ? window->widget() : window;
        const QString caption = LiteralMenuText(ShownDocumentCaption(*shown));
        QAction* item = WindowMenu->addAction(number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(caption)
                                                          : QStringLiteral("%1 %2").arg(number).arg(caption));
        item->setCheckable(true);
        item->setChecked(window == current);
        connect(item, &QAction::triggered, MdiArea, [this, window] { MdiArea->setActiveSubWindow(window); });
    }
}

// ---- the registry and project windows

bool TMainForm::IsRegistered(const TUserProject* project) const
{
    return Registry.find(const_cast<TUserProject*>(project)) != Registry.end();
}

TUserProject* TMainForm::ActiveProject()
{
    QMdiSubWindow* window = MdiArea->currentSubWindow();
    auto* project = window != nullptr ? qobject_cast<TUserProject*>(window->widget()) : nullptr;
    return IsRegistered(project) ? project : nullptr;
}

void TMainForm::RemoveProject(TUserProject* project)
{
    Registry.erase(project);
    UpdateProjectCommands();
}

std::vector<TUserProject*> TMainForm::RegisteredProjects() const
{
    return {Registry.begin(), Registry.end()};
}

void TMainForm::ForgetProject(TUserProject* project)
{
    Registry.erase(project);
}

bool TMainForm::OpenGroupFile(const QString& path)
{
    return Groups->OpenFile(path);
}

// ---- the group windows

std::vector<TfmGroupDecision*> TMainForm::GroupWindows() const
{
    return {GroupRegistry.begin(), GroupRegistry.end()};
}

TfmGroupDecision* TMainForm::ActiveGroup() const
{
    QMdiSubWindow* window = MdiArea->currentSubWindow();
    auto* group = window != nullptr ? qobject_cast<TfmGroupDecision*>(window->widget()) : nullptr;
    return GroupRegistry.count(group) != 0 ? group : nullptr;
}

void TMainForm::AddGroupWindow(TfmGroupDecision* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* frame = MdiArea->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 is the frame's close command, as for a project window.
    if (QMenu* systemMenu = frame->systemMenu(); systemMenu != nullptr) {
        for (QAction* item : systemMenu->actions()) {
            item->setShortcuts({});
        }
    }
    frame->setGeometry(CascadePlace(FreeCascadePlace(frame)));
    DeleteSubWindowAlong(window, frame, this);
    connect(window, &TfmGroupDecision::Closed, this, [this](TfmGroupDecision* closed) {
        GroupRegistry.erase(closed);
        UpdateProjectCommands();
    });
    window->SetSynthesisMode(SynthesisMode());
    connect(window, &TfmGroupDecision::SensitivityRequested, this,
        [this](TfmGroupDecision* group) { ShowGroupSensitivity(*group); });
    GroupRegistry.insert(window);
    UpdateProjectCommands();
    ShowGroupWindow(window);
}

void TMainForm::ShowGroupWindow(TfmGroupDecision* window)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (frame == nullptr) {
        return;
    }
    frame->show();
    MdiArea->setActiveSubWindow(frame);
    frame->raise();
}

// ---- the tree project windows

std::vector<TTreeProject*> TMainForm::TreeWindows() const
{
    return {TreeRegistry.begin(), TreeRegistry.end()};
}

TTreeProject* TMainForm::ActiveTree() const
{
    QMdiSubWindow* window = MdiArea->currentSubWindow();
    auto* tree = window != nullptr ? qobject_cast<TTreeProject*>(window->widget()) : nullptr;
    return TreeRegistry.count(tree) != 0 ? tree : nullptr;
}

TTreeProject* TMainForm::CreateTreeWindow(const QString& caption)
{
    TTreeProject* window = nullptr;
    try {
        window = new TTreeProject([lifecycle = DocumentLifecycle.get()](CProjectDocument& document,
                                      QWidget& shown) { return lifecycle->MayClose(document, shown); },
            CSharedWindow<TfmExpertForm>(&ExpertFormWindow));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* frame = MdiArea->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 is the frame's close command, as for a project window.
    if (QMenu* systemMenu = frame->systemMenu(); systemMenu != nullptr) {
        for (QAction* item : systemMenu->actions()) {
            item->setShortcuts({});
        }
    }
    frame->setGeometry(CascadePlace(FreeCascadePlace(frame)));
    DeleteSubWindowAlong(window, frame, this);
    SetDocumentCaption(
        *window, caption.isEmpty() ? QString::fromStdString(CountCaption(MdiArea->subWindowList().size())) : caption);
    // The tree window has no tool panel: its clone command is on the outline's menu.
    auto* clone = new QAction(tr("Клонировать проект"), window->Outline());
    clone->setObjectName(QStringLiteral("mnCloneTree"));
    auto* separator = new QAction(window->Outline());
    separator->setSeparator(true);
    window->Outline()->addActions({separator, clone});
    connect(clone, &QAction::triggered, this, [this, window] { CloneTree(*window); });
    connect(window, &TTreeProject::Closed, this, [this](TTreeProject* closed) {
        TreeRegistry.erase(closed);
        UpdateProjectCommands();
    });
    window->SetSynthesisMode(SynthesisMode());
    EditSteps->addStack(&window->UndoSteps());
    TreeRegistry.insert(window);
    UpdateProjectCommands();
    return window;
}

void TMainForm::DiscardTreeWindow(TTreeProject* window)
{
    TreeRegistry.erase(window);
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        MdiArea->removeSubWindow(frame);
        frame->deleteLater();
    } else {
        window->deleteLater();
    }
    UpdateProjectCommands();
}

void TMainForm::ShowTreeWindow(TTreeProject* window)
{
    UpdateProjectCommands();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        frame->show();
        MdiArea->setActiveSubWindow(frame);
        frame->raise();
    }
    window->Outline()->setFocus();
    ShowTreeWarning();
}

bool TMainForm::CloseProjectWindow(TUserProject* project)
{
    QMdiSubWindow* window = SubWindowOf(project);
    return window == nullptr || window->close();
}

TUserProject* TMainForm::CreateProjectWindow(const QString& caption)
{
    // The shared dialogs are reached, and made on first use, only when a command needs them.
    CProjectWindowServices services;
    services.ElementEdit = CSharedWindow<TfmElementEdit>(&ElementEditWindow);
    services.AddNewLevel = CSharedWindow<TAddNewLevel>(&AddNewLevelWindow);
    services.ExpertForm = CSharedWindow<TfmExpertForm>(&ExpertFormWindow);
    services.LevelPriorities = CSharedWindow<TfmCurrentPriorityLevel>(&LevelPrioritiesWindow);
    services.Sensitivity = CSharedWindow<TfmSensitivity>(&SensitivityWindow);
    services.MayClose = [lifecycle = DocumentLifecycle.get()](CProjectDocument& document, QWidget& window) {
        return lifecycle->MayClose(document, window);
    };
    TUserProject* project = nullptr;
    try {
        project = new TUserProject(services);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    connect(project, &TUserProject::CloneRequested, this, [this](TUserProject* source) { CloneProject(*source); });
    connect(project, &TUserProject::Closed, this, &TMainForm::RemoveProject);
    connect(project, &TUserProject::ResultsWarningChanged, this,
        [this](const QString& warning) { ShowResultsWarning(warning); });
    project->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = MdiArea->addSubWindow(project);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The subwindow's own menu claims Ctrl+F4 and Ctrl+W for closing: two claims on
    // Ctrl+F4 leave the key doing nothing, and Ctrl+W, the comparison window's
    // "Закрыть", pressed once too often would close the project. Its items stay; the
    // frame's command keeps Ctrl+F4.
    if (QMenu* systemMenu = window->systemMenu(); systemMenu != nullptr) {
        for (QAction* item : systemMenu->actions()) {
            item->setShortcuts({});
        }
    }
    // Placed and sized before the build, since the hierarchy is laid out from the window's
    // size: wholly inside the document area and as large as it allows, the whole area
    // for the first window.
    window->setGeometry(CascadePlace(FreeCascadePlace(window)));
    DeleteSubWindowAlong(project, window, this);
    SetDocumentCaption(
        *project, caption.isEmpty() ? QString::fromStdString(CountCaption(MdiArea->subWindowList().size())) : caption);
    project->SetSynthesisMode(SynthesisMode());
    EditSteps->addStack(&project->UndoSteps());
    Registry.insert(project);
    UpdateProjectCommands();
    return project;
}

void TMainForm::DiscardProjectWindow(TUserProject* project)
{
    Registry.erase(project);
    QMdiSubWindow* window = SubWindowOf(project);
    if (window != nullptr) {
        MdiArea->removeSubWindow(window);
        window->deleteLater();
    } else {
        project->deleteLater();
    }
    UpdateProjectCommands();
}

void TMainForm::ShowProjectWindow(TUserProject* project)
{
    UpdateProjectCommands();
    QMdiSubWindow* window = SubWindowOf(project);
    window->show();
    MdiArea->setActiveSubWindow(window);
    window->raise();
}

// ---- project lifecycle

void TMainForm::btNewProjectClick()
{
    MNewProjectClick();
}

void TMainForm::MNewProjectClick()
{
    TCreateUserProject* made = CreateUserProjectWindow();
    if (made == nullptr) {
        return;
    }
    TCreateUserProject& dialog = *made;
    dialog.Reset();
    dialog.exec();
    if (!dialog.Confirmed()) {
        return;
    }
    TUserProject* project = CreateProjectWindow(QString());
    if (project == nullptr) {
        Inform(this, QString::fromStdString(Tr(NewProjectAllocationText)));
        return;
    }
    // The model clamps the counts into what its grid holds.
    project->BuildNewHierarchy(dialog.ElementCount(), dialog.LevelCount(), dialog.GoalText(), dialog.CommentText());
    // A window whose build failed has closed itself and left the registry.
    if (!IsRegistered(project)) {
        DiscardProjectWindow(project);
        return;
    }
    ShowProjectWindow(project);
}

void TMainForm::MNewTreeClick()
{
    int evaluation = 0;
    const QString goal = UserDialogs().AskTextAndChoice(this, tr("Цель дерева критериев:"),
        tr("Создать дерево критериев"), tr("Оценка альтернатив"), {tr("Попарно"), tr("По шкалам")}, evaluation);
    if (goal.isEmpty()) {
        return;
    }
    // A goal the tree file could not hold back is never taken.
    if (const std::string problem = TreeNameProblem(goal.toStdString()); !problem.empty()) {
        Inform(this, tr("Дерево критериев не создано: %1.").arg(QString::fromStdString(problem)));
        return;
    }
    TTreeProject* window = CreateTreeWindow(QString());
    if (window == nullptr) {
        Inform(this, QString::fromStdString(Tr(NewProjectAllocationText)));
        return;
    }
    window->BuildNewTree(goal, evaluation == 1 ? EAlternativeEvaluation::Ratings : EAlternativeEvaluation::Pairs);
    ShowTreeWindow(window);
}

void TMainForm::N5Click()
{
    btOpenProjectClick();
}

void TMainForm::btOpenProjectClick()
{
    DocumentLifecycle->Open();
}

void TMainForm::OpenFilesFromCommandLine(const QStringList& paths)
{
    DocumentLifecycle->OpenFromCommandLine(paths);
}

bool TMainForm::OpenProjectFile(const QString& path)
{
    return DocumentLifecycle->OpenProjectFile(path);
}

void TMainForm::btSaveProjectClick()
{
    mnSaveProjectClick();
}

void TMainForm::mnSaveProjectClick()
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        if (TTreeProject* tree = ActiveTree()) {
            DocumentLifecycle->Save(tree->Document(), *tree);
        }
        UpdateProjectCommands();
        return;
    }
    DocumentLifecycle->Save(project->Document(), *project);
}

void TMainForm::mnSaveProjectAsClick()
{
    if (TUserProject* project = ActiveProject()) {
        DocumentLifecycle->SaveAs(project->Document(), *project);
    } else if (TTreeProject* tree = ActiveTree()) {
        DocumentLifecycle->SaveAs(tree->Document(), *tree);
    }
}

void TMainForm::btCloseProjectClick()
{
    TUserProject* project = ActiveProject();
    if (project != nullptr) {
        project->Document().SetClosingAll(false);
        if (QMdiSubWindow* window = SubWindowOf(project)) {
            window->close();
        }
    } else if (TTreeProject* tree = ActiveTree()) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(tree->parentWidget())) {
            window->close();
        }
    } else if (TfmGroupDecision* group = ActiveGroup()) {
        // Ctrl+F4 closes the group window in front too, with its question.
        if (auto* window = qobject_cast<QMdiSubWindow*>(group->parentWidget())) {
            window->close();
        }
    }
    UpdateProjectCommands();
}

void TMainForm::btUserExitClick()
{
    N7Click();
}

void TMainForm::N7Click()
{
    if (DocumentLifecycle->ConfirmExit()) {
        close();
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The groups close only once every project has: a project that stayed keeps the frame.
    const bool allClosed = DocumentLifecycle->CloseAll() && CloseTreeWindows() && Groups->CloseAll();
    UpdateProjectCommands();
    if (!allClosed) {
        event->ignore();
        return;
    }
    event->accept();
    emit FrameClosed();
}

bool TMainForm::CloseTreeWindows()
{
    // Each with its save question; one that stays keeps the frame.
    for (TTreeProject* tree : TreeWindows()) {
        auto* window = qobject_cast<QMdiSubWindow*>(tree->parentWidget());
        if (window != nullptr && !window->close()) {
            return false;
        }
    }
    return true;
}

void TMainForm::btPrevProjectClick()
{
    MdiArea->activatePreviousSubWindow();
}

void TMainForm::btNextProjectClick()
{
    MdiArea->activateNextSubWindow();
}

// ---- window arrangement and orientation

QRect TMainForm::CascadePlace(int index) const
{
    const QRect area = MdiArea->viewport()->rect();
    const int step = std::max(
        1, style()->pixelMetric(QStyle::PM_TitleBarHeight) + style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    // Past a third of the area the windows would grow too small to work in: the places
    // start again at the top left.
    const int places = std::max(1, std::min(area.width(), area.height()) / 3 / step + 1);
    const int offset = step * (index % places);
    return QRect(area.left() + offset, area.top() + offset, std::max(1, area.width() - offset),
        std::max(1, area.height() - offset));
}

int TMainForm::FreeCascadePlace(const QMdiSubWindow* newcomer) const
{
    QList<QPoint> taken;
    int others = 0;
    for (const QMdiSubWindow* window : MdiArea->subWindowList()) {
        if (window != newcomer && !window->isHidden()) {
            taken.append(window->geometry().topLeft());
            ++others;
        }
    }
    for (int index = 0; index <= others; ++index) {
        const QRect place = CascadePlace(index);
        if (!taken.contains(place.topLeft())) {
            return index;
        }
    }
    return others;
}

void TMainForm::MCascadeClick()
{
    // Qt's own cascade shrinks every window to its smallest; here each keeps the largest
    // size the area allows after its offset, so captions and hierarchy stay readable.
    QMdiSubWindow* active = MdiArea->activeSubWindow();
    int index = 0;
    for (QMdiSubWindow* window : MdiArea->subWindowList()) {
        if (window->isHidden()) {
            continue;
        }
        window->showNormal();
        window->setGeometry(CascadePlace(index++));
        window->raise();
    }
    if (active != nullptr) {
        MdiArea->setActiveSubWindow(active);
    }
}

void TMainForm::MWinVerticalClick()
{
    TileSubWindows(true);
}

void TMainForm::MWinHorizontalClick()
{
    TileSubWindows(false);
}

void TMainForm::TileSubWindows(bool sideBySide)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : MdiArea->subWindowList()) {
        if (!window->isHidden()) {
            windows.append(window);
        }
    }
    const int count = static_cast<int>(windows.size());
    if (count == 0) {
        return;
    }
    const QRect area = MdiArea->viewport()->rect();
    const int step = (sideBySide ? area.width() : area.height()) / count;
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows.at(i);
        window->showNormal();
        // The last window takes what the division left over.
        const int extent = i == count - 1 ? (sideBySide ? area.width() : area.height()) - step * i : step;
        window->setGeometry(
            sideBySide ? QRect(step * i, 0, extent, area.height()) : QRect(0, step * i, area.width(), extent));
    }
}

void TMainForm::mnToolOrientVertClick()
{
    mnToolOrientVert->setChecked(true);
    if (TUserProject* project = ActiveProject()) {
        project->ToggleOrientation();
    }
}

void TMainForm::mnToolOrientHorClick()
{
    mnToolOrientHor->setChecked(true);
    if (TUserProject* project = ActiveProject()) {
        project->ToggleOrientation();
    }
}

ESynthesisMode TMainForm::SynthesisMode() const
{
    return mnIdealSynthesis->isChecked() ? ESynthesisMode::Ideal : ESynthesisMode::Distributive;
}

void TMainForm::mnIdealSynthesisClick()
{
    ProgramSettings().setValue(QString::fromLatin1(IdealSynthesisKey), mnIdealSynthesis->isChecked());
    for (TUserProject* project : Registry) {
        project->SetSynthesisMode(SynthesisMode());
    }
    for (TfmGroupDecision* group : GroupRegistry) {
        group->SetSynthesisMode(SynthesisMode());
    }
    for (TTreeProject* tree : TreeRegistry) {
        tree->SetSynthesisMode(SynthesisMode());
    }
}

// ---- templates and cloning

void TMainForm::mnSaveAsHTemplateClick()
{
    if (TUserProject* project = ActiveProject()) {
        DocumentLifecycle->SaveAsTemplate(project->Document());
    } else if (TTreeProject* tree = ActiveTree()) {
        DocumentLifecycle->SaveAsTemplate(tree->Document());
    }
}

void TMainForm::mnTemplateLoadClick()
{
    btOpenTempalteHClick();
}

void TMainForm::btOpenTempalteHClick()
{
    DocumentLifecycle->LoadTemplate();
}

void TMainForm::OpenProjectCopy(const QString& path)
{
    DocumentLifecycle->OpenCopy(path);
}

void TMainForm::CloneProject(TUserProject& project)
{
    DocumentLifecycle->Clone(project.Document());
}

void TMainForm::CloneTree(TTreeProject& tree)
{
    DocumentLifecycle->Clone(tree.Document());
}

// ---- printing, help, About

void TMainForm::btPrintProjectClick()
{
    TUserProject* project = ActiveProject();
    TTreeProject* tree = project == nullptr ? ActiveTree() : nullptr;
    if (project == nullptr && tree == nullptr) {
        UpdateProjectCommands();
        return;
    }
    if (PrintProjectDialogPrinter == nullptr) {
        PrintProjectDialogPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    if (!UserDialogs().ChoosePrinter(this, *PrintProjectDialogPrinter)) {
        return;
    }
    const EPrintResult result = tree != nullptr
        ? PrintTreePage(*PrintProjectDialogPrinter, tree->Document().Tree(), tree->Document().TreeResults(),
            tree->Document().Tree().Node(tree->CurrentNode()).Name, DecimalSeparator(), PrinterPageSize,
            SynthesisMode())
        : PrintProjectPage(*PrintProjectDialogPrinter, project->Model(), project->Document().Results(),
            project->CurrentElementName(), DecimalSeparator(), PrinterPageSize, project->SynthesisMode());
    if (result == EPrintResult::BadPageSize) {
        Inform(this, QCoreApplication::translate("ProjectPrinting", BadPrinterText));
    } else if (result == EPrintResult::Printed && project != nullptr) {
        // The print computed fresh results; the project's result table shows the same.
        project->FillResults();
    }
}

void TMainForm::N8Click()
{
    UserDialogs().OpenHelp(this, LocateHelpFile(HelpFileName, StartDir));
}

void TMainForm::N10Click()
{
    if (TfmAboutForm* about = AboutWindow(); about != nullptr) {
        about->exec();
    }
}

// ---- the analysis menu

void TMainForm::ExportActiveProject(
    const char* filter, const QString& extension, const std::function<QByteArray(TUserProject&)>& content)
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        UpdateProjectCommands();
        return;
    }
    if (ExportDirectory.isEmpty()) {
        ExportDirectory = StartDir;
    }
    const QString proposed = QString::fromStdString(ProposedExportName(project->Document().FileName(),
        project->Model().Goal().Name, ExportDirectory.toStdString(), extension.toStdString()));
    Export(filter, extension, proposed, [&] { return content(*project); });
}

void TMainForm::ExportActiveGroup(
    const char* filter, const QString& extension, const std::function<QByteArray(const TfmGroupDecision&)>& content)
{
    TfmGroupDecision* group = ActiveGroup();
    // Never the figures of files that changed since the group read them.
    if (group == nullptr || !Groups->FollowMembers(*group)) {
        return;
    }
    if (ExportDirectory.isEmpty()) {
        ExportDirectory = StartDir;
    }
    const QString proposed = QString::fromStdString(ProposedExportName(group->FileName(),
        group->Decision().Hierarchy().Goal().Name, ExportDirectory.toStdString(), extension.toStdString()));
    Export(filter, extension, proposed, [&] { return content(*group); });
}

void TMainForm::ExportActiveTree(
    const char* filter, const QString& extension, const std::function<QByteArray(const TTreeProject&)>& content)
{
    const TTreeProject* tree = ActiveTree();
    if (tree == nullptr) {
        UpdateProjectCommands();
        return;
    }
    if (ExportDirectory.isEmpty()) {
        ExportDirectory = StartDir;
    }
    const QString proposed = QString::fromStdString(ProposedExportName(tree->Document().FileName(),
        tree->Document().Tree().Goal().Name, ExportDirectory.toStdString(), extension.toStdString()));
    Export(filter, extension, proposed, [&] { return content(*tree); });
}

void TMainForm::Export(
    const char* filter, const QString& extension, const QString& proposed, const std::function<QByteArray()>& content)
{
    const QString written = ExportToFile(
        this, QCoreApplication::translate("ProjectExport", filter), extension, proposed, ExportDirectory, content);
    if (!written.isEmpty()) {
        const bool report = extension == QStringLiteral(".pdf");
        statusBar()->showMessage((report ? tr("Отчёт сохранён: %1") : tr("Результаты сохранены: %1")).arg(written));
    }
}

void TMainForm::mnProjectReportClick()
{
    if (ActiveGroup() != nullptr) {
        ExportActiveGroup(ReportFileFilter, QStringLiteral(".pdf"), [this](const TfmGroupDecision& group) {
            CGroupReportSubject subject;
            subject.FileName = QString::fromStdString(group.FileName());
            subject.Date = QDate::currentDate();
            subject.DecimalSeparator = DecimalSeparator();
            subject.Dpi = logicalDpiY();
            return GroupReportPdf(group.Decision(), subject);
        });
        return;
    }
    if (ActiveTree() != nullptr) {
        ExportActiveTree(ReportFileFilter, QStringLiteral(".pdf"), [](const TTreeProject& tree) {
            CReportSubject subject;
            subject.FileName = QString::fromStdString(tree.Document().FileName());
            subject.Date = QDate::currentDate();
            subject.DecimalSeparator = DecimalSeparator();
            subject.Hierarchy.Dpi = tree.logicalDpiY();
            if (tree.Document().Tree().Evaluation() == EAlternativeEvaluation::Ratings) {
                return RatedTreeReportPdf(tree.Document().Tree(), tree.Document().RatingResults(), subject);
            }
            return TreeReportPdf(tree.Document().Tree(), tree.Document().TreeResults(), subject);
        });
        return;
    }
    ExportActiveProject(ReportFileFilter, QStringLiteral(".pdf"), [](TUserProject& project) {
        CReportSubject subject;
        subject.FileName = QString::fromStdString(project.Document().FileName());
        subject.Date = QDate::currentDate();
        subject.DecimalSeparator = DecimalSeparator();
        subject.Hierarchy.Extent = project.HierarchyExtent();
        subject.Hierarchy.Paint = [&project](QPainter& painter) { project.RenderHierarchy(painter); };
        subject.Hierarchy.Dpi = project.logicalDpiY();
        return ProjectReportPdf(project.Model(), project.Document().Results(), subject);
    });
}

void TMainForm::mnExportCsvClick()
{
    if (ActiveGroup() != nullptr) {
        ExportActiveGroup(CsvFileFilter, QStringLiteral(".csv"), [](const TfmGroupDecision& group) {
            const std::string csv = GroupCsv(group.Decision(), DecimalSeparator());
            return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
        });
        return;
    }
    if (ActiveTree() != nullptr) {
        ExportActiveTree(CsvFileFilter, QStringLiteral(".csv"), [](const TTreeProject& tree) {
            const CProjectDocument& document = tree.Document();
            const std::string csv = document.Tree().Evaluation() == EAlternativeEvaluation::Ratings
                ? RatedTreeCsv(document.Tree(), document.RatingResults(), DecimalSeparator())
                : HierarchyCsv(document.Tree(), document.TreeResults(), DecimalSeparator());
            return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
        });
        return;
    }
    ExportActiveProject(CsvFileFilter, QStringLiteral(".csv"), [](TUserProject& project) {
        const std::string csv = ProjectCsv(project.Model(), project.Document().Results(), DecimalSeparator());
        return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
    });
}

void TMainForm::mnSensitivityAnalysisClick()
{
    if (TUserProject* project = ActiveProject()) {
        project->ShowSensitivity(1, 0);
    } else if (TfmGroupDecision* group = ActiveGroup()) {
        ShowGroupSensitivity(*group);
    } else if (TTreeProject* tree = ActiveTree()) {
        tree->ShowSensitivity(tree->CurrentNode());
    } else {
        UpdateProjectCommands();
    }
}

// ---- group decisions

void TMainForm::ShowGroupSensitivity(TfmGroupDecision& group)
{
    if (!Groups->FollowMembers(group)) {
        return;
    }
    const CGroupResult& result = group.Decision().Result();
    if (result.Ranking.Count == 0) {
        UserDialogs().Inform(
            this, QString::fromStdString(RankingProblemText(result.RankingProblem)), QStringLiteral("Message"));
        return;
    }
    if (!group.Decision().Layered()) {
        group.ShowTreeSensitivity(SynthesisMode());
        return;
    }
    // The group's combined priorities, as a project's.
    TfmSensitivity* window = SensitivityWindow();
    window->ShowSensitivity(group.Decision().Model(), result.Group, 1, 0, SynthesisMode());
    window->exec();
}

void TMainForm::mnPrepareExpertFilesClick()
{
    TUserProject* project = ActiveProject();
    TTreeProject* tree = project == nullptr ? ActiveTree() : nullptr;
    if (project == nullptr && tree == nullptr) {
        UpdateProjectCommands();
        return;
    }
    const CProjectDocument& document = project != nullptr ? project->Document() : tree->Document();
    if (ExpertFilesDialog == nullptr) {
        ExpertFilesDialog = new TfmExpertFiles(this);
    }
    if (ExpertFilesFolder.isEmpty()) {
        // Beside the project's own file, or in the start folder for a project never saved.
        const std::string file = document.FileName();
        ExpertFilesFolder
            = file.empty() ? StartDir : QString::fromStdString(std::filesystem::path(file).parent_path().string());
    }
    std::vector<std::string> open;
    for (const TUserProject* each : Registry) {
        open.push_back(each->Document().FileName());
    }
    for (const TTreeProject* each : TreeRegistry) {
        open.push_back(each->Document().FileName());
    }
    const QStringList written = ExpertFilesDialog->Prepare(document, ExpertFilesFolder, open);
    if (!written.isEmpty()) {
        ExpertFilesFolder = ExpertFilesDialog->Folder();
        statusBar()->showMessage(
            tr("Файлы экспертов созданы: %1 в папке %2").arg(written.size()).arg(ExpertFilesFolder));
    }
}

void TMainForm::mnGroupDecisionClick()
{
    Groups->NewGroup();
}

void TMainForm::mnOpenGroupClick()
{
    Groups->Open();
}
