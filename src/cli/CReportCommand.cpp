#include "cli/CReportCommand.h"

#include "TessalyVersion.h"
#include "core/group/CExpertWeights.h"
#include "core/model/Phrase.h"
#include "core/storage/StoragePhrases.h"
#include "core/storage/UntrustedText.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <vector>

namespace {
constexpr const char* ProgramName = "tessaly-report";
// The help's texts: each a whole block, its lines broken and aligned by the translation,
// the value names (ОТЧЁТ, ВЕСА, ЯЗЫК, ФАЙЛ) the same in the usage, the options and the codes.
constexpr CPhrase UsageText = TESSALY_PHRASE("ReportCommand",
    "Использование: tessaly-report [--json] [-o ОТЧЁТ] ФАЙЛ\n"
    "               tessaly-report --csv [-o ОТЧЁТ] ФАЙЛ\n"
    "               tessaly-report --group [--weights ВЕСА] [--json | --csv] [-o ОТЧЁТ] ФАЙЛ...\n");
constexpr CPhrase DescriptionText = TESSALY_PHRASE("ReportCommand",
    "Отчёт по файлу проекта, дерева критериев или шаблона Tessaly: цель, итоговое ранжирование,\n"
    "приоритеты и согласованность каждой матрицы сравнений, анализ чувствительности.\n"
    "С --group — групповое решение по файлам экспертов (или по одному файлу группы .tsg):\n"
    "эксперты, групповой рейтинг, средние приоритетов экспертов, согласие по каждому\n"
    "элементу и по рейтингу, разброс суждений и расстояние каждого эксперта от группы.\n");
constexpr CPhrase ExitCodesText = TESSALY_PHRASE("ReportCommand",
    "Коды завершения:\n"
    "  0  отчёт выведен\n"
    "  1  файл проекта не открыт или повреждён\n"
    "     (с --group: файл эксперта или файл группы)\n"
    "  2  неверная командная строка (с --group: и неверные ВЕСА)\n"
    "  3  отчёт не записан: ошибка записи в стандартный вывод или в ОТЧЁТ\n"
    "  4  группа не составлена: иерархии экспертов различаются или файл указан дважды");
constexpr CPhrase HelpHint = TESSALY_PHRASE("ReportCommand", "Справка: tessaly-report --help");
constexpr CPhrase ExtraArguments = TESSALY_PHRASE("ReportCommand", "лишние или неизвестные аргументы: %1");

// Characters, not bytes: the help may be Russian, and the columns must line up on a terminal.
std::size_t DisplayWidth(std::string_view utf8)
{
    std::size_t width = 0;
    for (const char c : utf8) {
        width += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return width;
}

// The help in the program's language: the usage as the two forms of the command, each
// option with its value's name only, and the descriptions in a column that UTF-8 text
// does not push out of line.
class CHelpFormatter final : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* /*app*/, std::string /*name*/) const override { return Tr(UsageText); }

    std::string make_option_opts(const CLI::Option* option) const override
    {
        const bool takesValue = option->get_type_size() != 0 && !option->get_positional();
        return takesValue && !option->get_type_name().empty() ? " " + option->get_type_name() : std::string();
    }

    std::string make_option(const CLI::Option* option, bool isPositional) const override
    {
        std::string line = "  " + make_option_name(option, isPositional) + make_option_opts(option);
        const std::size_t width = DisplayWidth(line);
        if (width < column_width_) {
            line.append(column_width_ - width, ' ');
        } else {
            line.append(1, '\n').append(column_width_, ' ');
        }
        for (const char c : make_option_desc(option)) {
            line += c;
            if (c == '\n') {
                line.append(column_width_, ' ');
            }
        }
        return line + '\n';
    }
};

// The parser's complaint in the program's language, where it is one this command meets.
std::string Complaint(const CLI::ParseError& error, const CLI::App& app)
{
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        return Tr(TESSALY_PHRASE("ReportCommand", "не указан файл проекта"));
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        std::string extras;
        for (const std::string& argument : app.remaining()) {
            extras += (extras.empty() ? "" : " ") + argument;
        }
        return Say(ExtraArguments, extras);
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return Tr(TESSALY_PHRASE("ReportCommand", "--json и --csv не задаются вместе"));
    }
    if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
        return Tr(TESSALY_PHRASE("ReportCommand", "--weights задаётся только вместе с --group"));
    }
    // The parser's own words (English) in brackets, for the details.
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return Say(TESSALY_PHRASE("ReportCommand", "у параметра нет значения или их несколько (%1)"), error.what());
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr
        || dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
        return Say(TESSALY_PHRASE("ReportCommand", "неверное значение параметра (%1)"), error.what());
    }
    return error.what();
}
} // namespace

CReportCommand::CReportCommand()
    : App(std::make_unique<CLI::App>(Tr(DescriptionText), ProgramName))
{
    auto formatter = std::make_shared<CHelpFormatter>();
    formatter->label("Positionals", Tr(TESSALY_PHRASE("ReportCommand", "Аргументы")));
    formatter->column_width(24);
    App->formatter(formatter);
    App->option_defaults()->group(Tr(TESSALY_PHRASE("ReportCommand", "Параметры")));
    App->set_help_flag("-h,--help", Tr(TESSALY_PHRASE("ReportCommand", "эта справка")));
    App->set_version_flag("--version", VersionText(), Tr(TESSALY_PHRASE("ReportCommand", "версия программы")));
    CLI::Option* json = App->add_flag("--json", Json, Tr(TESSALY_PHRASE("ReportCommand", "отчёт одним объектом JSON")));
    CLI::Option* csv = App->add_flag("--csv", Csv,
        Tr(TESSALY_PHRASE("ReportCommand",
            "цифры проекта (с --group — группы) в CSV, как их\nэкспортирует программа (UTF-8 с BOM, «.» и «,»)")));
    json->excludes(csv);
    App->add_option("-o,--output", Output,
           Tr(TESSALY_PHRASE("ReportCommand",
               "записать отчёт в файл ОТЧЁТ вместо стандартного вывода;\nстарый файл заменяется, только когда новый "
               "записан целиком")))
        ->type_name(Tr(TESSALY_PHRASE("ReportCommand", "ОТЧЁТ")));
    CLI::Option* group = App->add_flag("--group", Group,
        Tr(TESSALY_PHRASE("ReportCommand",
            "групповое решение: ФАЙЛ... — файлы экспертов с одной\nиерархией (метка — имя файла, вес 1) или один файл\n"
            "группы (.tsg) со своими метками и весами")));
    App->add_option("--weights", WeightList,
           Tr(TESSALY_PHRASE("ReportCommand",
               "веса экспертов через запятую, по одному на каждого\n(числа от 0.000001 до 1000000), в порядке файлов;\n"
               "заменяют веса файла группы и включают их учёт")))
        ->type_name(Tr(TESSALY_PHRASE("ReportCommand", "ВЕСА")))
        ->needs(group);
    App->add_option("--lang", Language,
           Tr(TESSALY_PHRASE("ReportCommand", "язык отчёта и сообщений: ru или en\n(по умолчанию — язык системы)")))
        ->type_name(Tr(TESSALY_PHRASE("ReportCommand", "ЯЗЫК")))
        ->check(CLI::IsMember({"ru", "en"}).description(""));
    App->add_option(Tr(TESSALY_PHRASE("ReportCommand", "ФАЙЛ")), Files,
           Tr(TESSALY_PHRASE("ReportCommand",
               "файл проекта (.tsy), дерева критериев (.tsj)\nили шаблона (.htp); с --group — файлы экспертов\nили "
               "файл "
               "группы; открываются только для чтения")))
        ->required();
    App->footer(Tr(ExitCodesText));
}

CReportCommand::~CReportCommand() = default;

CReportCommand::EAction CReportCommand::Parse(int argc, const char* const* argv)
{
    try {
        App->parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return EAction::Help;
    } catch (const CLI::CallForVersion&) {
        return EAction::Version;
    } catch (const CLI::ParseError& error) {
        Error = Refusal(Complaint(error, *App));
        return EAction::UsageError;
    }
    if (!Group) {
        if (Files.size() > 1) {
            std::string extras;
            for (std::size_t f = 1; f < Files.size(); ++f) {
                extras += (extras.empty() ? "" : " ") + Files[f];
            }
            Error = Refusal(Say(ExtraArguments, extras));
            return EAction::UsageError;
        }
        return EAction::Report;
    }
    if (WeightList) {
        std::string problem;
        ExpertWeights = ParseWeightList(*WeightList, problem);
        if (!ExpertWeights) {
            Error = Refusal(problem);
            return EAction::UsageError;
        }
    }
    return EAction::Group;
}

std::string CReportCommand::Refusal(const std::string& complaint)
{
    return std::string(ProgramName) + ": " + complaint + '\n' + Tr(UsageText) + Tr(HelpHint) + '\n';
}

std::optional<std::vector<double>> ParseWeightList(const std::string& text, std::string& problem)
{
    std::vector<double> weights;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string_view item(text.data() + start, end - start);
        double weight = 0.0;
        const auto [stop, error] = std::from_chars(item.data(), item.data() + item.size(), weight);
        if (item.empty() || error != std::errc() || stop != item.data() + item.size()
            || !AcceptableExpertWeight(weight)) {
            problem = Say(TESSALY_PHRASE("ReportCommand", "--weights: вес %1 «%2»: %3"),
                std::to_string(weights.size() + 1), ShortText(item), Tr(StoragePhrases::ExpertWeightRange));
            return std::nullopt;
        }
        weights.push_back(weight);
        if (end == text.size()) {
            return weights;
        }
        start = end + 1;
    }
}

ELanguage ReportLanguage(int argc, const char* const* argv)
{
    std::optional<ELanguage> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--") {
            break; // file names follow
        }
        std::optional<std::string_view> value;
        if (argument == "--lang" && i + 1 < argc) {
            value = argv[++i];
        } else if (argument.substr(0, 7) == "--lang=") {
            value = argument.substr(7);
        }
        if (value) {
            if (const std::optional<ELanguage> named = LanguageNamed(*value)) {
                chosen = named;
            }
        }
    }
    return chosen.value_or(LanguageOfEnvironment());
}

EReportFormat CReportCommand::Format() const
{
    return Json ? EReportFormat::Json : Csv ? EReportFormat::Csv : EReportFormat::Text;
}

std::string CReportCommand::HelpText() const
{
    return App->help();
}

std::string CReportCommand::VersionText()
{
    return std::string(ProgramName) + ' ' + TESSALY_VERSION + '\n';
}
