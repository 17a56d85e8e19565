#pragma once

#include <QDialog>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The new-project dialog: goal, number of levels, elements per level and a comment.
// One instance for the whole run; the frame resets it before each use.
class TCreateUserProject final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCreateUserProject)

public:
    explicit TCreateUserProject(QWidget* parent = nullptr);
    ~TCreateUserProject() override = default;

    // Empties the goal, both counts and the comment.
    void Reset();
    // True only when the dialog was closed through a valid "Да".
    [[nodiscard]] bool Confirmed() const { return ConfirmedFlag; }
    [[nodiscard]] QString GoalText() const;
    [[nodiscard]] QString CommentText() const;
    // Leading-number conversion, read as unsigned (so "-5" is a huge count).
    [[nodiscard]] std::uint32_t LevelCount() const;
    [[nodiscard]] std::uint32_t ElementCount() const;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void btOkClick();
    void btCancelClick();

    QFrame* UserProjectBevel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edProjectAim = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* edLevelNum = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* edMaxCriteria = nullptr;
    QLabel* Label5 = nullptr;
    QPlainTextEdit* UserProjectMemo = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;
    bool ConfirmedFlag = false;
};
