#include "AccessibleTreeWalk.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QWidget>

namespace {
constexpr int MaxDepth = 40;

bool WindowRole(QAccessible::Role role)
{
    return role == QAccessible::Window || role == QAccessible::Dialog || role == QAccessible::Application
        || role == QAccessible::AlertMessage;
}

// The controls a reader announces by name: without one it says only what kind they are.
bool NeedsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTab:
    case QAccessible::Chart:
    case QAccessible::ProgressBar:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

// Items read out for their text: blank ones are read as nothing at all.
bool ReadForItsText(QAccessible::Role role)
{
    return role == QAccessible::ListItem || role == QAccessible::StaticText || role == QAccessible::ColumnHeader
        || role == QAccessible::RowHeader || role == QAccessible::TreeItem;
}

std::string Where(QAccessibleInterface* face, const std::string& path)
{
    QString name;
    if (QObject* object = face->object(); object != nullptr) {
        name = object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                              : object->objectName();
    }
    return path + "/" + name.toStdString() + " (role " + std::to_string(static_cast<int>(face->role())) + ")";
}

// The header cells of a cell of Qt's item views are made anew by each call and never
// cached, so whoever asks for them disposes of them (through the cache, which takes
// them first).
void ReleaseHeaderCells(const QList<QAccessibleInterface*>& headers)
{
    for (QAccessibleInterface* header : headers) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
    }
}

void CheckTable(QAccessibleInterface* face, const std::string& where, std::vector<std::string>& problems)
{
    QAccessibleTableInterface* table = face->tableInterface();
    if (table == nullptr) {
        problems.push_back(where + ": a table that does not answer as one");
        return;
    }
    if (table->rowCount() == 0) {
        return;
    }
    for (int c = 0; c < table->columnCount(); ++c) {
        QAccessibleInterface* cell = table->cellAt(0, c);
        const QAccessibleTableCellInterface* cellFace = cell != nullptr ? cell->tableCellInterface() : nullptr;
        const QList<QAccessibleInterface*> headers
            = cellFace != nullptr ? cellFace->columnHeaderCells() : QList<QAccessibleInterface*>{};
        // Qt numbers the columns of a table whose header says nothing: "1", "2" ... name nothing.
        bool number = false;
        const QString header = headers.isEmpty() ? QString() : headers.front()->text(QAccessible::Name).trimmed();
        if (qobject_cast<QAbstractItemView*>(face->object()) != nullptr) {
            ReleaseHeaderCells(headers);
        }
        header.toDouble(&number);
        if (header.isEmpty() || number) {
            problems.push_back(where + ": column " + std::to_string(c) + " without a header");
        }
    }
}

void Walk(QAccessibleInterface* face, const std::string& path, int depth, std::vector<std::string>& problems)
{
    if (face == nullptr || !face->isValid() || face->state().invisible || depth > MaxDepth) {
        return;
    }
    const QAccessible::Role role = face->role();
    const std::string where = Where(face, path);
    const bool blank = face->text(QAccessible::Name).trimmed().isEmpty();
    if (NeedsName(role) && blank) {
        problems.push_back(where + ": a control without a name");
    } else if (ReadForItsText(role) && blank) {
        problems.push_back(where + ": a blank item");
    }
    if (role == QAccessible::Table) {
        CheckTable(face, where, problems);
    }
    for (int i = 0; i < face->childCount(); ++i) {
        Walk(face->child(i), where, depth + 1, problems);
    }
}
} // namespace

std::vector<std::string> AccessibleTreeProblems(QWidget* window)
{
    std::vector<std::string> problems;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
    if (face == nullptr) {
        problems.push_back(window->objectName().toStdString() + ": no accessible interface");
        return problems;
    }
    const std::string where = Where(face, std::string());
    if (!WindowRole(face->role())) {
        problems.push_back(where + ": a window without a window role");
    }
    if (face->text(QAccessible::Name).trimmed().isEmpty()) {
        problems.push_back(where + ": a window without a name");
    }
    for (int i = 0; i < face->childCount(); ++i) {
        Walk(face->child(i), where, 1, problems);
    }
    return problems;
}
