#include "ShownTexts.h"

#include <QAbstractAxis>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSeries>
#include <QAccessible>
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

#include <functional>

namespace {
constexpr int MaxRows = 60;

void Add(QStringList& texts, const QString& where, const QString& text)
{
    if (!text.trimmed().isEmpty()) {
        texts << where + QStringLiteral(": ") + text;
    }
}

void AddActions(QStringList& texts, const QString& where, const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        const QString at = where + QStringLiteral(" action ") + action->objectName();
        Add(texts, at, action->text());
        Add(texts, at, action->toolTip() == action->text().remove(QLatin1Char('&')) ? QString() : action->toolTip());
        Add(texts, at, action->statusTip());
        if (QMenu* menu = action->menu()) {
            Add(texts, at, menu->title());
            AddActions(texts, at, menu->actions());
        }
    }
}

void AddModel(QStringList& texts, const QString& where, const QAbstractItemModel* model)
{
    const std::function<void(const QModelIndex&, int)> rows = [&](const QModelIndex& parent, int depth) {
        const int count = std::min(model->rowCount(parent), MaxRows);
        for (int r = 0; r < count; ++r) {
            for (int c = 0; c < model->columnCount(parent); ++c) {
                const QModelIndex index = model->index(r, c, parent);
                for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole),
                         int(Qt::StatusTipRole), int(Qt::AccessibleDescriptionRole)}) {
                    Add(texts, where + QStringLiteral(" cell"), index.data(role).toString());
                }
            }
            if (depth < 12 && model->hasChildren(model->index(r, 0, parent))) {
                rows(model->index(r, 0, parent), depth + 1);
            }
        }
    };
    rows(QModelIndex(), 0);
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        const int count = orientation == Qt::Horizontal ? model->columnCount() : std::min(model->rowCount(), MaxRows);
        for (int s = 0; s < count; ++s) {
            for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)}) {
                Add(texts, where + QStringLiteral(" header"), model->headerData(s, orientation, role).toString());
            }
        }
    }
}

void AddChart(QStringList& texts, const QString& where, QChart* chart)
{
    Add(texts, where, chart->title());
    for (QAbstractAxis* axis : chart->axes()) {
        Add(texts, where + QStringLiteral(" axis"), axis->titleText());
    }
    for (QAbstractSeries* series : chart->series()) {
        Add(texts, where + QStringLiteral(" series"), series->name());
        if (auto* pie = qobject_cast<QPieSeries*>(series)) {
            for (QPieSlice* slice : pie->slices()) {
                Add(texts, where + QStringLiteral(" slice"), slice->label());
            }
        }
        if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                Add(texts, where + QStringLiteral(" bars"), set->label());
            }
        }
    }
}
} // namespace

bool HasCyrillic(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) {
            return true;
        }
    }
    return false;
}

QStringList ShownTexts(QWidget* root)
{
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QString where = QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
            + widget->objectName() + QStringLiteral(" in ") + widget->window()->objectName();
        if (widget->isWindow()) {
            Add(texts, where + QStringLiteral(" title"), widget->windowTitle());
        }
        Add(texts, where + QStringLiteral(" tooltip"), widget->toolTip());
        Add(texts, where + QStringLiteral(" status tip"), widget->statusTip());
        Add(texts, where + QStringLiteral(" what's this"), widget->whatsThis());
        Add(texts, where + QStringLiteral(" accessible name"), widget->accessibleName());
        Add(texts, where + QStringLiteral(" accessible description"), widget->accessibleDescription());
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget)) {
            Add(texts, where + QStringLiteral(" read"), face->text(QAccessible::Name));
            Add(texts, where + QStringLiteral(" read"), face->text(QAccessible::Description));
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            Add(texts, where, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            Add(texts, where, button->text());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            Add(texts, where, box->title());
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            Add(texts, where, line->text());
            Add(texts, where + QStringLiteral(" placeholder"), line->placeholderText());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                Add(texts, where + QStringLiteral(" item"), combo->itemText(i));
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                Add(texts, where + QStringLiteral(" tab"), tabs->tabText(i));
                Add(texts, where + QStringLiteral(" tab tooltip"), tabs->tabToolTip(i));
            }
        } else if (auto* text = qobject_cast<QTextEdit*>(widget)) {
            Add(texts, where, text->toPlainText());
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
            Add(texts, where, plain->toPlainText());
        } else if (auto* chart = qobject_cast<QChartView*>(widget)) {
            AddChart(texts, where, chart->chart());
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(widget); view != nullptr && view->model() != nullptr) {
            AddModel(texts, where, view->model());
        }
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            Add(texts, where, menu->title());
        }
        AddActions(texts, where, widget->actions());
    }
    return texts;
}

QStringList CyrillicTexts(QWidget* root, const QStringList& userData)
{
    QStringList found;
    for (QString text : ShownTexts(root)) {
        QString checked = text;
        for (const QString& data : userData) {
            checked.remove(data);
        }
        if (HasCyrillic(checked)) {
            found << text;
        }
    }
    found.removeDuplicates();
    return found;
}
