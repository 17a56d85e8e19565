#pragma once

#include "core/results/ReportContent.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CHierarchy;
class CRatingResults;
struct CHierarchySensitivity;
struct CRatingScale;
struct CScaleResult;

// What every report of a rated tree says: the figures are the rating results', shown as
// the other reports show theirs (4 decimals, truncated).

inline constexpr CPhrase RatingRankingTitle
    = TESSALY_PHRASE("RatingReportContent", "Итоговый рейтинг (оценки по шкалам)");
inline constexpr CPhrase RatingScoreCaption = TESSALY_PHRASE("RatingReportContent", "Оценка");
inline constexpr CPhrase RatingShareCaption = TESSALY_PHRASE("RatingReportContent", "Доля");
inline constexpr CPhrase RatingNoteCaption = TESSALY_PHRASE("RatingReportContent", "Примечание");
// Beside an alternative with cells not rated, wherever its score appears.
inline constexpr CPhrase NotAllRatedMark = TESSALY_PHRASE("RatingReportContent", "не все оценки");
inline constexpr CPhrase NotRatedCellText = TESSALY_PHRASE("RatingReportContent", "не оценено");
inline constexpr CPhrase RatingsTableTitle = TESSALY_PHRASE("RatingReportContent", "Таблица оценок");
inline constexpr CPhrase RatedAlternativesText
    = TESSALY_PHRASE("RatingReportContent", "Альтернативы оцениваются по шкалам интенсивностей.");

// Place | Альтернатива | Оценка | Доля | Примечание of the leading count places, by score.
CReportTable RatingRankingTable(
    const CHierarchy& hierarchy, const CRatingResults& results, std::size_t count, char decimalSeparator = '.');
// "Показаны 20 лучших альтернатив из 1000; все они — в приложении." when count is fewer
// than all; empty otherwise.
std::string LeadingAlternativesText(std::size_t count, std::size_t total);
// The place changes a rated tree's reports list: those between two of its leading
// alternatives by score (the analysis already keeps only those with the leader), so that
// a report of a thousand alternatives stays short; the critical change is untouched.
inline constexpr std::size_t RatedSensitivityLeaders = 10;
// Drops the others from every node of analysis and returns how many it dropped.
std::size_t KeepLeadingCrossings(
    CHierarchySensitivity& analysis, const std::vector<std::uint32_t>& ranking, std::size_t count);
// "Смены мест с лидером показаны только для 10 лучших альтернатив; не показано ещё 25."
// when some were dropped; empty otherwise.
std::string LeftOutCrossingsText(std::size_t count, std::size_t leftOut);
// "Шкала «Объём»"
std::string ScaleHeading(const CRatingScale& scale);
// "Шкала применяется к критериям: «Надёжность», «Качество»." or the sentence saying no
// criterion uses it.
std::string ScaleUseText(const CHierarchy& hierarchy, std::uint32_t scale);
// Интенсивность | Приоритет | Идеальное значение, in the scale's order (best first).
CReportTable ScaleTable(const CRatingScale& scale, const CScaleResult& result, char decimalSeparator = '.');
// "Интенсивность «Хорошо» получила больший вес, чем «Отлично»." or empty.
std::string ScaleOrderWarningText(const CRatingScale& scale, const CScaleResult& result);
// The scale's measures and its consistency verdict, each a line.
std::vector<std::string> ScaleConsistencyLines(
    const CRatingScale& scale, const CScaleResult& result, char decimalSeparator = '.');
// "Критерий «Квалификация / Опыт» оценивается по шкале «Объём»."
std::string CriterionScaleText(const CHierarchy& hierarchy, std::uint32_t node);
// Альтернатива | each rated criterion by its path: the intensity names, NotRatedCellText
// where a cell is not rated; the alternatives in their order.
CReportTable RatingsTable(const CHierarchy& hierarchy);
