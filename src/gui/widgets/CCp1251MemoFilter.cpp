#include "gui/widgets/CCp1251MemoFilter.h"

#include "core/storage/Codec1251.h"
#include "gui/widgets/CCp1251Validator.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

CCp1251MemoFilter::CCp1251MemoFilter(QPlainTextEdit& memo, int maxBytes)
    : QObject(&memo)
    , Memo(memo)
    , MaxBytes(maxBytes)
{
    connect(&Memo, &QPlainTextEdit::textChanged, this, &CCp1251MemoFilter::Enforce);
}

QString CCp1251MemoFilter::Storable(const QString& text, int maxBytes)
{
    const int bytes = CCp1251Validator::StoredBytes(text);
    if (bytes >= 0 && bytes <= maxBytes) {
        return text;
    }
    QString kept;
    int keptBytes = 0;
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        const int size = CCp1251Validator::StoredBytes(character);
        if (size <= 0) {
            continue;
        }
        if (keptBytes + size > maxBytes) {
            break;
        }
        kept += character;
        keptBytes += size;
    }
    return kept;
}

void CCp1251MemoFilter::Enforce()
{
    if (Enforcing) {
        return;
    }
    const QString text = Memo.toPlainText();
    const QString kept = Storable(text, MaxBytes);
    if (kept == text) {
        return;
    }
    Enforcing = true;
    const int cursor = Memo.textCursor().position();
    const int before = static_cast<int>(Storable(text.left(cursor), MaxBytes).size());
    Memo.setPlainText(kept);
    QTextCursor place = Memo.textCursor();
    place.setPosition(std::min(before, static_cast<int>(kept.size())));
    Memo.setTextCursor(place);
    Enforcing = false;
}
