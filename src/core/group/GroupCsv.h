#pragma once

#include <string>

class CGroupDecision;

// A group decision's figures as one CSV text, in the conventions of a project's CSV
// (UTF-8 with a byte-order mark, CRLF line ends, sections separated by an empty line,
// unrounded values with the given decimal separator, names through CsvText, elements
// numbered from 1, level 0 the goal; a tree's criteria named by their paths): the experts with their weights and
// shares; the group ranking beside both aggregations of the experts' priorities and each expert's own priorities and
// places; the group's ideal ranking; the agreement (with Kendall's W); and for every judged element the combined
// judgements (a pair nobody judged empty), their spread (ГСО, 1 on the diagonal; no
// section for one expert), the group's measures, the consensus and each expert's local
// priorities, CR and distance from the group, then per pair each expert's judgement, how
// many judged it and who lies furthest from the group. A figure that does not exist is an empty
// field. Its titles and captions are the group's phrases (GroupReportContent). The program's export and
// tessaly-report --csv both write exactly this text.
std::string GroupCsv(const CGroupDecision& decision, char decimalSeparator);
