// Writes the example projects (examples/*.tsy) and the hierarchy templates
// (HTemplates/*.htp) through the program's own writer, then reads each file back and
// prints its ranking and the consistency ratio of every judged element.

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/model/TextLimits.h"
#include "core/results/CProjectResults.h"
#include "core/results/NumberFormat.h"
#include "core/results/Synthesis.h"
#include "core/storage/ProjectFile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

struct CPairJudgement {
    std::uint32_t Row = 0;
    std::uint32_t Column = 0;
    int Code = 1; // 2..9: the row element is preferred; -2..-9: the column element
};

struct CExampleElement {
    std::string Name;
    std::string Comment;
    std::vector<CPairJudgement> Judgements; // over the next level
};

struct CExampleProject {
    std::string FileName;
    std::vector<std::vector<CExampleElement>> Levels; // level 0 holds the goal alone
};

// Both halves of a pair, as the comparison window stores them.
void Judge(CJudgementMatrix& matrix, const CPairJudgement& judgement)
{
    matrix(judgement.Row, judgement.Column) = ::CJudgement::FromCode(judgement.Code);
    matrix(judgement.Column, judgement.Row) = matrix(judgement.Row, judgement.Column).Mirror();
}

// What the dialogs would allow: the goal within 14 characters, other names within 9.
bool NamesFit(const CExampleProject& project)
{
    for (std::size_t k = 0; k < project.Levels.size(); ++k) {
        for (const CExampleElement& element : project.Levels[k]) {
            if (Utf8Length(element.Name) > (k == 0 ? 14U : 9U) || Utf8Length(element.Comment) > 200U) {
                std::fprintf(stderr, "%s: %s is too long\n", project.FileName.c_str(), element.Name.c_str());
                return false;
            }
        }
    }
    return true;
}

bool Write(const CExampleProject& project, const std::filesystem::path& root, bool templateFlag)
{
    if (!NamesFit(project)) {
        return false;
    }
    auto record = std::make_unique<TLoadSaveProject>();
    record->LevelCount = static_cast<std::uint32_t>(project.Levels.size());
    for (std::uint32_t k = 0; k < record->LevelCount; ++k) {
        record->ElementsPerLevel[k] = static_cast<std::int32_t>(project.Levels[k].size());
        for (std::uint32_t e = 0; e < project.Levels[k].size(); ++e) {
            const CExampleElement& element = project.Levels[k][e];
            CLoadSaveProjectHierarchy_Element& slot = record->Elements[e][k];
            slot.Name = element.Name;
            slot.Comment = element.Comment;
            for (const CPairJudgement& judgement : element.Judgements) {
                Judge(slot.Judgements, judgement);
            }
        }
    }
    auto model = std::make_unique<CUserProjectModel>();
    if (!model->BuildLoadedHierarchy(*record)) {
        std::fprintf(stderr, "%s: the hierarchy was refused\n", project.FileName.c_str());
        return false;
    }
    const std::filesystem::path path = root / project.FileName;
    std::filesystem::create_directories(path.parent_path());
    if (SaveProjectFile(*model, path.string(), templateFlag) != EWriteResult::Ok) {
        std::fprintf(stderr, "%s: cannot be written\n", path.string().c_str());
        return false;
    }

    // Read back as the program would, and show what a user will see.
    auto reread = std::make_unique<TLoadSaveProject>();
    const CReadOutcome outcome = ReadProjectFile(*reread, path.string());
    auto loaded = std::make_unique<CUserProjectModel>();
    if (!outcome.Succeeded() || !loaded->BuildLoadedHierarchy(*reread)) {
        std::fprintf(stderr, "%s: does not read back: %s\n", path.string().c_str(), outcome.Message.c_str());
        return false;
    }
    const CProjectResults computed = ComputeResults(*loaded);
    std::printf("%s\n", project.FileName.c_str());
    for (std::uint32_t k = 0; k + 1 < loaded->LevelCount(); ++k) {
        for (std::uint32_t e = 0; e < loaded->ElementsInLevel(k); ++e) {
            std::printf("  CR %-14s %s\n", loaded->Element(e, k).Name.c_str(),
                FormatTruncated(computed.LevelData(e, k).CR, 4).c_str());
        }
    }
    const CResultList results = FinalResults(*loaded, computed);
    for (std::uint32_t i = 0; i < results.Count; ++i) {
        std::printf("  %s: %s\n", results.Rows[i].Name.c_str(), FormatTruncated(results.Rows[i].Value, 4).c_str());
    }
    return true;
}

CExampleProject SupplierProject()
{
    CExampleProject project;
    project.FileName = "examples/supplier.tsy";
    project.Levels = {
        {{"ПОСТАВЩИК ТРУБ",
            "Выбор поставщика стальных труб для цеха на следующий год: цена, качество, сроки поставки и репутация.",
            {{0, 1, -2}, {0, 2, 1}, {0, 3, 2}, {1, 2, 2}, {1, 3, 3}, {2, 3, 2}}}},
        {
            {"ЦЕНА", "Цена за тонну с доставкой до склада.", {{0, 1, 3}, {0, 2, 2}, {1, 2, -2}}},
            {"КАЧЕСТВО", "Доля брака и соответствие ГОСТ по результатам пробных партий.",
                {{0, 1, -4}, {0, 2, -2}, {1, 2, 3}}},
            {"СРОКИ", "Срок поставки и точность соблюдения графика.", {{0, 1, 2}, {0, 2, -3}, {1, 2, -5}}},
            {"РЕПУТАЦИЯ", "Отзывы других заводов и история судебных споров.", {{0, 1, -3}, {0, 2, 1}, {1, 2, 3}}},
        },
        {
            {"УРАЛТРУБ", "Самая низкая цена, качество среднее.", {}},
            {"СИБСТАЛЬ", "Лучшее качество и репутация, но дороже и дальше.", {}},
            {"ВОЛГАМЕТ", "Ближе всех: самые короткие сроки поставки.", {}},
        },
    };
    return project;
}

// The same decision in English, for a user of the English interface.
CExampleProject EnglishSupplierProject()
{
    CExampleProject project;
    project.FileName = "examples/supplier-en.tsy";
    project.Levels = {
        {{"PIPE SUPPLIER",
            "Choosing the supplier of steel pipes for the workshop next year: price, quality, delivery and "
            "reputation.",
            {{0, 1, -2}, {0, 2, 1}, {0, 3, 2}, {1, 2, 2}, {1, 3, 3}, {2, 3, 2}}}},
        {
            {"PRICE", "Price per tonne delivered to the warehouse.", {{0, 1, 3}, {0, 2, 2}, {1, 2, -2}}},
            {"QUALITY", "Share of rejects and conformance to the standard in trial batches.",
                {{0, 1, -4}, {0, 2, -2}, {1, 2, 3}}},
            {"DELIVERY", "Delivery time and keeping to the schedule.", {{0, 1, 2}, {0, 2, -3}, {1, 2, -5}}},
            {"STANDING", "What other plants say, and the history of lawsuits.", {{0, 1, -3}, {0, 2, 1}, {1, 2, 3}}},
        },
        {
            {"URALPIPE", "The lowest price, average quality.", {}},
            {"SIBSTEEL", "The best quality and reputation, but dearer and farther away.", {}},
            {"VOLGAMET", "The nearest: the shortest delivery times.", {}},
        },
    };
    return project;
}

CExampleProject WarehouseProject()
{
    CExampleProject project;
    project.FileName = "examples/warehouse.tsy";
    project.Levels = {
        {{"МЕСТО СКЛАДА", "Где арендовать новый склад: интересы владельца, клиентов и персонала по четырем критериям.",
            {{0, 1, 2}, {0, 2, 3}, {1, 2, 2}}}},
        {
            {"ВЛАДЕЛЕЦ", "Владелец бизнеса: прежде всего расходы на аренду.",
                {{0, 1, 3}, {0, 2, 2}, {0, 3, 5}, {1, 2, -2}, {1, 3, 2}, {2, 3, 3}}},
            {"КЛИЕНТЫ", "Клиенты: быстрая отгрузка и удобный подъезд.",
                {{0, 1, -5}, {0, 2, 1}, {0, 3, 1}, {1, 2, 4}, {1, 3, 3}, {2, 3, 1}}},
            {"ПЕРСОНАЛ", "Сотрудники склада: как добираться на работу.",
                {{0, 1, 1}, {0, 2, 1}, {0, 3, -5}, {1, 2, 2}, {1, 3, -3}, {2, 3, -4}}},
        },
        {
            {"АРЕНДА", "Стоимость аренды квадратного метра.", {{0, 1, -5}, {0, 2, -3}, {1, 2, 2}}},
            {"ДОРОГИ", "Подъезд для грузовиков и близость к трассе.", {{0, 1, -4}, {0, 2, -2}, {1, 2, 2}}},
            {"ПЛОЩАДЬ", "Площадь и возможность расшириться.", {{0, 1, -5}, {0, 2, -4}, {1, 2, 1}}},
            {"ТРАНСПОРТ", "Общественный транспорт для персонала.", {{0, 1, 5}, {0, 2, 7}, {1, 2, 2}}},
        },
        {
            {"ЦЕНТР", "Помещение в центре города.", {}},
            {"ПРОМЗОНА", "Ангар в промзоне у кольцевой дороги.", {}},
            {"ПРИГОРОД", "Новый складской комплекс в пригороде.", {}},
        },
    };
    return project;
}

CExampleProject Template(const std::string& fileName, const std::string& goal, const std::string& comment,
    std::initializer_list<const char*> criteria, std::initializer_list<const char*> alternatives)
{
    CExampleProject project;
    project.FileName = fileName;
    project.Levels.push_back({{goal, comment, {}}});
    project.Levels.emplace_back();
    for (const char* name : criteria) {
        project.Levels.back().push_back({name, "Комментарии отсутствуют", {}});
    }
    project.Levels.emplace_back();
    for (const char* name : alternatives) {
        project.Levels.back().push_back({name, "Комментарии отсутствуют", {}});
    }
    return project;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    bool ok = Write(SupplierProject(), root, false);
    ok = Write(WarehouseProject(), root, false) && ok;
    ok = Write(EnglishSupplierProject(), root, false) && ok;

    // The supplier project's own structure, with every judgement equal.
    CExampleProject supplierTemplate = SupplierProject();
    supplierTemplate.FileName = "HTemplates/supplier.htp";
    ok = Write(supplierTemplate, root, true) && ok;
    ok = Write(Template("HTemplates/hiring.htp", "НАЙМ РАБОТНИКА",
                   "Выбор кандидата на вакансию: опыт, навыки, образование и ожидаемая зарплата.",
                   {"ОПЫТ", "НАВЫКИ", "ОБРАЗОВАН", "ЗАРПЛАТА"}, {"КАНДИДАТ1", "КАНДИДАТ2", "КАНДИДАТ3"}),
             root, true)
        && ok;
    ok = Write(Template("HTemplates/purchase.htp", "ПОКУПКА", "Выбор одной из нескольких моделей при покупке.",
                   {"ЦЕНА", "КАЧЕСТВО", "СЕРВИС"}, {"МОДЕЛЬ_1", "МОДЕЛЬ_2", "МОДЕЛЬ_3"}),
             root, true)
        && ok;
    return ok ? 0 : 1;
}
