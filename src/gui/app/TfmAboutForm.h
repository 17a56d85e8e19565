#pragma once

#include <QDialog>

class QPushButton;

// The fixed About box, shown modally from the frame's help menu.
class TfmAboutForm final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmAboutForm)

public:
    explicit TfmAboutForm(QWidget* parent = nullptr);
    ~TfmAboutForm() override = default;

    void btOkClick();

private:
    QPushButton* btOk = nullptr;
};
