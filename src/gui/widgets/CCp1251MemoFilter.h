#pragma once

#include <QObject>

class QPlainTextEdit;

// The memo's counterpart of CCp1251Validator: whatever arrives (typed or pasted),
// characters Windows-1251 cannot hold are dropped and the text is cut to the limit.
class CCp1251MemoFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCp1251MemoFilter)

public:
    CCp1251MemoFilter(QPlainTextEdit& memo, int maxBytes);
    ~CCp1251MemoFilter() override = default;

    // The memo's text made storable; the cursor stays where the user was typing.
    void Enforce();

    // Drops what the code page cannot hold and cuts to maxBytes stored bytes.
    static QString Storable(const QString& text, int maxBytes);

private:
    QPlainTextEdit& Memo;
    int MaxBytes = 0;
    bool Enforcing = false;
};
