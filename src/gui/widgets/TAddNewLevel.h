#pragma once

#include <QDialog>

#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// How many elements a new level gets and on which side of the current level it goes.
// One instance for the whole run; it keeps the spinner and the choice between uses.
class TAddNewLevel final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAddNewLevel)

public:
    explicit TAddNewLevel(QWidget* parent = nullptr);
    ~TAddNewLevel() override = default;

    [[nodiscard]] bool Confirmed() const { return ConfirmedFlag; }
    [[nodiscard]] std::uint32_t ElementCount() const;
    // rbLeft: before the current level (the lower level index), whatever its caption says.
    [[nodiscard]] bool PlaceBefore() const;
    // The captions of the orientation last switched to.
    void SetPlacementCaptions(bool vertical);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btOkClick();
    void btCancelClick();

    QLabel* Label1 = nullptr;
    QLineEdit* edElementinLevel = nullptr;
    QSpinBox* udElementNum = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* rbRight = nullptr;
    QRadioButton* rbLeft = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;
    bool ConfirmedFlag = false;
};
