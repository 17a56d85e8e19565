#include "core/results/CsvExport.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
using Row = std::vector<std::string>;
using Section = std::vector<Row>;

// A small RFC 4180 reader: quoted fields may hold the separator, doubled quotes and line
// breaks; records end with CRLF. An empty line closes a section.
std::vector<Section> ReadCsv(const std::string& text, char separator)
{
    std::vector<Section> sections(1);
    Row row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += text[i++];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (quoted || (c != separator && c != '\r' && c != '\n')) {
            field += c;
        } else if (c == separator) {
            row.push_back(field);
            field.clear();
        } else if (c == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "a bare CR at " << i;
        } else if (row.empty() && field.empty()) {
            sections.emplace_back();
        } else {
            row.push_back(field);
            sections.back().push_back(row);
            row.clear();
            field.clear();
        }
    }
    EXPECT_TRUE(row.empty() && field.empty()) << "the last record has no line end";
    return sections;
}

double Number(std::string text, char decimal)
{
    if (decimal == ',') {
        EXPECT_EQ(text.find('.'), std::string::npos) << text;
        for (char& c : text) {
            c = c == ',' ? '.' : c;
        }
    }
    char* end = nullptr;
    const double x = std::strtod(text.c_str(), &end);
    EXPECT_EQ(*end, '\0') << text;
    return x;
}

void ExpectValue(const std::string& text, char decimal, double expected)
{
    // 15 significant digits: within half a unit of the 15th.
    EXPECT_NEAR(Number(text, decimal), expected, std::fabs(expected) * 5e-15 + 1e-300) << text;
}
} // namespace

TEST(CsvExport, ReadsBackToTheCoreFiguresWithEitherSeparator)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(3, 3, "Цель", "");
    SetName(m, 0, 1, "Цена, руб");
    SetName(m, 1, 2, "\"Альфа\"");
    SetName(m, 2, 2, "A;B");
    SetCell(m, 0, 0, 0, 1, 3);
    SetCell(m, 0, 0, 1, 0, -3);
    SetCell(m, 0, 0, 2, 1, 7);
    SetCell(m, 0, 0, 1, 2, -7);
    SetCell(m, 0, 1, 2, 0, 5);
    SetCell(m, 0, 1, 0, 2, -5);
    SetCell(m, 2, 1, 0, 1, 2);
    SetCell(m, 2, 1, 1, 0, -2);
    const CProjectResults results = ComputeResults(m);
    const CResultList ranking = FinalResults(m, results);

    for (const char decimal : {'.', ','}) {
        const char separator = decimal == ',' ? ';' : ',';
        EXPECT_EQ(CsvFieldSeparator(decimal), separator);
        const std::string text = ProjectCsv(m, results, decimal);
        ASSERT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0U);
        const std::vector<Section> sections = ReadCsv(text.substr(3), separator);
        // two rankings, levels, the goal and 3 criteria
        ASSERT_EQ(sections.size(), 2U + 2U + 3U) << text;

        const Section& first = sections[0];
        ASSERT_EQ(first.size(), 2U + ranking.Count);
        EXPECT_EQ(first[0], Row{"Итоговый рейтинг (распределительный синтез)"});
        for (std::uint32_t i = 0; i < ranking.Count; ++i) {
            const Row& row = first[2 + i];
            ASSERT_EQ(row.size(), 3U);
            EXPECT_EQ(row[0], std::to_string(i + 1));
            EXPECT_EQ(row[1], ranking.Rows[i].Name);
            ExpectValue(row[2], decimal, ranking.Rows[i].Value);
        }

        // The ideal ranking, best first, with every alternative's raw ideal score.
        const Section& ideal = sections[1];
        ASSERT_EQ(ideal.size(), 2U + 3U);
        EXPECT_EQ(ideal[0], Row{"Итоговый рейтинг (идеальный синтез)"});
        EXPECT_EQ(ideal[1], (Row{"Место", "Альтернатива", "Приоритет", "Доля идеала"}));
        double previous = 2.0;
        for (std::uint32_t i = 0; i < 3; ++i) {
            const Row& row = ideal[2 + i];
            ASSERT_EQ(row.size(), 4U);
            EXPECT_EQ(row[0], std::to_string(i + 1));
            std::uint32_t a = 0;
            while (a < 3 && m.Element(a, 2).Name != row[1]) {
                ++a;
            }
            ASSERT_LT(a, 3U) << row[1];
            ExpectValue(row[2], decimal, results.Ideal().Priority[a]);
            ExpectValue(row[3], decimal, results.Ideal().Raw[a]);
            EXPECT_LE(results.Ideal().Priority[a], previous);
            previous = results.Ideal().Priority[a];
        }

        const Section& global = sections[2];
        ASSERT_EQ(global.size(), 2U + 6U);
        for (std::uint32_t r = 0; r < 6; ++r) {
            const std::uint32_t level = 1 + r / 3;
            const std::uint32_t e = r % 3;
            const Row& row = global[2 + r];
            ASSERT_EQ(row.size(), 4U);
            EXPECT_EQ(row[0], std::to_string(level));
            EXPECT_EQ(row[1], std::to_string(e + 1));
            EXPECT_EQ(row[2], m.Element(e, level).Name);
            ExpectValue(row[3], decimal, results.GlobalPriority()(e, level));
        }

        for (std::uint32_t s = 0; s < 4; ++s) {
            const std::uint32_t level = s == 0 ? 0 : 1;
            const std::uint32_t e = s == 0 ? 0 : s - 1;
            const TDesicionLevelData& data = results.LevelData(e, level);
            const Section& local = sections[3 + s];
            ASSERT_EQ(local.size(), 2U + 3U + 3U);
            EXPECT_NE(local[0][0].find(m.Element(e, level).Name), std::string::npos);
            for (std::uint32_t j = 0; j < 3; ++j) {
                EXPECT_EQ(local[2 + j][1], m.Element(j, level + 1).Name);
                ExpectValue(local[2 + j][2], decimal, data.Priority[j]);
            }
            EXPECT_EQ(local[5][0], "СЗ");
            ExpectValue(local[5][1], decimal, data.LambdaMax);
            EXPECT_EQ(local[6][0], "ИС");
            ExpectValue(local[6][1], decimal, data.CI);
            EXPECT_EQ(local[7][0], "ОС");
            ExpectValue(local[7][1], decimal, data.CR);
        }
        // A name holding the field separator or a quote is quoted, the quote doubled.
        EXPECT_NE(text.find("\"\"\"Альфа\"\"\""), std::string::npos);
        EXPECT_NE(text.find(decimal == ',' ? "\"A;B\"" : "\"Цена, руб\""), std::string::npos);
        EXPECT_NE(text.find(decimal == ',' ? ";Цена, руб;" : ",A;B,"), std::string::npos);
    }
    EXPECT_EQ(CsvField("a\nb", ','), "\"a\nb\"");
    EXPECT_EQ(CsvField("plain", ','), "plain");
}

TEST(CsvExport, NamesThatLookLikeFormulasStayText)
{
    CUserProjectModel m;
    m.BuildNewHierarchy(3, 3, "Цель", "");
    SetName(m, 0, 1, "=1+1");
    SetName(m, 0, 2, "@СУММ(A1)");
    SetName(m, 1, 2, "-2+3");
    SetName(m, 2, 2, "ИМЯ = 2");
    const std::string text = ProjectCsv(m, ComputeResults(m), '.');
    for (const char* field : {",'=1+1,", ",'@СУММ(A1),", ",'-2+3,", ",ИМЯ = 2,"}) {
        EXPECT_NE(text.find(field), std::string::npos) << field;
    }
    for (const char* field : {",=1+1,", ",@СУММ(A1),", ",-2+3,"}) {
        EXPECT_EQ(text.find(field), std::string::npos) << field;
    }
    EXPECT_EQ(CsvText("+7"), "'+7");
    EXPECT_EQ(CsvText("\tX"), "'\tX");
    EXPECT_EQ(CsvText(""), "");
}
