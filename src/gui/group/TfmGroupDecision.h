#pragma once

#include "core/results/SynthesisMode.h"
#include "core/storage/GroupFile.h"

#include <QColor>
#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CGroupDecision;
class CGroupTableModel;
struct CReportTable;
class QBoxLayout;
class QChartView;
class QCheckBox;
class QLabel;
class QPieSeries;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class QUndoStack;
class QVBoxLayout;
class TfmTreeSensitivity;

// The group window, a child of the frame's document area: the group ranking with both
// aggregations of the experts' priorities, each expert's priorities and places, the
// pie and the agreement ("Рейтинг"); every judged element's agreement, with the
// combined judgements, their spread and the experts' vectors of the element chosen
// ("Элементы"; a tree's criteria listed by their paths, in the outline's order); the experts' weights, their own
// rankings and how far each lies from the group ("Эксперты"). Its tables are views over the group's figures whose cells
// are made when shown, so a thousand experts open at once and a change of a weight repaints only what is in sight.
// Weight changes are steps of the window's own undo stack. The window owns its group; its file (a group file, or none
// yet) and whether the group changed since it was saved are kept here for the group lifecycle.
class TfmGroupDecision final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmGroupDecision)

public:
    explicit TfmGroupDecision(std::unique_ptr<CGroupDecision> decision, QWidget* parent = nullptr);
    ~TfmGroupDecision() override;

    [[nodiscard]] const CGroupDecision& Decision() const { return *Group; }
    // Another group in this window (the members changed, or their files); every tab shows
    // it. The undo steps of the old group go with it.
    void ReplaceDecision(std::unique_ptr<CGroupDecision> decision);
    // The members as they stand, with their weights as the window has them.
    [[nodiscard]] std::vector<CGroupMember> Members() const;

    // The group file the window is bound to ("" for a group never saved); the caption
    // follows: "Групповое решение - " and the file, or the goal's name.
    [[nodiscard]] const std::string& FileName() const { return GroupFile; }
    void SetFileName(const std::string& fileName);
    // Changed since the group was read from or saved to its file (a group never saved
    // counts as changed); undoing every step since then makes it unchanged again.
    [[nodiscard]] bool Modified() const;
    void SetModified(bool modified);

    // The figures no longer those of the members' files (a file changed and could not be
    // read again): the window says so until the group is read again.
    [[nodiscard]] bool OutOfDate() const { return Stale; }
    void SetOutOfDate(bool outOfDate);

    // An expert's new weight, as typed into his "Вес" cell: a step of the undo stack;
    // false, with the reason shown under the table, for a weight the group refuses.
    bool SetExpertWeight(std::size_t expert, double weight);
    // The frame's "Идеальный синтез": in the ideal mode the group's ideal ranking stands
    // beside the distributive one and the pie shows it.
    void SetSynthesisMode(ESynthesisMode mode);
    [[nodiscard]] ESynthesisMode SynthesisMode() const { return Mode; }

    // The sensitivity of a group of trees: its combined priorities in the tree's sensitivity
    // window, at the criterion of the element chosen.
    void ShowTreeSensitivity(ESynthesisMode mode);

    // The window's undo steps (the frame's "Правка" shows them while it is in front).
    [[nodiscard]] QUndoStack& UndoSteps() const { return *Steps; }

    // Asked before the window closes; false keeps it open.
    std::function<bool(TfmGroupDecision&)> MayClose;

    // ---- the controls, named for tests and screen readers
    QLabel* lbGroupSummary = nullptr;
    QPushButton* btGroupMembers = nullptr;
    QPushButton* btSaveGroup = nullptr;
    QPushButton* btSaveGroupAs = nullptr;
    QTabWidget* tcGroup = nullptr;
    // Рейтинг
    QTableView* twRanking = nullptr;
    QLabel* lbIdealRankingTitle = nullptr;
    QTableView* twIdealRanking = nullptr;
    QPushButton* btGroupSensitivity = nullptr;
    QChartView* chGroupChart = nullptr;
    QPieSeries* srGroupPie = nullptr;
    QLabel* lbOverallConsensus = nullptr;
    QLabel* lbFinalAgreement = nullptr;
    QLabel* lbKendall = nullptr;
    QLabel* lbRankingNotes = nullptr;
    // The warning a project's ranking has when it rests on unacceptable matrices: here the
    // group's combined ones.
    QLabel* lbRankingWarning = nullptr;
    // Элементы
    QSplitter* spElements = nullptr;
    QSplitter* spElementTables = nullptr;
    QTableView* twElements = nullptr;
    QLabel* lbElementTitle = nullptr;
    QTableView* twAggregated = nullptr;
    QTableView* twExpertVectors = nullptr;
    QLabel* lbElementMeasures = nullptr;
    QLabel* lbElementNotes = nullptr;
    // Who said what on the pair chosen in the combined matrix.
    QLabel* lbPairTitle = nullptr;
    QTableView* twPairJudgements = nullptr;
    // Эксперты
    QCheckBox* cbUseWeights = nullptr;
    QLabel* lbWeightProblem = nullptr;
    QTableView* twExperts = nullptr;
    QTableView* twDistances = nullptr;
    QLabel* lbElementDistancesTitle = nullptr;
    QTableView* twElementDistances = nullptr;

    // Whether an expert counts in the group's figures (his check box "учитывать" in
    // twExperts): a step of the undo stack.
    bool SetExpertIncluded(std::size_t expert, bool included);

    // The columns of twExperts.
    static constexpr int ExpertIncludedColumn = 0;
    static constexpr int ExpertWeightColumn = 4;
    static constexpr int ExpertShareColumn = 5;
    static constexpr int ExpertRankingColumn = 6;

signals:
    void MembersRequested(TfmGroupDecision* window);
    void SaveRequested(TfmGroupDecision* window);
    void SaveAsRequested(TfmGroupDecision* window);
    // The sensitivity window over the group's combined priorities.
    void SensitivityRequested(TfmGroupDecision* window);
    // The window has closed for good.
    void Closed(TfmGroupDecision* window);
    // Its caption changed (the frame's window list shows it).
    void CaptionChanged(TfmGroupDecision* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeRankingTab();
    QWidget* MakeElementsTab();
    QWidget* MakeExpertsTab();
    CGroupTableModel* MakeModel(
        QTableView* view, std::function<CReportTable()> content, std::function<Qt::Alignment(int)> alignment);
    // A new group: every table starts again and takes its columns' widths.
    void ShowGroup();
    // The figures changed (a weight): every table repaints what it shows.
    void ShowFigures();
    void ShowRankingNotes();
    // The ideal ranking beside the group's in the ideal mode, never for a rated group.
    void ShowIdealRanking();
    // The ranking tab's arrangement for the length of the ranking.
    void ArrangeRanking();
    void FindUnacceptable();
    void ShowPie();
    void ShowElementDetails(int row, bool sameElement);
    void ShowElementDistances(int row);
    void ShowSummary();
    void UpdateCaption();
    // The weight as typed into an expert's "Вес" cell.
    bool WeightTyped(int expert, const QString& text);
    // Sets a weight (or whether weights count) and shows the figures, as an undo step does.
    void ApplyWeight(std::size_t expert, double weight);
    void ApplyUseWeights(bool use);
    void ApplyIncluded(std::size_t expert, bool included);
    // The pair (row, column) of the combined matrix shown; the title says why none is.
    void ShowPair(int row, int column);
    void UseWeightsToggled(bool use);
    // The splitters share their room by what the tables hold: the elements' list no
    // taller than its rows, the combined matrix no wider than its columns.
    void FitSplitters();
    void FitElementTables();
    // The element of Result().Elements shown (-1 for none), and that of a row of the elements' lists.
    [[nodiscard]] int SelectedElement() const;
    [[nodiscard]] int ElementOfRow(int row) const;

    std::unique_ptr<CGroupDecision> Group;
    QUndoStack* Steps = nullptr;
    CGroupTableModel* RankingModel = nullptr;
    CGroupTableModel* IdealRankingModel = nullptr;
    ESynthesisMode Mode = ESynthesisMode::Distributive;
    CGroupTableModel* ElementsModel = nullptr;
    CGroupTableModel* AggregatedModel = nullptr;
    CGroupTableModel* VectorsModel = nullptr;
    CGroupTableModel* ExpertsModel = nullptr;
    CGroupTableModel* DistancesModel = nullptr;
    CGroupTableModel* ElementDistancesModel = nullptr;
    CGroupTableModel* PairModel = nullptr;
    // The element of each row of twElements and twDistances (GroupElementOrder).
    std::vector<std::size_t> ElementRows;
    TfmTreeSensitivity* TreeSensitivity = nullptr;
    QVBoxLayout* RankingLayout = nullptr;
    // The notes and the pie: one under the other, or side by side.
    QBoxLayout* RankingLower = nullptr;
    QVBoxLayout* RankingNotes = nullptr;
    // The pie's colours by alternative when its slices go without labels; empty otherwise.
    QHash<QString, QColor> PieColours;
    // The pair of the combined matrix shown, by its elements; -1 for none.
    int PairRow = -1;
    int PairColumn = -1;
    // The group's combined matrices that are not acceptable, by the rows of twElements: their CR stands out.
    std::vector<bool> UnacceptableElements;
    int ShownElement = -1;
    int ShownDistances = -1;
    std::string GroupFile;
    // Changed in a way the undo stack does not hold (new members, a new group).
    bool ChangedBeyondSteps = true;
    bool Stale = false;
    bool Fitted = false;
    bool TablesSizedByUser = false;
    char Separator = '.';
};
