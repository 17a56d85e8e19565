// The phrases' arguments, plural forms and the interface language chosen by the locale.
#include "core/model/Phrase.h"
#include "core/model/PhraseCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(Phrase, ArgumentsAreFilledInOnePassByNumber)
{
    // Reordered arguments, an argument that itself holds "%2", a number past the arguments
    // and a bare "%" stay as a translator wrote them.
    EXPECT_EQ(FillArguments("%2 перед %1", {"а", "б"}), "б перед а");
    EXPECT_EQ(FillArguments("%1 и %2", {"%2", "x"}), "%2 и x");
    EXPECT_EQ(FillArguments("%1, %3; 100%", {"a", "b"}), "a, %3; 100%");
    EXPECT_EQ(FillArguments("%10-%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "десять"}), "десять-1");
    EXPECT_EQ(FillArguments("%0 %", {}), "%0 %");
}

TEST(Phrase, PluralFormsOfBothLanguages)
{
    // count, Russian form (one, few, many), English form (one, other)
    const std::vector<std::tuple<int, int, int>> cases{{0, 2, 1}, {1, 0, 0}, {2, 1, 1}, {4, 1, 1}, {5, 2, 1},
        {11, 2, 1}, {12, 2, 1}, {14, 2, 1}, {21, 0, 1}, {22, 1, 1}, {25, 2, 1}, {101, 0, 1}, {111, 2, 1}, {112, 2, 1},
        {1000, 2, 1}};
    for (const auto& [count, russian, english] : cases) {
        EXPECT_EQ(PluralFormIndex(ELanguage::Russian, count), russian) << count;
        EXPECT_EQ(PluralFormIndex(ELanguage::English, count), english) << count;
    }
}

// The built catalogue's forms of a real phrase: 1, 2, 5, 11 and 21 of a thing.
TEST(Phrase, TheCatalogueGivesEachLanguagesPluralForms)
{
    const CPhrase phrase = TESSALY_PHRASE_N("RatingWarnings", "%n альтернатив оценены не по всем критериям.");
    const std::vector<std::tuple<int, std::string, std::string>> cases{
        {1, "1 альтернатива оценена не по всем критериям.", "1 alternative is not rated on every criterion."},
        {2, "2 альтернативы оценены не по всем критериям.", "2 alternatives are not rated on every criterion."},
        {5, "5 альтернатив оценены не по всем критериям.", "5 alternatives are not rated on every criterion."},
        {11, "11 альтернатив оценены не по всем критериям.", "11 alternatives are not rated on every criterion."},
        {21, "21 альтернатива оценена не по всем критериям.", "21 alternatives are not rated on every criterion."},
    };
    for (const auto& [count, russian, english] : cases) {
        EXPECT_EQ(Tr(phrase, count), russian); // no translator bound: the Russian catalogue
        EXPECT_EQ(CatalogueText(ELanguage::English, phrase.Context, phrase.Source, count), english);
    }
    // A phrase without a count is looked up whole, its arguments left for Say.
    EXPECT_EQ(CatalogueText(ELanguage::English, "ReportCommand", "--weights: вес %1 «%2»: %3", -1),
        "--weights: weight %1 “%2”: %3");
}

TEST(Phrase, TheHookAnswersAndWithoutItTheSourceStands)
{
    const CPhrase phrase = TESSALY_PHRASE("PhraseTest", "Файл %1 не найден");
    EXPECT_EQ(Say(phrase, std::string("a.tsy")), "Файл a.tsy не найден");
    SetPhraseTranslator([](const char* context, const char* source, int count) {
        return std::string(context) + "|" + source + "|" + std::to_string(count);
    });
    EXPECT_EQ(Tr(phrase), "PhraseTest|Файл %1 не найден|-1");
    EXPECT_EQ(Tr(phrase, 3), "PhraseTest|Файл %1 не найден|3");
    SetPhraseTranslator({});
    // A text the catalogue does not know: its source, "%n" replaced by the count.
    EXPECT_EQ(SayCount(TESSALY_PHRASE_N("PhraseTest", "%n из %1"), 7, std::string("9")), "7 из 9");
    EXPECT_EQ(CatalogueText(ELanguage::English, "PhraseTest", "нет такого", -1), "нет такого");
}

TEST(Phrase, TheLanguageFollowsTheLocaleAsQtReadsIt)
{
    struct CCase {
        const char* Language;
        const char* LcAll;
        const char* LcMessages;
        const char* Lang;
        ELanguage Expected;
    };
    const ELanguage ru = ELanguage::Russian;
    const ELanguage en = ELanguage::English;
    const std::vector<CCase> cases{
        {nullptr, nullptr, nullptr, nullptr, ru},
        {nullptr, nullptr, nullptr, "C", ru},
        {nullptr, nullptr, nullptr, "C.UTF-8", ru},
        {nullptr, nullptr, nullptr, "POSIX", ru},
        {nullptr, nullptr, nullptr, "ru_RU.UTF-8", ru},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", en},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", en},
        {"", "", "", "en_GB.UTF-8", en},
        // LC_ALL before LC_MESSAGES before LANG.
        {nullptr, "ru_RU.UTF-8", "en_US.UTF-8", "en_US.UTF-8", ru},
        {nullptr, nullptr, "en_US.UTF-8", "ru_RU.UTF-8", en},
        {nullptr, "C", nullptr, "en_US.UTF-8", ru},
        // LANGUAGE's first entry before them all.
        {"ru:en", nullptr, nullptr, "en_US.UTF-8", ru},
        {"en_US:ru", nullptr, nullptr, "ru_RU.UTF-8", en},
        {"fr", "C", nullptr, nullptr, en},
    };
    for (const CCase& c : cases) {
        EXPECT_EQ(LanguageOfEnvironment(c.Language, c.LcAll, c.LcMessages, c.Lang), c.Expected)
            << (c.Language ? c.Language : "-") << " " << (c.LcAll ? c.LcAll : "-") << " "
            << (c.LcMessages ? c.LcMessages : "-") << " " << (c.Lang ? c.Lang : "-");
    }
    EXPECT_EQ(LanguageNamed("ru"), ELanguage::Russian);
    EXPECT_EQ(LanguageNamed("en"), ELanguage::English);
    EXPECT_EQ(LanguageNamed("system"), std::nullopt);
}

} // namespace
