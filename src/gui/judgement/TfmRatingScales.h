#pragma once

#include "gui/widgets/CSharedWindow.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>

class CProjectDocument;
class QLabel;
class QPushButton;
class QTreeWidget;
class TfmExpertForm;

// The scales of a rated tree: each with its intensities best first, their priorities
// and ideal values, its consistency and a warning when the ideal values do not fall in
// the listed order. A scale is added (a ready one or a new one), renamed, given other
// intensities, removed, or judged in the comparison window; each change is one undo
// step of the project, made through finishStep as the tree window makes its own.
class TfmRatingScales final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmRatingScales)

public:
    // finishStep ends the step begun on the document: the refusal shown, or the step
    // kept under its name; false when refused.
    TfmRatingScales(CProjectDocument& document,
        std::function<bool(const std::string& refusal, const std::string& stepName)> finishStep,
        CSharedWindow<TfmExpertForm> expertForm, QWidget* parent = nullptr);
    ~TfmRatingScales() override = default;

    // The document's scales shown anew, the cursor on scale (clamped to the list).
    void ShowScales(std::uint32_t scale = 0);
    [[nodiscard]] QTreeWidget* ScaleList() const { return lvScales; }
    [[nodiscard]] QTreeWidget* IntensityList() const { return lvIntensities; }
    // The scale under the list's cursor (0 when none).
    [[nodiscard]] std::uint32_t CurrentScale() const;

    void btAddScaleClick();
    void btRenameScaleClick();
    void btEditIntensitiesClick();
    void btRemoveScaleClick();
    void btCompareScaleClick();

private:
    void CreateControls();
    void ShowCurrentScale();
    // Runs edit on the document as one undo step named stepName; then the list shows the
    // document again, the cursor on scale.
    void Step(const std::function<std::string()>& edit, const std::string& stepName, std::uint32_t scale);

    CProjectDocument& Document;
    std::function<bool(const std::string&, const std::string&)> FinishStep;
    CSharedWindow<TfmExpertForm> ExpertForm;
    QTreeWidget* lvScales = nullptr;
    QTreeWidget* lvIntensities = nullptr;
    QLabel* lbConsistency = nullptr;
    QLabel* lbOutOfOrder = nullptr;
    QPushButton* btAddScale = nullptr;
    QPushButton* btRenameScale = nullptr;
    QPushButton* btEditIntensities = nullptr;
    QPushButton* btRemoveScale = nullptr;
    QPushButton* btCompareScale = nullptr;
    QPushButton* btClose = nullptr;
};
