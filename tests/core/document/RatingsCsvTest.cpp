// The ratings table's CSV: what a file sets, every problem of a file with its place, and
// the written table read back.
#include "core/document/RatingsCsv.h"
#include "core/model/PhraseCatalogue.h"
#include "core/results/RatingSynthesis.h"
#include "support/RatedTree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {
// SmallRatedTree's rated criteria (node numbers).
constexpr std::uint32_t Reliability = 2;
constexpr std::uint32_t Education = 3;
constexpr std::uint32_t Experience = 4;

using P = ERatingsCsvProblem;

struct CCsvCase {
    const char* Text;
    std::vector<CRatingCell> Cells;
    std::vector<CRatingsCsvProblem> Problems;
};

bool SameCells(const std::vector<CRatingCell>& a, const std::vector<CRatingCell>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const CRatingCell& x, const CRatingCell& y) {
        return x.Node == y.Node && x.Alternative == y.Alternative && x.Intensity == y.Intensity;
    });
}

// The written table's fields, read back by a plain splitter (no quotes in these names).
std::vector<std::vector<std::string>> Fields(const std::string& text, char separator)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text.substr(3));
    for (std::string line; std::getline(lines, line);) {
        line.erase(line.find_last_not_of('\r') + 1);
        std::vector<std::string> row;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, separator);) {
            row.push_back(field);
        }
        rows.push_back(row);
    }
    return rows;
}
} // namespace

TEST(RatingsCsv, ReadsCellsOrListsEveryProblemWithItsPlace)
{
    const CHierarchy tree = SmallRatedTree();
    const std::vector<CCsvCase> cases{
        // Columns in any order, names in any case with spaces, ';', a byte-order mark.
        {"\xEF\xBB\xBF"
         "Альтернатива;Опыт;НАДЁЖНОСТЬ\r\n б ; нет ;ДА\r\n",
            {{Experience, 1, 1}, {Reliability, 1, 0}}, {}},
        // An empty cell and a short row are not rated; an empty line is skipped; quotes.
        {"Альтернатива,Образование,Опыт\n\"А\",,\"Да\"\n\nг,малый\n",
            {{Education, 0, NotRated}, {Experience, 0, 0}, {Education, 3, 2}, {Experience, 3, NotRated}}, {}},
        // The score and share the table was written with are not read.
        {"Альтернатива,Опыт,Балл,Доля\nВ,Нет,0.5,0.25\n", {{Experience, 2, 1}}, {}},
        // A quote doubled inside a quoted field, a line end inside one.
        {"Альтернатива,Опыт\n\"А\"\"\",Да\n\"Б\nВ\",Да\n", {},
            {{P::UnknownAlternative, 2, 1, "А\""}, {P::UnknownAlternative, 3, 1, "Б\nВ"}}},
        // Every unknown name is listed and nothing is taken.
        {"Альтернатива,Цена,Опыт\nЖ,Да,Может быть\nА,,Да,лишнее\n", {},
            {{P::UnknownCriterion, 1, 2, "Цена"}, {P::UnknownAlternative, 2, 1, "Ж"},
                {P::UnknownIntensity, 2, 3, "Может быть"}, {P::ExtraCell, 3, 4, "лишнее"}}},
        {"Альтернатива,Опыт,опыт\nА,Да,Да\nа,Нет,Нет\n", {},
            {{P::RepeatedCriterion, 1, 3, "опыт"}, {P::RepeatedAlternative, 3, 1, "а"}}},
        // A yes-no scale has no "Малый"; "Надежность" is not "Надёжность".
        {"Альтернатива,Опыт,Надежность\nА,Малый,Да\n", {},
            {{P::UnknownCriterion, 1, 3, "Надежность"}, {P::UnknownIntensity, 2, 2, "Малый"}}},
        {"Альтернатива,Опыт\nА,\"Да\n", {}, {{P::UnclosedQuote, 2, 2, "Да\n"}}},
        {"", {}, {{P::NoHeader, 1, 1, ""}}},
    };
    for (const CCsvCase& c : cases) {
        const CRatingsCsvReading reading = ReadRatingsCsv(tree, c.Text);
        EXPECT_TRUE(SameCells(reading.Cells, c.Cells)) << c.Text;
        EXPECT_EQ(reading.Problems, c.Problems) << c.Text;
    }
    EXPECT_EQ(RatingsCsvProblemText({P::UnknownIntensity, 2, 3, "Может быть"}),
        "Строка 2, столбец 3: в шкале критерия нет интенсивности «Может быть».");
    EXPECT_EQ(FoldCase("ОТЛИЧНО Ёж ZEBRA äÄ"), "отлично ёж zebra äÄ");
    EXPECT_EQ(FoldCase("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"), "абвгдежзийклмнопрстуфхцчшщъыьэюя");
}

// Random tables whose names hold separators, quotes, line ends, a formula's first sign and
// names shared by two criteria and by two alternatives differing in case: the written table
// read into a tree rated otherwise gives the same ratings, and its scores are G(c) v(rating)
// summed with the tree's own weights (Надёжность 1/3, Образование 1/2, Опыт 1/6; ideal
// values 1, 1/3, 1/6 and 1, 1/4).
TEST(RatingsCsv, WrittenTableReadsBackToTheSameRatings)
{
    std::mt19937 random(34);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::vector<int>> ratings(4, std::vector<int>(3));
        for (auto& row : ratings) {
            row = {static_cast<int>(random() % 3) - 1, static_cast<int>(random() % 4) - 1,
                static_cast<int>(random() % 3) - 1};
        }
        CHierarchy tree = SmallRatedTree(ratings);
        ASSERT_EQ(tree.SetAlternativeText(0, "Иванов, \"мл.\"\nстарший", ""), "");
        ASSERT_EQ(tree.SetAlternativeText(1, "=A1+1", ""), "");
        ASSERT_EQ(tree.SetAlternativeText(2, "Петров", ""), "");
        ASSERT_EQ(tree.SetAlternativeText(3, "ПЕТРОВ", ""), "");
        ASSERT_EQ(tree.SetNodeText(Experience, "Надёжность", ""), "");
        const char decimal = round % 2 == 0 ? '.' : ',';
        CRatingResults results;
        ComputeRatingResults(tree, results);
        const std::string text = RatingsCsv(tree, results, decimal);

        CHierarchy other = SmallRatedTree({{1, 2, 1}, {-1, -1, -1}, {0, 0, 0}, {1, 1, 1}});
        for (std::uint32_t a = 0; a < 4; ++a) {
            ASSERT_EQ(other.SetAlternativeText(a, tree.Alternatives()[a].Name, ""), "");
        }
        ASSERT_EQ(other.SetNodeText(Experience, "Надёжность", ""), "");
        const CRatingsCsvReading reading = ReadRatingsCsv(other, text);
        ASSERT_TRUE(reading.Problems.empty()) << RatingsCsvProblemText(reading.Problems.front());
        EXPECT_EQ(reading.Cells.size(), 12U);
        for (const CRatingCell& cell : reading.Cells) {
            ASSERT_EQ(other.SetRating(cell.Node, cell.Alternative, cell.Intensity), "");
        }
        EXPECT_EQ(other, tree) << text;
    }

    const std::vector<std::vector<int>> ratings{{0, 0, 1}, {1, 1, 1}, {0, 2, -1}, {1, 0, 0}};
    const CHierarchy tree = SmallRatedTree(ratings);
    CRatingResults results;
    ComputeRatingResults(tree, results);
    const auto rows = Fields(RatingsCsv(tree, results, ','), ';');
    ASSERT_EQ(rows.size(), 5U);
    // Depth first: Квалификация's criteria before Надёжность.
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Альтернатива", "Образование", "Опыт", "Надёжность", "Балл", "Доля"}));
    const double weight[] = {1.0 / 3, 1.0 / 2, 1.0 / 6};
    const std::vector<std::vector<double>> ideal{{1, 0.25}, {1, 1.0 / 3, 1.0 / 6}, {1, 0.25}};
    std::vector<double> scores(4, 0.0);
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t c = 0; c < 3; ++c) {
            if (ratings[a][c] >= 0) {
                scores[a] += weight[c] * ideal[c][static_cast<std::size_t>(ratings[a][c])];
            }
        }
    }
    const double sum = scores[0] + scores[1] + scores[2] + scores[3];
    for (std::size_t a = 0; a < 4; ++a) {
        std::string score = rows[a + 1][4];
        std::string share = rows[a + 1][5];
        std::replace(score.begin(), score.end(), ',', '.');
        std::replace(share.begin(), share.end(), ',', '.');
        EXPECT_NEAR(std::stod(score), scores[a], 1e-12) << a;
        EXPECT_NEAR(std::stod(share), scores[a] / sum, 1e-12) << a;
    }
    EXPECT_EQ(rows[3][2], "");
}

// A table written in one language reads back in the other: the score and share columns are
// known by their headers in every language, whatever the interface's. The lookup stands for
// the English interface; the catalogue's English, the shipped translation, is read back
// under the Russian one.
TEST(RatingsCsv, HeadersOfEitherLanguageReadBack)
{
    const std::map<std::string, std::string> english{
        {"Альтернатива", "Alternative"}, {"Балл", "Score"}, {"Доля", "Share"}};
    const CPhraseTranslator lookup = [&english](const char* context, const char* source, int count) {
        const auto found = english.find(source);
        return found != english.end() ? found->second : CatalogueText(ELanguage::Russian, context, source, count);
    };
    const struct {
        CPhraseTranslator Writer;
        CPhraseTranslator Reader;
        const char* ScoreHeader; // nullptr: whatever the shipped translation says
    } cases[] = {
        {lookup, lookup, "Score"},
        {nullptr, lookup, "Балл"},
        {CatalogueTranslator(ELanguage::English), nullptr, nullptr},
    };
    struct CUnbind {
        ~CUnbind() { SetPhraseTranslator(nullptr); }
    } unbind;
    const CHierarchy tree = SmallRatedTree();
    CRatingResults results;
    ComputeRatingResults(tree, results);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SetPhraseTranslator(cases[k].Writer);
        const std::string text = RatingsCsv(tree, results, '.');
        if (cases[k].ScoreHeader != nullptr) {
            EXPECT_EQ(Fields(text, ',').front().at(4), cases[k].ScoreHeader) << k;
        }
        SetPhraseTranslator(cases[k].Reader);
        const CRatingsCsvReading reading = ReadRatingsCsv(tree, text);
        EXPECT_TRUE(reading.Problems.empty()) << k << ": " << text;
        EXPECT_EQ(reading.Cells.size(), 12U) << k;
        for (const CRatingCell& cell : reading.Cells) {
            EXPECT_EQ(cell.Intensity, tree.Node(cell.Node).Ratings[cell.Alternative]) << k;
        }
    }
}

// A cell's text is put into its sentence as it is, even where it looks like an argument.
TEST(RatingsCsv, ProblemTextKeepsTheCellAsItIs)
{
    EXPECT_EQ(RatingsCsvProblemText({P::UnknownAlternative, 2, 1, "%1 и %2"}),
        "Строка 2, столбец 1: нет альтернативы «%1 и %2».");
}
