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

std::string Quoted(const std::string& name)
{
    return "«" + name + "»";
}

// "x (допустимо до y)"
std::string WithLimit(double value, double limit, char decimalSeparator)
{
    return Shown(value, decimalSeparator) + " (допустимо до " + Shown(limit, decimalSeparator) + ")";
}

std::string ConsistencyRatioAfter(const CSuggestion& suggestion, char decimalSeparator)
{
    return std::string(ConsistencyRatioTerm) + " станет " + Shown(suggestion.CrAfter, decimalSeparator);
}

// ", геометрический индекс 0.2", or nothing for a pair.
std::string GeometricIndexAfter(const CSuggestion& suggestion, char decimalSeparator)
{
    return suggestion.GciAfter ? ", геометрический индекс " + Shown(*suggestion.GciAfter, decimalSeparator)
                               : std::string();
}

// "раз" after 5 .. 9 (and 11 .. 14), "раза" after 2, 3, 4, 22 ...
const char* Times(std::int32_t k)
{
    const std::int32_t last = k % 10;
    const bool teen = k % 100 >= 11 && k % 100 <= 14;
    return !teen && last >= 2 && last <= 4 ? "раза" : "раз";
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
        table.Header.emplace_back(PlaceCaption);
    }
    table.Header.push_back(std::move(nameCaption));
    table.Header.emplace_back(PriorityCaption);
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
        return "Приоритеты не определены: сравнений недостаточно";
    case EPrioritiesBasis::BadValue:
        return "Приоритеты не определены: в матрице есть нулевые суждения";
    }
    const char* ratio = basis == EPrioritiesBasis::LeastSquares ? CompletedRatioTerm : ConsistencyRatioTerm;
    return std::string(LambdaMaxTerm) + ": " + Shown(measures.LambdaMax, decimalSeparator) + "; " + ConsistencyIndexTerm
        + ": " + Shown(measures.CI, decimalSeparator) + "; " + ratio + ": " + Shown(measures.CR, decimalSeparator);
}

std::string LocalPrioritiesText(const TDesicionLevelData& data, std::uint32_t n, char decimalSeparator)
{
    return LocalPrioritiesText(
        std::span<const double>(data.Priority.data(), n < MaxElementsPerLevel ? n : MaxElementsPerLevel),
        decimalSeparator);
}

std::string LocalPrioritiesText(std::span<const double> priorities, char decimalSeparator)
{
    std::string text = "Локальные приоритеты:";
    for (const double priority : priorities) {
        text += " " + Shown(priority, decimalSeparator);
    }
    return text;
}

std::string TransitivityText(const CTransitivityReport& report)
{
    if (report.None) {
        return NoTransitivityViolationText;
    }
    std::string text = "Нарушения транзитивности:";
    for (std::size_t t = 0; t < report.Lines.size(); ++t) {
        text += (t == 0 ? " " : ", ") + report.Lines[t];
    }
    return text;
}

const char* ConsistencyVerdictText(EConsistencyVerdict verdict)
{
    switch (verdict) {
    case EConsistencyVerdict::Acceptable:
        return "Согласованность суждений приемлема";
    case EConsistencyVerdict::NotAcceptable:
        return "Согласованность суждений недостаточна: суждения стоит пересмотреть";
    case EConsistencyVerdict::Undetermined:
        break;
    }
    return "Согласованность не оценивается: в матрице есть нулевые суждения";
}

namespace {
const char* VerdictTextOf(const CConsistencyGuidance& guidance)
{
    if (guidance.Verdict == EConsistencyVerdict::Undetermined && guidance.NotConnected) {
        return "Согласованность не оценивается: сравнений недостаточно";
    }
    return ConsistencyVerdictText(guidance.Verdict);
}

const char* RatioTermOf(bool completed)
{
    return completed ? CompletedRatioTerm : ConsistencyRatioTerm;
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
    text.RatioLimit = std::string(RatioTermOf(guidance.Completed)) + ": "
        + WithLimit(guidance.Measures.CR, guidance.CrLimit, decimalSeparator);
    if (guidance.Gci && guidance.GciLimit) {
        text.GeometricLimit
            = "Геометрический индекс: " + WithLimit(*guidance.Gci, *guidance.GciLimit, decimalSeparator);
    }
    text.SuggestionsHeading
        = guidance.SuggestionCount > 0 ? "Что изменить в первую очередь:" : "Предложений по изменению суждений нет";
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
        return "считать их равноценными";
    }
    const int before = SideOf(suggestion.Current);
    const std::int32_t strength = Strength(suggestion.Proposed);
    const std::string winner = Quoted(after > 0 ? rowName : columnName);
    const std::string times = std::to_string(strength) + " " + Times(strength);
    if (before == after) {
        return winner + " важнее не в " + std::to_string(Strength(suggestion.Current)) + ", а в " + times;
    }
    if (before != 0) {
        return "суждение наоборот: теперь " + winner + " важнее в " + times;
    }
    // From equality (or from a value that is no code of the scale).
    return "теперь " + winner + " важнее в " + times;
}

std::string ReversalNote(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName)
{
    if (!suggestion.ProbablyReversed || SideOf(suggestion.Implied) == 0) {
        return {};
    }
    const std::int32_t strength = Strength(suggestion.Implied);
    return "остальные суждения говорят: " + Quoted(SideOf(suggestion.Implied) > 0 ? rowName : columnName)
        + " важнее примерно в " + std::to_string(strength) + " " + Times(strength)
        + " — возможно, суждение введено наоборот";
}

namespace {
// "; " and the reversal note, or nothing.
std::string WithReversalNote(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName)
{
    const std::string note = ReversalNote(suggestion, rowName, columnName);
    return note.empty() ? note : "; " + note;
}
} // namespace

std::string SuggestionText(
    const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName, char decimalSeparator)
{
    // Turned back to what the others say, the note alone tells what the change means.
    const std::string note = ReversalNote(suggestion, rowName, columnName);
    const std::string meaning = !note.empty() && suggestion.Proposed == suggestion.Implied
        ? note
        : SuggestionMeaning(suggestion, rowName, columnName) + WithReversalNote(suggestion, rowName, columnName);
    return Numbered(suggestion.Row, rowName) + " и " + Numbered(suggestion.Column, columnName) + ": "
        + JudgementCellText(suggestion.Current) + " → " + JudgementCellText(suggestion.Proposed) + ", " + meaning + "; "
        + ConsistencyRatioAfter(suggestion, decimalSeparator);
}

std::string AcceptedChangeText(
    std::uint32_t row, std::uint32_t column, const CJudgement& before, std::int32_t written, char decimalSeparator)
{
    return std::to_string(row + 1) + " и " + std::to_string(column + 1) + ": " + JudgementText(before, decimalSeparator)
        + " → " + JudgementCellText(written);
}

std::string UnacceptableMarkText(const CUnacceptableMatrix& matrix, char decimalSeparator)
{
    return std::string("Согласованность суждений недостаточна: ") + RatioTermOf(matrix.Completed) + " "
        + WithLimit(matrix.Cr, matrix.CrLimit, decimalSeparator);
}

std::string WarningText(const std::vector<CNamedRatio>& unacceptable, std::uint32_t matrices, char decimalSeparator)
{
    if (unacceptable.empty()) {
        return {};
    }
    const auto count = static_cast<std::uint32_t>(unacceptable.size());
    const bool one = count % 10 == 1 && count % 100 != 11;
    std::string text = "Внимание: согласованность суждений недостаточна в " + std::to_string(count)
        + (one ? " матрице" : " матрицах") + " из " + std::to_string(matrices) + ": ";
    for (std::size_t k = 0; k < unacceptable.size(); ++k) {
        const CNamedRatio& matrix = unacceptable[k];
        text += k == 0 ? "" : "; ";
        text += matrix.Name + " (" + std::string(RatioTermOf(matrix.Completed)) + " "
            + Shown(matrix.Cr, decimalSeparator) + ", допустимо до " + Shown(matrix.CrLimit, decimalSeparator) + ")";
    }
    return text + ". Результат опирается на суждения, которые стоит пересмотреть.";
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
    return Quoted(rowName) + " по сравнению с " + Quoted(columnName) + ": сейчас "
        + JudgementCellText(suggestion.Current) + ", предлагается " + JudgementCellText(suggestion.Proposed)
        + "; после замены " + ConsistencyRatioAfter(suggestion, decimalSeparator)
        + GeometricIndexAfter(suggestion, decimalSeparator) + WithReversalNote(suggestion, rowName, columnName);
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
        lines.push_back("Предложение " + std::to_string(s + 1) + ": "
            + SuggestionText(suggestion, nameOf(suggestion.Row), nameOf(suggestion.Column), decimalSeparator)
            + GeometricIndexAfter(suggestion, decimalSeparator));
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
    bool criticalHere, std::span<const std::string> alternatives, const char* wholeWeightNote, char decimalSeparator,
    std::string unchangedNote = "При любом весе этого элемента порядок альтернатив прежний.")
{
    CElementSensitivityText text;
    text.Summary = std::move(summary);
    if (!hasLines) {
        text.Note = wholeWeightNote;
        return text;
    }
    if (crossings.empty()) {
        text.Note = std::move(unchangedNote);
        return text;
    }
    if (criticalHere) {
        text.Summary += " (здесь критическое изменение проекта)";
    }
    for (const CCrossing& crossing : crossings) {
        CCrossingText row;
        row.Weight = Shown(crossing.Weight, decimalSeparator);
        row.Pair = alternatives[crossing.First] + " и " + alternatives[crossing.Second];
        row.LeaderAfter = alternatives[crossing.LeaderAfter];
        row.Sentence = "при весе " + row.Weight + " " + row.Pair + " меняются местами, при большем весе впереди "
            + row.LeaderAfter;
        text.Crossings.push_back(std::move(row));
    }
    return text;
}

// "с 0.2273 до 0.3092 (+36%): ВОЛГАМЕТ обгоняет СИБСТАЛЬ"
std::string CriticalMoveText(
    double from, double to, const std::string& newLeader, const std::string& overtaken, char decimalSeparator)
{
    std::string text = "с " + Shown(from, decimalSeparator) + " до " + Shown(to, decimalSeparator);
    if (from > 0.0) {
        const long percent = std::lround((to - from) / from * 100.0);
        text += " (" + std::string(percent >= 0 ? "+" : "") + std::to_string(percent) + "%)";
    }
    return text + ": " + newLeader + " обгоняет " + overtaken;
}

constexpr const char* NoCriticalChangeText = "Критическое изменение: изменение одного веса не меняет лидера";

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
    return MovedWeightText("Чувствительность: глобальный вес " + Shown(element.Weight, decimalSeparator),
        element.HasLines, std::span<const CCrossing>(element.Crossings.data(), element.CrossingCount), criticalHere,
        alternatives, "Элемент несёт весь вес уровня: менять нечего.", decimalSeparator);
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
    return MovedWeightText(NodeHeading(hierarchy, node.Node) + ". Чувствительность: "
            + (layers ? "глобальный вес " : "локальный вес ") + Shown(node.Weight, decimalSeparator),
        node.HasLines, node.Crossings, criticalHere, alternatives,
        layers ? "Элемент несёт весь вес уровня: менять нечего."
               : "Критерий несёт весь вес своей группы: менять нечего.",
        decimalSeparator,
        leaders == 0 ? "При любом весе этого элемента порядок альтернатив прежний."
                     : "При любом весе этого критерия ни одна из " + std::to_string(leaders)
                + " лучших альтернатив не меняется местами с лидером.");
}

std::string NodeCriticalChangeText(
    const CHierarchy& hierarchy, const std::optional<CNodeCriticalChange>& critical, char decimalSeparator)
{
    if (!critical) {
        return NoCriticalChangeText;
    }
    const CNodeCriticalChange& c = *critical;
    const std::uint32_t old = c.NewLeader == c.First ? c.Second : c.First;
    const char* weight = hierarchy.Shape() == EHierarchyShape::Layers ? "глобальный вес " : "локальный вес ";
    return std::string("Критическое изменение: ") + weight + Quoted(NodePathText(hierarchy, c.Node)) + " "
        + CriticalMoveText(c.From, c.To, hierarchy.Alternatives()[c.NewLeader].Name, hierarchy.Alternatives()[old].Name,
            decimalSeparator);
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
    return "Пунктир: текущий вес " + Shown(weight, decimalSeparator)
        + ". Кружки и строки таблицы: при каком весе две альтернативы меняются местами и какая из них впереди при "
          "большем весе.";
}

std::string CriticalChangeText(
    const CUserProjectModel& project, const std::optional<CCriticalChange>& critical, char decimalSeparator)
{
    if (!critical) {
        return NoCriticalChangeText;
    }
    const CCriticalChange& c = *critical;
    const std::uint32_t bottom = project.LevelCount() - 1;
    const std::uint32_t old = c.NewLeader == c.First ? c.Second : c.First;
    return "Критическое изменение: вес " + Quoted(project.Element(c.Position, c.Level).Name) + " (уровень "
        + std::to_string(c.Level) + ") "
        + CriticalMoveText(c.From, c.To, project.Element(c.NewLeader, bottom).Name, project.Element(old, bottom).Name,
            decimalSeparator);
}

std::string MatrixName(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level)
{
    const std::string& name = project.Element(position, level).Name;
    return level == 0 ? "цель " + Quoted(name) : Quoted(name) + ", уровень " + std::to_string(level);
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

namespace {
// "Задано 5 из 6 сравнений" inside a sentence: the sentence's own capital stays only at the
// start of the line.
std::string InSentence(std::string judgedPairs)
{
    judgedPairs.replace(0, std::string("З").size(), "з");
    return judgedPairs;
}
} // namespace

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
                + InSentence(JudgedPairsText(graph, ComparedNames(project, level))));
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
    return "Не все сравнения заданы: " + InSentence(JudgedPairsText(graph, ComparedNames(project, level)));
}

CReportTable FinalRankingTable(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator)
{
    return RankingTable(FinalResults(project, results), AlternativeCaption, true, decimalSeparator);
}

const char* SynthesisModeName(ESynthesisMode mode)
{
    return mode == ESynthesisMode::Ideal ? "идеальный синтез" : "распределительный синтез";
}

std::string RankingTitle(ESynthesisMode mode)
{
    return std::string(FinalRankingTitle) + " (" + SynthesisModeName(mode) + ")";
}

std::string WithSynthesisMode(const std::string& caption, ESynthesisMode mode)
{
    return mode == ESynthesisMode::Ideal ? caption + " (" + SynthesisModeName(mode) + ")" : caption;
}

std::string ResultsTitle(ESynthesisMode mode)
{
    return WithSynthesisMode("Итоговый результат", mode);
}

CReportTable IdealRankingTable(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator)
{
    const CResultList ranking = FinalResults(project, results, ESynthesisMode::Ideal);
    CReportTable table = RankingTable(ranking, AlternativeCaption, true, decimalSeparator);
    table.Header.emplace_back(RawIdealCaption);
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
    return RankingTable(
        LevelResults(project, results, level), "Уровень " + std::to_string(level), false, decimalSeparator);
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
    table.Header.push_back("Элемент уровня " + std::to_string(level + 1));
    for (std::uint32_t c = 0; c < n; ++c) {
        table.Header.push_back(std::to_string(c + 1));
    }
    table.Header.emplace_back(PriorityCaption);
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
    return (node == CHierarchy::GoalNode ? "цель " : "критерий ") + Quoted(NodePathText(hierarchy, node));
}

std::string NodeHeading(const CHierarchy& hierarchy, std::uint32_t node)
{
    if (node == CHierarchy::GoalNode) {
        return "Цель " + Quoted(hierarchy.Goal().Name);
    }
    return "Критерий " + Quoted(NodePathText(hierarchy, node)) + " (уровень " + std::to_string(hierarchy.Level(node))
        + ")";
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
    return "Единственный подкритерий " + Quoted(child) + " получает весь вес критерия";
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
                + InSentence(JudgedPairsText(graph, NodeComparedNames(hierarchy, node))));
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
    table.Header = {PlaceCaption, AlternativeCaption, PriorityCaption};
    if (ideal) {
        table.Header.emplace_back(RawIdealCaption);
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
        return "нет приоритетов";
    }
    return std::string(ConsistencyRatioTerm) + " " + Shown(result.Measures.CR, decimalSeparator)
        + (unacceptable ? ", недостаточна" : "");
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
    table.Header = {"Критерий", "Локальный приоритет", "Глобальный приоритет", "Согласованность"};
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
    table.Header.emplace_back(hierarchy.IsCovering(node) ? AlternativeCaption
            : node == CHierarchy::GoalNode               ? "Критерий"
                                                         : "Подкритерий");
    for (std::uint32_t c = 0; c < n; ++c) {
        table.Header.push_back(std::to_string(c + 1));
    }
    table.Header.emplace_back(PriorityCaption);
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
