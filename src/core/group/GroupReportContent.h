#pragma once

#include "core/group/Consensus.h"

#include <cstddef>
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

// ---- Refusals ----

// Why an expert is refused, after "Эксперт N: ".
inline constexpr const char* MemberWithoutFileText = "не указан файл";
inline constexpr const char* MemberWeightText = "вес должен быть положительным числом";
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
// "Согласие в итоговом рейтинге: S* 82.8 % (высокое согласие), S 89.9 %", or why there is
// none.
std::string FinalAgreementLine(const CGroupDecision& decision, char decimalSeparator = '.');
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
