#pragma once

// Every text the core gives the user is a phrase: its Russian source with its context,
// the key of its translation. A computation returns values; the phrase books of each
// subsystem make the sentences from them, looked up here in the interface's language.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

struct CPhrase {
    const char* Context = "";
    const char* Source = "";
};

// lupdate reads these as QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP (its -tr-function-alias
// option in CMakeLists.txt): the context and the source must be string literals.
#define TESSALY_PHRASE(context, source) (::CPhrase{context, source})
#define TESSALY_PHRASE_N(context, source) (::CPhrase{context, source})

// Context, source and count (-1 for a phrase without one) to the text shown. The GUI binds
// it to Qt's translation; without a binding the built-in catalogue answers in Russian.
using CPhraseTranslator = std::function<std::string(const char* context, const char* source, int count)>;
void SetPhraseTranslator(CPhraseTranslator translator);

// The phrase in the interface's language.
[[nodiscard]] std::string Tr(const CPhrase& phrase);
// The plural form for count, with "%n" replaced by it.
[[nodiscard]] std::string Tr(const CPhrase& phrase, int count);

// %1 ... %99 replaced by the arguments in one pass, so that an argument holding "%2" stays
// as it is; a number with no argument stays in the text.
[[nodiscard]] std::string FillArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

template <typename... T> [[nodiscard]] std::string Say(const CPhrase& phrase, const T&... arguments)
{
    return FillArguments(Tr(phrase), {std::string_view(arguments)...});
}

template <typename... T> [[nodiscard]] std::string SayCount(const CPhrase& phrase, int count, const T&... arguments)
{
    return FillArguments(Tr(phrase, count), {std::string_view(arguments)...});
}
