#pragma once

#include "core/group/CExpertWeights.h"
#include "core/group/Consensus.h"
#include "core/model/CElementSlot.h"
#include "core/results/ReportContent.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CExpertDistance;
struct CGroupResult;
class CGroupDecision;

// Every sentence that the group window, the group's PDF and CSV sections and the
// command line's group report say about a group decision, made once. Experts are
// numbered from 1 and named by their labels; figures are truncated as every screen shows
// them, with the caller's decimal separator.

inline constexpr const char* GroupCaptionPrefix = "Групповое решение - ";
inline constexpr const char* RankingTabTitle = "Рейтинг";
inline constexpr const char* ElementsTabTitle = "Элементы";
inline constexpr const char* ExpertsTabTitle = "Эксперты";

inline constexpr const char* ExpertCaption = "Эксперт";
inline constexpr const char* WeightCaption = "Вес";
inline constexpr const char* UseExpertWeightsCaption = "Учитывать веса экспертов";
inline constexpr const char* GroupPriorityCaption = "Группа";
inline constexpr const char* AipArithmeticCaption = "Среднее арифм.";
inline constexpr const char* AipGeometricCaption = "Среднее геом.";
inline constexpr const char* ConsensusCaption = "Согласие S*";
inline constexpr const char* GroupRatioCaption = "ОС группы";
inline constexpr const char* LargestExpertRatioCaption = "Наибольшая ОС эксперта";
inline constexpr const char* WidestSpreadCaption = "Наибольший разброс";
inline constexpr const char* DistanceCaption = "Расстояние от группы";
// The geometric standard deviation of a pair's judgements, as a cell's note names it.
inline constexpr const char* SpreadTerm = "ГСО";

// "Групповое решение - <name>"
std::string GroupWindowCaption(const std::string& name);

// Whether the group's own judgements of a node give priorities (they connect what it
// compares).
bool GroupNodeHasPriorities(const CGroupResult& result, std::uint32_t node);
// The names of what a node compares: its children, or the alternatives.
std::vector<std::string> GroupComparedNames(const CGroupDecision& decision, std::uint32_t node);
// A node as a tree's reports name it: its path from the goal's child, "Стоимость / Цена";
// the goal by its name.
std::string GroupNodePath(const CGroupDecision& decision, std::uint32_t node);

// The nodes of the group's hierarchy depth first, the goal first, children in their order.
std::vector<std::uint32_t> GroupNodesDepthFirst(const CGroupDecision& decision);
// The elements of Result().Elements in the order the reports give them: level by level for
// layered experts, depth first for trees.
std::vector<std::size_t> GroupElementOrder(const CGroupDecision& decision);

// ---- Refusals ----

// Why an expert is refused, after "Эксперт N: ".
inline constexpr const char* MemberWithoutFileText = "не указан файл";
inline constexpr const char* MemberWeightText = ExpertWeightRangeText;
inline constexpr const char* MemberWithoutHierarchyText = "в файле нет иерархии";
// "Эксперт 3: <problem>"
std::string ExpertProblemText(std::size_t expert, const std::string& problem);
// "файл «b.tsy» уже указан для эксперта 1"
std::string SameFileProblem(const std::string& fileName, std::size_t otherExpert);
// A member whose file could not be read, with the reader's message: "Эксперт 2 «Петров»:
// Не могу открыть файл проекта". The file and the reader's reason go under it.
std::string UnreadableMemberText(std::size_t expert, const std::string& label, const std::string& message);
// The same in one line, as the command line prints it: "...: Не могу открыть файл проекта
// (b.tsy: No such file or directory)".
std::string UnreadableMemberLine(std::size_t expert, const std::string& label, const std::string& message,
    const std::string& file, const std::string& reason);
// Reasons for refusing the group's ranking other than judgements that do not connect.
inline constexpr const char* NoExpertIncludedText = "Ни один эксперт не учитывается.";
inline constexpr const char* NotComputableText = "Приоритеты группы не вычисляются.";
inline constexpr const char* ExpertWeightsOffText = "Веса экспертов не учитываются: доли всех экспертов равны.";
// How many problems of a long list a message names; MoreProblemsText counts the rest.
inline constexpr std::size_t MaxNamedProblems = 5;
// "... и ещё 99 997"
std::string MoreProblemsText(std::size_t more);
// The group's ranking refused: "Группового рейтинга нет. " and the reason
// (NotConnectedText of the combined judgements).
std::string GroupRankingRefusalText(const std::string& notConnected);

// ---- Agreement ----

// S* as the window shows it, in percent, never below 0: "82.8 %".
std::string ConsensusPercentText(double sStar, char decimalSeparator = '.');
// "82.8 % (высокое согласие)"
std::string ConsensusText(double sStar, char decimalSeparator = '.');
// "Общее согласие группы: 82.8 % (высокое согласие)", or why there is none (one expert,
// no group ranking).
std::string OverallConsensusLine(const CGroupDecision& decision, char decimalSeparator = '.');
// S* of the final priorities is their homogeneity, not an agreement on the order: nearly
// flat vectors are homogeneous whatever their order. "Однородность итоговых приоритетов:
// S* 82.8 % (высокое согласие), S 89.9 %", or why there is none.
std::string FinalAgreementLine(const CGroupDecision& decision, char decimalSeparator = '.');
// The agreement on the order of the alternatives: "Согласие в порядке альтернатив (W
// Кендалла): 0.6444 (сильное согласие)", or why there is none.
std::string KendallLine(const CGroupDecision& decision, char decimalSeparator = '.');
// The warning beside the group's ranking when it rests on combined matrices that are not
// acceptable: the sentence a project's ranking gets, naming them (a tree's first
// MaxNamedProblems by their paths, the rest counted); empty otherwise.
std::string GroupUnacceptableWarning(const CGroupDecision& decision, char decimalSeparator = '.');
// The experts left out of an element's consensus: "В согласии по «ЦЕНА» не учтён эксперт
// Петров: его сравнения не связывают элементы" (or "не учтены эксперты А, Б: их ...");
// empty when nobody is left out.
std::string LeftOutText(
    const CGroupDecision& decision, const std::string& elementName, std::span<const std::size_t> experts);
// The experts without final priorities, left out of the aggregated priorities and of the
// agreement on the ranking: "Без итоговых приоритетов (сравнения не связывают
// элементы): Петров, Сидоров"; empty when every expert has them.
std::string WithoutFinalText(const CGroupDecision& decision);
// The experts by their distance from the group on an element, most distant first:
// "Петров 2.3105, Иванов 0.4012".
std::string DistancesText(
    const CGroupDecision& decision, std::span<const CExpertDistance> distances, char decimalSeparator = '.');
// "«ЦЕНА» и «СРОКИ»: ГСО 3.5500"
std::string SpreadText(
    const std::string& rowName, const std::string& columnName, double spread, char decimalSeparator = '.');

// ---- Tables: the group window and the group's PDF show the same cells ----

inline constexpr const char* GroupMembersTitle = "Эксперты группы";
inline constexpr const char* GroupRankingTitle = "Групповой рейтинг";
inline constexpr const char* GroupElementsTitle = "Согласие по элементам";
inline constexpr const char* GroupDistancesTitle = "Расстояние экспертов от группы";
inline constexpr const char* FileCaption = "Файл";
inline constexpr const char* ElementCaption = "Элемент";
inline constexpr const char* LevelCaption = "Уровень";
inline constexpr const char* ShareCaption = "Доля";
inline constexpr const char* OwnRankingCaption = "Собственный рейтинг";
// A rated group's ranking: its score, then the experts' own scores and their mean.
inline constexpr const char* GroupScoreCaption = "Оценка группы";
inline constexpr const char* MeanScoreCaption = "Среднее оценок экспертов";
// Where a rated group's window would offer the ideal synthesis.
inline constexpr const char* RatedGroupIdealNote
    = "Оценки по шкалам идеальны по своей природе: для них нет различия между распределительным и идеальным синтезом.";
// A cell with nothing to show: no figure exists there.
inline constexpr const char* NoFigureText = "—";

// How the group's tables name an element: its number on its level and its name,
// "3. ЦЕНА"; the goal by its name alone.
std::string GroupElementName(const CGroupDecision& decision, const CElementSlot& slot);

// How the group's tables and lists name Result().Elements[element]: as GroupElementName for
// layered experts, by its path for a tree ("Стоимость / Цена", the goal by its name).
std::string GroupElementLabel(const CGroupDecision& decision, std::size_t element);
// A heading over the element's matrix: "Цель «Выбор»", "«ЦЕНА»: уровень 1, № 2" for layered
// experts, NodeHeading for a tree.
std::string GroupElementHeading(const CGroupDecision& decision, std::size_t element);

// № | Эксперт | Файл | Вес | Доля: every expert in the group's order, his weight as
// given and the share he has in the computation (alpha_k; equal shares when the
// weights are not taken into account).
CReportTable GroupMembersTable(const CGroupDecision& decision, char decimalSeparator = '.');

// A priority of a ranking's column (none where it has none) and its place there (0: none).
struct CRankedFigure {
    std::optional<double> Priority;
    std::uint32_t Place = 0;
};
// One alternative of the group's ranking, unrounded: the group's figure, then the columns
// Среднее арифм., Среднее геом. and one per expert.
// A rated group's columns are Доля (no place), the experts' mean score and one per expert.
struct CGroupRankingRow {
    std::uint32_t Alternative = 0;
    CRankedFigure Group;
    std::vector<CRankedFigure> Columns;
    // A rated group's alternative with a cell that keeps no group value.
    bool NotAllRated = false;
};
// The rows of GroupRankingTable and of the group's CSV, in the table's order.
std::vector<CGroupRankingRow> GroupRankingRows(const CGroupDecision& decision);

// Место | Альтернатива | Группа | Среднее арифм. | Среднее геом. | one column per expert
// (his label): every alternative in the group's ranking order, each column's priority
// of it followed by its place in that column's own ranking, "0.4926 (1)". Without a
// group ranking the rows keep the alternatives' order and the group's column and the
// places are "—"; so is the column of an expert without final priorities. A rated group:
// Место | Альтернатива | Оценка группы | Доля | Среднее оценок экспертов | one column per
// expert (his score and place) | Примечание ("не все оценки").
CReportTable GroupRankingTable(const CGroupDecision& decision, char decimalSeparator = '.');

// Уровень | Элемент | Согласие S* | ОС группы | Наибольшая ОС эксперта | Наибольший
// разброс: one row per judged element in GroupElementOrder, named by GroupElementLabel. The largest expert CR names its
// expert, "0.1234 (Петров)"; the widest spread names its pair as SpreadText does.
CReportTable GroupElementsTable(const CGroupDecision& decision, char decimalSeparator = '.');

// The combined judgements of Result().Elements[element] laid out as a project's
// judgement table ("Элемент уровня L+1", or for a tree what the criterion compares | 1 .. n | Приоритет, the group's
// local priorities), every combined value with 4 decimals, "—" for a pair nobody judged, and under each upper cell with
// a spread its geometric standard deviation on a second line, "ГСО 3.5500".
CReportTable AggregatedMatrixTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator = '.');

// The figures of ExpertVectorsTable and of the group's CSV, unrounded, none for "—".
std::vector<std::vector<std::optional<double>>> ExpertVectorsRows(const CGroupDecision& decision, std::size_t element);

// "Элемент уровня L+1" | Группа | one column per expert: the local priorities of
// Result().Elements[element] side by side, then the row "ОС" with the group's CR and
// each expert's. An expert whose judgements give no priorities there shows "—".
CReportTable ExpertVectorsTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator = '.');

// Whether an expert's CR of the element at slot lies above the limit for its order (he
// has priorities there).
bool ExpertRatioAboveLimit(const CGroupDecision& decision, std::size_t expert, const CElementSlot& slot);
// The same for Result().Elements[element], of either shape.
bool ExpertElementRatioAboveLimit(const CGroupDecision& decision, std::size_t expert, std::size_t element);
// The experts whose CR of Result().Elements[element] lies above its limit: "ОС выше
// допустимой (0.05): Петров, Сидоров"; empty when none.
std::string ExpertRatioWarning(const CGroupDecision& decision, std::size_t element, char decimalSeparator = '.');

// The group's measures of Result().Elements[element]: "СЗ: ...; ИС: ...; ОС: ...",
// followed by "; геометрический индекс: 0.0123" when it exists; or why the group has no
// priorities there.
std::string GroupMeasuresText(const CGroupDecision& decision, std::size_t element, char decimalSeparator = '.');

// An expert's own ranking in one line: "X 0.6483, Y 0.3517", best first; or that he has
// none.
std::string ExpertRankingText(const CGroupDecision& decision, std::size_t expert, char decimalSeparator = '.');

// Уровень | Элемент | Расстояние от группы: per judged element (GroupElementOrder) the experts by their
// distance from the group, most distant first (DistancesText), "—" where the group has
// no priorities.
CReportTable GroupDistancesTable(const CGroupDecision& decision, char decimalSeparator = '.');
