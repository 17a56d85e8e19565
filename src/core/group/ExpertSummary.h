#pragma once

#include "core/group/GroupReportContent.h"
#include "core/results/ReportContent.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CExpertDistance;
class CGroupDecision;

// What a report says of many experts at once (those left out of the group in none of it): their figures summarised (the
// least, the median, the largest), the experts furthest from the group and the experts above the consistency limit
// named only the first few, the rest counted. Every expert's own figures stay in the group's CSV.

struct CFigureSummary {
    double Minimum = 0.0;
    double Median = 0.0; // the mean of the two middle figures of an even count
    double Maximum = 0.0;
    std::size_t Count = 0;
};
// None for no figures.
std::optional<CFigureSummary> SummariseFigures(std::vector<double> figures);

// Место | Альтернатива | Группа | Среднее арифм. | Среднее геом. | Мин. | Медиана | Макс.:
// the rows of GroupRankingTable with the experts' columns replaced by their final
// priorities of each alternative summarised, over the experts who have them ("—" when
// none has).
CReportTable GroupRankingSummaryTable(const CGroupDecision& decision, char decimalSeparator = '.');
// "Мин., медиана и макс. — итоговые приоритеты экспертов (учтено 998 из 1000); рейтинг
// каждого эксперта — в экспорте CSV."
std::string RankingSummaryNote(const CGroupDecision& decision);

// "Элемент уровня L+1" | Группа | Мин. | Медиана | Макс.: the rows of ExpertVectorsTable
// with the experts' columns summarised row by row over the experts with priorities there
// (the row "ОС": their consistency ratios).
CReportTable ExpertVectorsSummaryTable(
    const CGroupDecision& decision, std::size_t element, char decimalSeparator = '.');
// "Приоритеты экспертов (учтено 998 из 1000): наименьший, медиана и наибольший; приоритеты
// каждого эксперта — в экспорте CSV."
std::string ExpertVectorsSummaryNote(const CGroupDecision& decision, std::size_t element);

// "Дальше всех от группы (5 из 1000): Петров 2.3105, Иванов 0.4012, ..." naming the first
// `shown` of the distances (most distant first), or "Расстояние от группы: ..." with all of
// them when they are no more; empty for no distances.
std::string FurthestExpertsText(const CGroupDecision& decision, std::span<const CExpertDistance> distances,
    std::size_t shown, char decimalSeparator = '.');

// "Число экспертов с ОС выше допустимой (0.05): 953 из 1000; среди них Петров, Иванов и
// ещё 951" (of the experts taken into account), naming the first `shown`; empty when
// none is above the limit.
std::string ExpertRatioSummaryText(
    const CGroupDecision& decision, std::size_t element, std::size_t shown, char decimalSeparator = '.');
