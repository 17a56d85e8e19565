#include "GuiTestHelpers.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

std::vector<QString> LeakedTopLevelWidgets()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    std::vector<QString> names;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        const QString name = QString::fromLatin1(widget->metaObject()->className());
        // Qt's own tool tip lives for the whole run.
        if (name != QStringLiteral("QTipLabel")) {
            names.push_back(name);
        }
    }
    return names;
}

namespace {
void PollForModal(const std::shared_ptr<std::function<void(QWidget*)>>& action, int triesLeft)
{
    QTimer::singleShot(0, [action, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            (*action)(modal);
            // A failed check inside the action must not leave the test waiting forever.
            if (QApplication::activeModalWidget() == modal && modal->isVisible()) {
                ADD_FAILURE() << "the modal window was left open";
                modal->close();
            }
            return;
        }
        if (triesLeft > 0) {
            PollForModal(action, triesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal window opened";
        }
    });
}
} // namespace

void WhenModalOpens(std::function<void(QWidget* modal)> action)
{
    PollForModal(std::make_shared<std::function<void(QWidget*)>>(std::move(action)), 1000);
}

void ExpectWholeName(const QLabel* field, const QString& name, bool shrunk)
{
    ASSERT_NE(field, nullptr);
    const std::string shown = field->objectName().toStdString() + " showing " + name.toStdString();
    EXPECT_EQ(field->text().toStdString(), name.toStdString()) << shown;
    const QFontMetrics metrics(field->font());
    const int room = field->contentsRect().width();
    EXPECT_LE(metrics.horizontalAdvance(name), room) << shown;
    EXPECT_LE(metrics.boundingRect(name).width(), room) << shown;
    EXPECT_EQ(field->toolTip().toStdString(), shrunk ? name.toStdString() : std::string()) << shown;
}

bool BlackNear(const QImage& image, int x, int y, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint point(x + dx, y + dy);
            if (image.valid(point) && (image.pixel(point) & 0xFFFFFFU) == 0) {
                return true;
            }
        }
    }
    return false;
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        const QString typed(character);
        const int key = character.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(widget, &release);
    }
}

void ShowWithOuterSize(QWidget& window, int width, int height)
{
    window.resize(width, height);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(width - frame.width(), height - frame.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.frameGeometry().size(), QSize(width, height));
}

bool WaitUntilActive(const QWidget* window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}
