#include "core/storage/TreeFile.h"
#include "StorageTestSupport.h"
#include "core/model/CHierarchy.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <functional>
#include <random>

namespace {
using Json = nlohmann::ordered_json;

Json Ones(std::size_t n)
{
    return Json(std::vector<int>(n * (n - 1) / 2, 1));
}

// A criterion with children children (covering, over four alternatives, when 0).
Json Criterion(const std::string& name, std::size_t children)
{
    Json node{{"name", name}, {"judgements", Ones(children == 0 ? 4 : children)}};
    for (std::size_t k = 0; k < children; ++k) {
        node["children"].push_back(Criterion("К" + std::to_string(k), 0));
    }
    return node;
}

// Goal over A (covering) and B (covering), four alternatives.
Json Base()
{
    Json goal{
        {"name", "Цель"}, {"comment", ""}, {"judgements", {3}}, {"children", {Criterion("A", 0), Criterion("B", 0)}}};
    Json alternatives = Json::array();
    for (const char* name : {"W", "X", "Y", "Z"}) {
        alternatives.push_back({{"name", name}});
    }
    return Json{{"format", "tessaly-project"}, {"version", 2}, {"goal", goal}, {"alternatives", alternatives}};
}

std::string Refusal(const std::string& text)
{
    CHierarchy tree;
    const CReadOutcome outcome = ReadTreeText(tree, text);
    EXPECT_EQ(outcome.Message, outcome.Succeeded() ? "" : DamagedProjectText);
    return outcome.Succeeded() ? "accepted" : outcome.Reason;
}

CHierarchy RandomTree(unsigned seed)
{
    std::mt19937 rng(seed);
    CHierarchy tree("Выбор «автомобиля»", "строка 1\nстрока \"2\"\t\\");
    const std::uint32_t alternatives = 2 + rng() % 19;
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        EXPECT_EQ(tree.AddAlternative(a, "Вариант " + std::to_string(a), a % 2 ? "" : "комментарий"), "");
    }
    for (int k = 0; k < 40; ++k) {
        const std::uint32_t parent = rng() % tree.NodeCount();
        if (tree.Level(parent) < 8 && tree.Node(parent).Children.size() < 20) {
            tree.AddCriterion(parent, 0, "Критерий " + std::to_string(k));
        }
    }
    const int codes[] = {0, 1, 2, 5, 9, -2, -9};
    for (std::uint32_t node = 0; node < tree.NodeCount(); ++node) {
        const std::uint32_t n = tree.ComparedCount(node);
        CJudgementMatrix m = EqualJudgements(n);
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = r + 1; c < n; ++c) {
                m(r, c) = CJudgement::FromCode(codes[rng() % 7]);
                m(c, r) = m(r, c).Mirror();
            }
        }
        EXPECT_EQ(tree.SetJudgements(node, n == 1 ? EqualJudgements(1) : m), "");
    }
    return tree;
}
} // namespace

TEST(TreeFile, WriteReadWriteGivesTheSameBytes)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const CHierarchy tree = RandomTree(seed);
        const std::string text = TreeFileText(tree, false);
        CHierarchy read;
        ASSERT_TRUE(ReadTreeText(read, text).Succeeded()) << text;
        EXPECT_TRUE(read == tree) << seed;
        EXPECT_EQ(TreeFileText(read, false), text);
    }
}

TEST(TreeFile, SavedAtomicallyAndReadBackTemplatesWithEveryJudgementOne)
{
    CTempDir dir;
    const std::string file = dir.File("tree.tsj");
    const CHierarchy tree = RandomTree(7);
    ASSERT_EQ(SaveTreeFile(tree, file, true), EWriteResult::Ok);
    CHierarchy read;
    ASSERT_TRUE(ReadTreeFile(read, file).Succeeded());
    ASSERT_EQ(read.NodeCount(), tree.NodeCount());
    for (std::uint32_t node = 0; node < read.NodeCount(); ++node) {
        EXPECT_EQ(read.Node(node).Name, tree.Node(node).Name);
        EXPECT_TRUE(read.Node(node).Judgements == EqualJudgements(tree.ComparedCount(node)));
    }
    EXPECT_TRUE(IsTreeFileName("a.TSJ"));
    EXPECT_FALSE(IsTreeFileName("a.tsy"));
}

// The layered shape is written as its tree: the shared children under each parent.
TEST(TreeFile, LayersAreWrittenAsTheirTree)
{
    std::vector<CHierarchyNode> deeper(5);
    deeper[0] = {"Цель", "", {1, 2}, EqualJudgements(2)};
    deeper[1] = {"A", "", {3, 4}, EqualJudgements(2)};
    deeper[2] = {"B", "", {3, 4}, EqualJudgements(2)};
    deeper[3] = {"S1", "", {}, EqualJudgements(2)};
    deeper[4] = {"S2", "", {}, EqualJudgements(2)};
    const auto layers = CHierarchy::Make(EHierarchyShape::Layers, deeper, {{"X", ""}, {"Y", ""}});
    ASSERT_TRUE(layers);
    CHierarchy read;
    ASSERT_TRUE(ReadTreeText(read, TreeFileText(*layers, false)).Succeeded());
    EXPECT_EQ(read.NodeCount(), 7U);
    EXPECT_TRUE(read == *layers->AsTree());
}

TEST(TreeFile, RefusesEveryImpossibleFileNamingWhatAndWhere)
{
    using Edit = std::function<void(Json&)>;
    const std::string name61(61, 'x');
    Json deep = Criterion("Г", 1);
    for (int k = 0; k < 9; ++k) {
        Json up = Criterion("Г", 1);
        up["children"][0] = deep;
        deep = up;
    }
    const struct {
        Edit edit;
        std::string reason;
    } cases[] = {
        {[](Json& j) { j["format"] = "tessaly-group"; }, "format: не «tessaly-project»"},
        {[](Json& j) { j.erase("format"); }, "format: не «tessaly-project»"},
        {[](Json& j) { j["version"] = 3; }, "version: файл создан более новой версией Tessaly"},
        {[](Json& j) { j["version"] = 1; }, "version: версия 1 не поддерживается"},
        {[](Json& j) { j["version"] = "2"; }, "version: не целое число"},
        {[](Json& j) { j.erase("goal"); }, "goal: нет цели"},
        {[](Json& j) { j["goal"] = 5; }, "goal: не объект"},
        {[](Json& j) { j["goal"]["children"][1]["children"] = 1; }, "goal.children[1].children: не список"},
        {[](Json& j) { j["goal"]["children"][1]["judgements"].erase(0); },
            "goal.children[1].judgements: 5 значений вместо 6"},
        {[](Json& j) { j["goal"]["judgements"] = "3"; }, "goal.judgements: не список"},
        {[](Json& j) { j["goal"]["judgements"][0] = 10; }, "goal.judgements[0]: недопустимый код 10"},
        {[](Json& j) { j["goal"]["judgements"][0] = -1; }, "goal.judgements[0]: недопустимый код -1"},
        {[](Json& j) { j["goal"]["judgements"][0] = 2.5; }, "goal.judgements[0]: не целое число"},
        {[](Json& j) { j["goal"]["judgements"][0] = "3"; }, "goal.judgements[0]: не целое число"},
        {[](Json& j) { j["goal"]["children"] = Json::array(); }, "goal.children: у цели нет критериев"},
        {[](Json& j) { j["goal"]["children"][0] = Criterion("A", 21); },
            "goal.children[0].children: подкритериев больше 20"},
        {[](Json& j) {
             j["alternatives"] = Json(std::vector<Json>(21, Json{{"name", "a"}}));
         },
            "alternatives: альтернатив больше 20"},
        {[](Json& j) {
             j["alternatives"] = Json::array({Json{{"name", "W"}}});
         },
            "alternatives: альтернатив меньше 2"},
        {[](Json& j) { j.erase("alternatives"); }, "alternatives: нет списка альтернатив"},
        {[](Json& j) {
             j["goal"]["children"] = Json::array();
             for (int k = 0; k < 20; ++k) {
                 j["goal"]["children"].push_back(Criterion("C" + std::to_string(k), 10));
             }
             j["goal"]["judgements"] = Ones(20);
         },
            "goal.children[18].children[1]: критериев больше 200"},
        {[&deep](Json& j) { j["goal"]["children"][0] = deep; },
            "goal.children[0].children[0].children[0].children[0].children[0].children[0].children[0].children[0]."
            "children[0]: уровней больше 10"},
        {[](Json& j) { j["goal"]["children"][0]["name"] = ""; }, "goal.children[0].name: пустое имя"},
        {[](Json& j) { j["goal"]["children"][0].erase("name"); }, "goal.children[0].name: нет имени"},
        {[&name61](Json& j) { j["goal"]["children"][0]["name"] = name61; },
            "goal.children[0].name: имя длиннее 60 символов"},
        {[](Json& j) { j["goal"]["children"][0]["comment"] = std::string(1001, 'c'); },
            "goal.children[0].comment: комментарий длиннее 1000 символов"},
        {[](Json& j) { j["goal"]["children"][1]["name"] = "A"; },
            "goal.children[1].name: имя «A» уже есть у goal.children[0]"},
        {[](Json& j) { j["alternatives"][3]["name"] = "W"; },
            "alternatives[3].name: имя «W» уже есть у alternatives[0]"},
        {[](Json& j) { j["goal"]["children"][1] = 7; }, "goal.children[1]: не объект"},
    };
    EXPECT_EQ(Refusal(Base().dump()), "accepted");
    for (const auto& c : cases) {
        Json j = Base();
        c.edit(j);
        EXPECT_EQ(Refusal(j.dump()), c.reason);
    }
    // Sixty letters of any alphabet are a name; names are counted in characters.
    Json sixty = Base();
    std::string name;
    for (int k = 0; k < 60; ++k) {
        name += "Ж";
    }
    sixty["goal"]["children"][0]["name"] = name;
    EXPECT_EQ(Refusal(sixty.dump()), "accepted");
    EXPECT_EQ(Refusal("{\"a\" 1}"), "файл не JSON (ошибка в байте 5)");
    EXPECT_EQ(Refusal("[1]"), "файл не объект JSON");
    EXPECT_EQ(Refusal("{\"format\": 5E555555}"), "файл не JSON (число вне пределов)");
    EXPECT_EQ(Refusal(std::string(100000, '[')), "вложенность глубже 32 (байт 32)");
    // A string holding brackets does not count as nesting.
    Json brackets = Base();
    brackets["goal"]["comment"] = std::string(100, '[');
    EXPECT_EQ(Refusal(brackets.dump()), "accepted");
    std::string huge = Base().dump();
    huge.insert(1, "\"pad\": \"" + std::string(MaxTreeFileSize, 'p') + "\", ");
    EXPECT_EQ(Refusal(huge), "файл больше 16 МБ");
}

// Each seed of the tree reader's corpus is named for what it is.
TEST(TreeFile, CorpusFilesAreReadAsNamed)
{
    const std::filesystem::path corpus = std::filesystem::path(TESSALY_SOURCE_DIR) / "tests/fuzz/corpus_tsj";
    int damaged = 0;
    int sound = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        CHierarchy tree;
        const CReadOutcome outcome = ReadTreeFile(tree, entry.path().string(), EReadAccess::ReadOnly);
        if (name.rfind("damaged_", 0) == 0) {
            ++damaged;
            EXPECT_EQ(outcome.Result, EReadResult::Damaged) << name;
        } else if (name.rfind("sound_", 0) == 0) {
            ++sound;
            ASSERT_TRUE(outcome.Succeeded()) << name << ": " << outcome.Reason;
            const std::vector<unsigned char> bytes = ReadAll(entry.path().string());
            const std::string text(bytes.begin(), bytes.end());
            EXPECT_EQ(TreeFileText(tree, false), text) << name;
        }
    }
    EXPECT_GE(damaged, 3);
    EXPECT_GE(sound, 2);
}
