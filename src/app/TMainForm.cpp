#include "app/TMainForm.h"

#include "app/CUserDialogs.h"
#include "app/ProjectPrinting.h"
#include "app/THelpViewer.h"
#include "app/TfmAboutForm.h"
#include "model/TCreateUserProject.h"
#include "storage/ProjectFile.h"
#include "storage/TLoadSaveProject.h"
#include "view/TUserProject.h"

#include "TessalyVersion.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

const QString MessageCaption = QStringLiteral("Message");
const QString ProjectCaptionPrefix = QStringLiteral("Проект - ");
const QString ProjectFilter = QStringLiteral("Проект TESSALY (*.tsy)");
const QString TemplateFilter = QStringLiteral("Шаблон TESSALY (*.htp)");

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void Inform(QWidget* parent, const QString& text)
{
    UserDialogs().Inform(parent, text, MessageCaption);
}

bool Ask(QWidget* parent, const QString& text)
{
    return UserDialogs().AskYesNo(parent, text, MessageCaption);
}

// The absolute current directory; the program cannot place its templates and clone
// file without it, so it ends when the directory cannot be read.
QString DetermineStartDirectory(QWidget* parent)
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error || current.empty()) {
        Inform(parent, QStringLiteral("Ошибка при запросе текущего пути"));
        std::exit(0);
    }
    return QString::fromStdString(current.string());
}

QMdiSubWindow* SubWindowOf(TUserProject* project)
{
    return project != nullptr ? qobject_cast<QMdiSubWindow*>(project->parentWidget()) : nullptr;
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
    , LoadSaveProject(std::make_unique<TLoadSaveProject>())
    , PrintProjectDialogPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tessaly " TESSALY_VERSION " (beta)"));
    setContextMenuPolicy(Qt::PreventContextMenu); // no toolbar-hiding menu
    StartDir = DetermineStartDirectory(this);

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("ClientArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);

    CreateMenus();
    CreateToolPanel();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setFixedHeight(18);
    statusBar()->setSizeGripEnabled(false);

    UpdateProjectCommands();
    resize(1024, 768);
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate(QSize screenSize)
{
    if (screenSize != QSize(1024, 768)) {
        UserDialogs().Inform(this, QStringLiteral("Желательный режим видеокарты: 1024x768"), QStringLiteral("Alert"));
    }
    StartDir = DetermineStartDirectory(this);
}

// ---- construction of the menus and the tool panel

void TMainForm::CreateMenus()
{
    auto action = [this](QMenu* menu, const char* name, const QString& caption, void (TMainForm::*handler)()) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* created = menuBar()->addMenu(caption);
        created->setObjectName(QString::fromLatin1(name));
        created->menuAction()->setObjectName(QString::fromLatin1(name));
        return created;
    };
    menuBar()->setObjectName(QStringLiteral("MainMenu"));

    MFile = menu("MFile", QStringLiteral("Файл"));
    MNewProject = action(MFile, "MNewProject", QStringLiteral("Создать новый проект"), &TMainForm::MNewProjectClick);
    MFile->addSeparator();
    N5 = action(MFile, "N5", QStringLiteral("Открыть проект"), &TMainForm::N5Click);
    MFile->addSeparator();
    mnSaveProject = action(MFile, "mnSaveProject", QStringLiteral("Сохранить проект"), &TMainForm::mnSaveProjectClick);
    mnSaveProjectAs
        = action(MFile, "mnSaveProjectAs", QStringLiteral("Сохранить проект как..."), &TMainForm::mnSaveProjectAsClick);
    MFile->addSeparator();
    mnTemplateLoad
        = action(MFile, "mnTemplateLoad", QStringLiteral("Загрузить шаблон проекта"), &TMainForm::mnTemplateLoadClick);
    mnSaveAsHTemplate = action(MFile, "mnSaveAsHTemplate", QStringLiteral("Сохранить проект в виде шаблона"),
        &TMainForm::mnSaveAsHTemplateClick);
    MFile->addSeparator();
    N7 = action(MFile, "N7", QStringLiteral("Выход"), &TMainForm::N7Click);

    MTools = menu("MTools", QStringLiteral("Настройки"));
    mnToolOrient = MTools->addMenu(QStringLiteral("Ориентация"));
    mnToolOrient->setObjectName(QStringLiteral("mnToolOrient"));
    mnToolOrient->menuAction()->setObjectName(QStringLiteral("mnToolOrient"));
    OrientationGroup = new QActionGroup(this);
    OrientationGroup->setExclusive(true);
    mnToolOrientVert
        = action(mnToolOrient, "mnToolOrientVert", QStringLiteral("Вертикальная"), &TMainForm::mnToolOrientVertClick);
    mnToolOrientHor
        = action(mnToolOrient, "mnToolOrientHor", QStringLiteral("Горизонтальная"), &TMainForm::mnToolOrientHorClick);
    for (QAction* item : {mnToolOrientVert, mnToolOrientHor}) {
        item->setCheckable(true);
        OrientationGroup->addAction(item);
    }
    mnToolOrientHor->setChecked(true);

    WindowMenu = menu("WindowMenu", QStringLiteral("Окно"));
    MCascade = action(WindowMenu, "MCascade", QStringLiteral("Каскад"), &TMainForm::MCascadeClick);
    MWinVertical = action(WindowMenu, "MWinVertical", QStringLiteral("По вертикали"), &TMainForm::MWinVerticalClick);
    MWinHorizontal
        = action(WindowMenu, "MWinHorizontal", QStringLiteral("По горизонтали"), &TMainForm::MWinHorizontalClick);
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);

    MHelp = menu("MHelp", QStringLiteral("Справка"));
    N8 = action(MHelp, "N8", QStringLiteral("Помощь"), &TMainForm::N8Click);
    MHelp->addSeparator();
    N10 = action(MHelp, "N10", QStringLiteral("О программе"), &TMainForm::N10Click);
}

QToolButton* TMainForm::AddToolButton(const char* name, const QString& hint, int glyph)
{
    auto* button = new QToolButton(ToolPanel);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoRaise(true); // flat until the mouse is over it
    button->setFixedSize(24, 23);
    button->setIconSize(QSize(16, 16));
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(glyph)));
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

    btNewProject = AddToolButton("btNewProject", QStringLiteral("Создать новый проект"), QStyle::SP_FileIcon);
    btOpenProject = AddToolButton("btOpenProject", QStringLiteral("Открыть проект"), QStyle::SP_DialogOpenButton);
    btOpenTempalteH = AddToolButton(
        "btOpenTempalteH", QStringLiteral("Загрузить шаблонную иерархию"), QStyle::SP_FileDialogDetailedView);
    ToolPanel->addSeparator();
    btSaveProject = AddToolButton("btSaveProject", QStringLiteral("Сохранить проект"), QStyle::SP_DialogSaveButton);
    ToolPanel->addSeparator();
    btCloseProject = AddToolButton("btCloseProject", QStringLiteral("Закрыть проект"), QStyle::SP_DialogCloseButton);
    ToolPanel->addSeparator();
    btPrintProject = AddToolButton("btPrintProject", QStringLiteral("Распечатать проект"), QStyle::SP_ComputerIcon);
    ToolPanel->addSeparator();
    btPrevProject = AddToolButton("btPrevProject", QStringLiteral("Показать предыдущий проект"), QStyle::SP_ArrowLeft);
    btNextProject = AddToolButton("btNextProject", QStringLiteral("Показать следующий проект"), QStyle::SP_ArrowRight);
    btUserExit = AddToolButton("btUserExit", QStringLiteral("Выйти из программы"), QStyle::SP_BrowserStop);

    connect(btNewProject, &QToolButton::clicked, this, &TMainForm::btNewProjectClick);
    connect(btOpenProject, &QToolButton::clicked, this, &TMainForm::btOpenProjectClick);
    connect(btOpenTempalteH, &QToolButton::clicked, this, &TMainForm::btOpenTempalteHClick);
    connect(btSaveProject, &QToolButton::clicked, this, &TMainForm::btSaveProjectClick);
    connect(btCloseProject, &QToolButton::clicked, this, &TMainForm::btCloseProjectClick);
    connect(btPrintProject, &QToolButton::clicked, this, &TMainForm::btPrintProjectClick);
    connect(btPrevProject, &QToolButton::clicked, this, &TMainForm::btPrevProjectClick);
    connect(btNextProject, &QToolButton::clicked, this, &TMainForm::btNextProjectClick);
    connect(btUserExit, &QToolButton::clicked, this, &TMainForm::btUserExitClick);
}

void TMainForm::UpdateProjectCommands()
{
    const bool enabled = !Registry.empty();
    for (QToolButton* button : {btPrintProject, btSaveProject, btCloseProject, btPrevProject, btNextProject}) {
        button->setEnabled(enabled);
    }
    for (QAction* item :
        {mnSaveProject, mnSaveProjectAs, mnSaveAsHTemplate, MTools->menuAction(), WindowMenu->menuAction()}) {
        item->setEnabled(enabled);
    }
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
    for (QMdiSubWindow* window : windows) {
        QAction* item = WindowMenu->addAction(window->windowTitle());
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

QString TMainForm::CountCaption() const
{
    return ProjectCaptionPrefix + QString::number(MdiArea->subWindowList().size());
}

TUserProject* TMainForm::CreateProjectWindow(const QString& caption)
{
    TUserProject* project = nullptr;
    try {
        project = new TUserProject;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    project->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* window = MdiArea->addSubWindow(project);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Sized before the build, since the hierarchy is laid out from the window's size.
    const QSize area = MdiArea->viewport()->size();
    window->resize(std::max(640, area.width() * 3 / 4), std::max(460, area.height() * 3 / 4));
    // A project window that closes itself (a fatal model error) takes its subwindow along.
    connect(project, &QObject::destroyed, this, [guard = QPointer<QMdiSubWindow>(window)] {
        if (!guard.isNull()) {
            guard->deleteLater();
        }
    });
    project->setWindowTitle(caption.isEmpty() ? CountCaption() : caption);
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

bool TMainForm::LoadIntoWindow(TUserProject* project, const QString& path)
{
    const CReadOutcome outcome = ReadProjectFile(*LoadSaveProject, path.toStdString());
    if (!outcome.Succeeded()) {
        Inform(this, QString::fromStdString(outcome.Message));
        DiscardProjectWindow(project);
        return false;
    }
    if (!project->BuildLoadedHierarchy(*LoadSaveProject) || !IsRegistered(project)) {
        if (IsRegistered(project)) {
            Inform(this, Text(DamagedProjectText));
        }
        DiscardProjectWindow(project);
        return false;
    }
    ShowProjectWindow(project);
    return true;
}

bool TMainForm::WriteProject(TUserProject* project, const QString& path, const char* openMessage)
{
    switch (SaveProjectFile(project->Model(), path.toStdString(), false)) {
    case EWriteResult::Ok:
        return true;
    case EWriteResult::OpenFailed:
        Inform(this, Text(openMessage));
        return false;
    case EWriteResult::WriteFailed:
        Inform(this, Text(FileWriteErrorText));
        return false;
    }
    return false;
}

// ---- project lifecycle

void TMainForm::btNewProjectClick()
{
    MNewProjectClick();
}

void TMainForm::MNewProjectClick()
{
    TCreateUserProject& dialog = *AppWindows().CreateUserProject;
    dialog.Reset();
    dialog.exec();
    if (!dialog.Confirmed()) {
        return;
    }
    TUserProject* project = CreateProjectWindow(QString());
    if (project == nullptr) {
        Inform(this, QStringLiteral("Ошибка выделения памяти под новый проект"));
        return;
    }
    const std::uint32_t elements = ClampElementsPerLevel(dialog.ElementCount());
    const std::uint32_t levels = ClampLevelCount(dialog.LevelCount());
    project->BuildNewHierarchy(elements, levels, dialog.GoalText(), dialog.CommentText());
    // A window whose build failed has closed itself and left the registry.
    if (!IsRegistered(project)) {
        DiscardProjectWindow(project);
        return;
    }
    ShowProjectWindow(project);
}

void TMainForm::N5Click()
{
    btOpenProjectClick();
}

void TMainForm::btOpenProjectClick()
{
    OpenDialogFilter = ProjectFilter;
    const QString path = UserDialogs().ChooseFileToOpen(this, OpenDialogFilter, OpenDialogDirectory);
    if (path.isEmpty()) {
        return;
    }
    TUserProject* project = CreateProjectWindow(ProjectCaptionPrefix + path);
    if (project == nullptr) {
        Inform(this, QStringLiteral("Ошибка выделения памяти под открытие проекта"));
        return;
    }
    project->Model().FileName = path.toStdString();
    LoadIntoWindow(project, path);
}

void TMainForm::btSaveProjectClick()
{
    mnSaveProjectClick();
}

void TMainForm::mnSaveProjectClick()
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        UpdateProjectCommands();
        return;
    }
    SaveProject(project);
}

bool TMainForm::SaveProject(TUserProject* project)
{
    CUserProjectModel& model = project->Model();
    if (!model.FileName.empty()) {
        if (!model.Modified || !Ask(this, QStringLiteral("Сохранить сделанные в проекте изменения?"))) {
            return true;
        }
        if (!WriteProject(project, QString::fromStdString(model.FileName), FileOpenErrorText)) {
            return false; // Modified stays set
        }
        model.Modified = false;
        return true;
    }
    if (!Ask(this, QStringLiteral("Сохранить созданный проект в файле?"))) {
        return true;
    }
    const QString chosen = UserDialogs().ChooseFileToSave(this, SaveDialogFilter, SaveDialogDirectory);
    if (chosen.isEmpty()) {
        return true;
    }
    const QString path = QString::fromStdString(ApplyExtensionRule(chosen.toStdString(), ".tsy"));
    if (!WriteProject(project, path, FileOpenErrorText)) {
        return false;
    }
    project->setWindowTitle(path);
    model.FileName = path.toStdString();
    model.Modified = false;
    return true;
}

void TMainForm::mnSaveProjectAsClick()
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        return;
    }
    OpenDialogFilter = ProjectFilter;
    const QString chosen = UserDialogs().ChooseFileToOpen(this, OpenDialogFilter, OpenDialogDirectory);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = QString::fromStdString(ApplyExtensionRule(chosen.toStdString(), ".tsy"));
    // The open dialog asks nothing about an existing file, so the command does.
    if (QFileInfo::exists(path) && !Ask(this, QStringLiteral("Файл с таким именем уже существует. Заменить его?"))) {
        return;
    }
    // The project keeps the new name even when the write fails.
    project->Model().FileName = path.toStdString();
    if (!WriteProject(project, path, FileOpenErrorText)) {
        return;
    }
    project->setWindowTitle(ProjectCaptionPrefix + path);
}

void TMainForm::btCloseProjectClick()
{
    TUserProject* project = ActiveProject();
    if (project != nullptr) {
        project->Model().ClosingAll = false;
        if (QMdiSubWindow* window = SubWindowOf(project)) {
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
    if (Ask(this, QStringLiteral("Выйти из программы?"))) {
        close();
    }
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    const std::set<TUserProject*> projects = Registry;
    bool someStayed = false;
    for (TUserProject* project : projects) {
        project->Model().AskSaveOnClose = true;
        project->Model().ClosingAll = true;
        QMdiSubWindow* window = SubWindowOf(project);
        if (window == nullptr || window->close()) {
            Registry.erase(project);
        } else {
            // A save the user asked for failed: this project, and the frame, stay.
            project->Model().ClosingAll = false;
            someStayed = true;
        }
    }
    UpdateProjectCommands();
    if (someStayed) {
        event->ignore();
        return;
    }
    event->accept();
    emit FrameClosed();
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

void TMainForm::MCascadeClick()
{
    MdiArea->cascadeSubWindows();
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

// ---- templates and cloning

void TMainForm::mnSaveAsHTemplateClick()
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        return;
    }
    const QString directory = QString::fromStdString(TemplateDirectory(StartDir.toStdString()));
    QDir().mkpath(directory); // a first template should not fail for want of its folder
    SaveDialogFilter = TemplateFilter;
    SaveDialogDirectory = directory;
    const QString chosen = UserDialogs().ChooseFileToSave(this, SaveDialogFilter, SaveDialogDirectory);
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = ApplyExtensionRule(chosen.toStdString(), ".htp");
    switch (SaveProjectFile(project->Model(), path, true)) {
    case EWriteResult::Ok:
        break;
    case EWriteResult::OpenFailed:
        Inform(this, Text(TemplateSaveErrorText));
        break;
    case EWriteResult::WriteFailed:
        Inform(this, Text(FileWriteErrorText));
        break;
    }
}

void TMainForm::mnTemplateLoadClick()
{
    btOpenTempalteHClick();
}

void TMainForm::btOpenTempalteHClick()
{
    OpenDialogDirectory = QString::fromStdString(TemplateDirectory(StartDir.toStdString()));
    OpenDialogFilter = TemplateFilter;
    const QString path = UserDialogs().ChooseFileToOpen(this, OpenDialogFilter, OpenDialogDirectory);
    if (path.isEmpty()) {
        return;
    }
    TUserProject* project = CreateProjectWindow(QString());
    if (project == nullptr) {
        Inform(this, Text(TemplateOpenErrorText));
        return;
    }
    LoadIntoWindow(project, path);
}

void TMainForm::OpenProjectCopy(const QString& path)
{
    TUserProject* project = CreateProjectWindow(QString());
    if (project == nullptr) {
        Inform(this, Text(CloneErrorText));
        return;
    }
    LoadIntoWindow(project, path);
}

void TMainForm::CloneProject(TUserProject& project)
{
    if (!Ask(this, QStringLiteral("Клонировать текущий проект?"))) {
        return;
    }
    const std::string cloneFile = CloneFileName(StartDir.toStdString());
    if (SaveProjectFile(project.Model(), cloneFile, false) == EWriteResult::Ok) {
        OpenProjectCopy(QString::fromStdString(cloneFile));
    } else {
        Inform(this, Text(CloneErrorText));
    }
    std::error_code ignored; // the clone file is never left behind; a failed delete is not reported
    std::filesystem::remove(cloneFile, ignored);
}

// ---- printing, help, About

void TMainForm::btPrintProjectClick()
{
    TUserProject* project = ActiveProject();
    if (project == nullptr) {
        UpdateProjectCommands();
        return;
    }
    if (!UserDialogs().ChoosePrinter(this, *PrintProjectDialogPrinter)) {
        return;
    }
    const EPrintResult result = PrintProjectPage(*PrintProjectDialogPrinter, project->Model(), UserDecimalSeparator());
    if (result == EPrintResult::BadPageSize) {
        Inform(this, Text(BadPrinterText));
    } else if (result == EPrintResult::Printed) {
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
    if (AppWindows().AboutForm != nullptr) {
        AppWindows().AboutForm->exec();
    }
}
