#pragma once

#include "cli/CReportCommand.h"

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string>
#include <vector>

class CGroupDecision;

// What the group report of tessaly-report came to: the report, or the exit code with
// what standard error says (every line of it).
struct CGroupReportOutcome {
    int ExitCode = ExitOk;
    std::string Report;
    std::string Errors;
    // Every file the report read: the files given and a group file's members.
    std::vector<std::string> Inputs;
};

// The group of files (the experts' project files, or one group file ".tsg"), every
// member read only for reading, reported in format. weights, when given, replace the
// members' weights one by one and must be as many as the members, and they are then taken
// into account; otherwise a group file says whether they are ("weighted") and which
// experts count ("included").
CGroupReportOutcome GroupReport(
    const std::vector<std::string>& files, const std::optional<std::vector<double>>& weights, EReportFormat format);

// The report's forms of a group decision with at least one expert.
nlohmann::json GroupJson(const CGroupDecision& decision);
// Names and labels show their control characters escaped, as in the project report.
std::string GroupText(const CGroupDecision& decision);
