#include "core/storage/TreeFile.h"
#include "support/RatedTree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>

namespace {
using Json = nlohmann::ordered_json;

TEST(RatingTreeFile, ARatedTreeIsReadBackAsItWasWithTheSameBytes)
{
    CHierarchy tree = SmallRatedTree();
    ASSERT_EQ(tree.AddScale(ReadyRatingScales()[1]), ""); // a scale no criterion uses stays
    const std::string text = TreeFileText(tree, false);
    CHierarchy read;
    const CReadOutcome outcome = ReadTreeText(read, text);
    ASSERT_TRUE(outcome.Succeeded()) << outcome.Reason;
    EXPECT_EQ(read, tree);
    EXPECT_EQ(TreeFileText(read, false), text);
    // Ratings are listed depth first: Образование, Опыт, Надёжность; В has Опыт not rated.
    EXPECT_EQ(Json::parse(text)["alternatives"][2]["ratings"], Json::parse(R"(["Малый", null, "Да"])"));
}

TEST(RatingTreeFile, RefusesDamagedRatingDataNamingWhatAndWhere)
{
    using Edit = std::function<void(Json&)>;
    const Json base = Json::parse(TreeFileText(SmallRatedTree(), false));
    Json many = Json::array();
    for (int k = 0; k < 1001; ++k) {
        many.push_back({{"name", "В" + std::to_string(k)}, {"ratings", {nullptr, nullptr, nullptr}}});
    }
    Json tenSteps = Json::array();
    for (int k = 0; k < 10; ++k) {
        tenSteps.push_back({{"name", "И" + std::to_string(k)}});
    }
    const struct {
        Edit edit;
        std::string reason;
    } cases[] = {
        {[](Json& j) { j["mode"] = "votes"; }, "mode: способ оценки не «pairs» и не «ratings»"},
        {[](Json& j) { j.erase("scales"); }, "scales: нет списка шкал"},
        {[](Json& j) { j["scales"][1]["id"] = "s3"; }, "scales[1].id: обозначение «s3» уже есть у scales[0]"},
        {[](Json& j) { j["scales"][1]["intensities"].erase(1); },
            "scales[1].intensities: 1 интенсивностей, а не от 2 до 9"},
        {[&tenSteps](Json& j) { j["scales"][1]["intensities"] = tenSteps; },
            "scales[1].intensities: 10 интенсивностей, а не от 2 до 9"},
        {[](Json& j) { j["scales"][0]["intensities"][2]["name"] = std::string(41, 'x'); },
            "scales[0]: имя длиннее 40 символов"},
        {[](Json& j) { j["scales"][0]["judgements"].erase(0); }, "scales[0].judgements: 2 значений вместо 3"},
        {[](Json& j) { j["goal"]["children"][1]["scale"] = "zz"; }, "goal.children[1].scale: нет шкалы «zz»"},
        {[](Json& j) {
             j["goal"]["children"][1]["judgements"] = {1, 1, 1, 1, 1, 1};
         },
            "goal.children[1].judgements: альтернативы оцениваются по шкале, а не сравниваются"},
        {[](Json& j) { j["alternatives"][0]["ratings"][0] = "Да"; },
            "alternatives[0].ratings[0]: в шкале «Объём» нет интенсивности «Да»"},
        {[](Json& j) { j["alternatives"][0]["ratings"][1] = 1; }, "alternatives[0].ratings[1]: оценка не текст"},
        {[](Json& j) { j["alternatives"][1]["ratings"].erase(2); }, "alternatives[1].ratings: 2 оценок вместо 3"},
        {[](Json& j) { j["alternatives"][3].erase("ratings"); }, "alternatives[3].ratings: нет списка оценок"},
        {[&many](Json& j) { j["alternatives"] = many; }, "alternatives: альтернатив больше 1000"},
    };
    for (const auto& c : cases) {
        Json file = base;
        c.edit(file);
        CHierarchy tree;
        const CReadOutcome outcome = ReadTreeText(tree, file.dump());
        EXPECT_EQ(outcome.Result, EReadResult::Damaged) << c.reason;
        EXPECT_EQ(outcome.Reason, c.reason);
        EXPECT_EQ(tree, CHierarchy()) << c.reason;
    }
    // Without "mode" the same file is a pairwise tree whose covering criteria lack judgements.
    Json pairs = base;
    pairs.erase("mode");
    CHierarchy tree;
    EXPECT_EQ(ReadTreeText(tree, pairs.dump()).Reason, "goal.children[0].children[0].judgements: 0 значений вместо 6");
}
} // namespace
