#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

class CProjectDocument;
class CRatingTableModel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QUndoStack;

// The "Оценки" window of a rated tree: the alternatives' ratings on every rated
// criterion, with their scores, shares and places, sortable by any column and filtered by
// name. A digit k gives the cell the k-th intensity of its scale, 0 or Delete makes it not
// rated, Enter offers the scale's intensities; every rating and every import is one undo
// step. It shows the document anew after every step of the project, undone ones included.
class TfmRatings final : public QWidget {
    Q_OBJECT

public:
    // finishStep ends a step the window began on the document: the refusal (empty when
    // the edit was made) and the step's name, as the project window ends its own.
    TfmRatings(CProjectDocument& document, QUndoStack& steps,
        std::function<void(const std::string& refusal, const std::string& stepName)> finishStep,
        QWidget* parent = nullptr);
    ~TfmRatings() override;
    TfmRatings(const TfmRatings&) = delete;
    TfmRatings& operator=(const TfmRatings&) = delete;
    TfmRatings(TfmRatings&&) = delete;
    TfmRatings& operator=(TfmRatings&&) = delete;

    [[nodiscard]] QTableView* Table() const { return tbRatings; }
    // Shown and in front, the cursor in the criterion's column (any node: the first column).
    void ShowCriterion(std::uint32_t node);
    // Sets the cell under the cursor: an intensity's index or NotRated.
    void RateCurrent(std::int32_t intensity);
    void ImportClick();
    void ExportClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();
    // The names in their table, the ratings and figures in theirs.
    void ArrangeColumns();
    void ChooseIntensity();

    CProjectDocument& Document;
    std::function<void(const std::string&, const std::string&)> FinishStep;
    CRatingTableModel* TableModel = nullptr;
    QSortFilterProxyModel* SortedModel = nullptr;
    QTableView* tbNames = nullptr;
    QTableView* tbRatings = nullptr;
    QLineEdit* edFilter = nullptr;
    QPushButton* btImport = nullptr;
    QPushButton* btExport = nullptr;
    // The folder of the last file imported or exported.
    QString Directory;
};
