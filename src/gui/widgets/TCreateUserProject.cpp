#include "gui/widgets/TCreateUserProject.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/ModelConstants.h"
#include "core/model/ModelPhrases.h"
#include "gui/widgets/CCp1251MemoFilter.h"
#include "gui/widgets/CCp1251Validator.h"
#include "gui/widgets/CUserDialogs.h"
#include "gui/widgets/DialogPlacement.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The count fields take digits and Backspace; every other typed character is
// dropped. Keys that type nothing (arrows, Delete, Tab, Enter) keep their meaning.
bool CountKeyPasses(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const QString text = key.text();
    if (text.isEmpty()) {
        return true;
    }
    return text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, width, 17);
    return label;
}
} // namespace

TCreateUserProject::TCreateUserProject(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TCreateUserProject"));
    SetUpFixedDialog(*this, tr("Создание нового проекта"), 434, 213);

    UserProjectBevel = new QFrame(this);
    UserProjectBevel->setObjectName(QStringLiteral("UserProjectBevel"));
    UserProjectBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    UserProjectBevel->setGeometry(8, 12, 418, 158);
    Label2 = new QLabel(tr("Параметры нового проекта"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAutoFillBackground(true); // the heading sits on the frame's top line
    Label2->move(18, 4);
    Label2->adjustSize();

    Label1 = MakeLabel(this, "Label1", tr("Цель проекта"), 20, 28, 214);
    edProjectAim = new QLineEdit(this);
    edProjectAim->setObjectName(QStringLiteral("edProjectAim"));
    edProjectAim->setGeometry(20, 46, 214, 22);
    edProjectAim->setValidator(new CCp1251Validator(true, static_cast<int>(MaxGoalNameLength), edProjectAim));
    edProjectAim->setMaxLength(static_cast<int>(MaxGoalNameLength));

    Label3 = MakeLabel(this, "Label3", tr("Число уровней в иерархии:"), 20, 76, 214);
    edLevelNum = new QLineEdit(this);
    edLevelNum->setObjectName(QStringLiteral("edLevelNum"));
    edLevelNum->setGeometry(20, 94, 70, 22);
    edLevelNum->installEventFilter(this);

    Label4 = MakeLabel(this, "Label4", tr("Максимальное число элементов:"), 20, 122, 214);
    edMaxCriteria = new QLineEdit(this);
    edMaxCriteria->setObjectName(QStringLiteral("edMaxCriteria"));
    edMaxCriteria->setGeometry(20, 140, 70, 22);
    edMaxCriteria->installEventFilter(this);

    Label5 = MakeLabel(this, "Label5", tr("Комментарии"), 244, 28, 172);
    UserProjectMemo = new QPlainTextEdit(this);
    UserProjectMemo->setObjectName(QStringLiteral("UserProjectMemo"));
    UserProjectMemo->setGeometry(244, 46, 172, 116);
    UserProjectMemo->setTabChangesFocus(true);
    new CCp1251MemoFilter(*UserProjectMemo, static_cast<int>(MaxCommentLength));

    btOk = new QPushButton(tr("Да"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setGeometry(246, 179, 85, 25);
    btCancel = new QPushButton(tr("Отменить"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(340, 179, 85, 25);
    connect(btOk, &QPushButton::clicked, this, [this] { btOkClick(); });
    connect(btCancel, &QPushButton::clicked, this, [this] { btCancelClick(); });

    // Each field is named by the caption above it, as a screen reader announces it.
    Label1->setBuddy(edProjectAim);
    Label3->setBuddy(edLevelNum);
    Label4->setBuddy(edMaxCriteria);
    Label5->setBuddy(UserProjectMemo);

    setTabOrder(btOk, edProjectAim);
    setTabOrder(edProjectAim, edLevelNum);
    setTabOrder(edLevelNum, edMaxCriteria);
    setTabOrder(edMaxCriteria, UserProjectMemo);
    setTabOrder(UserProjectMemo, btCancel);
    // Return in a field means "Да": left to Qt, the button after the first focused one in
    // the tab order, "Отменить", would take it and drop what was typed.
    btOk->setDefault(true);
}

void TCreateUserProject::Reset()
{
    edProjectAim->clear();
    edLevelNum->clear();
    edMaxCriteria->clear();
    UserProjectMemo->clear();
}

QString TCreateUserProject::GoalText() const
{
    return edProjectAim->text();
}

QString TCreateUserProject::CommentText() const
{
    return UserProjectMemo->toPlainText();
}

std::uint32_t TCreateUserProject::LevelCount() const
{
    return LeadingNumber(edLevelNum->text().toStdString());
}

std::uint32_t TCreateUserProject::ElementCount() const
{
    return LeadingNumber(edMaxCriteria->text().toStdString());
}

bool TCreateUserProject::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == edLevelNum || watched == edMaxCriteria) && event->type() == QEvent::KeyPress
        && !CountKeyPasses(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCreateUserProject::showEvent(QShowEvent* event)
{
    CentreOnOwner(*this);
    QDialog::showEvent(event);
    btOk->setFocus(); // first in the tab order
}

void TCreateUserProject::btOkClick()
{
    const ENewProjectCheck check = CheckNewProject(
        edProjectAim->text().toStdString(), edLevelNum->text().toStdString(), edMaxCriteria->text().toStdString());
    if (check != ENewProjectCheck::Ok) {
        // The dialog stays open with what the user typed.
        UserDialogs().Inform(this, QString::fromStdString(NewProjectCheckSentence(check)), QStringLiteral("Message"));
        return;
    }
    ConfirmedFlag = true;
    accept();
}

void TCreateUserProject::btCancelClick()
{
    reject();
}

void TCreateUserProject::reject()
{
    ConfirmedFlag = false;
    QDialog::reject();
}
