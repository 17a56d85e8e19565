#include "gui/widgets/MenuText.h"

#include <QWidget>

namespace {
const QString Mark = QStringLiteral("[*]");
const QString EscapedMark = QStringLiteral("[*][*]");
} // namespace

QString WithoutMnemonic(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            ++i;
            if (i == text.size()) {
                break;
            }
        }
        plain.append(text.at(i));
    }
    return plain;
}

QString LiteralMenuText(const QString& text)
{
    QString literal = text;
    literal.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return literal;
}

void SetDocumentCaption(QWidget& window, const QString& caption)
{
    // Qt reads a doubled mark as the text "[*]".
    QString title = caption;
    title.replace(Mark, EscapedMark);
    window.setWindowTitle(title + Mark);
}

QString DocumentCaption(const QWidget& window)
{
    QString caption = window.windowTitle();
    if (caption.endsWith(Mark)) {
        caption.chop(Mark.size());
    }
    caption.replace(EscapedMark, Mark);
    return caption;
}

QString ShownDocumentCaption(const QWidget& window)
{
    return DocumentCaption(window) + (window.isWindowModified() ? QStringLiteral("*") : QString());
}
