#pragma once

#include "core/results/IncompleteJudgements.h"

#include <span>
#include <string>

// What the user reads about missing judgements, for a layered element's graph and for any
// matrix of a hierarchy (up to 20). names are the compared elements' names
// by position; a position beyond them is named by its number from 1.

// The components as groups: "{А, Б} и {В, Г}", "{А}, {Б, В} и {Г}".
std::string ComponentGroupsText(const CComparisonGraph& graph, std::span<const std::string> names);
std::string ComponentGroupsText(const CWideComparisonGraph& graph, std::span<const std::string> names);

// "Недостаточно сравнений для «ЦЕНА»: группы {А, Б} и {В, Г} не сравнены между собой";
// empty when the judged pairs connect the elements.
std::string NotConnectedText(
    const std::string& elementName, const CComparisonGraph& graph, std::span<const std::string> names);
std::string NotConnectedText(
    const std::string& elementName, const CWideComparisonGraph& graph, std::span<const std::string> names);

// The comparison window's line while a pair is missing: "Задано 5 из 6 сравнений", and
// when the judged pairs do not connect the elements, after it
// ". Недостаточно: группы {А, Б} и {В, Г} не сравнены".
std::string JudgedPairsText(const CComparisonGraph& graph, std::span<const std::string> names);
std::string JudgedPairsText(const CWideComparisonGraph& graph, std::span<const std::string> names);
// The same inside a sentence, after a colon: "цель «ВЫБОР»: задано 5 из 6 сравнений".
std::string JudgedPairsInSentence(const CComparisonGraph& graph, std::span<const std::string> names);
std::string JudgedPairsInSentence(const CWideComparisonGraph& graph, std::span<const std::string> names);
