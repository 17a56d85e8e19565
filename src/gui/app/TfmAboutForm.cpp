#include "gui/app/TfmAboutForm.h"

#include "TessalyVersion.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfmAboutForm::TfmAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("fmAboutForm"));
    setWindowTitle(tr(" О программе"));
    setModal(true);

    auto* title = new QLabel(QStringLiteral("TESSALY " TESSALY_VERSION), this);
    title->setObjectName(QStringLiteral("lbTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    title->setFont(titleFont);
    auto* purpose = new QLabel(tr("программа поддержки принятия рациональных решений"), this);
    purpose->setObjectName(QStringLiteral("lbPurpose"));
    auto* beta = new QLabel(tr("Beta версия"), this);
    beta->setObjectName(QStringLiteral("lbBeta"));
    btOk = new QPushButton(tr("Да"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    connect(btOk, &QPushButton::clicked, this, &TfmAboutForm::btOkClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(8);
    for (QLabel* label : {title, purpose, beta}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(8);
    layout->addWidget(btOk, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());
}

void TfmAboutForm::btOkClick()
{
    accept();
}
