#pragma once

#include <QDialog>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The verbal scale: one pairwise judgement stated in words. Created once for the
// whole run and shown modally for each judged cell.
class TfmExpertScale final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmExpertScale)

public:
    explicit TfmExpertScale(QWidget* parent = nullptr);
    ~TfmExpertScale() override;

    void SetUpperName(const QString& name);
    void SetObjectA(const QString& name);
    void SetObjectB(const QString& name);
    void SelectLine(std::int32_t line);

    [[nodiscard]] bool Accepted() const { return AcceptedFlag; }
    // The value of the line accepted last; 1 for an empty line or none.
    [[nodiscard]] std::int32_t ChosenValue() const;
    [[nodiscard]] std::int32_t ChosenLine() const { return ChosenLineIndex; }

    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QFrame* Bevel4 = nullptr;
    QFrame* Bevel5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edObjectA = nullptr;
    QLineEdit* edObjectB = nullptr;
    QLabel* stUpperLevel = nullptr;
    QListWidget* lbExpertScale = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lbExpertScaleDblClick();
    void btOkClick();
    void btCancelClick();
    void AcceptSelected();
    // Return accepts, Up and Down step over the empty lines; true when the key was one of these.
    bool ScaleKey(int key);

    std::int32_t ChosenLineIndex = 0;
    bool AcceptedFlag = false;
};
