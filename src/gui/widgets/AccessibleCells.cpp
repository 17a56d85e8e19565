#include "gui/widgets/AccessibleCells.h"

#include <QAbstractItemView>
#include <QAccessible>

namespace {
void ForgetAccessibleCells(QAbstractItemView& view)
{
    // While accessibility is active Qt moves the cells itself, and a reader may hold them.
    if (QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&view);
    if (face != nullptr && face->tableInterface() != nullptr) {
        QAccessibleTableModelChangeEvent reset(&view, QAccessibleTableModelChangeEvent::ModelReset);
        face->tableInterface()->modelChange(&reset);
    }
}
} // namespace

void KeepAccessibleCellsInStep(QAbstractItemView& view)
{
    QAbstractItemModel* model = view.model();
    if (model == nullptr) {
        return;
    }
    const auto forget = [&view] { ForgetAccessibleCells(view); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, &view, forget);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, &view, forget);
    QObject::connect(model, &QAbstractItemModel::rowsMoved, &view, forget);
    QObject::connect(model, &QAbstractItemModel::columnsInserted, &view, forget);
    QObject::connect(model, &QAbstractItemModel::columnsRemoved, &view, forget);
    QObject::connect(model, &QAbstractItemModel::columnsMoved, &view, forget);
    QObject::connect(model, &QAbstractItemModel::modelReset, &view, forget);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, &view, forget);
}
