#pragma once

#include "core/storage/GroupFile.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CGroupDecision;
class QChartView;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPieSeries;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableWidget;

// The group window, a child of the frame's document area: the group ranking with both
// aggregations of the experts' priorities, each expert's priorities and places, the
// pie and the agreement ("Рейтинг"); every judged element's agreement, with the
// combined judgements, their spread and the experts' vectors of the element chosen
// ("Элементы"); the experts' weights, their own rankings and how far each lies from the
// group ("Эксперты"). A change of a weight recomputes the whole window at once. The
// window owns its group; its file (a group file, or none yet) and whether the group
// changed since it was saved are kept here for the group lifecycle.
class TfmGroupDecision final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmGroupDecision)

public:
    explicit TfmGroupDecision(std::unique_ptr<CGroupDecision> decision, QWidget* parent = nullptr);
    ~TfmGroupDecision() override;

    [[nodiscard]] const CGroupDecision& Decision() const { return *Group; }
    // Another group in this window (the members changed); every tab shows it.
    void ReplaceDecision(std::unique_ptr<CGroupDecision> decision);
    // The members as they stand, with their weights as the window has them.
    [[nodiscard]] std::vector<CGroupMember> Members() const;

    // The group file the window is bound to ("" for a group never saved); the caption
    // follows: "Групповое решение - " and the file, or the goal's name.
    [[nodiscard]] const std::string& FileName() const { return GroupFile; }
    void SetFileName(const std::string& fileName);
    // Changed since the group was read from or saved to its file (a group never saved
    // counts as changed).
    [[nodiscard]] bool Modified() const { return Changed; }
    void SetModified(bool modified);

    // Asked before the window closes; false keeps it open.
    std::function<bool(TfmGroupDecision&)> MayClose;

    // ---- the controls, named for tests and screen readers
    QLabel* lbGroupSummary = nullptr;
    QPushButton* btGroupMembers = nullptr;
    QPushButton* btSaveGroup = nullptr;
    QPushButton* btSaveGroupAs = nullptr;
    QTabWidget* tcGroup = nullptr;
    // Рейтинг
    QTableWidget* twRanking = nullptr;
    QChartView* chGroupChart = nullptr;
    QPieSeries* srGroupPie = nullptr;
    QLabel* lbOverallConsensus = nullptr;
    QLabel* lbFinalAgreement = nullptr;
    QLabel* lbRankingNotes = nullptr;
    // Элементы
    QSplitter* spElements = nullptr;
    QSplitter* spElementTables = nullptr;
    QTableWidget* twElements = nullptr;
    QLabel* lbElementTitle = nullptr;
    QTableWidget* twAggregated = nullptr;
    QTableWidget* twExpertVectors = nullptr;
    QLabel* lbElementMeasures = nullptr;
    QLabel* lbElementNotes = nullptr;
    // Эксперты
    QCheckBox* cbUseWeights = nullptr;
    QTableWidget* twExperts = nullptr;
    QTableWidget* twDistances = nullptr;

    // The weight box of an expert (the "Вес" column of twExperts).
    [[nodiscard]] QDoubleSpinBox* WeightBox(std::size_t expert) const;

    // The columns of twExperts.
    static constexpr int ExpertWeightColumn = 3;
    static constexpr int ExpertShareColumn = 4;
    static constexpr int ExpertRankingColumn = 5;

signals:
    void MembersRequested(TfmGroupDecision* window);
    void SaveRequested(TfmGroupDecision* window);
    void SaveAsRequested(TfmGroupDecision* window);
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
    // Every figure again, the experts' weight boxes kept (one may be in use).
    void ShowFigures();
    void ShowRanking();
    void ShowElements();
    void ShowElementDetails(int row);
    void ShowExperts();
    void ShowExpertFigures();
    void ShowSummary();
    void UpdateCaption();
    // The splitters share their room by what the tables hold: the elements' list no
    // taller than its rows, the combined matrix no wider than its columns.
    void FitSplitters();
    // The matrix and the experts' vectors share their row by their widths, until the user
    // moves the handle between them.
    void FitElementTables();
    void WeightChanged(std::size_t expert, double weight);
    void UseWeightsToggled(bool use);

    std::unique_ptr<CGroupDecision> Group;
    std::string GroupFile;
    bool Changed = true;
    bool Fitted = false;
    bool TablesSizedByUser = false;
    char Separator = '.';
};
