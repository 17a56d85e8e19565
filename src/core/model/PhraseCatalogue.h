#pragma once

// The translations of the phrases, made from the repository's translations/*.ts files when
// Tessaly is built: the English texts, and the Russian plural forms. The command line looks
// its phrases up here; the windows load the same translations through Qt.

#include "core/model/Phrase.h"

#include <optional>
#include <string>
#include <string_view>

enum class ELanguage { Russian, English };

// "ru" or "en": the --lang values and the setting's.
[[nodiscard]] std::optional<ELanguage> LanguageNamed(std::string_view code);

// The index of the plural form of count in the language (Russian: one, few, many).
[[nodiscard]] int PluralFormIndex(ELanguage language, int count);

// The text of a phrase in the language: its translation, or its source where there is none;
// with a count (>= 0) the plural form, "%n" replaced by the count.
[[nodiscard]] std::string CatalogueText(ELanguage language, const char* context, const char* source, int count);

[[nodiscard]] CPhraseTranslator CatalogueTranslator(ELanguage language);

// The language of the interface by the environment, read as Qt reads it: the first entry of
// LANGUAGE, or else the first set of LC_ALL, LC_MESSAGES and LANG. Russian for a Russian or
// C/POSIX locale (or none), English for any other.
[[nodiscard]] ELanguage LanguageOfEnvironment(
    const char* language, const char* lcAll, const char* lcMessages, const char* lang);
[[nodiscard]] ELanguage LanguageOfEnvironment();
