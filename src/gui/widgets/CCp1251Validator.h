#pragma once

#include <QValidator>

// A name or text field that holds only what the project file can store: characters
// of Windows-1251, at most a number of stored bytes, and upper case when asked.
class CCp1251Validator final : public QValidator {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCp1251Validator)

public:
    CCp1251Validator(bool upperCase, int maxBytes, QObject* parent);
    ~CCp1251Validator() override = default;

    void SetMaxBytes(int maxBytes) { MaxBytes = maxBytes; }
    [[nodiscard]] int MaxStoredBytes() const { return MaxBytes; }

    State validate(QString& input, int& pos) const override;

    // The stored size of a text; -1 when Windows-1251 cannot hold it.
    static int StoredBytes(const QString& text);

private:
    bool UpperCase = false;
    int MaxBytes = 0;
};
