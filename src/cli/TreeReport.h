#pragma once

#include "cli/CReportCommand.h"

#include <nlohmann/json_fwd.hpp>

#include <string>

class CHierarchy;
class CHierarchyResults;
class CRatingResults;

// What the report of a tree file (".tsj") came to: the report, or the exit code with what
// standard error says (every line of it).
struct CTreeReportOutcome {
    int ExitCode = ExitOk;
    std::string Report;
    std::string Errors;
};

// The tree file read only for reading and reported in format; a refused file gives the
// damaged-file message and the line naming what is wrong and where.
CTreeReportOutcome TreeReport(const std::string& fileName, EReportFormat format);

// The report's forms of a hierarchy and its results. Nodes are listed depth first, the
// goal first, each named by its path.
nlohmann::json HierarchyJson(const CHierarchy& hierarchy, const CHierarchyResults& results);
// Names and comments show their control characters escaped, as in the project report.
std::string HierarchyText(const CHierarchy& hierarchy, const CHierarchyResults& results);
// The same of a rated tree: the criteria, the scales with their figures and consistency,
// and the ranking by score with each alternative's share and whether it is rated everywhere.
nlohmann::json RatedHierarchyJson(const CHierarchy& hierarchy, const CRatingResults& results);
std::string RatedHierarchyText(const CHierarchy& hierarchy, const CRatingResults& results);
