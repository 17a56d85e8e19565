#include "gui/widgets/CCp1251Validator.h"

#include "core/storage/Codec1251.h"

CCp1251Validator::CCp1251Validator(bool upperCase, int maxBytes, QObject* parent)
    : QValidator(parent)
    , UpperCase(upperCase)
    , MaxBytes(maxBytes)
{
}

int CCp1251Validator::StoredBytes(const QString& text)
{
    const std::string utf8 = text.toStdString();
    if (!IsCp1251Representable(utf8)) {
        return -1;
    }
    return static_cast<int>(Utf8ToCp1251(utf8).size());
}

QValidator::State CCp1251Validator::validate(QString& input, int& /*pos*/) const
{
    if (UpperCase) {
        // Letter by letter: a capital the code page lacks (the capital of µ) keeps its
        // small letter rather than becoming text that cannot be saved.
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QString upper = QString(input[i]).toUpper();
            if (upper.size() == 1 && upper[0] != input[i] && IsCp1251Representable(upper.toStdString())) {
                input[i] = upper[0];
            }
        }
    }
    const int bytes = StoredBytes(input);
    if (bytes < 0 || bytes > MaxBytes) {
        return Invalid;
    }
    return Acceptable;
}
