#include "gui/widgets/TAddNewLevel.h"

#include "core/model/ModelConstants.h"
#include "gui/widgets/DialogPlacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr int InitialElementCount = 5;
} // namespace

TAddNewLevel::TAddNewLevel(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TAddNewLevel"));
    SetUpFixedDialog(*this, tr("Добавление нового уровня"), 293, 162);

    Label1 = new QLabel(tr("Число элементов в новом уровне:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 14, 222, 17);

    edElementinLevel = new QLineEdit(QString::number(InitialElementCount), this);
    edElementinLevel->setObjectName(QStringLiteral("edElementinLevel"));
    edElementinLevel->setReadOnly(true);
    edElementinLevel->setGeometry(234, 11, 30, 22);

    // The spinner is only the arrows beside the read-only field, which shows the count.
    udElementNum = new QSpinBox(this);
    udElementNum->setObjectName(QStringLiteral("udElementNum"));
    udElementNum->setRange(static_cast<int>(MinElementsPerLevel), static_cast<int>(MaxElementsPerLevel));
    udElementNum->setValue(InitialElementCount);
    udElementNum->setWrapping(false);
    udElementNum->setGeometry(264, 11, 19, 22);
    udElementNum->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; selection-color: transparent; }"));
    // The field and its arrows both carry the caption before them for a screen reader.
    Label1->setBuddy(udElementNum);
    edElementinLevel->setAccessibleName(Label1->text());
    connect(udElementNum, &QSpinBox::valueChanged, this,
        [this](int value) { edElementinLevel->setText(QString::number(value)); });

    RadioGroup1 = new QGroupBox(tr("Способ размещения"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(12, 44, 269, 72);
    rbRight = new QRadioButton(tr("Справа от текущего уровня"), RadioGroup1);
    rbRight->setObjectName(QStringLiteral("rbRight"));
    rbRight->setGeometry(12, 20, 245, 20);
    rbLeft = new QRadioButton(tr("Слева от текущего уровня"), RadioGroup1);
    rbLeft->setObjectName(QStringLiteral("rbLeft"));
    rbLeft->setGeometry(12, 44, 245, 20);
    rbRight->setChecked(true);

    btOk = new QPushButton(tr("Да"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setGeometry(112, 127, 80, 25);
    btCancel = new QPushButton(tr("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(201, 127, 80, 25);
    connect(btOk, &QPushButton::clicked, this, [this] { btOkClick(); });
    connect(btCancel, &QPushButton::clicked, this, [this] { btCancelClick(); });
}

std::uint32_t TAddNewLevel::ElementCount() const
{
    return static_cast<std::uint32_t>(udElementNum->value());
}

bool TAddNewLevel::PlaceBefore() const
{
    return rbLeft->isChecked();
}

void TAddNewLevel::SetPlacementCaptions(bool vertical)
{
    rbLeft->setText(vertical ? tr("Выше от текущего уровня") : tr("Слева от текущего уровня"));
    rbRight->setText(vertical ? tr("Ниже от текущего уровня") : tr("Справа от текущего уровня"));
}

void TAddNewLevel::showEvent(QShowEvent* event)
{
    CentreOnOwner(*this);
    QDialog::showEvent(event);
}

void TAddNewLevel::btOkClick()
{
    ConfirmedFlag = true;
    accept();
}

void TAddNewLevel::btCancelClick()
{
    reject();
}

void TAddNewLevel::reject()
{
    // Cancel and closing by key both leave the structure as it was.
    ConfirmedFlag = false;
    QDialog::reject();
}
