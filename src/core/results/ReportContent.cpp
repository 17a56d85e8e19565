#include "core/results/ReportContent.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TDesicionLevelData.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/Deviations.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/NumberFormat.h"
#include "core/results/RankingOrder.h"
#include "core/results/Synthesis.h"

#include <algorithm>
#include <cmath>

namespace {
// A priority, weight or measure as every output shows it.
std::string Shown(double x, char decimalSeparator)
{
    return FormatTruncated(x, 4, decimalSeparator);
}

std::string Numbered(std::uint32_t index, const std::string& name)
{
    return std::to_string(index + 1) + ". " + name;
}

// Which side a judgement's code favours: 1 the row element, -1 the column element, 0
// neither (equality, or no code of the scale).
int SideOf(std::int32_t code)
{
    if (code >= 2) {
        return 1;
    }
    return code <= -2 ? -1 : 0;
}

std::int32_t Strength(std::int32_t code)
{
    return code < 0 ? -code : code;
}

CReportTable RankingTable(const CResultList& list, std::string nameCaption, bool withPlace, char decimalSeparator)
{
    CReportTable table;
    if (withPlace) {
        table.Header.push_back(Tr(PlaceCaption));
    }
    table.Header.push_back(std::move(nameCaption));
    table.Header.push_back(Tr(PriorityCaption));
    for (std::uint32_t i = 0; i < list.Count; ++i) {
        std::vector<std::string> row;
        if (withPlace) {
            row.push_back(std::to_string(i + 1));
        }
        row.push_back(list.Rows[i].Name);
        row.push_back(Shown(list.Rows[i].Value, decimalSeparator));
        table.Rows.push_back(std::move(row));
    }
    return table;
}
} // namespace

std::string MeasuresText(const TDesicionLevelData& data, char decimalSeparator)
{
    return MeasuresText(CConsistency{data.LambdaMax, data.CI, data.CR}, EPrioritiesBasis::AllJudged, decimalSeparator);
}

std::string MeasuresText(const TDesicionLevelData& data, EPrioritiesBasis basis, char decimalSeparator)
{
    return MeasuresText(CConsistency{data.LambdaMax, data.CI, data.CR}, basis, decimalSeparator);
}

std::string MeasuresText(const CConsistency& measures, EPrioritiesBasis basis, char decimalSeparator)
{
    switch (basis) {
    case EPrioritiesBasis::AllJudged:
    case EPrioritiesBasis::LeastSquares:
        break;
    case EPrioritiesBasis::NotConnected:
        return Tr(TESSALY_PHRASE("ReportContent", "Приоритеты не определены: сравнений недостаточно"));
    case EPrioritiesBasis::BadValue:
        return Tr(TESSALY_PHRASE("ReportContent", "Приоритеты не определены: в матрице есть нулевые суждения"));
    }
    const CPhrase measured = basis == EPrioritiesBasis::LeastSquares
        ? TESSALY_PHRASE("ReportContent", "СЗ: %1; ИС: %2; ОС (по дополненной матрице): %3")
        : TESSALY_PHRASE("ReportContent", "СЗ: %1; ИС: %2; ОС: %3");
    return Say(measured, Shown(measures.LambdaMax, decimalSeparator), Shown(measures.CI, decimalSeparator),
        Shown(measures.CR, decimalSeparator));
}

std::string LocalPrioritiesText(const TDesicionLevelData& data, std::uint32_t n, char decimalSeparator)
{
    return LocalPrioritiesText(
        std::span<const double>(data.Priority.data(), n < MaxElementsPerLevel ? n : MaxElementsPerLevel),
        decimalSeparator);
}

std::string LocalPrioritiesText(std::span<const double> priorities, char decimalSeparator)
{
    std::string shown;
    for (const double priority : priorities) {
        shown += (shown.empty() ? "" : " ") + Shown(priority, decimalSeparator);
    }
    if (shown.empty()) {
        return Tr(TESSALY_PHRASE("ReportContent", "Локальные приоритеты:"));
    }
    return Say(TESSALY_PHRASE("ReportContent", "Локальные приоритеты: %1"), shown);
}

std::string TransitivityText(const CTransitivityReport& report)
{
    if (report.None) {
        return Tr(NoTransitivityViolationText);
    }
    std::string cycles;
    for (std::size_t t = 0; t < report.Lines.size(); ++t) {
        cycles += (t == 0 ? "" : ", ") + report.Lines[t];
    }
    return Say(TESSALY_PHRASE("ReportContent", "Нарушения транзитивности: %1"), cycles);
}

std::string ConsistencyVerdictText(EConsistencyVerdict verdict)
{
    switch (verdict) {
    case EConsistencyVerdict::Acceptable:
        return Tr(TESSALY_PHRASE("ReportContent", "Согласованность суждений приемлема"));
    case EConsistencyVerdict::NotAcceptable:
        return Tr(
            TESSALY_PHRASE("ReportContent", "Согласованность суждений недостаточна: суждения стоит пересмотреть"));
    case EConsistencyVerdict::Undetermined:
        break;
    }
    return Tr(TESSALY_PHRASE("ReportContent", "Согласованность не оценивается: в матрице есть нулевые суждения"));
}

namespace {
std::string VerdictTextOf(const CConsistencyGuidance& guidance)
{
    if (guidance.Verdict == EConsistencyVerdict::Undetermined && guidance.NotConnected) {
        return Tr(TESSALY_PHRASE("ReportContent", "Согласованность не оценивается: сравнений недостаточно"));
    }
    return ConsistencyVerdictText(guidance.Verdict);
}
} // namespace

CConsistencyText ConsistencyText(const CConsistencyGuidance& guidance, char decimalSeparator)
{
    CConsistencyText text;
    if (guidance.Order < 2) {
        return text;
    }
    text.Verdict = VerdictTextOf(guidance);
    if (guidance.Verdict == EConsistencyVerdict::Undetermined) {
        return text;
    }
    const std::string ratio = Shown(guidance.Measures.CR, decimalSeparator);
    const std::string limit = Shown(guidance.CrLimit, decimalSeparator);
    text.RatioLimit = guidance.Completed
        ? Say(TESSALY_PHRASE("ReportContent", "ОС (по дополненной матрице): %1 (допустимо до %2)"), ratio, limit)
        : Say(TESSALY_PHRASE("ReportContent", "ОС: %1 (допустимо до %2)"), ratio, limit);
    if (guidance.Gci && guidance.GciLimit) {
        text.GeometricLimit = Say(TESSALY_PHRASE("ReportContent", "Геометрический индекс: %1 (допустимо до %2)"),
            Shown(*guidance.Gci, decimalSeparator), Shown(*guidance.GciLimit, decimalSeparator));
    }
    text.SuggestionsHeading = guidance.SuggestionCount > 0
        ? Tr(TESSALY_PHRASE("ReportContent", "Что изменить в первую очередь:"))
        : Tr(TESSALY_PHRASE("ReportContent", "Предложений по изменению суждений нет"));
    return text;
}

std::vector<std::string> ConsistencyLines(const CConsistencyGuidance& guidance, char decimalSeparator)
{
    const CConsistencyText text = ConsistencyText(guidance, decimalSeparator);
    std::vector<std::string> lines;
    for (const std::string* line : {&text.Verdict, &text.RatioLimit, &text.GeometricLimit}) {
        if (!line->empty()) {
            lines.push_back(*line);
        }
    }
    return lines;
}

std::string SuggestionMeaning(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName)
{
    const int after = SideOf(suggestion.Proposed);
    if (after == 0) {
        return Tr(TESSALY_PHRASE("ReportContent", "считать их равноценными"));
    }
    const int before = SideOf(suggestion.Current);
    const std::int32_t strength = Strength(suggestion.Proposed);
    const std::string& winner = after > 0 ? rowName : columnName;
    if (before == after) {
        return SayCount(TESSALY_PHRASE_N("ReportContent", "«%1» важнее не в %2, а в %n раз"), strength, winner,
            std::to_string(Strength(suggestion.Current)));
    }
    if (before != 0) {
        return SayCount(
            TESSALY_PHRASE_N("ReportContent", "суждение наоборот: теперь «%1» важнее в %n раз"), strength, winner);
    }
    // From equality (or from a value that is no code of the scale).
    return SayCount(TESSALY_PHRASE_N("ReportContent", "теперь «%1» важнее в %n раз"), strength, winner);
}

std::string ReversalNote(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName)
{
    if (!suggestion.ProbablyReversed || SideOf(suggestion.Implied) == 0) {
        return {};
    }
    return SayCount(TESSALY_PHRASE_N("ReportContent",
                        "остальные суждения говорят: «%1» важнее примерно в %n раз — возможно, суждение введено "
                        "наоборот"),
        Strength(suggestion.Implied), SideOf(suggestion.Implied) > 0 ? rowName : columnName);
}

namespace {
// "; " and the reversal note, or nothing.
std::string WithReversalNote(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName)
{
    const std::string note = ReversalNote(suggestion, rowName, columnName);
    return note.empty() ? note : "; " + note;
}

// The suggestion's line, with the geometric index it leaves when asked and there is one.
std::string SuggestionLine(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName,
    char decimalSeparator, bool withGeometricIndex)
{
    // Turned back to what the others say, the note alone tells what the change means.
    const std::string note = ReversalNote(suggestion, rowName, columnName);
    const std::string meaning = !note.empty() && suggestion.Proposed == suggestion.Implied
        ? note
        : SuggestionMeaning(suggestion, rowName, columnName) + WithReversalNote(suggestion, rowName, columnName);
    const std::string row = Numbered(suggestion.Row, rowName);
    const std::string column = Numbered(suggestion.Column, columnName);
    const std::string current = JudgementCellText(suggestion.Current);
    const std::string proposed = JudgementCellText(suggestion.Proposed);
    const std::string ratio = Shown(suggestion.CrAfter, decimalSeparator);
    if (withGeometricIndex && suggestion.GciAfter) {
        return Say(TESSALY_PHRASE("ReportContent", "%1 и %2: %3 → %4, %5; ОС станет %6, геометрический индекс %7"), row,
            column, current, proposed, meaning, ratio, Shown(*suggestion.GciAfter, decimalSeparator));
    }
    return Say(TESSALY_PHRASE("ReportContent", "%1 и %2: %3 → %4, %5; ОС станет %6"), row, column, current, proposed,
        meaning, ratio);
}
} // namespace

std::string SuggestionText(
    const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName, char decimalSeparator)
{
    return SuggestionLine(suggestion, rowName, columnName, decimalSeparator, false);
}

std::string AcceptedChangeText(
    std::uint32_t row, std::uint32_t column, const CJudgement& before, std::int32_t written, char decimalSeparator)
{
    return Say(TESSALY_PHRASE("ReportContent", "%1 и %2: %3 → %4"), std::to_string(row + 1), std::to_string(column + 1),
        JudgementText(before, decimalSeparator), JudgementCellText(written));
}

std::string UnacceptableMarkText(const CUnacceptableMatrix& matrix, char decimalSeparator)
{
    const std::string ratio = Shown(matrix.Cr, decimalSeparator);
    const std::string limit = Shown(matrix.CrLimit, decimalSeparator);
    return matrix.Completed
        ? Say(TESSALY_PHRASE("ReportContent",
                  "Согласованность суждений недостаточна: ОС (по дополненной матрице) %1 (допустимо до %2)"),
            ratio, limit)
        : Say(TESSALY_PHRASE("ReportContent", "Согласованность суждений недостаточна: ОС %1 (допустимо до %2)"), ratio,
            limit);
}

std::string WarningText(const std::vector<CNamedRatio>& unacceptable, std::uint32_t matrices, char decimalSeparator)
{
    if (unacceptable.empty()) {
        return {};
    }
    std::string named;
    for (std::size_t k = 0; k < unacceptable.size(); ++k) {
        const CNamedRatio& matrix = unacceptable[k];
        const std::string ratio = Shown(matrix.Cr, decimalSeparator);
        const std::string limit = Shown(matrix.CrLimit, decimalSeparator);
        named += k == 0 ? "" : "; ";
        named += matrix.Completed
            ? Say(TESSALY_PHRASE("ReportContent", "%1 (ОС (по дополненной матрице) %2, допустимо до %3)"), matrix.Name,
                ratio, limit)
            : Say(TESSALY_PHRASE("ReportContent", "%1 (ОС %2, допустимо до %3)"), matrix.Name, ratio, limit);
    }
    return SayCount(TESSALY_PHRASE_N("ReportContent",
                        "Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2. Результат опирается "
                        "на суждения, которые стоит пересмотреть."),
        static_cast<int>(unacceptable.size()), std::to_string(matrices), named);
}

std::string UnacceptableWarningText(
    const CUserProjectModel& project, const std::vector<CUnacceptableMatrix>& unacceptable, char decimalSeparator)
{
    std::vector<CNamedRatio> named;
    named.reserve(unacceptable.size());
    for (const CUnacceptableMatrix& matrix : unacceptable) {
        named.push_back(
            {MatrixName(project, matrix.Position, matrix.Level), matrix.Cr, matrix.CrLimit, matrix.Completed});
    }
    return WarningText(named, JudgedMatrixCount(project), decimalSeparator);
}

std::string SuggestionDescription(
    const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName, char decimalSeparator)
{
    const std::string current = JudgementCellText(suggestion.Current);
    const std::string proposed = JudgementCellText(suggestion.Proposed);
    const std::string ratio = Shown(suggestion.CrAfter, decimalSeparator);
    const std::string change = suggestion.GciAfter
        ? Say(TESSALY_PHRASE("ReportContent",
                  "«%1» по сравнению с «%2»: сейчас %3, предлагается %4; после замены ОС станет %5, геометрический "
                  "индекс %6"),
            rowName, columnName, current, proposed, ratio, Shown(*suggestion.GciAfter, decimalSeparator))
        : Say(TESSALY_PHRASE(
                  "ReportContent", "«%1» по сравнению с «%2»: сейчас %3, предлагается %4; после замены ОС станет %5"),
            rowName, columnName, current, proposed, ratio);
    return change + WithReversalNote(suggestion, rowName, columnName);
}

std::vector<std::string> SuggestionLines(
    const CUserProjectModel& project, std::uint32_t level, const CConsistencyGuidance& guidance, char decimalSeparator)
{
    std::vector<std::string> names;
    for (std::uint32_t s = 0; s < guidance.SuggestionCount && s < MaxSuggestions; ++s) {
        const std::uint32_t last = std::max(guidance.Suggestions[s].Row, guidance.Suggestions[s].Column);
        while (names.size() <= last) {
            names.push_back(project.Element(static_cast<std::uint32_t>(names.size()), level + 1).Name);
        }
    }
    return SuggestionLines(names, guidance, decimalSeparator);
}

std::vector<std::string> SuggestionLines(
    std::span<const std::string> names, const CConsistencyGuidance& guidance, char decimalSeparator)
{
    auto nameOf = [names](std::uint32_t k) { return k < names.size() ? names[k] : std::to_string(k + 1); };
    std::vector<std::string> lines;
    for (std::uint32_t s = 0; s < guidance.SuggestionCount && s < MaxSuggestions; ++s) {
        const CSuggestion& suggestion = guidance.Suggestions[s];
        lines.push_back(Say(TESSALY_PHRASE("ReportContent", "Предложение %1: %2"), std::to_string(s + 1),
            SuggestionLine(suggestion, nameOf(suggestion.Row), nameOf(suggestion.Column), decimalSeparator, true)));
    }
    return lines;
}

CElementSensitivityText ElementSensitivityText(const CUserProjectModel& project, const CSensitivityAnalysis& analysis,
    std::uint32_t level, std::uint32_t position, char decimalSeparator)
{
    CAlternativeNames names;
    if (project.LevelCount() > 0) {
        const std::uint32_t bottom = project.LevelCount() - 1;
        for (std::uint32_t i = 0; i < project.ElementsInLevelChecked(bottom); ++i) {
            names[i] = project.Element(i, bottom).Name;
        }
    }
    return ElementSensitivityText(names, analysis, level, position, decimalSeparator);
}

namespace {

// The words for one moved weight, whichever shape it moves in: its summary, why nothing
// changes, or its place changes in the alternatives' names.
CElementSensitivityText MovedWeightText(std::string summary, bool hasLines, std::span<const CCrossing> crossings,
    bool criticalHere, std::span<const std::string> alternatives, std::string wholeWeightNote, char decimalSeparator,
    std::string unchangedNote)
{
    CElementSensitivityText text;
    text.Summary = std::move(summary);
    if (!hasLines) {
        text.Note = std::move(wholeWeightNote);
        return text;
    }
    if (crossings.empty()) {
        text.Note = std::move(unchangedNote);
        return text;
    }
    if (criticalHere) {
        text.Summary = Say(TESSALY_PHRASE("ReportContent", "%1 (здесь критическое изменение проекта)"), text.Summary);
    }
    for (const CCrossing& crossing : crossings) {
        CCrossingText row;
        const std::string& first = alternatives[crossing.First];
        const std::string& second = alternatives[crossing.Second];
        row.Weight = Shown(crossing.Weight, decimalSeparator);
        row.Pair = Say(TESSALY_PHRASE("ReportContent", "%1 и %2"), first, second);
        row.LeaderAfter = alternatives[crossing.LeaderAfter];
        row.Sentence
            = Say(TESSALY_PHRASE("ReportContent", "при весе %1 %2 и %3 меняются местами, при большем весе впереди %4"),
                row.Weight, first, second, row.LeaderAfter);
        text.Crossings.push_back(std::move(row));
    }
    return text;
}

// The change of a weight in percent of the weight, signed: "+36", "-12".
std::string PercentChange(double from, double to)
{
    const long percent = std::lround((to - from) / from * 100.0);
    return (percent >= 0 ? "+" : "") + std::to_string(percent);
}

// "Критическое изменение: локальный вес «Стоимость / Цена» с 0.25 до 0.4 (+60%): Б обгоняет А",
// by one of the two sentences: with the percent, or without it for a weight of 0.
std::string CriticalMoveText(const CPhrase& withPercent, const CPhrase& withoutPercent, const std::string& name,
    double from, double to, const std::string& newLeader, const std::string& overtaken, char decimalSeparator)
{
    if (from > 0.0) {
        return Say(withPercent, name, Shown(from, decimalSeparator), Shown(to, decimalSeparator),
            PercentChange(from, to), newLeader, overtaken);
    }
    return Say(withoutPercent, name, Shown(from, decimalSeparator), Shown(to, decimalSeparator), newLeader, overtaken);
}

constexpr CPhrase NoCriticalChangeText
    = TESSALY_PHRASE("ReportContent", "Критическое изменение: изменение одного веса не меняет лидера");
constexpr CPhrase WholeLevelNote = TESSALY_PHRASE("ReportContent", "Элемент несёт весь вес уровня: менять нечего.");
constexpr CPhrase OrderUnchangedNote
    = TESSALY_PHRASE("ReportContent", "При любом весе этого элемента порядок альтернатив прежний.");

} // namespace

CElementSensitivityText ElementSensitivityText(const CAlternativeNames& alternatives,
    const CSensitivityAnalysis& analysis, std::uint32_t level, std::uint32_t position, char decimalSeparator)
{
    if (level >= MaxLevels || position >= MaxElementsPerLevel) {
        return {};
    }
    const CElementSensitivity& element = analysis.Elements[level][position];
    const bool criticalHere
        = analysis.Critical && analysis.Critical->Level == level && analysis.Critical->Position == position;
    return MovedWeightText(Say(TESSALY_PHRASE("ReportContent", "Чувствительность: глобальный вес %1"),
                               Shown(element.Weight, decimalSeparator)),
        element.HasLines, std::span<const CCrossing>(element.Crossings.data(), element.CrossingCount), criticalHere,
        alternatives, Tr(WholeLevelNote), decimalSeparator, Tr(OrderUnchangedNote));
}

CElementSensitivityText NodeSensitivityText(const CHierarchy& hierarchy, const CHierarchySensitivity& analysis,
    const CNodeSensitivity& node, char decimalSeparator, std::size_t leaders)
{
    std::vector<std::string> alternatives;
    for (const CAlternative& alternative : hierarchy.Alternatives()) {
        alternatives.push_back(alternative.Name);
    }
    const bool layers = hierarchy.Shape() == EHierarchyShape::Layers;
    const bool criticalHere = analysis.Critical && analysis.Critical->Node == node.Node;
    const std::string heading = NodeHeading(hierarchy, node.Node);
    const std::string weight = Shown(node.Weight, decimalSeparator);
    // With leaders only the leader's place changes were kept; when they are all the
    // alternatives, none of them changes places with it.
    std::string unchanged = Tr(OrderUnchangedNote);
    if (leaders > 0 && leaders >= alternatives.size()) {
        unchanged = Tr(TESSALY_PHRASE(
            "ReportContent", "При любом весе этого критерия ни одна альтернатива не меняется местами с лидером."));
    } else if (leaders > 0) {
        unchanged = Say(TESSALY_PHRASE("ReportContent",
                            "При любом весе этого критерия ни одна из %1 лучших альтернатив не меняется местами с "
                            "лидером."),
            std::to_string(leaders));
    }
    return MovedWeightText(layers
            ? Say(TESSALY_PHRASE("ReportContent", "%1. Чувствительность: глобальный вес %2"), heading, weight)
            : Say(TESSALY_PHRASE("ReportContent", "%1. Чувствительность: локальный вес %2"), heading, weight),
        node.HasLines, node.Crossings, criticalHere, alternatives,
        layers ? Tr(WholeLevelNote)
               : Tr(TESSALY_PHRASE("ReportContent", "Критерий несёт весь вес своей группы: менять нечего.")),
        decimalSeparator, unchanged);
}

std::string NodeCriticalChangeText(
    const CHierarchy& hierarchy, const std::optional<CNodeCriticalChange>& critical, char decimalSeparator)
{
    if (!critical) {
        return Tr(NoCriticalChangeText);
    }
    const CNodeCriticalChange& c = *critical;
    const std::uint32_t old = c.NewLeader == c.First ? c.Second : c.First;
    const bool layers = hierarchy.Shape() == EHierarchyShape::Layers;
    return CriticalMoveText(layers ? TESSALY_PHRASE("ReportContent",
                                "Критическое изменение: глобальный вес «%1» с %2 до %3 (%4%): %5 обгоняет %6")
                                   : TESSALY_PHRASE("ReportContent",
                                       "Критическое изменение: локальный вес «%1» с %2 до %3 (%4%): %5 обгоняет %6"),
        layers
            ? TESSALY_PHRASE("ReportContent", "Критическое изменение: глобальный вес «%1» с %2 до %3: %4 обгоняет %5")
            : TESSALY_PHRASE("ReportContent", "Критическое изменение: локальный вес «%1» с %2 до %3: %4 обгоняет %5"),
        NodePathText(hierarchy, c.Node), c.From, c.To, hierarchy.Alternatives()[c.NewLeader].Name,
        hierarchy.Alternatives()[old].Name, decimalSeparator);
}

std::vector<std::string> SensitivityLines(const CElementSensitivityText& text)
{
    std::vector<std::string> lines{text.Summary + (text.Note.empty() ? ":" : ". " + text.Note)};
    for (const CCrossingText& crossing : text.Crossings) {
        lines.push_back(crossing.Sentence);
    }
    return lines;
}

std::string SensitivityChartNote(double weight, char decimalSeparator)
{
    return Say(TESSALY_PHRASE("ReportContent",
                   "Пунктир: текущий вес %1. Кружки и строки таблицы: при каком весе две альтернативы меняются "
                   "местами и какая из них впереди при большем весе."),
        Shown(weight, decimalSeparator));
}

std::string CriticalChangeText(
    const CUserProjectModel& project, const std::optional<CCriticalChange>& critical, char decimalSeparator)
{
    if (!critical) {
        return Tr(NoCriticalChangeText);
    }
    const CCriticalChange& c = *critical;
    const std::uint32_t bottom = project.LevelCount() - 1;
    const std::uint32_t old = c.NewLeader == c.First ? c.Second : c.First;
    const std::string& name = project.Element(c.Position, c.Level).Name;
    const std::string level = std::to_string(c.Level);
    const std::string from = Shown(c.From, decimalSeparator);
    const std::string to = Shown(c.To, decimalSeparator);
    const std::string& leader = project.Element(c.NewLeader, bottom).Name;
    const std::string& overtaken = project.Element(old, bottom).Name;
    if (c.From > 0.0) {
        return Say(TESSALY_PHRASE("ReportContent",
                       "Критическое изменение: вес «%1» (уровень %2) с %3 до %4 (%5%): %6 обгоняет %7"),
            name, level, from, to, PercentChange(c.From, c.To), leader, overtaken);
    }
    return Say(
        TESSALY_PHRASE("ReportContent", "Критическое изменение: вес «%1» (уровень %2) с %3 до %4: %5 обгоняет %6"),
        name, level, from, to, leader, overtaken);
}

std::string MatrixName(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    const std::string& name = project.Element(position, level).Name;
    return level == 0 ? Say(TESSALY_PHRASE("ReportContent", "цель «%1»"), name)
                      : Say(TESSALY_PHRASE("ReportContent", "«%1», уровень %2"), name, std::to_string(level));
}

CComparisonGraph ElementGraph(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    if (level + 1 >= project.LevelCount() || level + 1 >= MaxLevels) {
        return CComparisonGraph{};
    }
    return BuildComparisonGraph(project.Element(position, level).Judgements, project.ElementsInLevelChecked(level + 1));
}

std::vector<std::string> ComparedNames(const CUserProjectModel& project, std::uint32_t level)
{
    std::vector<std::string> names;
    if (level + 1 >= project.LevelCount() || level + 1 >= MaxLevels) {
        return names;
    }
    for (std::uint32_t k = 0; k < project.ElementsInLevelChecked(level + 1); ++k) {
        names.push_back(project.Element(k, level + 1).Name);
    }
    return names;
}

std::string ProjectNotConnectedText(const CUserProjectModel& project, const CProjectResults& results)
{
    const std::optional<CElementSlot>& gap = results.NotConnected();
    if (!gap) {
        return {};
    }
    return NotConnectedText(project.Element(gap->Position, gap->Level).Name,
        ElementGraph(project, gap->Position, gap->Level), ComparedNames(project, gap->Level));
}

std::vector<std::string> IncompleteMatrixLines(const CUserProjectModel& project)
{
    std::vector<std::string> lines;
    for (std::uint32_t level = 0; level + 1 < project.LevelCount() && level + 1 < MaxLevels; ++level) {
        const std::uint32_t parents = level == 0 ? 1U : project.ElementsInLevelChecked(level);
        for (std::uint32_t position = 0; position < parents; ++position) {
            const CComparisonGraph graph = ElementGraph(project, position, level);
            if (graph.Complete()) {
                continue;
            }
            lines.push_back(MatrixName(project, position, level) + ": "
                + JudgedPairsInSentence(graph, ComparedNames(project, level)));
        }
    }
    return lines;
}

std::string IncompleteMarkText(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    const CComparisonGraph graph = ElementGraph(project, position, level);
    if (graph.Complete()) {
        return {};
    }
    if (!graph.Connected()) {
        return NotConnectedText(project.Element(position, level).Name, graph, ComparedNames(project, level));
    }
    return Say(TESSALY_PHRASE("ReportContent", "Не все сравнения заданы: %1"),
        JudgedPairsInSentence(graph, ComparedNames(project, level)));
}

CReportTable FinalRankingTable(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator)
{
    return RankingTable(FinalResults(project, results), Tr(AlternativeCaption), true, decimalSeparator);
}

std::string SynthesisModeName(ESynthesisMode mode)
{
    return mode == ESynthesisMode::Ideal ? Tr(TESSALY_PHRASE("ReportContent", "идеальный синтез"))
                                         : Tr(TESSALY_PHRASE("ReportContent", "распределительный синтез"));
}

std::string RankingTitle(ESynthesisMode mode)
{
    return mode == ESynthesisMode::Ideal
        ? Tr(TESSALY_PHRASE("ReportContent", "Итоговый рейтинг (идеальный синтез)"))
        : Tr(TESSALY_PHRASE("ReportContent", "Итоговый рейтинг (распределительный синтез)"));
}

std::string WithSynthesisMode(const std::string& caption, ESynthesisMode mode)
{
    return mode == ESynthesisMode::Ideal ? Say(TESSALY_PHRASE("ReportContent", "%1 (идеальный синтез)"), caption)
                                         : caption;
}

std::string ResultsTitle(ESynthesisMode mode)
{
    return WithSynthesisMode(Tr(TESSALY_PHRASE("ReportContent", "Итоговый результат")), mode);
}

CReportTable IdealRankingTable(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator)
{
    const CResultList ranking = FinalResults(project, results, ESynthesisMode::Ideal);
    CReportTable table = RankingTable(ranking, Tr(AlternativeCaption), true, decimalSeparator);
    table.Header.push_back(Tr(RawIdealCaption));
    for (std::uint32_t i = 0; i < ranking.Count; ++i) {
        const std::uint32_t position = ranking.Rows[i].Position;
        table.Rows[i].push_back(
            Shown(position < MaxElementsPerLevel ? results.Ideal().Raw[position] : 0.0, decimalSeparator));
    }
    return table;
}

CReportTable LevelRankingTable(
    const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level, char decimalSeparator)
{
    return RankingTable(LevelResults(project, results, level),
        Say(TESSALY_PHRASE("ReportContent", "Уровень %1"), std::to_string(level)), false, decimalSeparator);
}

CReportTable JudgementTable(const CUserProjectModel& project, const CProjectResults& results, std::uint32_t position,
    std::uint32_t level, char decimalSeparator)
{
    CReportTable table;
    if (level + 1 >= project.LevelCount() || level + 1 >= MaxLevels) {
        return table;
    }
    const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
    const CHierarchy_Element& element = project.Element(position, level);
    const TDesicionLevelData& data = results.LevelData(position, level);
    const CComparisonGraph graph = BuildComparisonGraph(element.Judgements, n);
    const EPrioritiesBasis basis = results.Basis(position, level);
    const bool priorities = basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
    table.Header.push_back(Say(TESSALY_PHRASE("ReportContent", "Элемент уровня %1"), std::to_string(level + 1)));
    for (std::uint32_t c = 0; c < n; ++c) {
        table.Header.push_back(std::to_string(c + 1));
    }
    table.Header.push_back(Tr(PriorityCaption));
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Numbered(r, project.Element(r, level + 1).Name)};
        for (std::uint32_t c = 0; c < n; ++c) {
            row.push_back(graph.Judged(r, c) || r == c ? JudgementText(element.Judgements(r, c), decimalSeparator)
                                                       : NotJudgedCellText);
        }
        row.push_back(priorities ? Shown(data.Priority[r], decimalSeparator) : NotJudgedCellText);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::uint32_t> DepthFirstNodes(const CHierarchy& hierarchy)
{
    std::vector<std::uint32_t> order;
    std::vector<bool> listed(hierarchy.NodeCount(), false);
    // An explicit stack: children pushed last first, so the first is listed next.
    std::vector<std::uint32_t> stack{CHierarchy::GoalNode};
    while (!stack.empty()) {
        const std::uint32_t node = stack.back();
        stack.pop_back();
        if (listed[node]) {
            continue;
        }
        listed[node] = true;
        order.push_back(node);
        const std::vector<std::uint32_t>& children = hierarchy.Node(node).Children;
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            stack.push_back(*child);
        }
    }
    return order;
}

std::string NodePathText(const CHierarchy& hierarchy, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return hierarchy.Goal().Name;
    }
    std::string text;
    for (const std::string& name : hierarchy.Path(node)) {
        text += (text.empty() ? "" : PathSeparator) + name;
    }
    return text;
}

std::string NodeMatrixName(const CHierarchy& hierarchy, std::uint32_t node)
{
    return node == CHierarchy::GoalNode
        ? Say(TESSALY_PHRASE("ReportContent", "цель «%1»"), NodePathText(hierarchy, node))
        : Say(TESSALY_PHRASE("ReportContent", "критерий «%1»"), NodePathText(hierarchy, node));
}

std::string NodeHeading(const CHierarchy& hierarchy, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return Say(TESSALY_PHRASE("ReportContent", "Цель «%1»"), hierarchy.Goal().Name);
    }
    return Say(TESSALY_PHRASE("ReportContent", "Критерий «%1» (уровень %2)"), NodePathText(hierarchy, node),
        std::to_string(hierarchy.Level(node)));
}

std::vector<std::string> NodeComparedNames(const CHierarchy& hierarchy, std::uint32_t node)
{
    std::vector<std::string> names;
    if (hierarchy.IsCovering(node)) {
        for (const CAlternative& alternative : hierarchy.Alternatives()) {
            names.push_back(alternative.Name);
        }
        return names;
    }
    for (const std::uint32_t child : hierarchy.Node(node).Children) {
        names.push_back(hierarchy.Node(child).Name);
    }
    return names;
}

CWideComparisonGraph NodeGraph(const CHierarchy& hierarchy, std::uint32_t node)
{
    return BuildWideComparisonGraph(hierarchy.Node(node).Judgements, hierarchy.ComparedCount(node));
}

std::string SingleChildText(const CHierarchy& hierarchy, std::uint32_t node)
{
    const std::vector<std::string> names = NodeComparedNames(hierarchy, node);
    const std::string child = names.empty() ? std::string() : names.front();
    return Say(TESSALY_PHRASE("ReportContent", "Единственный подкритерий «%1» получает весь вес критерия"), child);
}

std::string HierarchyNotConnectedText(const CHierarchy& hierarchy, const CHierarchyResults& results)
{
    const std::optional<std::uint32_t>& gap = results.NotConnected();
    if (!gap) {
        return {};
    }
    return NotConnectedText(
        NodePathText(hierarchy, *gap), NodeGraph(hierarchy, *gap), NodeComparedNames(hierarchy, *gap));
}

std::vector<std::string> IncompleteNodeLines(const CHierarchy& hierarchy)
{
    std::vector<std::string> lines;
    for (std::uint32_t node = 0; node < hierarchy.NodeCount(); ++node) {
        const CWideComparisonGraph graph = NodeGraph(hierarchy, node);
        if (!graph.Complete()) {
            lines.push_back(NodeMatrixName(hierarchy, node) + ": "
                + JudgedPairsInSentence(graph, NodeComparedNames(hierarchy, node)));
        }
    }
    return lines;
}

std::string UnacceptableNodesWarningText(const CHierarchy& hierarchy, const CHierarchyResults& results,
    const std::vector<CUnacceptableNode>& unacceptable, char decimalSeparator)
{
    std::vector<CNamedRatio> named;
    named.reserve(unacceptable.size());
    for (const CUnacceptableNode& matrix : unacceptable) {
        named.push_back({NodeMatrixName(hierarchy, matrix.Node), matrix.Cr, matrix.CrLimit, matrix.Completed});
    }
    return WarningText(named, JudgedMatrixCount(hierarchy, results), decimalSeparator);
}

CReportTable HierarchyRankingTable(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode, char decimalSeparator)
{
    const bool ideal = mode == ESynthesisMode::Ideal;
    const std::vector<double>& values = ideal ? results.Ideal() : results.Distributive();
    CReportTable table;
    table.Header = {Tr(PlaceCaption), Tr(AlternativeCaption), Tr(PriorityCaption)};
    if (ideal) {
        table.Header.push_back(Tr(RawIdealCaption));
    }
    const std::vector<std::uint32_t> order = RankingOrder(values);
    for (std::uint32_t place = 0; place < order.size(); ++place) {
        const std::uint32_t a = order[place];
        std::vector<std::string> row{std::to_string(place + 1),
            a < hierarchy.AlternativeCount() ? hierarchy.Alternatives()[a].Name : std::string(),
            Shown(values[a], decimalSeparator)};
        if (ideal) {
            row.push_back(Shown(results.IdealRaw()[a], decimalSeparator));
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string NodeConsistencyMark(
    const CHierarchyResults& results, std::uint32_t node, bool unacceptable, char decimalSeparator)
{
    const CNodeResult& result = results.Node(node);
    if (!result.Compared) {
        return {};
    }
    if (result.Basis == EPrioritiesBasis::NotConnected || result.Basis == EPrioritiesBasis::BadValue) {
        return Tr(TESSALY_PHRASE("ReportContent", "нет приоритетов"));
    }
    const std::string ratio = Shown(result.Measures.CR, decimalSeparator);
    return unacceptable ? Say(TESSALY_PHRASE("ReportContent", "ОС %1, недостаточна"), ratio)
                        : Say(TESSALY_PHRASE("ReportContent", "ОС %1"), ratio);
}

namespace {
bool HasPriorities(const CNodeResult& result)
{
    return result.Basis == EPrioritiesBasis::AllJudged || result.Basis == EPrioritiesBasis::LeastSquares;
}
} // namespace

CReportTable HierarchyOutlineTable(const CHierarchy& hierarchy, const CHierarchyResults& results, char decimalSeparator)
{
    std::vector<bool> unacceptable(hierarchy.NodeCount(), false);
    for (const CUnacceptableNode& matrix : UnacceptableNodes(hierarchy, results)) {
        unacceptable[matrix.Node] = true;
    }
    CReportTable table;
    table.Header
        = {Tr(TESSALY_PHRASE("ReportContent", "Критерий")), Tr(TESSALY_PHRASE("ReportContent", "Локальный приоритет")),
            Tr(TESSALY_PHRASE("ReportContent", "Глобальный приоритет")),
            Tr(TESSALY_PHRASE("ReportContent", "Согласованность"))};
    const bool synthesised = !results.NotConnected();
    for (const std::uint32_t node : DepthFirstNodes(hierarchy)) {
        std::string local;
        if (node != CHierarchy::GoalNode) {
            const std::uint32_t parent = hierarchy.Parents(node).front();
            const std::vector<std::uint32_t>& siblings = hierarchy.Node(parent).Children;
            const auto k
                = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), node) - siblings.begin());
            const CNodeResult& under = results.Node(parent);
            local = HasPriorities(under) && k < under.Local.size() ? Shown(under.Local[k], decimalSeparator)
                                                                   : NotJudgedCellText;
        }
        table.Rows.push_back({hierarchy.Node(node).Name, local,
            synthesised ? Shown(results.Global(node), decimalSeparator) : NotJudgedCellText,
            NodeConsistencyMark(results, node, unacceptable[node], decimalSeparator)});
    }
    return table;
}

CReportTable NodeJudgementTable(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node, char decimalSeparator)
{
    const std::uint32_t n = hierarchy.ComparedCount(node);
    const CJudgementMatrix& judgements = hierarchy.Node(node).Judgements;
    const CNodeResult& result = results.Node(node);
    const CWideComparisonGraph graph = NodeGraph(hierarchy, node);
    const std::vector<std::string> names = NodeComparedNames(hierarchy, node);
    CReportTable table;
    table.Header.push_back(Tr(hierarchy.IsCovering(node) ? AlternativeCaption
            : node == CHierarchy::GoalNode               ? TESSALY_PHRASE("ReportContent", "Критерий")
                                                         : TESSALY_PHRASE("ReportContent", "Подкритерий")));
    for (std::uint32_t c = 0; c < n; ++c) {
        table.Header.push_back(std::to_string(c + 1));
    }
    table.Header.push_back(Tr(PriorityCaption));
    for (std::uint32_t r = 0; r < n && r < names.size(); ++r) {
        std::vector<std::string> row{Numbered(r, names[r])};
        for (std::uint32_t c = 0; c < n; ++c) {
            row.push_back(
                graph.Judged(r, c) || r == c ? JudgementText(judgements(r, c), decimalSeparator) : NotJudgedCellText);
        }
        row.push_back(HasPriorities(result) && r < result.Local.size() ? Shown(result.Local[r], decimalSeparator)
                                                                       : NotJudgedCellText);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::string> HierarchyResultLines(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode, char decimalSeparator)
{
    const std::string refusal = HierarchyNotConnectedText(hierarchy, results);
    if (!refusal.empty()) {
        return {refusal};
    }
    std::vector<std::string> lines;
    if (mode == ESynthesisMode::Ideal) {
        lines.push_back(RankingTitle(mode) + ":");
    }
    for (const std::vector<std::string>& row : HierarchyRankingTable(hierarchy, results, mode, decimalSeparator).Rows) {
        lines.push_back(row[1] + ": " + row[2]);
    }
    return lines;
}
