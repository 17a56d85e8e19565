#pragma once

#include <QDialog>

class CCp1251Validator;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Renames an element and edits its comment. One instance for the whole run; it keeps
// its texts between uses, only the fields loaded by the caller change.
class TfmElementEdit final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmElementEdit)

public:
    explicit TfmElementEdit(QWidget* parent = nullptr);
    ~TfmElementEdit() override = default;

    // The element's name and comment; the goal may have a longer name. An empty
    // comment clears the memo, so no other element's comment is shown or saved.
    void LoadElement(const QString& name, const QString& comment, bool goal);

    [[nodiscard]] bool Confirmed() const { return ConfirmedFlag; }
    [[nodiscard]] QString ElementName() const;
    [[nodiscard]] QString ElementComment() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btOkClick();
    void btCancelClick();

    QFrame* Bevel1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* edElementEdit = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* mmElementMemo = nullptr;
    QPushButton* btOk = nullptr;
    QPushButton* btCancel = nullptr;
    CCp1251Validator* NameValidator = nullptr;
    bool ConfirmedFlag = false;
};
