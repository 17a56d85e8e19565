#include "gui/results/DialogButtons.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QPushButton>
#include <QString>
#include <QToolButton>

QToolButton* MakeStepButton(QWidget* parent, const char* name, const QString& hint, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    return button;
}

QPushButton* AddCloseButton(QWidget* window, QBoxLayout* rows)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(QCoreApplication::translate("DialogButtons", "Закрыть"), window);
    close->setObjectName(QStringLiteral("btClose"));
    close->setAutoDefault(false);
    buttons->addWidget(close);
    rows->addLayout(buttons);
    return close;
}
