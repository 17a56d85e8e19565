#pragma once

#include "core/results/ReportContent.h"

#include <string>

class CUserProjectModel;
class CProjectResults;

// The field separator that goes with a decimal separator: ';' beside a decimal comma,
// ',' otherwise.
char CsvFieldSeparator(char decimalSeparator);

// One field, quoted when it holds the field separator, a quote or a line break; a quote
// inside is doubled.
std::string CsvField(const std::string& text, char fieldSeparator);

// A name as a spreadsheet should take it: one that begins with '=', '+', '-', '@', a tab
// or a carriage return would be read there as a formula, so it gets a leading apostrophe.
std::string CsvText(const std::string& text);

// The project's figures as one CSV text: UTF-8 with a byte-order mark, CRLF line ends,
// sections separated by an empty line: the final ranking (distributive synthesis), the
// ideal one with the raw ideal scores, the global priorities of every
// level, and every judged element's local priorities with lambda-max, CI and CR under the
// windows' names СЗ, ИС and ОС. Headers and words are in the interface's language, the
// columns in the same order in every language. Values are unrounded (up to 15 significant
// digits) with the given decimal separator. Elements are numbered from 1 as the windows
// number their rows; level 0 is the goal. Names go through CsvText.
std::string ProjectCsv(const CUserProjectModel& project, const CProjectResults& results, char decimalSeparator);

class CHierarchy;
class CHierarchyResults;
// The same for a hierarchy read as such (a tree of criteria): both rankings, the global
// priority of every criterion named by its path ("Стоимость / Цена"), and every judged
// node's local priorities and measures; nodes depth first, the goal first.
std::string HierarchyCsv(const CHierarchy& hierarchy, const CHierarchyResults& results, char decimalSeparator);
class CRatingResults;
// The same for a rated tree: the ranking by score, one row per alternative with its score,
// share, whether every cell is rated ("да"/"нет") and its intensity under each rated
// criterion (empty where not rated); the criteria's global priorities with each rated
// one's scale, every judged criterion's section, and each scale's priorities, ideal values
// and measures.
std::string RatedTreeCsv(const CHierarchy& hierarchy, const CRatingResults& results, char decimalSeparator);
inline constexpr CPhrase CsvCompleteCaption = TESSALY_PHRASE("CsvExport", "Все оценки");
inline constexpr CPhrase CsvCriteriaTitle = TESSALY_PHRASE("CsvExport", "Глобальные приоритеты критериев");

inline constexpr CPhrase CsvRankingTitle = FinalRankingTitle;
inline constexpr CPhrase CsvGlobalTitle = LevelPrioritiesTitle;
