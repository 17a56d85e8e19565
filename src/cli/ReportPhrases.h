#pragma once

// The phrase book of tessaly-report's text reports: the lines it writes around the
// results' own sentences (core/results/ReportContent.h), for a project, a tree and a
// group, and what it says when a report cannot be written.

#include "core/model/Phrase.h"

// ---- The head of a report ----
inline constexpr CPhrase GoalLine = TESSALY_PHRASE("ReportPhrases", "Цель: %1");
inline constexpr CPhrase CommentLine = TESSALY_PHRASE("ReportPhrases", "Комментарий: %1");
inline constexpr CPhrase LevelCountLine = TESSALY_PHRASE("ReportPhrases", "Уровней: %1");

// ---- Rankings and elements ----
// After an ideal ranking's priority: the raw ideal score.
inline constexpr CPhrase RawIdealShown = TESSALY_PHRASE("ReportPhrases", "(Доля идеала %1)");
// A layered element: its level, its position from 0 and its name.
inline constexpr CPhrase ElementHeadingLine = TESSALY_PHRASE("ReportPhrases", "Уровень %1, элемент %2: %3");
inline constexpr CPhrase SensitivityHeading = TESSALY_PHRASE("ReportPhrases", "Анализ чувствительности:");

// ---- A rated tree ----
// After an alternative's score: its share, and the mark of cells not rated.
inline constexpr CPhrase RatedShare = TESSALY_PHRASE("ReportPhrases", "(доля %1)");
inline constexpr CPhrase RatedShareMarked = TESSALY_PHRASE("ReportPhrases", "(доля %1; %2)");
// An intensity of a scale, its priority and its ideal value.
inline constexpr CPhrase IntensityLine = TESSALY_PHRASE("ReportPhrases", "%1: приоритет %2, идеальное значение %3");

// ---- A group ----
inline constexpr CPhrase GroupCriterionHeading = TESSALY_PHRASE("ReportPhrases", "Критерий: %1");
inline constexpr CPhrase GroupRatingRankingHeading = TESSALY_PHRASE(
    "ReportPhrases", "Итоговый рейтинг (оценки по шкалам), групповая оценка, оценки экспертов и их среднее:");
// After the group score: the experts' own scores and their mean, and the mark of cells not rated.
inline constexpr CPhrase ExpertScores = TESSALY_PHRASE("ReportPhrases", "(эксперты: %1; среднее %2)");
inline constexpr CPhrase ExpertScoresMarked = TESSALY_PHRASE("ReportPhrases", "(эксперты: %1; среднее %2; %3)");
inline constexpr CPhrase ExpertsHeading = TESSALY_PHRASE("ReportPhrases", "Эксперты:");
// An expert by number, label and file, with the weight given and its share of the group.
inline constexpr CPhrase ExpertLine = TESSALY_PHRASE("ReportPhrases", "%1. %2 (%3): вес %4, доля %5");
inline constexpr CPhrase ExcludedExpertLine
    = TESSALY_PHRASE("ReportPhrases", "%1. %2 (%3): вес %4, доля %5, не учитывается");
// A group's final ranking by the way it was combined.
inline constexpr CPhrase GroupRankingHeading = TESSALY_PHRASE("ReportPhrases", "Итоговый рейтинг (%1):");
inline constexpr CPhrase GroupIdealRankingHeading
    = TESSALY_PHRASE("ReportPhrases", "Итоговый рейтинг (идеальный синтез) (%1):");
inline constexpr CPhrase ExpertRankingsHeading = TESSALY_PHRASE("ReportPhrases", "Собственные рейтинги экспертов:");
inline constexpr CPhrase ExpertWithoutRanking
    = TESSALY_PHRASE("ReportPhrases", "итоговых приоритетов нет: сравнения не связывают элементы");
inline constexpr CPhrase GroupFileAlone
    = TESSALY_PHRASE("ReportPhrases", "файл группы «%1» задаётся один, без файлов экспертов");
inline constexpr CPhrase WeightCountMismatch = TESSALY_PHRASE("ReportPhrases", "--weights: весов %1, а экспертов %2");

// ---- Writing the report ----
inline constexpr CPhrase NotWrittenToStandardOutput
    = TESSALY_PHRASE("ReportPhrases", "Не могу записать отчёт в стандартный вывод: %1");
inline constexpr CPhrase NotWrittenToFile = TESSALY_PHRASE("ReportPhrases", "Не могу записать отчёт в файл «%1»: %2");
inline constexpr CPhrase OutputIsInput
    = TESSALY_PHRASE("ReportPhrases", "Отчёт не записан: файл «%1» — один из файлов, которые отчёт читает");
