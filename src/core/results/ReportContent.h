#pragma once

#include "core/model/CJudgement.h"
#include "core/model/Phrase.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/HierarchySensitivity.h"
#include "core/results/IncompleteJudgements.h"
#include "core/results/Sensitivity.h"
#include "core/results/SynthesisMode.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CHierarchy;
class CHierarchyResults;
class CUserProjectModel;
class CProjectResults;
class TDesicionLevelData;
struct CTransitivityReport;

// Every sentence and table that the windows, the PDF report, tessaly-report and the CSV
// show about a project's results is made here, once, so that all of them say the same in
// the same words: the comparison window's terms "СЗ", "ИС", "ОС", and "→" for a change of
// a judgement. Figures are truncated to 4 decimals, as every screen shows them, with the
// caller's decimal separator; elements are numbered from 1, as the windows number rows.
// This is the phrase book of the results: its sentences are whole templates, in the
// interface's language (Tr, Say).

// The consistency measures by the names the comparison window gives them.
inline constexpr CPhrase LambdaMaxTerm = TESSALY_PHRASE("ReportContent", "СЗ");
inline constexpr CPhrase ConsistencyIndexTerm = TESSALY_PHRASE("ReportContent", "ИС");
inline constexpr CPhrase ConsistencyRatioTerm = TESSALY_PHRASE("ReportContent", "ОС");
// The CR of a matrix with pairs left out is that of its completed matrix, and says so.
inline constexpr CPhrase CompletedRatioTerm = TESSALY_PHRASE("ReportContent", "ОС (по дополненной матрице)");
// A cell whose pair is left out ("не задано"): a sign, the same in every language.
inline constexpr const char* NotJudgedCellText = "—";

// ---- One judged element ----

// "СЗ: 3.0385; ИС: 0.0192; ОС: 0.0331"
std::string MeasuresText(const TDesicionLevelData& data, char decimalSeparator = '.');
// The same for an element whose priorities rest on the judgements given: its CR named
// CompletedRatioTerm; for one without priorities (they do not connect the elements) the
// line saying so.
std::string MeasuresText(const TDesicionLevelData& data, EPrioritiesBasis basis, char decimalSeparator = '.');
// The same from the measures of any matrix.
std::string MeasuresText(const CConsistency& measures, EPrioritiesBasis basis, char decimalSeparator = '.');
// "Локальные приоритеты: 0.75 0.25", the first n.
std::string LocalPrioritiesText(const TDesicionLevelData& data, std::uint32_t n, char decimalSeparator = '.');
// The same for a vector of any length.
std::string LocalPrioritiesText(std::span<const double> priorities, char decimalSeparator = '.');
// "Нарушения транзитивности: 1>2>3>1, 2<4<5<2", or the line saying there is none.
std::string TransitivityText(const CTransitivityReport& report);

// The verdict alone.
std::string ConsistencyVerdictText(EConsistencyVerdict verdict);

// The verdict with its figures, line by line as the research window shows them; a line
// left empty is not shown.
struct CConsistencyText {
    std::string Verdict;            // empty when nothing is judged (an order below 2)
    std::string RatioLimit;         // "ОС: 0.1234 (допустимо до 0.1)"; empty when not measured
    std::string GeometricLimit;     // "Геометрический индекс: ..."; empty when there is none
    std::string SuggestionsHeading; // the line the suggestions stand under; empty when not measured
};
CConsistencyText ConsistencyText(const CConsistencyGuidance& guidance, char decimalSeparator = '.');
// The verdict's lines that are shown, in order: what a report prints.
std::vector<std::string> ConsistencyLines(const CConsistencyGuidance& guidance, char decimalSeparator = '.');

// What a suggestion does, in words, its elements named as given: "теперь «СРОКИ» важнее в
// 8 раз" when the judgement turns round (the element named becomes the more important
// one), "«ЦЕНА» важнее не в 5, а в 2 раза", "считать их равноценными".
std::string SuggestionMeaning(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName);
// For a judgement the other judgements put the other way round: "остальные суждения
// говорят: «СРОКИ» важнее примерно в 3 раза — возможно, суждение введено наоборот";
// empty otherwise. The suggestion's line carries it (in place of what the change means when
// the proposal is the others' value) and so does its whole description.
std::string ReversalNote(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName);
// A suggestion in one line, its two elements numbered and named as given (a window may
// give shortened names), the change of the cell, what it means and the CR it leaves:
// "3. ЦЕНА и 4. СРОКИ: 1/2 → 8, суждение наоборот: теперь «ЦЕНА» важнее в 8 раз; ОС станет 0.093".
std::string SuggestionText(const CSuggestion& suggestion, const std::string& rowName, const std::string& columnName,
    char decimalSeparator = '.');
// The same change told whole, with the geometric index it leaves:
// "«ЦЕНА» по сравнению с «СРОКИ»: сейчас 1/2, предлагается 8; после замены ОС станет 0.093, геометрический индекс 0.2".
std::string SuggestionDescription(const CSuggestion& suggestion, const std::string& rowName,
    const std::string& columnName, char decimalSeparator = '.');
// A report's lines for the suggestions made to an element of `level`, its compared elements
// named by the project: "Предложение 1: " with the suggestion's line and the geometric index
// it leaves.
std::vector<std::string> SuggestionLines(const CUserProjectModel& project, std::uint32_t level,
    const CConsistencyGuidance& guidance, char decimalSeparator = '.');
// The same with the compared elements' names given by position.
std::vector<std::string> SuggestionLines(
    std::span<const std::string> names, const CConsistencyGuidance& guidance, char decimalSeparator = '.');

// What a research window lists as accepted: "Принято: " and for each cell changed by
// accepting a suggestion "3 и 4: 1/2 → 8", the pair numbered as the windows number rows.
inline constexpr CPhrase AcceptedChangesHeading = TESSALY_PHRASE("ReportContent", "Принято:");
std::string AcceptedChangeText(std::uint32_t row, std::uint32_t column, const CJudgement& before, std::int32_t written,
    char decimalSeparator = '.');

// ---- Consistency of the whole project ----

// The mark of an element whose matrix is not acceptable:
// "Согласованность суждений недостаточна: ОС 0.2116 (допустимо до 0.05)".
std::string UnacceptableMarkText(const CUnacceptableMatrix& matrix, char decimalSeparator = '.');
// The warning beside a result that rests on matrices not acceptable, naming them: "Внимание:
// согласованность суждений недостаточна в 2 матрицах из 5: цель «ВЫБОР» (ОС 0.2116, допустимо
// до 0.05); «ЦЕНА», уровень 1 (ОС 0.1234, допустимо до 0.08). Результат опирается на суждения,
// которые стоит пересмотреть." Empty when every matrix is acceptable.
std::string UnacceptableWarningText(const CUserProjectModel& project,
    const std::vector<CUnacceptableMatrix>& unacceptable, char decimalSeparator = '.');

// ---- Judgements left out ----

// How a judged element is named in a sentence: "цель «ВЫБОР»", "«ЦЕНА», уровень 1".
std::string MatrixName(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level);
// The comparison graph of the element's judgements and the names of the elements it compares.
CComparisonGraph ElementGraph(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level);
std::vector<std::string> ComparedNames(const CUserProjectModel& project, std::uint32_t level);
// "Недостаточно сравнений для «ЦЕНА»: группы {А, Б} и {В, Г} не сравнены между собой" for
// the first element whose judgements given do not connect the elements below it; empty
// when every element's do. The synthesis, the results, the level priorities, the
// sensitivity analysis and every report's ranking are refused with it.
std::string ProjectNotConnectedText(const CUserProjectModel& project, const CProjectResults& results);
// The elements with pairs left out, each in a line: "цель «ВЫБОР»: задано 5 из 6 сравнений",
// with ". Недостаточно: группы {А, Б} и {В, Г} не сравнены" when they do not connect.
inline constexpr CPhrase IncompleteMatricesHeading = TESSALY_PHRASE("ReportContent", "Неполные матрицы суждений:");
std::vector<std::string> IncompleteMatrixLines(const CUserProjectModel& project);
// The project window's mark on an element with pairs left out: "Не все сравнения заданы:
// задано 5 из 6 сравнений", or the not-connected sentence when it cannot be computed.
std::string IncompleteMarkText(const CUserProjectModel& project, std::uint32_t position, std::uint32_t level);

// ---- Sensitivity ----

inline constexpr CPhrase NoMiddleLevelsText
    = TESSALY_PHRASE("ReportContent", "В проекте нет промежуточных уровней: анализировать нечего");

// One place change, in the parts the window's table shows and as one sentence.
struct CCrossingText {
    std::string Weight;      // "0.4245"
    std::string Pair;        // "УРАЛТРУБ и ВОЛГАМЕТ"
    std::string LeaderAfter; // "ВОЛГАМЕТ"
    // "при весе 0.4245 УРАЛТРУБ и ВОЛГАМЕТ меняются местами, при большем весе впереди ВОЛГАМЕТ"
    std::string Sentence;
};

// What is said about one middle element.
struct CElementSensitivityText {
    // "Чувствительность: глобальный вес 0.2273", marked when the project's critical change is here.
    std::string Summary;
    // Why no place changes: the element holds the whole level, or none happens at any
    // weight; empty when there are place changes.
    std::string Note;
    std::vector<CCrossingText> Crossings; // by weight, ascending
};
CElementSensitivityText ElementSensitivityText(const CUserProjectModel& project, const CSensitivityAnalysis& analysis,
    std::uint32_t level, std::uint32_t position, char decimalSeparator = '.');
// The same with the alternatives' names, by position, given by a window that keeps them.
using CAlternativeNames = std::array<std::string, MaxElementsPerLevel>;
CElementSensitivityText ElementSensitivityText(const CAlternativeNames& alternatives,
    const CSensitivityAnalysis& analysis, std::uint32_t level, std::uint32_t position, char decimalSeparator = '.');
// A report's lines for it: the summary with its note ("...: глобальный вес 0.1221. При любом
// весе ..."), or the summary and a colon followed by one line per place change.
std::vector<std::string> SensitivityLines(const CElementSensitivityText& text);
// The same for a criterion of a hierarchy, headed by its node: "Критерий «Стоимость / Цена»
// (уровень 2). Чувствительность: локальный вес 0.25" (a global weight in complete layers).
// With leaders, the crossings are those of the leader with the leading alternatives only
// (a rated tree's), and the note of a criterion without any says so.
CElementSensitivityText NodeSensitivityText(const CHierarchy& hierarchy, const CHierarchySensitivity& analysis,
    const CNodeSensitivity& node, char decimalSeparator = '.', std::size_t leaders = 0);
// The critical change naming its criterion: "Критическое изменение: локальный вес
// «Стоимость / Цена» с 0.25 до 0.4 (+60%): Б обгоняет А", or the line saying there is none.
std::string NodeCriticalChangeText(
    const CHierarchy& hierarchy, const std::optional<CNodeCriticalChange>& critical, char decimalSeparator = '.');

// What the dashed line, the circles and the rows of the sensitivity window's chart and
// table stand for, for an element of weight g with place changes.
std::string SensitivityChartNote(double weight, char decimalSeparator = '.');

// The critical change in one line: "Критическое изменение: вес «СРОКИ» (уровень 1) с 0.2273
// до 0.3092 (+36%): ВОЛГАМЕТ обгоняет СИБСТАЛЬ", or the line saying there is none.
std::string CriticalChangeText(
    const CUserProjectModel& project, const std::optional<CCriticalChange>& critical, char decimalSeparator = '.');

struct CReportTable;

// ---- The nodes of a hierarchy (either shape) ----
// A node is named by its path from the goal's child down, its names joined by
// PathSeparator: "Стоимость / Цена"; the goal by its own name.

inline constexpr const char* PathSeparator = " / ";
// The order in which reports list the nodes: depth first, the goal first, children in
// their order (each node once).
std::vector<std::uint32_t> DepthFirstNodes(const CHierarchy& hierarchy);
std::string NodePathText(const CHierarchy& hierarchy, std::uint32_t node);
// In a sentence: "цель «Выбор»", "критерий «Стоимость / Цена»".
std::string NodeMatrixName(const CHierarchy& hierarchy, std::uint32_t node);
// A report's heading of a node: "Цель «Выбор»", "Критерий «Стоимость / Цена» (уровень 2)".
std::string NodeHeading(const CHierarchy& hierarchy, std::uint32_t node);
// The names of what the node compares: its children, or the alternatives.
std::vector<std::string> NodeComparedNames(const CHierarchy& hierarchy, std::uint32_t node);
// The comparison graph of the node's judgements.
CWideComparisonGraph NodeGraph(const CHierarchy& hierarchy, std::uint32_t node);
// For a criterion with one child, which takes all of its weight:
// "Единственный подкритерий «Цена» получает весь вес критерия".
std::string SingleChildText(const CHierarchy& hierarchy, std::uint32_t node);
// The first node whose judgements given do not connect what it compares, as
// ProjectNotConnectedText says it; empty when every node's do.
std::string HierarchyNotConnectedText(const CHierarchy& hierarchy, const CHierarchyResults& results);
// The nodes with pairs left out, each in a line as IncompleteMatrixLines.
std::vector<std::string> IncompleteNodeLines(const CHierarchy& hierarchy);
// The warning of UnacceptableWarningText naming nodes: "... в 2 матрицах из 5: цель «Выбор»
// (ОС 0.2116, допустимо до 0.05); критерий «Стоимость / Цена» (ОС ...). Результат ...".
std::string UnacceptableNodesWarningText(const CHierarchy& hierarchy, const CHierarchyResults& results,
    const std::vector<CUnacceptableNode>& unacceptable, char decimalSeparator = '.');
// One matrix such a warning names: how it is named in a sentence and its figures.
struct CNamedRatio {
    std::string Name;
    double Cr = 0.0;
    double CrLimit = 0.0;
    bool Completed = false;
};
// The warning naming these matrices out of `matrices` judged ones; empty when none.
std::string WarningText(const std::vector<CNamedRatio>& unacceptable, std::uint32_t matrices, char decimalSeparator);
// The final ranking in the mode's synthesis, best first, as FinalRankingTable and (with
// the raw ideal scores) IdealRankingTable give it.
CReportTable HierarchyRankingTable(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode, char decimalSeparator = '.');
// A node's consistency as the outline of a tree shows it: "ОС 0.0331", "ОС 0.2116,
// недостаточна" for a matrix not acceptable, "нет приоритетов" when its judgements yield
// none; empty for a criterion with one child (nothing is judged there).
std::string NodeConsistencyMark(
    const CHierarchyResults& results, std::uint32_t node, bool unacceptable, char decimalSeparator = '.');
// The hierarchy as an outline, one row per node in DepthFirstNodes order (row k is the
// k-th node of that order, to be indented by its level): Критерий | Локальный приоритет |
// Глобальный приоритет | Согласованность. Each node by its own name; the goal has no local
// priority; "—" where a figure does not exist (no priorities under the parent, or no
// synthesis at all for the global ones).
CReportTable HierarchyOutlineTable(
    const CHierarchy& hierarchy, const CHierarchyResults& results, char decimalSeparator = '.');
// The judgements of a node as its cells show them, as JudgementTable: what it compares
// ("Критерий" under the goal, "Подкритерий", or "Альтернатива" under a covering
// criterion) | 1 .. n | Приоритет.
CReportTable NodeJudgementTable(
    const CHierarchy& hierarchy, const CHierarchyResults& results, std::uint32_t node, char decimalSeparator = '.');
// "name: value" of the final ranking in the mode's synthesis, best first, under a line
// naming the ideal ranking in that mode; the refusal alone when there is no synthesis.
std::vector<std::string> HierarchyResultLines(
    const CHierarchy& hierarchy, const CHierarchyResults& results, ESynthesisMode mode, char decimalSeparator = '.');

// ---- Tables ----

inline constexpr CPhrase FinalRankingTitle = TESSALY_PHRASE("ReportContent", "Итоговый рейтинг");
inline constexpr CPhrase LevelPrioritiesTitle = TESSALY_PHRASE("ReportContent", "Глобальные приоритеты уровней");

inline constexpr CPhrase PlaceCaption = TESSALY_PHRASE("ReportContent", "Место");
inline constexpr CPhrase AlternativeCaption = TESSALY_PHRASE("ReportContent", "Альтернатива");
inline constexpr CPhrase PriorityCaption = TESSALY_PHRASE("ReportContent", "Приоритет");

// ---- The two syntheses ----

// "распределительный синтез" / "идеальный синтез"
std::string SynthesisModeName(ESynthesisMode mode);
// "Итоговый рейтинг (распределительный синтез)" / "Итоговый рейтинг (идеальный синтез)"
std::string RankingTitle(ESynthesisMode mode);
// A caption as it is, or with " (идеальный синтез)" in the ideal mode.
std::string WithSynthesisMode(const std::string& caption, ESynthesisMode mode);
// The results view's caption: "Итоговый результат", with " (идеальный синтез)" in the ideal mode.
std::string ResultsTitle(ESynthesisMode mode);
// The column of the raw ideal scores and what they mean.
inline constexpr CPhrase RawIdealCaption = TESSALY_PHRASE("ReportContent", "Доля идеала");
inline constexpr CPhrase RawIdealNote = TESSALY_PHRASE("ReportContent",
    "Доля идеала: взвешенная доля лучшей альтернативы под каждым критерием; 1 — лучшая по всем критериям");

struct CReportTable {
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Rows;
};

// Место | Альтернатива | Приоритет, best first, as the results table orders them.
CReportTable FinalRankingTable(
    const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator = '.');
// Место | Альтернатива | Приоритет | Доля идеала: the ideal ranking, best first, with the
// raw ideal scores.
CReportTable IdealRankingTable(
    const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator = '.');
// "Уровень L" | Приоритет: the level's elements by their global priorities, best first.
CReportTable LevelRankingTable(
    const CUserProjectModel& project, const CProjectResults& results, std::uint32_t level, char decimalSeparator = '.');
// "Элемент уровня L+1" | 1 .. n | Приоритет: the judgements of the element at (position,
// level) as its cells show them ("—" for a pair left out), each row with its element,
// numbered, and local priority ("—" when the element has none).
CReportTable JudgementTable(const CUserProjectModel& project, const CProjectResults& results, std::uint32_t position,
    std::uint32_t level, char decimalSeparator = '.');
