#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

class QWidget;

// The class names of the top-level widgets still alive once deferred deletions ran;
// every GUI test ends with none of its own.
std::vector<QString> LeakedTopLevelWidgets();

// Runs action on the next modal window to open (found by a zero-delay timer from
// inside its event loop); returns at once. The action must close the window.
void WhenModalOpens(std::function<void(QWidget* modal)> action);

// Shows a top-level window so that its outer size (frameGeometry, the frame the
// platform adds included) is outer: the size the project window lays itself out from.
void ShowWithOuterSize(QWidget& window, int width, int height);

// Types text into the widget one character at a time as key presses carrying the
// character (QTest::keyClicks handles only Latin-1), through the event filters.
void TypeText(QWidget* widget, const QString& text);

// Waits until window is the application's active window, the one the keys go to
// (QTest::qWaitForWindowActive also takes a dialog whose owner is active).
bool WaitUntilActive(const QWidget* window);

// The field shows name whole: its text is the whole name, and in the type the field
// draws it in, the name fits inside the field's frame. A name shown smaller than the
// field's own type carries itself as the tooltip (shrunk is true then).
void ExpectWholeName(const class QLabel* field, const QString& name, bool shrunk);

// True when a pixel within radius of (x, y) of the image is pure black.
bool BlackNear(const class QImage& image, int x, int y, int radius);

// Runs action on the modal dialog of type T as soon as it is up; if none comes the
// test fails and whatever modal is up is cancelled, so no test hangs.
template <typename T> void WhenModalOfType(std::function<void(T*)> action, int tries = 400)
{
    QTimer::singleShot(tries == 400 ? 0 : 5, [action, tries] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (window != nullptr && window->isVisible()) {
            action(window);
            return;
        }
        if (tries > 0) {
            WhenModalOfType<T>(action, tries - 1);
            return;
        }
        ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
        if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()); other != nullptr) {
            other->reject();
        }
    });
}
