#pragma once

#include <string>

class CGroupDecision;

// A group decision's figures as one CSV text, in a project CSV's conventions (UTF-8 with
// a byte-order mark, CRLF line ends, sections separated by an empty line, unrounded
// values with the given decimal separator, names through CsvText, elements numbered from
// 1, level 0 the goal): the experts with their weights and shares; the group ranking
// beside both aggregations of the experts' priorities and each expert's own priorities;
// the agreement; and for every judged element the combined judgements, their spread
// (ГСО), the group's measures, its consensus and each expert's local priorities, CR and
// distance from the group. A figure that does not exist is an empty field.
std::string GroupDecisionCsv(const CGroupDecision& decision, char decimalSeparator);
