#pragma once

#include "core/group/CExpertWeights.h"
#include "core/group/Consensus.h"
#include "core/model/CElementSlot.h"
#include "core/model/Phrase.h"
#include "core/results/ReportContent.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CExpertDistance;
struct CExpertFileRefusal;
struct CExpertNameProblem;
struct CGroupProblem;
struct CGroupResult;
struct CRankingProblem;
struct CStructureDifference;
class CGroupDecision;

// The group's phrase book: every sentence that the group window, the group's PDF and CSV
// sections, the command line's group report and the preparing of experts' files say about
// a group decision, made once, in the interface's language. The computations give values
// (a problem, a difference, a band); the sentences are made here. Experts are numbered
// from 1 and named by their labels; figures are truncated as every screen shows them,
// with the caller's decimal separator.

inline constexpr CPhrase RankingTabTitle = TESSALY_PHRASE("GroupReportContent", "Рейтинг");
inline constexpr CPhrase ElementsTabTitle = TESSALY_PHRASE("GroupReportContent", "Элементы");
inline constexpr CPhrase ExpertsTabTitle = TESSALY_PHRASE("GroupReportContent", "Эксперты");

// The captions the Russian help quotes keep their source, as it quotes it, under their
// name beside their phrase.
inline constexpr CPhrase ExpertCaption = TESSALY_PHRASE("GroupReportContent", "Эксперт");
inline constexpr CPhrase WeightCaption = TESSALY_PHRASE("GroupReportContent", "Вес");
inline constexpr CPhrase UseExpertWeightsCaptionPhrase
    = TESSALY_PHRASE("GroupReportContent", "Учитывать веса экспертов");
inline constexpr const char* UseExpertWeightsCaption = UseExpertWeightsCaptionPhrase.Source;
inline constexpr CPhrase GroupPriorityCaption = TESSALY_PHRASE("GroupReportContent", "Группа");
inline constexpr CPhrase AipArithmeticCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "Среднее арифм.");
inline constexpr const char* AipArithmeticCaption = AipArithmeticCaptionPhrase.Source;
inline constexpr CPhrase AipGeometricCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "Среднее геом.");
inline constexpr const char* AipGeometricCaption = AipGeometricCaptionPhrase.Source;
inline constexpr CPhrase ConsensusCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "Согласие S*");
inline constexpr const char* ConsensusCaption = ConsensusCaptionPhrase.Source;
inline constexpr CPhrase GroupRatioCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "ОС группы");
inline constexpr const char* GroupRatioCaption = GroupRatioCaptionPhrase.Source;
inline constexpr CPhrase LargestExpertRatioCaptionPhrase
    = TESSALY_PHRASE("GroupReportContent", "Наибольшая ОС эксперта");
inline constexpr const char* LargestExpertRatioCaption = LargestExpertRatioCaptionPhrase.Source;
inline constexpr CPhrase WidestSpreadCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "Наибольший разброс");
inline constexpr const char* WidestSpreadCaption = WidestSpreadCaptionPhrase.Source;
inline constexpr CPhrase DistanceCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "Расстояние от группы");
inline constexpr const char* DistanceCaption = DistanceCaptionPhrase.Source;
// The geometric standard deviation of a pair's judgements, as a cell's note names it.
inline constexpr CPhrase SpreadTerm = TESSALY_PHRASE("GroupReportContent", "ГСО");

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

// Why the group refused an expert or cannot be made of its members: "Эксперт 2: не указан
// файл", "Эксперт 2: файл «b.tsy» уже указан для эксперта 1", "Эксперт 2: файл «b.tsj» —
// дерево критериев, а «a.tsy» — проект с полными уровнями; в одной группе файлы экспертов
// одного вида"; a hierarchy that differs as StructureDifferenceText; "" for none.
std::string GroupProblemText(const CGroupProblem& problem);
// A member's hierarchy that differs from the reference member's, naming both files:
// "Файл b.tsy: на уровне 2 элемент 3 называется «ЦЕНА», а в a.tsy — «СТОИМОСТЬ»".
std::string StructureDifferenceText(
    const CStructureDifference& difference, const std::string& memberName, const std::string& referenceName);
// The group's ranking refused: "Группового рейтинга нет. " and the reason (a combined
// matrix's judgements that do not connect its elements, as NotConnectedText tells it;
// "Ни один эксперт не учитывается."); "" for none.
std::string RankingProblemText(const CRankingProblem& problem);
// The experts' names refused: "Строка 3: имя «А/Б» содержит «/»", "Не указано ни одного
// эксперта"; "" for none.
std::string ExpertNameProblemText(const CExpertNameProblem& problem);
// An expert's file in the way: "Файл «Вера.tsj» уже есть в папке и не является файлом
// эксперта этого проекта: ..."; "" for none.
std::string ExpertFileRefusalText(const CExpertFileRefusal& refusal);
// A member whose file could not be read, with the reader's message: "Эксперт 2 «Петров»:
// Не могу открыть файл проекта". The file and the reader's reason go under it.
std::string UnreadableMemberText(std::size_t expert, const std::string& label, const std::string& message);
// The same in one line, as the command line prints it: "...: Не могу открыть файл проекта
// (b.tsy: No such file or directory)".
std::string UnreadableMemberLine(std::size_t expert, const std::string& label, const std::string& message,
    const std::string& file, const std::string& reason);
inline constexpr CPhrase ExpertWeightsOffText
    = TESSALY_PHRASE("GroupReportContent", "Веса экспертов не учитываются: доли всех экспертов равны.");
// How many problems of a long list a message names; MoreProblemsText counts the rest.
inline constexpr std::size_t MaxNamedProblems = 5;
// "... и ещё 99 997"
std::string MoreProblemsText(std::size_t more);

// ---- Agreement ----

// The words of a band: "высокое согласие" (and its name alone, "высокое"); Kendall's W's
// "сильное согласие".
CPhrase ConsensusBandPhrase(EConsensusBand band);
CPhrase ConsensusBandNamePhrase(EConsensusBand band);
CPhrase ConcordanceBandPhrase(EConcordanceBand band);

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

inline constexpr CPhrase GroupMembersTitlePhrase = TESSALY_PHRASE("GroupReportContent", "Эксперты группы");
inline constexpr const char* GroupMembersTitle = GroupMembersTitlePhrase.Source;
inline constexpr CPhrase GroupRankingTitlePhrase = TESSALY_PHRASE("GroupReportContent", "Групповой рейтинг");
inline constexpr const char* GroupRankingTitle = GroupRankingTitlePhrase.Source;
inline constexpr CPhrase GroupElementsTitlePhrase = TESSALY_PHRASE("GroupReportContent", "Согласие по элементам");
inline constexpr const char* GroupElementsTitle = GroupElementsTitlePhrase.Source;
inline constexpr CPhrase GroupDistancesTitlePhrase
    = TESSALY_PHRASE("GroupReportContent", "Расстояние экспертов от группы");
inline constexpr const char* GroupDistancesTitle = GroupDistancesTitlePhrase.Source;
inline constexpr CPhrase NumberCaption = TESSALY_PHRASE("GroupReportContent", "№");
inline constexpr CPhrase FileCaption = TESSALY_PHRASE("GroupReportContent", "Файл");
inline constexpr CPhrase ElementCaption = TESSALY_PHRASE("GroupReportContent", "Элемент");
inline constexpr CPhrase LevelCaption = TESSALY_PHRASE("GroupReportContent", "Уровень");
inline constexpr CPhrase ShareCaption = TESSALY_PHRASE("GroupReportContent", "Доля");
inline constexpr CPhrase OwnRankingCaptionPhrase = TESSALY_PHRASE("GroupReportContent", "Собственный рейтинг");
inline constexpr const char* OwnRankingCaption = OwnRankingCaptionPhrase.Source;
// A rated group's ranking: its score, then the experts' own scores and their mean.
inline constexpr CPhrase GroupScoreCaption = TESSALY_PHRASE("GroupReportContent", "Оценка группы");
inline constexpr CPhrase MeanScoreCaption = TESSALY_PHRASE("GroupReportContent", "Среднее оценок экспертов");
// Where a rated group's window would offer the ideal synthesis.
inline constexpr CPhrase RatedGroupIdealNote = TESSALY_PHRASE("GroupReportContent",
    "Оценки по шкалам идеальны по своей природе: для них нет различия между распределительным и идеальным синтезом.");
// A cell with nothing to show: no figure exists there (a sign, the same in every language).
inline constexpr const char* NoFigureText = "—";

// Many experts summarised (ExpertSummary): the least, the median and the largest figure.
inline constexpr CPhrase MinimumCaption = TESSALY_PHRASE("GroupReportContent", "Мин.");
inline constexpr CPhrase MedianCaption = TESSALY_PHRASE("GroupReportContent", "Медиана");
inline constexpr CPhrase MaximumCaption = TESSALY_PHRASE("GroupReportContent", "Макс.");
//: %1 of the %2 experts have final priorities
inline constexpr CPhrase RankingSummaryNotePhrase = TESSALY_PHRASE("GroupReportContent",
    "Мин., медиана и макс. — итоговые приоритеты экспертов (учтено %1 из %2); рейтинг каждого эксперта — в экспорте "
    "CSV.");
//: %1 of the %2 experts are counted
inline constexpr CPhrase RatedRankingSummaryNotePhrase = TESSALY_PHRASE("GroupReportContent",
    "Мин., медиана и макс. — оценки альтернатив экспертами (учтено %1 из %2); рейтинг каждого эксперта — в экспорте "
    "CSV.");
//: %1 of the %2 experts have priorities of the element
inline constexpr CPhrase ExpertVectorsSummaryNotePhrase = TESSALY_PHRASE("GroupReportContent",
    "Приоритеты экспертов (учтено %1 из %2): наименьший, медиана и наибольший; приоритеты каждого эксперта — в "
    "экспорте CSV.");
inline constexpr CPhrase AllDistancesPhrase = TESSALY_PHRASE("GroupReportContent", "Расстояние от группы: %1");
//: The %1 experts furthest from the group of %2, named with their distances in %3
inline constexpr CPhrase FurthestExpertsPhrase
    = TESSALY_PHRASE("GroupReportContent", "Дальше всех от группы (%1 из %2): %3");
//: %1 is the acceptable limit; %2 of the %3 experts lie above it, the first of them named in %4
inline constexpr CPhrase ExpertRatioSummaryPhrase
    = TESSALY_PHRASE("GroupReportContent", "Число экспертов с ОС выше допустимой (%1): %2 из %3; среди них %4");
//: %1 names the first experts, %2 counts the others
inline constexpr CPhrase FirstLabelsPhrase = TESSALY_PHRASE("GroupReportContent", "%1 и ещё %2");

// The group's CSV (GroupCsv): its sections' titles and its own columns.
inline constexpr CPhrase CsvGroupAgreementTitlePhrase = TESSALY_PHRASE("GroupReportContent", "Согласие");
inline constexpr const char* CsvGroupAgreementTitle = CsvGroupAgreementTitlePhrase.Source;
inline constexpr CPhrase CsvGroupElementTitlePhrase
    = TESSALY_PHRASE("GroupReportContent", "Групповые суждения по элементу");
inline constexpr const char* CsvGroupElementTitle = CsvGroupElementTitlePhrase.Source;
inline constexpr CPhrase CsvExpertPrioritiesTitlePhrase = TESSALY_PHRASE("GroupReportContent", "Приоритеты экспертов");
inline constexpr const char* CsvExpertPrioritiesTitle = CsvExpertPrioritiesTitlePhrase.Source;
inline constexpr CPhrase CsvPairJudgementsTitlePhrase
    = TESSALY_PHRASE("GroupReportContent", "Суждения экспертов по парам");
inline constexpr const char* CsvPairJudgementsTitle = CsvPairJudgementsTitlePhrase.Source;
//: A CSV section's title: %1 is "Групповые суждения по элементу", %2 the element, %3 its level, %4 its place on it
inline constexpr CPhrase CsvLayeredElementTitle = TESSALY_PHRASE("GroupReportContent", "%1 «%2» (уровень %3, № %4)");
//: A CSV section's title: %1 is "Групповые суждения по элементу", %2 the criterion's path
inline constexpr CPhrase CsvTreeElementTitle = TESSALY_PHRASE("GroupReportContent", "%1 «%2»");
inline constexpr CPhrase IncludedCaption = TESSALY_PHRASE("GroupReportContent", "Учитывается");
inline constexpr CPhrase IncludedYes = TESSALY_PHRASE("GroupReportContent", "да");
inline constexpr CPhrase IncludedNo = TESSALY_PHRASE("GroupReportContent", "нет");
inline constexpr CPhrase CsvOverallConsensusCaption = TESSALY_PHRASE("GroupReportContent", "Общее согласие группы S*");
inline constexpr CPhrase CsvFinalHomogeneityCaption
    = TESSALY_PHRASE("GroupReportContent", "Однородность итоговых приоритетов S*");
inline constexpr CPhrase CsvKendallCaption = TESSALY_PHRASE("GroupReportContent", "W Кендалла");
inline constexpr CPhrase CsvGciCaption = TESSALY_PHRASE("GroupReportContent", "Геометрический индекс");
inline constexpr CPhrase CsvRowCaption = TESSALY_PHRASE("GroupReportContent", "Строка");
inline constexpr CPhrase CsvColumnCaption = TESSALY_PHRASE("GroupReportContent", "Столбец");
inline constexpr CPhrase CsvJudgementCaption = TESSALY_PHRASE("GroupReportContent", "Суждение");
//: How many experts judged the pair
inline constexpr CPhrase CsvJudgedByCaption = TESSALY_PHRASE("GroupReportContent", "Судили");
inline constexpr CPhrase CsvFurthestCaption = TESSALY_PHRASE("GroupReportContent", "Дальше всех от группы");

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
