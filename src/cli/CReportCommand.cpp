#include "cli/CReportCommand.h"

#include "TessalyVersion.h"

#include <CLI/CLI.hpp>

#include <string_view>
#include <vector>

namespace {
constexpr const char* ProgramName = "tessaly-report";
constexpr const char* UsageText = "Использование: tessaly-report [--json] [-o ОТЧЁТ] ФАЙЛ\n"
                                  "               tessaly-report --csv [-o ОТЧЁТ] ФАЙЛ\n";
constexpr const char* DescriptionText
    = "Отчёт по файлу проекта или шаблона Tessaly: цель, итоговое ранжирование, приоритеты\n"
      "и согласованность каждой матрицы сравнений, анализ чувствительности.\n";
constexpr const char* ExitCodesText = "Коды завершения:\n"
                                      "  0  отчёт выведен\n"
                                      "  1  файл проекта не открыт или повреждён\n"
                                      "  2  неверная командная строка\n"
                                      "  3  отчёт не записан: ошибка записи в стандартный вывод или в ОТЧЁТ";
constexpr const char* HelpHint = "Справка: tessaly-report --help";

// Characters, not bytes: the help is Russian, and the columns must line up on a terminal.
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
    std::string make_usage(const CLI::App* /*app*/, std::string /*name*/) const override { return UsageText; }

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
        return "не указан файл проекта";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        std::string extras;
        for (const std::string& argument : app.remaining()) {
            extras += (extras.empty() ? "" : " ") + argument;
        }
        return "лишние или неизвестные аргументы: " + extras;
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        return "--json и --csv не задаются вместе";
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return "у параметра нет значения или их несколько (" + std::string(error.what()) + ")";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
        return "неверное значение параметра (" + std::string(error.what()) + ")";
    }
    return error.what();
}
} // namespace

CReportCommand::CReportCommand()
    : App(std::make_unique<CLI::App>(DescriptionText, ProgramName))
{
    auto formatter = std::make_shared<CHelpFormatter>();
    formatter->label("Positionals", "Аргументы");
    formatter->column_width(24);
    App->formatter(formatter);
    App->option_defaults()->group("Параметры");
    App->set_help_flag("-h,--help", "эта справка");
    App->set_version_flag("--version", VersionText(), "версия программы");
    CLI::Option* json = App->add_flag("--json", Json, "отчёт одним объектом JSON");
    CLI::Option* csv
        = App->add_flag("--csv", Csv, "цифры проекта в CSV, как их экспортирует программа\n(UTF-8 с BOM, «.» и «,»)");
    json->excludes(csv);
    App->add_option("-o,--output", Output,
           "записать отчёт в файл ОТЧЁТ вместо стандартного вывода;\nстарый файл заменяется, только когда новый "
           "записан целиком")
        ->type_name("ОТЧЁТ");
    App->add_option("ФАЙЛ", Project, "файл проекта (.tsy) или шаблона (.htp);\nоткрывается только для чтения")
        ->required();
    App->footer(ExitCodesText);
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
        Error = std::string(ProgramName) + ": " + Complaint(error, *App) + '\n' + UsageText + HelpHint + '\n';
        return EAction::UsageError;
    }
    return EAction::Report;
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
