#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every text a window can show or say, hidden parts included: titles, labels, buttons,
// tooltips, status tips, accessible names and descriptions, fields and their
// placeholders, lists, tables and their headers, tabs, menus and their items, charts
// (titles, axes, series, slices), documents; each as "where: text".
QStringList ShownTexts(QWidget* root);

// The texts of ShownTexts holding a Cyrillic letter once every piece of the user's own
// data (names, comments) is taken out.
QStringList CyrillicTexts(QWidget* root, const QStringList& userData = {});
bool HasCyrillic(const QString& text);
