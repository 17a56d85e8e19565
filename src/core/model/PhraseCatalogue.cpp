#include "core/model/PhraseCatalogue.h"

#include "core/model/PhraseCatalogueData.h"

#include <cstdlib>
#include <string>
#include <unordered_map>

namespace {
using CIndex = std::unordered_map<std::string, const CCatalogueEntry*>;

std::string Key(const char* context, const char* source)
{
    std::string key(context);
    key += '\x04'; // never in a text: the separator lupdate itself uses for context keys
    key += source;
    return key;
}

CIndex MakeIndex(const CCatalogueEntry* entries, std::size_t size)
{
    CIndex index;
    index.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        index.emplace(Key(entries[i].Context, entries[i].Source), &entries[i]);
    }
    return index;
}

const CIndex& IndexOf(ELanguage language)
{
    static const CIndex russian = MakeIndex(RussianCatalogue, RussianCatalogueSize);
    static const CIndex english = MakeIndex(EnglishCatalogue, EnglishCatalogueSize);
    return language == ELanguage::English ? english : russian;
}

std::string WithCount(std::string text, int count)
{
    if (count < 0) {
        return text;
    }
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size())) {
        text.replace(at, 2, number);
    }
    return text;
}

bool Starts(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

const char* FirstSet(std::initializer_list<const char*> values)
{
    for (const char* value : values) {
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "";
}
} // namespace

std::optional<ELanguage> LanguageNamed(std::string_view code)
{
    if (code == "ru") {
        return ELanguage::Russian;
    }
    if (code == "en") {
        return ELanguage::English;
    }
    return std::nullopt;
}

int PluralFormIndex(ELanguage language, int count)
{
    const int n = std::abs(count);
    if (language == ELanguage::English) {
        return n == 1 ? 0 : 1;
    }
    if (n % 10 == 1 && n % 100 != 11) {
        return 0;
    }
    return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
}

std::string CatalogueText(ELanguage language, const char* context, const char* source, int count)
{
    const CIndex& index = IndexOf(language);
    const auto found = index.find(Key(context, source));
    if (found == index.end()) {
        return WithCount(source, count);
    }
    const CCatalogueEntry& entry = *found->second;
    int form = entry.Numerus && count >= 0 ? PluralFormIndex(language, count) : 0;
    while (form > 0 && entry.Forms[form] == nullptr) {
        --form;
    }
    const char* text = entry.Forms[form];
    return WithCount(text != nullptr && *text != '\0' ? text : source, count);
}

CPhraseTranslator CatalogueTranslator(ELanguage language)
{
    return [language](const char* context, const char* source, int count) {
        return CatalogueText(language, context, source, count);
    };
}

ELanguage LanguageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages, const char* lang)
{
    std::string_view first = FirstSet({language});
    if (first.empty()) {
        first = FirstSet({lcAll, lcMessages, lang});
    } else {
        first = first.substr(0, first.find(':'));
    }
    if (first.empty() || first == "C" || first == "POSIX" || Starts(first, "C.") || Starts(first, "ru")) {
        return ELanguage::Russian;
    }
    return ELanguage::English;
}

ELanguage LanguageOfEnvironment()
{
    return LanguageOfEnvironment(
        std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}
