#pragma once

// Keys as a keyboard user gives them in a walk through the real windows: to an open menu,
// else to the widget that has the keyboard.
#include "support/GuiTestHelpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace keywalk {

inline QWidget* KeyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        return popup;
    }
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : QApplication::activeWindow();
}

inline void Press(QKeyCombination key)
{
    QWidget* target = KeyTarget();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

inline void Type(const QString& text)
{
    TypeText(KeyTarget(), text);
}

// Alt and a Cyrillic letter, as the menus' mnemonics take it.
inline void AltLetter(QChar letter)
{
    ASSERT_NE(KeyTarget(), nullptr) << "no window has the keyboard";
    const int key = letter.toUpper().unicode();
    QKeyEvent press(QEvent::KeyPress, key, Qt::AltModifier, QString(letter));
    QApplication::sendEvent(KeyTarget(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::AltModifier, QString(letter));
    QApplication::sendEvent(KeyTarget(), &release);
}

// The window manager hands the keyboard back when a dialog closes; the offscreen
// platform does not.
inline void SwitchTo(QWidget* window)
{
    window->activateWindow();
    ASSERT_TRUE(WaitUntilActive(window));
}

} // namespace keywalk
