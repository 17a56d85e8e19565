#include "GroupFilesSupport.h"
#include "GroupTestSupport.h"
#include "support/ModelEdits.h"

#include "core/group/ExpertFiles.h"
#include "core/group/StructureCheck.h"
#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {
// Four levels with names, comments and judgements of its own.
std::unique_ptr<CUserProjectModel> Facilitators()
{
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(BuildWithCounts(*project, {1, 3, 2, 4}));
    SetName(*project, 0, 0, "ВЫБОР");
    SetName(*project, 1, 1, "ЦЕНА");
    SetComment(*project, 1, 1, "за год");
    project->SetJudgements(0, 0, FromUpper(3, {3, -5, 2}));
    project->SetJudgements(1, 1, FromUpper(2, {7}));
    project->SetJudgements(1, 2, FromUpper(4, {2, 3, 4, 5, 6, -7}));
    return project;
}

std::unique_ptr<CUserProjectModel> Read(const std::string& file)
{
    const auto record = std::make_unique<TLoadSaveProject>();
    const CReadOutcome outcome = ReadProjectFile(*record, file, EReadAccess::ReadOnly);
    EXPECT_TRUE(outcome.Succeeded()) << file << " " << outcome.Message;
    auto project = std::make_unique<CUserProjectModel>();
    EXPECT_TRUE(project->BuildLoadedHierarchy(*record));
    return project;
}

// Goal over Стоимость (Цена, Расходы), Безопасность and Комфорт (one child, Шум); three
// alternatives; judgements and a comment of its own.
CHierarchy FacilitatorsTree()
{
    CHierarchy tree("Выбор");
    for (const char* name : {"Стоимость", "Безопасность", "Комфорт"}) {
        EXPECT_EQ(tree.AddCriterion(CHierarchy::GoalNode, tree.Goal().Children.size(), name), "");
    }
    for (std::uint32_t a = 0; a < 3; ++a) {
        EXPECT_EQ(tree.AddAlternative(a, std::string("Вариант ") + std::to_string(a + 1)), "");
    }
    EXPECT_EQ(tree.AddCriterion(*tree.NodeAt({"Стоимость"}), 0, "Цена", "за год"), "");
    EXPECT_EQ(tree.AddCriterion(*tree.NodeAt({"Стоимость"}), 1, "Расходы"), "");
    EXPECT_EQ(tree.AddCriterion(*tree.NodeAt({"Комфорт"}), 0, "Шум"), "");
    EXPECT_EQ(tree.SetJudgements(CHierarchy::GoalNode, FromUpper(3, {3, -5, 2})), "");
    EXPECT_EQ(tree.SetJudgements(*tree.NodeAt({"Стоимость"}), FromUpper(2, {7})), "");
    EXPECT_EQ(tree.SetJudgements(*tree.NodeAt({"Стоимость", "Цена"}), FromUpper(3, {2, 0, -4})), "");
    return tree;
}

// Calls check(position, level, n) for every element with a level below it.
template <typename F> void ForEachJudgedElement(const CUserProjectModel& project, F check)
{
    for (std::uint32_t level = 0; level + 1 < project.LevelCount(); ++level) {
        for (std::uint32_t p = 0; p < project.ElementsInLevelChecked(level); ++p) {
            check(p, level, project.ElementsInLevelChecked(level + 1));
        }
    }
}
} // namespace

TEST(ExpertFiles, NamesOnePerLineAndTheNamesRefused)
{
    CGroupTempDir dir;
    const std::string longest(255 - 4, 'a');
    std::string longestCyrillic = "a"; // 251 bytes
    for (int i = 0; i < 125; ++i) {
        longestCyrillic += "ж";
    }
    struct CCase {
        std::string Text;
        std::vector<std::string> Names;
        std::string Problem;
    };
    const std::vector<CCase> cases{
        {"Анна\nБорис\n", {"Анна", "Борис"}, ""},
        {"  Анна Петрова \t\r\n\n \nБорис", {"Анна Петрова", "Борис"}, ""},
        {longest + "\n" + longestCyrillic, {longest, longestCyrillic}, ""},
        {"-x\nx.y\nИванов?\\", {"-x", "x.y", "Иванов?\\"}, ""},
        {"", {}, "Не указано ни одного эксперта"},
        {" \n\t\n", {}, "Не указано ни одного эксперта"},
        {"Анна\n.", {}, "Строка 2: «.» и «..» не могут быть именами файлов"},
        {"..", {}, "Строка 1: «.» и «..» не могут быть именами файлов"},
        {"Анна\n\nА/Б", {}, "Строка 3: имя «А/Б» содержит «/»"},
        {"а\tб", {}, "Строка 1: имя содержит управляющий символ"},
        {std::string("а\0б", 5), {}, "Строка 1: имя содержит управляющий символ"},
        {"а\x7f", {}, "Строка 1: имя содержит управляющий символ"},
        {".скрытый", {}, "Строка 1: имя «.скрытый» начинается с точки: файл был бы скрытым"},
        {longest + "b", {}, "Строка 1: имя «" + longest + "b» слишком длинное для имени файла"},
        {longestCyrillic + "b", {}, "Строка 1: имя «" + longestCyrillic + "b» слишком длинное для имени файла"},
        {"ok\n\xff\xfe", {}, "Строка 2: имя записано неверно"},
        {"\xd0", {}, "Строка 1: имя записано неверно"},
        {"\xc0\xaf", {}, "Строка 1: имя записано неверно"}, // an overlong "/"
        {"Иванов\nПетров\nиВАНОВ", {}, "Строка 3: имя «иВАНОВ» уже указано в строке 1"},
        {"Ёлкин\n\nёЛКИН", {}, "Строка 3: имя «ёЛКИН» уже указано в строке 1"},
        {"Smith\nSMITH ", {}, "Строка 2: имя «SMITH» уже указано в строке 1"},
        {"Élise\nélise", {}, "Строка 2: имя «élise» уже указано в строке 1"},
        // Letters that only look alike are different names: Latin "A" and Cyrillic "А".
        {"A\nА", {"A", "А"}, ""},
    };
    for (const CCase& c : cases) {
        const CExpertNames names = ExpertNamesOf(c.Text, dir.Path.string());
        EXPECT_EQ(names.Names, c.Names) << c.Text;
        EXPECT_EQ(names.Problem, c.Problem) << c.Text;
    }
}

TEST(ExpertFiles, EveryJudgementNotJudgedAndTheSameHierarchy)
{
    CGroupTempDir dir;
    const auto project = Facilitators();
    const std::vector<std::string> names{"Анна", "Борис"};
    EXPECT_TRUE(ExistingExpertFiles(names, dir.Path.string()).empty());
    const CExpertFilesOutcome outcome
        = WriteExpertFiles(*project, names, dir.Path.string(), EExpertJudgements::NotJudged);
    ASSERT_TRUE(outcome.Succeeded()) << outcome.Message;
    const std::vector<std::string> files{dir.File("Анна.tsy"), dir.File("Борис.tsy")};
    EXPECT_EQ(outcome.Written, files);
    EXPECT_EQ(ExistingExpertFiles(names, dir.Path.string()), files);

    for (const std::string& file : files) {
        const auto expert = Read(file);
        EXPECT_EQ(StructureDifference(*project, "a", *expert, "b"), std::nullopt);
        EXPECT_EQ(expert->Element(1, 1).Comment, "за год");
        int judged = 0;
        ForEachJudgedElement(*expert, [&](std::uint32_t p, std::uint32_t level, std::uint32_t n) {
            const CJudgementMatrix& matrix = expert->Element(p, level).Judgements;
            for (std::uint32_t i = 0; i < n; ++i) {
                for (std::uint32_t j = 0; j < n; ++j) {
                    EXPECT_EQ(matrix(i, j).Code(), i == j ? 1 : 0) << p << level << i << j;
                    judged += i != j && matrix(i, j).IsJudged() ? 1 : 0;
                }
            }
        });
        EXPECT_EQ(judged, 0);
        // Not a single pair judged: no element's priorities exist.
        EXPECT_TRUE(ComputeResults(*expert).NotConnected().has_value());
    }
    // The facilitator's project is untouched.
    EXPECT_EQ(project->Element(0, 0).Judgements(0, 1).Code(), 3);
}

TEST(ExpertFiles, KeepingTheProjectsJudgements)
{
    CGroupTempDir dir;
    const auto project = Facilitators();
    const std::vector<std::string> names{"Вера"};
    ASSERT_TRUE(WriteExpertFiles(*project, names, dir.Path.string(), EExpertJudgements::Kept).Succeeded());
    const auto expert = Read(dir.File("Вера.tsy"));
    EXPECT_EQ(StructureDifference(*project, "a", *expert, "b"), std::nullopt);
    ForEachJudgedElement(*expert, [&](std::uint32_t p, std::uint32_t level, std::uint32_t n) {
        for (std::uint32_t i = 0; i < n; ++i) {
            for (std::uint32_t j = 0; j < n; ++j) {
                EXPECT_EQ(expert->Element(p, level).Judgements(i, j), project->Element(p, level).Judgements(i, j));
            }
        }
    });
}

TEST(ExpertFiles, RefusedNamesWriteNothingAndFailuresNameTheFile)
{
    CGroupTempDir dir;
    const auto project = Facilitators();
    const std::vector<std::string> duplicate{"Анна", "АННА"};
    CExpertFilesOutcome outcome
        = WriteExpertFiles(*project, duplicate, dir.Path.string(), EExpertJudgements::NotJudged);
    EXPECT_EQ(outcome.Message, "Строка 2: имя «АННА» уже указано в строке 1");
    const std::vector<std::string> blank{"Анна", " "};
    EXPECT_EQ(WriteExpertFiles(*project, blank, dir.Path.string(), EExpertJudgements::NotJudged).Message,
        "Строка 2: пустое имя");
    const std::vector<std::string> twoLines{"Анна\nБорис"};
    EXPECT_EQ(WriteExpertFiles(*project, twoLines, dir.Path.string(), EExpertJudgements::NotJudged).Message,
        "Строка 1: имя содержит управляющий символ");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path));

    const std::string missing = dir.File("нет");
    const std::vector<std::string> names{"Анна"};
    outcome = WriteExpertFiles(*project, names, missing, EExpertJudgements::NotJudged);
    EXPECT_EQ(outcome.Message, FileOpenErrorText);
    EXPECT_EQ(outcome.File, missing + "/Анна.tsy");
    EXPECT_FALSE(outcome.Reason.empty());
    EXPECT_TRUE(outcome.Written.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path));
}

TEST(ExpertFiles, ATreesExpertsGetTreeFilesOfTheSameTree)
{
    CGroupTempDir dir;
    const CHierarchy tree = FacilitatorsTree();
    const std::vector<std::string> names{"Анна", "Борис"};
    const std::vector<std::string> files{dir.File("Анна.tsj"), dir.File("Борис.tsj")};
    // The second round replaces the first round's files: they are this tree's.
    for (const EExpertJudgements judgements : {EExpertJudgements::NotJudged, EExpertJudgements::Kept}) {
        const CExpertFilesOutcome outcome = WriteExpertFiles(tree, names, dir.Path.string(), judgements);
        ASSERT_TRUE(outcome.Succeeded()) << outcome.Message;
        EXPECT_EQ(outcome.Written, files);
        for (const std::string& file : files) {
            CHierarchy expert;
            ASSERT_TRUE(ReadTreeFile(expert, file).Succeeded()) << file;
            EXPECT_EQ(HierarchyDifference(tree, "a", expert, "b"), std::nullopt);
            EXPECT_EQ(expert.Node(*expert.NodeAt({"Стоимость", "Цена"})).Comment, "за год");
            for (std::uint32_t node = 0; node < tree.NodeCount(); ++node) {
                const std::uint32_t n = tree.ComparedCount(node);
                for (std::uint32_t i = 0; i < n; ++i) {
                    for (std::uint32_t j = 0; j < n; ++j) {
                        const int kept = tree.Node(node).Judgements(i, j).Code();
                        EXPECT_EQ(expert.Node(node).Judgements(i, j).Code(),
                            judgements == EExpertJudgements::Kept || i == j ? kept : 0)
                            << node << " " << i << j;
                    }
                }
            }
        }
    }

    // A tree file of another tree at an expert's name is in the way: nothing is written.
    CHierarchy other = tree;
    ASSERT_EQ(other.SetNodeText(*other.NodeAt({"Стоимость", "Цена"}), "Цена покупки", ""), "");
    ASSERT_EQ(SaveTreeFile(other, dir.File("Вера.tsj"), false), EWriteResult::Ok);
    const std::vector<std::string> vera{"Вера", "Глеб"};
    const CExpertFilesOutcome refused = WriteExpertFiles(tree, vera, dir.Path.string(), EExpertJudgements::Kept);
    EXPECT_EQ(refused.Message, ReplacedExpertFiles(tree, vera, dir.Path.string(), {}).Refusal);
    EXPECT_NE(refused.Message.find("«Вера.tsj» уже есть в папке"), std::string::npos) << refused.Message;
    EXPECT_FALSE(std::filesystem::exists(dir.File("Глеб.tsj")));
}
