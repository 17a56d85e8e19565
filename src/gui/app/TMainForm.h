#pragma once

#include "core/results/SynthesisMode.h"
#include "gui/app/CProjectWindowHost.h"
#include "gui/app/FrameGlyphs.h"
#include "gui/group/CGroupWindowHost.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <set>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;
class QToolButton;
class QUndoGroup;
class CDocumentLifecycle;
class CGroupLifecycle;
class TfmExpertFiles;
class TfmGroupDecision;
class TTreeProject;
class TUserProject;

// The frame: the document area with one child window per open project, the
// open-project registry, the commands, window arrangement, orientation, printing, help
// and About. It makes, shows and discards the project windows; what happens to a
// project's file (open, save, templates, clone, closing) is the document lifecycle's.
class TMainForm final : public QMainWindow, private CProjectWindowHost, private CGroupWindowHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)

public:
    // Determines the start directory (the process ends when it cannot be read).
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // After construction: the screen notice for a screen other than 1024x768, then the
    // start directory again.
    void FormCreate(QSize screenSize);

    [[nodiscard]] QString StartDirectory() const { return StartDir; }
    // Erases the project from the open-project registry.
    void RemoveProject(TUserProject* project);
    // Opens a new project window from a file (the clone file).
    void OpenProjectCopy(const QString& path);
    TUserProject* ActiveProject();
    // Opens a project file as "Открыть проект" does once the name is chosen; false when
    // refused.
    bool OpenProjectFile(const QString& path);
    // The program's arguments, every one a file name, opened in order at start.
    void OpenFilesFromCommandLine(const QStringList& paths);
    [[nodiscard]] CDocumentLifecycle& Lifecycle() const { return *DocumentLifecycle; }
    [[nodiscard]] CGroupLifecycle& GroupLifecycle() const { return *Groups; }
    // The group window in front, if the window in front is one.
    TfmGroupDecision* ActiveGroup() const;
    // The tree project window in front, if the window in front is one.
    TTreeProject* ActiveTree() const;
    [[nodiscard]] std::vector<TTreeProject*> TreeWindows() const override;
    [[nodiscard]] std::vector<TfmGroupDecision*> GroupWindows() const override;

    // The project window's clone button.
    void CloneProject(TUserProject& project);
    // The tree window's clone command.
    void CloneTree(TTreeProject& tree);

    [[nodiscard]] std::size_t ProjectCount() const { return Registry.size(); }
    [[nodiscard]] bool IsRegistered(const TUserProject* project) const override;
    [[nodiscard]] QMdiArea* ClientArea() const { return MdiArea; }
    [[nodiscard]] QString HelpFile() const { return HelpFileName; }

    // Command handlers; button and menu item of one command share one action.
    void btNewProjectClick();
    void MNewProjectClick();
    void MNewTreeClick();
    void btOpenProjectClick();
    void N5Click();
    void btSaveProjectClick();
    void mnSaveProjectClick();
    void mnSaveProjectAsClick();
    void btCloseProjectClick();
    void btPrintProjectClick();
    void btPrevProjectClick();
    void btNextProjectClick();
    void btOpenTempalteHClick();
    void mnTemplateLoadClick();
    void mnSaveAsHTemplateClick();
    void btUserExitClick();
    void N7Click();
    void mnToolOrientVertClick();
    void mnToolOrientHorClick();
    // Ideal synthesis on or off for every project window, remembered for the next run.
    void mnIdealSynthesisClick();
    // What the "Идеальный синтез" item says now.
    [[nodiscard]] ESynthesisMode SynthesisMode() const;
    // The interface language for the next start ("ru", "en" or "system"), stored and
    // announced; the one already chosen says nothing.
    void ChooseLanguage(const QString& language);
    void MCascadeClick();
    void MWinVerticalClick();
    void MWinHorizontalClick();
    void N8Click();
    void N10Click();
    // The analysis menu, on the active project.
    void mnProjectReportClick();
    void mnExportCsvClick();
    void mnSensitivityAnalysisClick();
    // The sensitivity window over a group's combined priorities.
    void ShowGroupSensitivity(TfmGroupDecision& group);
    void mnPrepareExpertFilesClick();
    void mnGroupDecisionClick();
    void mnOpenGroupClick();
    // The edit menu, on the active project's undo steps.
    void mnUndoClick();
    void mnRedoClick();
    // The layered project in front, converted, in a new tree window; the layered one stays.
    void mnConvertToTreeClick();
    // The tree in front: its alternatives compared in pairs or rated; its scales.
    void mnEvaluationPairsClick();
    void mnEvaluationRatingsClick();
    void mnRatingScalesClick();

signals:
    // The frame has closed for good (every project closed); the program ends.
    void FrameClosed();

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose
    void resizeEvent(QResizeEvent* event) override;

private:
    // The active project's export through the analysis menu's file choice, proposing
    // the project's name; a written file is named in the status bar. Nothing without an
    // active project.
    void ExportActiveProject(
        const char* filter, const QString& extension, const std::function<QByteArray(TUserProject&)>& content);
    // The same for the group window in front, proposing its group file's name.
    void ExportActiveGroup(const char* filter, const QString& extension,
        const std::function<QByteArray(const TfmGroupDecision&)>& content);
    // The same for the tree window in front.
    void ExportActiveTree(
        const char* filter, const QString& extension, const std::function<QByteArray(const TTreeProject&)>& content);
    // Writes the chosen export and names it in the status bar.
    void Export(const char* filter, const QString& extension, const QString& proposed,
        const std::function<QByteArray()>& content);
    void CreateMenus();
    void CreateToolPanel();
    // A command's action; its hint is what a tool button showing it says.
    QAction* MakeCommand(const char* name, const QString& caption, const QString& hint, void (TMainForm::*handler)());
    QToolButton* AddToolButton(const char* name, QAction* command, FrameGlyphs::EGlyph glyph);
    // The project commands follow the registry; this is the only place that sets them.
    void UpdateProjectCommands();
    void FillWindowMenu();
    // Closing the frame: every tree window closed with its question; false when one stayed.
    bool CloseTreeWindows();
    // The edit menu follows the active project's undo steps (none: nothing to undo).
    void BindEditMenu();
    // The edit menu as it opens: the tree window in front adds its edit commands.
    void FillEditMenu();
    // The evaluation items follow the tree in front (none: disabled).
    void ShowEvaluationCommands();
    // "Отменить: step" (commandWithStep's %1 is the step) or "Отменить" alone when there is no step.
    void ShowStepName(QAction* item, const QString& command, const QString& commandWithStep, const QString& step);
    // F10: the first menu opens, as the menu bar's keyboard entry.
    void OpenFirstMenu();
    void TileSubWindows(bool sideBySide);
    // Cascade place index in the document area: one caption lower and to the right for
    // each place, the window as large as the area allows after that offset.
    [[nodiscard]] QRect CascadePlace(int index) const;
    // The first cascade place no other window stands at.
    [[nodiscard]] int FreeCascadePlace(const QMdiSubWindow* newcomer) const;

    // The project windows, for the lifecycle.
    TUserProject* CreateProjectWindow(const QString& caption) override;
    void DiscardProjectWindow(TUserProject* project) override;
    void ShowProjectWindow(TUserProject* project) override;
    [[nodiscard]] std::vector<TUserProject*> RegisteredProjects() const override;
    bool CloseProjectWindow(TUserProject* project) override;
    void ForgetProject(TUserProject* project) override;
    bool OpenGroupFile(const QString& path) override;
    TTreeProject* CreateTreeWindow(const QString& caption) override;
    void DiscardTreeWindow(TTreeProject* window) override;
    void ShowTreeWindow(TTreeProject* window) override;

    // The group windows, for the group lifecycle.
    void AddGroupWindow(TfmGroupDecision* window) override;
    void ShowGroupWindow(TfmGroupDecision* window) override;

    std::set<TUserProject*> Registry;
    QString StartDir;
    // The results warning of the project in front, shown cut to the status bar's width.
    QString ResultsWarning;
    QString ShownResultsWarning;
    void ShowResultsWarning(const QString& warning);
    // A tree window in front names its unacceptable matrices in the bar after every step.
    bool TreeWarningShown = false;
    void ShowTreeWarning();
    std::unique_ptr<CDocumentLifecycle> DocumentLifecycle;
    std::set<TfmGroupDecision*> GroupRegistry;
    std::set<TTreeProject*> TreeRegistry;
    std::unique_ptr<CGroupLifecycle> Groups;
    // Made at its first use, then reused; it starts where it last wrote.
    TfmExpertFiles* ExpertFilesDialog = nullptr;
    QString ExpertFilesFolder;
    //: The help document's file name: each language ships its own beside the program.
    QString HelpFileName = tr("tessaly.hlp");
    // Made at the first print: the print system's plugin is slow to load.
    std::unique_ptr<QPrinter> PrintProjectDialogPrinter;

    QMdiArea* MdiArea = nullptr;
    QToolBar* ToolPanel = nullptr;
    QToolButton* btNewProject = nullptr;
    QToolButton* btOpenProject = nullptr;
    QToolButton* btOpenTempalteH = nullptr;
    QToolButton* btSaveProject = nullptr;
    QToolButton* btCloseProject = nullptr;
    QToolButton* btPrintProject = nullptr;
    QToolButton* btPrevProject = nullptr;
    QToolButton* btNextProject = nullptr;
    QToolButton* btUserExit = nullptr;

    QMenu* MFile = nullptr;
    QMenu* MEdit = nullptr;
    QMenu* MTools = nullptr;
    QMenu* mnToolOrient = nullptr;
    QMenu* MAnalysis = nullptr;
    QMenu* WindowMenu = nullptr;
    QMenu* MHelp = nullptr;
    QAction* MNewProject = nullptr;
    QAction* MNewTree = nullptr;
    QAction* N5 = nullptr;
    QAction* mnSaveProject = nullptr;
    QAction* mnSaveProjectAs = nullptr;
    QAction* mnTemplateLoad = nullptr;
    QAction* mnSaveAsHTemplate = nullptr;
    QAction* N7 = nullptr;
    QActionGroup* OrientationGroup = nullptr;
    QAction* mnToolOrientVert = nullptr;
    QAction* mnToolOrientHor = nullptr;
    QAction* mnIdealSynthesis = nullptr;
    QMenu* mnLanguage = nullptr;
    QAction* mnLanguageRussian = nullptr;
    QAction* mnLanguageEnglish = nullptr;
    QAction* mnLanguageSystem = nullptr;
    QAction* MCascade = nullptr;
    QAction* MWinVertical = nullptr;
    QAction* MWinHorizontal = nullptr;
    QAction* N8 = nullptr;
    QAction* N10 = nullptr;
    QAction* mnProjectReport = nullptr;
    QAction* mnExportCsv = nullptr;
    QAction* mnSensitivityAnalysis = nullptr;
    QAction* mnPrepareExpertFiles = nullptr;
    QAction* mnGroupDecision = nullptr;
    QAction* mnOpenGroup = nullptr;
    QAction* mnUndo = nullptr;
    QAction* mnRedo = nullptr;
    QAction* mnConvertToTree = nullptr;
    QMenu* mnEvaluation = nullptr;
    QAction* mnEvaluationPairs = nullptr;
    QAction* mnEvaluationRatings = nullptr;
    QAction* mnRatingScales = nullptr;
    // Every project's undo steps, the active project's the active ones.
    QUndoGroup* EditSteps = nullptr;
    QAction* OpenMenuCommand = nullptr;
    // Where the analysis menu's file choice starts: the folder of its last file.
    QString ExportDirectory;
    // The commands that only a tool button offers.
    QAction* CloseProjectCommand = nullptr;
    QAction* PrintProjectCommand = nullptr;
    QAction* PrevProjectCommand = nullptr;
    QAction* NextProjectCommand = nullptr;
};
