#pragma once

#include <QString>

class QWidget;

// Menu item texts and document window titles, where a character of the text itself can
// mean something to Qt: '&' marks a menu item's mnemonic, "[*]" a title's modified mark.

// The text as a reader or a tooltip gives it: each mnemonic '&' dropped and "&&" read as
// one '&', as Qt strips it for accessibility.
QString WithoutMnemonic(const QString& text);
// A text of the user's own (a name, a path) shown in a menu item as written: every '&'
// doubled, so that none of it becomes a mnemonic.
QString LiteralMenuText(const QString& text);

// A document window's title: the caption with Qt's modified mark after it, shown as "*"
// while the window is marked modified; a "[*]" in the caption itself is kept as text.
void SetDocumentCaption(QWidget& window, const QString& caption);
// The caption SetDocumentCaption was given, without the mark.
QString DocumentCaption(const QWidget& window);
// The title as shown: the caption, followed by "*" while the window is marked modified.
QString ShownDocumentCaption(const QWidget& window);
