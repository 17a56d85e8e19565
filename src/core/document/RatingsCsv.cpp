#include "core/document/RatingsCsv.h"

#include "core/document/DocumentPhrases.h"
#include "core/model/CHierarchy.h"
#include "core/model/PhraseCatalogue.h"
#include "core/results/CCsvWriter.h"
#include "core/results/CRatingResults.h"
#include "core/results/ControlCharacters.h"
#include "core/results/CsvExport.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

using CRows = std::vector<std::vector<std::string>>;

// The separator of the first record: the first ',' or ';' outside quotes; ',' when none.
char SniffSeparator(std::string_view text)
{
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ',' || c == ';')) {
            return c;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        }
    }
    return ',';
}

// Records of fields; false, with the place of the field whose quote never closes, when one
// does not.
bool SplitCsv(std::string_view text, char separator, CRows& rows, CRatingsCsvProblem& unclosed)
{
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    std::uint32_t quoteRow = 0;
    std::uint32_t quoteColumn = 0;
    const auto endField = [&] {
        record.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    const auto endRecord = [&] {
        endField();
        rows.push_back(std::move(record));
        record.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteRow = static_cast<std::uint32_t>(rows.size() + 1);
            quoteColumn = static_cast<std::uint32_t>(record.size() + 1);
        } else if (c == separator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        unclosed = {ERatingsCsvProblem::UnclosedQuote, quoteRow, quoteColumn, field.substr(0, 40)};
        return false;
    }
    // No empty record after the last line end.
    if (fieldStarted || !field.empty() || !record.empty()) {
        endRecord();
    }
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A name as the table compares it: trimmed, in lower case, without the apostrophe the
// writer puts before a name a spreadsheet would take for a formula.
std::string Key(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() > 1 && text.front() == '\'' && std::string_view("=+-@").find(text[1]) != std::string_view::npos) {
        text.remove_prefix(1);
    }
    return FoldCase(text);
}

std::string NameKey(const std::string& name)
{
    return Key(ShowControlCharacters(name));
}

// The k-th holder of each name, as the writer puts them.
class CNameIndex {
public:
    void Add(const std::string& name, std::uint32_t holder) { Holders[NameKey(name)].push_back(holder); }
    // The next holder of the text's name, if one is left; whether any holder has it.
    std::optional<std::uint32_t> Next(const std::string& key, bool& known)
    {
        const auto found = Holders.find(key);
        known = found != Holders.end();
        if (!known) {
            return std::nullopt;
        }
        std::uint32_t& used = Used[key];
        if (used >= found->second.size()) {
            return std::nullopt;
        }
        return found->second[used++];
    }

private:
    std::map<std::string, std::vector<std::uint32_t>> Holders;
    std::map<std::string, std::uint32_t> Used;
};

// The keys a header of the written table may have: the header in every language Tessaly
// speaks and in the interface's, so that a table exported in one language imports in any.
std::vector<std::string> HeaderKeys(const CPhrase& header)
{
    std::vector<std::string> keys{Key(Tr(header))};
    for (const ELanguage language : {ELanguage::Russian, ELanguage::English}) {
        keys.push_back(Key(CatalogueText(language, header.Context, header.Source, -1)));
    }
    return keys;
}

bool IsAmong(const std::string& key, const std::vector<std::string>& keys)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

std::string FoldCase(std::string_view utf8)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0U;
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xD0 && next >= 0x90 && next <= 0x9F) { // А..П
            folded += '\xD0';
            folded += static_cast<char>(next + 0x20);
            ++i;
        } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) { // Р..Я
            folded += '\xD1';
            folded += static_cast<char>(next - 0x20);
            ++i;
        } else if (c == 0xD0 && next == 0x81) { // Ё
            folded += "\xD1\x91";
            ++i;
        } else {
            folded += static_cast<char>(c);
        }
    }
    return folded;
}

CRatingsCsvReading ReadRatingsCsv(const CHierarchy& tree, std::string_view text)
{
    CRatingsCsvReading reading;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    CRows rows;
    CRatingsCsvProblem unclosed;
    if (!SplitCsv(text, SniffSeparator(text), rows, unclosed)) {
        reading.Problems.push_back(std::move(unclosed));
        return reading;
    }
    if (rows.empty()) {
        reading.Problems.push_back({ERatingsCsvProblem::NoHeader, 1, 1, {}});
        return reading;
    }
    const std::vector<std::uint32_t> criteria = tree.RatedCriteria();
    CNameIndex criterionNames;
    for (const std::uint32_t node : criteria) {
        criterionNames.Add(tree.Node(node).Name, node);
    }
    CNameIndex alternativeNames;
    for (std::uint32_t a = 0; a < tree.AlternativeCount(); ++a) {
        alternativeNames.Add(tree.Alternatives()[a].Name, a);
    }
    const auto problem
        = [&reading](ERatingsCsvProblem kind, std::size_t row, std::size_t column, std::string_view cell) {
              reading.Problems.push_back({kind, static_cast<std::uint32_t>(row + 1),
                  static_cast<std::uint32_t>(column + 1), std::string(Trimmed(cell))});
          };

    // The criterion of every column, if any: the first column names the alternatives, and
    // the score and share the table was written with are left as they are.
    const std::vector<std::string>& header = rows.front();
    std::vector<std::optional<std::uint32_t>> columns(header.size());
    const std::vector<std::string> scoreKeys = HeaderKeys(DocumentPhrases::ScoreHeader);
    const std::vector<std::string> shareKeys = HeaderKeys(DocumentPhrases::ShareHeader);
    bool scoreSeen = false;
    bool shareSeen = false;
    for (std::size_t c = 1; c < header.size(); ++c) {
        const std::string key = Key(header[c]);
        bool known = false;
        columns[c] = criterionNames.Next(key, known);
        if (columns[c] || key.empty()) {
            continue;
        }
        if (IsAmong(key, scoreKeys) && !scoreSeen) {
            scoreSeen = true;
        } else if (IsAmong(key, shareKeys) && !shareSeen) {
            shareSeen = true;
        } else {
            problem(
                known ? ERatingsCsvProblem::RepeatedCriterion : ERatingsCsvProblem::UnknownCriterion, 0, c, header[c]);
        }
    }

    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (std::all_of(row.begin(), row.end(), [](const std::string& f) { return Trimmed(f).empty(); })) {
            continue;
        }
        bool known = false;
        const std::optional<std::uint32_t> alternative = alternativeNames.Next(Key(row[0]), known);
        if (!alternative) {
            problem(
                known ? ERatingsCsvProblem::RepeatedAlternative : ERatingsCsvProblem::UnknownAlternative, r, 0, row[0]);
        }
        for (std::size_t c = 1; c < row.size(); ++c) {
            const std::string key = Key(row[c]);
            if (c >= columns.size()) {
                if (!key.empty()) {
                    problem(ERatingsCsvProblem::ExtraCell, r, c, row[c]);
                }
                continue;
            }
            if (!columns[c]) {
                continue;
            }
            const std::uint32_t node = *columns[c];
            CRatingCell cell{node, alternative.value_or(0)}; // not rated unless named
            if (!key.empty()) {
                const std::vector<std::string>& names = tree.Scales()[tree.Node(node).Scale].Intensities;
                const auto found = std::find_if(
                    names.begin(), names.end(), [&key](const std::string& name) { return NameKey(name) == key; });
                if (found == names.end()) {
                    problem(ERatingsCsvProblem::UnknownIntensity, r, c, row[c]);
                    continue;
                }
                cell.Intensity = static_cast<std::int32_t>(found - names.begin());
            }
            if (alternative) {
                reading.Cells.push_back(cell);
            }
        }
        // A short row leaves its last criteria not rated, as empty cells would.
        for (std::size_t c = row.size(); c < columns.size() && alternative; ++c) {
            if (columns[c]) {
                reading.Cells.push_back({*columns[c], *alternative});
            }
        }
    }
    if (!reading.Problems.empty()) {
        reading.Cells.clear();
    }
    return reading;
}

std::string RatingsCsvProblemText(const CRatingsCsvProblem& problem)
{
    using namespace DocumentPhrases;
    CPhrase sentence = CsvNoHeader;
    switch (problem.Kind) {
    case ERatingsCsvProblem::NoHeader:
        return Tr(CsvNoHeader);
    case ERatingsCsvProblem::UnclosedQuote:
        sentence = CsvUnclosedQuote;
        break;
    case ERatingsCsvProblem::UnknownCriterion:
        sentence = CsvUnknownCriterion;
        break;
    case ERatingsCsvProblem::RepeatedCriterion:
        sentence = CsvRepeatedCriterion;
        break;
    case ERatingsCsvProblem::UnknownAlternative:
        sentence = CsvUnknownAlternative;
        break;
    case ERatingsCsvProblem::RepeatedAlternative:
        sentence = CsvRepeatedAlternative;
        break;
    case ERatingsCsvProblem::UnknownIntensity:
        sentence = CsvUnknownIntensity;
        break;
    case ERatingsCsvProblem::ExtraCell:
        sentence = CsvExtraCell;
        break;
    }
    return Say(
        sentence, std::to_string(problem.Row), std::to_string(problem.Column), ShowControlCharacters(problem.Text));
}

std::string RatingsCsv(const CHierarchy& tree, const CRatingResults& results, char decimalSeparator)
{
    CCsvWriter csv(decimalSeparator);
    const std::vector<std::uint32_t> criteria = tree.RatedCriteria();
    std::vector<std::string> fields;
    fields.reserve(criteria.size() + 3);
    fields.push_back(Tr(DocumentPhrases::AlternativeHeader));
    for (const std::uint32_t node : criteria) {
        fields.push_back(CsvText(tree.Node(node).Name));
    }
    fields.push_back(Tr(DocumentPhrases::ScoreHeader));
    fields.push_back(Tr(DocumentPhrases::ShareHeader));
    csv.Row(fields);
    for (std::uint32_t a = 0; a < tree.AlternativeCount(); ++a) {
        fields.clear();
        fields.push_back(CsvText(tree.Alternatives()[a].Name));
        for (const std::uint32_t node : criteria) {
            const CHierarchyNode& criterion = tree.Node(node);
            const std::int8_t rating = criterion.Ratings[a];
            fields.push_back(rating == NotRated
                    ? std::string()
                    : CsvText(tree.Scales()[criterion.Scale].Intensities[static_cast<std::size_t>(rating)]));
        }
        fields.push_back(csv.Entry(results.Scores(), a));
        fields.push_back(csv.Entry(results.Shares(), a));
        csv.Row(fields);
    }
    return std::move(csv.Text);
}
