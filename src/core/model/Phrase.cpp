#include "core/model/Phrase.h"

#include "core/model/PhraseCatalogue.h"

#include <string>
#include <utility>
#include <vector>

namespace {
CPhraseTranslator& Translator()
{
    static CPhraseTranslator translator;
    return translator;
}

std::string Translated(const CPhrase& phrase, int count)
{
    const CPhraseTranslator& translator = Translator();
    return translator ? translator(phrase.Context, phrase.Source, count)
                      : CatalogueText(ELanguage::Russian, phrase.Context, phrase.Source, count);
}
} // namespace

void SetPhraseTranslator(CPhraseTranslator translator)
{
    Translator() = std::move(translator);
}

std::string Tr(const CPhrase& phrase)
{
    return Translated(phrase, -1);
}

std::string Tr(const CPhrase& phrase, int count)
{
    return Translated(phrase, count);
}

std::string FillArguments(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> given(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto digit = [&text](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
        if (text[i] == '%' && digit(i + 1) && text[i + 1] != '0') {
            std::size_t number = static_cast<std::size_t>(text[i + 1] - '0');
            std::size_t length = 2;
            if (digit(i + 2)) {
                number = number * 10 + static_cast<std::size_t>(text[i + 2] - '0');
                length = 3;
            }
            if (number <= given.size()) {
                result += given[number - 1];
                i += length - 1;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}
