// tessaly-report in English says nothing of its own in Russian: only the project's names
// and comments stay as the user wrote them.
#include "core/model/TLoadSaveProject.h"
#include "core/storage/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {
const std::string Project = (std::filesystem::path(TESSALY_SOURCE_DIR) / "examples/supplier.tsy").string();

std::string Output(const std::string& command)
{
    std::string text;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) {
        return text;
    }
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

// The project's own texts, longest first, so that a name holding another goes whole.
std::vector<std::string> ProjectTexts()
{
    auto record = std::make_unique<TLoadSaveProject>();
    EXPECT_TRUE(ReadProjectFile(*record, Project, EReadAccess::ReadOnly).Succeeded());
    std::vector<std::string> texts;
    for (std::uint32_t k = 0; k < record->LevelCount; ++k) {
        const std::uint32_t count = k == 0 ? 1U : static_cast<std::uint32_t>(record->ElementsPerLevel[k]);
        for (std::uint32_t e = 0; e < count; ++e) {
            for (const std::string* text : {&record->Elements[e][k].Name, &record->Elements[e][k].Comment}) {
                if (!text->empty()) {
                    texts.push_back(*text);
                }
            }
        }
    }
    std::sort(
        texts.begin(), texts.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    return texts;
}

// The first line holding a Cyrillic letter once the project's texts are taken out; "" when none.
std::string CyrillicLine(std::string text, const std::vector<std::string>& projectTexts)
{
    for (const std::string& own : projectTexts) {
        for (std::size_t at = text.find(own); at != std::string::npos; at = text.find(own, at)) {
            text.erase(at, own.size());
        }
    }
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            // U+0400 .. U+04FF: lead byte 0xD0 .. 0xD3.
            const auto lead = static_cast<unsigned char>(line[i]);
            if (lead >= 0xD0 && lead <= 0xD3 && (static_cast<unsigned char>(line[i + 1]) & 0xC0U) == 0x80U) {
                return line;
            }
        }
    }
    return {};
}
} // namespace

TEST(EnglishReport, TextAndHelpHaveNoRussianOfTheirOwnByLangOrByTheLocale)
{
    const std::vector<std::string> own = ProjectTexts();
    ASSERT_FALSE(own.empty());
    const std::string command = std::string("'") + TESSALY_REPORT + "' ";
    const std::string project = " '" + Project + "' 2>&1";
    // The Russian report keeps its words once the names are out: the check can see them.
    const std::string russian = Output(command + "--lang ru" + project);
    EXPECT_NE(CyrillicLine(russian, own), "");
    for (const std::string& language : {command + "--lang en", "LANGUAGE=en " + command}) {
        const std::string report = Output(language + project);
        // The whole report, line for line, not a refusal.
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), std::count(russian.begin(), russian.end(), '\n'))
            << language << "\n"
            << report;
        const std::string russianInReport = CyrillicLine(report, own);
        EXPECT_TRUE(russianInReport.empty())
            << language << " (needs report_en.ts merged into tessaly_en.ts): " << russianInReport;
        const std::string help = Output(language + " --help 2>&1");
        const std::string russianInHelp = CyrillicLine(help, own);
        EXPECT_TRUE(russianInHelp.empty()) << language << " --help: " << russianInHelp;
        // The descriptions stand in one column, as in the Russian help.
        const std::regex option(R"(^  (-\S+|[A-Z]+)( [A-Z]+)? +(\S.*)$)");
        std::istringstream lines(help);
        int options = 0;
        std::smatch match;
        for (std::string line; std::getline(lines, line);) {
            if (std::regex_match(line, match, option)) {
                EXPECT_EQ(match.position(3), 24) << line;
                ++options;
            }
        }
        EXPECT_EQ(options, 9) << help;
    }
}
