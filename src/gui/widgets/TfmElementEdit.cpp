#include "gui/widgets/TfmElementEdit.h"

#include "core/model/ModelConstants.h"
#include "gui/widgets/CCp1251MemoFilter.h"
#include "gui/widgets/CCp1251Validator.h"
#include "gui/widgets/DialogPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TfmElementEdit::TfmElementEdit(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfmElementEdit"));
    SetUpFixedDialog(*this, tr("Редактирование элемента"), 394, 206);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 12, 378, 148);
    // A space each side parts the heading from the frame's line it sits on.
    Label3 = new QLabel(QLatin1Char(' ') + tr("Редактирование текущего элемента") + QLatin1Char(' '), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAutoFillBackground(true); // the heading sits on the frame's top line
    Label3->move(18, 4);
    Label3->adjustSize();

    Label1 = new QLabel(tr("Наименование элемента:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(20, 28, 354, 17);
    edElementEdit = new QLineEdit(this);
    edElementEdit->setObjectName(QStringLiteral("edElementEdit"));
    edElementEdit->setGeometry(20, 46, 354, 22);
    NameValidator = new CCp1251Validator(true, static_cast<int>(MaxElementNameLength), edElementEdit);
    edElementEdit->setValidator(NameValidator);
    edElementEdit->setMaxLength(static_cast<int>(MaxElementNameLength));

    Label2 = new QLabel(tr("Комментарии"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(20, 74, 354, 17);
    mmElementMemo = new QPlainTextEdit(this);
    mmElementMemo->setObjectName(QStringLiteral("mmElementMemo"));
    mmElementMemo->setGeometry(20, 92, 354, 60);
    mmElementMemo->setTabChangesFocus(true);
    new CCp1251MemoFilter(*mmElementMemo, static_cast<int>(MaxCommentLength));
    // Each field is named by the caption above it, as a screen reader announces it.
    Label1->setBuddy(edElementEdit);
    Label2->setBuddy(mmElementMemo);

    btOk = new QPushButton(tr("Да"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setGeometry(206, 171, 85, 25);
    btCancel = new QPushButton(tr("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(300, 171, 85, 25);
    connect(btOk, &QPushButton::clicked, this, [this] { btOkClick(); });
    connect(btCancel, &QPushButton::clicked, this, [this] { btCancelClick(); });
}

void TfmElementEdit::LoadElement(const QString& name, const QString& comment, bool goal)
{
    // The limit first: the field would cut a goal's name to the old limit.
    const int limit = static_cast<int>(goal ? MaxGoalNameLength : MaxElementNameLength);
    NameValidator->SetMaxBytes(limit);
    edElementEdit->setMaxLength(limit);
    edElementEdit->setText(name);
    mmElementMemo->setPlainText(comment);
}

QString TfmElementEdit::ElementName() const
{
    return edElementEdit->text();
}

QString TfmElementEdit::ElementComment() const
{
    return mmElementMemo->toPlainText();
}

void TfmElementEdit::showEvent(QShowEvent* event)
{
    CentreOnOwner(*this);
    QDialog::showEvent(event);
    // Each opening is for typing a name: the keyboard in the name field, its text
    // selected, never on a button left focused by the last closing.
    edElementEdit->setFocus(Qt::OtherFocusReason);
    edElementEdit->selectAll();
}

void TfmElementEdit::btOkClick()
{
    ConfirmedFlag = true;
    accept();
}

void TfmElementEdit::btCancelClick()
{
    reject();
}

void TfmElementEdit::reject()
{
    ConfirmedFlag = false;
    QDialog::reject();
}
