#include "cli/MatrixJson.h"

#include "core/results/CHierarchyResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/Deviations.h"
#include "core/results/IncompleteJudgements.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace {
nlohmann::json Optional(const std::optional<double>& x)
{
    return x ? nlohmann::json(*x) : nlohmann::json(nullptr);
}

nlohmann::json GuidanceJson(const CConsistencyGuidance& guidance)
{
    nlohmann::json suggestions = nlohmann::json::array();
    for (std::uint32_t s = 0; s < guidance.SuggestionCount; ++s) {
        const CSuggestion& suggestion = guidance.Suggestions[s];
        suggestions.push_back({{"row", suggestion.Row}, {"column", suggestion.Column}, {"current", suggestion.Current},
            {"proposed", suggestion.Proposed}, {"cr_after", suggestion.CrAfter},
            {"gci_after", Optional(suggestion.GciAfter)}});
    }
    return {{"gci", Optional(guidance.Gci)}, {"cr_limit", guidance.CrLimit}, {"gci_limit", Optional(guidance.GciLimit)},
        {"acceptable", guidance.Acceptable()}, {"suggestions", suggestions}};
}

// The judged pairs and what they leave: the graph and its completed matrix.
void AddJudgedPairsJson(const CWideMatrixPriorities& found, nlohmann::json& item)
{
    const CWideComparisonGraph& graph = found.Graph;
    nlohmann::json missing = nlohmann::json::array();
    for (std::uint32_t m = 0; m < graph.MissingCount; ++m) {
        missing.push_back({graph.Missing[m].Row, graph.Missing[m].Column});
    }
    nlohmann::json components = nlohmann::json::array();
    for (std::uint32_t c = 0; c < graph.ComponentCount; ++c) {
        nlohmann::json members = nlohmann::json::array();
        for (std::uint32_t k = 0; k < graph.ComponentSize[c]; ++k) {
            members.push_back(graph.ComponentMembers[c][k]);
        }
        components.push_back(members);
    }
    item["judged_pairs"] = graph.JudgedPairs;
    item["missing"] = missing;
    item["connected"] = graph.Connected();
    item["components"] = components;
    nlohmann::json completed = nlohmann::json::array();
    for (std::uint32_t r = 0; r < graph.Order; ++r) {
        nlohmann::json row = nlohmann::json::array();
        for (std::uint32_t c = 0; c < graph.Order; ++c) {
            row.push_back(found.Completed[r][c]);
        }
        completed.push_back(row);
    }
    item["completed"] = completed;
}
} // namespace

nlohmann::json MatrixJson(const CJudgementMatrix& judgements, std::uint32_t n, const CNodeResult& result)
{
    nlohmann::json item;
    nlohmann::json rows = nlohmann::json::array();
    for (std::uint32_t r = 0; r < n; ++r) {
        nlohmann::json row = nlohmann::json::array();
        for (std::uint32_t c = 0; c < n; ++c) {
            row.push_back(judgements(r, c).Code());
        }
        rows.push_back(row);
    }
    item["judgements"] = rows;
    item["intransitive_triads"] = BuildTransitivityReport(judgements, n).Lines;
    // The guidance reads the priorities the synthesis has, so its figures are the element's own.
    item.update(GuidanceJson(GuideConsistency(judgements, n, result.Local.data())));
    AddJudgedPairsJson(ComputeWideMatrixPriorities(judgements, n), item);
    nlohmann::json priorities = nlohmann::json::array();
    for (std::uint32_t r = 0; r < n && r < result.Local.size(); ++r) {
        priorities.push_back(result.Local[r]);
    }
    item["priorities"] = priorities;
    item["lambda_max"] = result.Measures.LambdaMax;
    item["ci"] = result.Measures.CI;
    item["cr"] = result.Measures.CR;
    if (result.Basis == EPrioritiesBasis::NotConnected || result.Basis == EPrioritiesBasis::BadValue) {
        for (const char* key : {"completed", "priorities", "lambda_max", "ci", "cr"}) {
            item[key] = nullptr;
        }
    }
    if (!result.Compared) {
        // A single child is never judged: it takes the whole weight, and there is nothing to measure.
        for (const char* key : {"lambda_max", "ci", "cr", "gci", "cr_limit", "gci_limit"}) {
            item[key] = nullptr;
        }
    }
    return item;
}
