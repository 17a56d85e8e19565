#pragma once

#include "core/group/CGroupRatings.h"
#include "core/group/Consensus.h"
#include "core/group/JudgementAggregation.h"
#include "core/model/CElementSlot.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/IncompleteJudgements.h"
#include "core/results/Synthesis.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How far one expert's local priorities of an element lie from the group's.
struct CExpertDistance {
    std::size_t Expert = 0;
    double Distance = 0.0;
};

// One judged element of a group decision (a criterion that compares two or more): the
// experts' judgements combined, what the group's priorities rest on, and how far the
// experts agree on it. The group's own priorities, lambda-max, CI and CR of the element
// are those of CGroupResult::Nodes at its node (and of CGroupResult::Group at its slot).
struct CGroupElementResult {
    std::uint32_t Node = 0;
    CElementSlot Slot; // layered experts only
    // The combined judgements (Aggregate.Order is the order), who judged each pair and the
    // geometric standard deviation of their judgements.
    CJudgementAggregate Aggregate;
    // Who lies furthest from the group on each pair (i < j, the same in (j, i)): the
    // expert taken into account whose judgement is furthest from the combined value by
    // |ln a_k - ln a_group| (the first of equals); none for a pair nobody judged. Each
    // expert's own judgement is CGroupDecision::ExpertJudgement, how many judged it
    // Aggregate.JudgedBy.
    TPairBlock<std::optional<std::size_t>> FurthestExpert{};
    // The geometric consistency index of the combined matrix: none when a pair is missing
    // or for fewer than 3 elements.
    std::optional<double> Gci;
    // The pair (i < j) whose judgements lie furthest apart (the largest spread); none when
    // no pair has a spread (fewer than two experts judged each).
    std::optional<CElementPair> WidestSpread;
    // The expert with the largest CR among those whose judgements give priorities here.
    std::optional<std::size_t> LargestCrExpert;
    // The element's global priority in the group result (1 for the goal); 0 when the
    // group's judgements do not connect some element, so that no synthesis exists.
    double GlobalPriority = 0.0;
    // The experts whose judgements of this element give no priorities (they do not connect
    // the elements below it): left out of its consensus and of the distances, by number.
    std::vector<std::size_t> LeftOut;
    // With at least two experts taken into account.
    std::optional<CConsensus> Consensus;
    // Every expert taken into account, the most distant from the group first (equal
    // distances by expert number); empty when the group has no priorities here.
    std::vector<CExpertDistance> Distances;
};

// Why the group has no ranking.
enum class ERankingProblem {
    None,
    NotConnected,     // the combined judgements of Node do not connect what it compares
    NoExpertIncluded, // every expert is left out
    NotComputable,    // a combined figure is not a number
};
// A value: the group's phrase book makes its sentence (RankingProblemText).
struct CRankingProblem {
    ERankingProblem Kind = ERankingProblem::None;
    // NotConnected: the node, its name, the names of what it compares by position and the
    // graph of its combined judgements.
    std::uint32_t Node = 0;
    std::string NodeName{};
    std::vector<std::string> Names{};
    CWideComparisonGraph Graph{};

    explicit operator bool() const { return Kind != ERankingProblem::None; }
};
// Whether its sentence is the text ("" for none).
bool operator==(const CRankingProblem& problem, std::string_view text);
std::ostream& operator<<(std::ostream& stream, const CRankingProblem& problem);

// Every figure of a group decision under one set of weights. A value: the decision fills
// it; whoever holds one only reads it.
struct CGroupResult {
    // alpha_k, the weights as used (all equal when the experts' weights are not taken into
    // account), shared among the experts taken into account (0 for one left out); empty
    // for a group without experts.
    std::vector<double> Weights;
    // The group's priorities and consistency of every node and its synthesis: the one
    // hierarchy computation over the combined judgements.
    CHierarchyResults Nodes;
    // The same as a layered project holds them (layered experts only).
    CProjectResults Group;
    // In node order (level by level, by position for layers): every criterion that compares
    // two or more.
    std::vector<CGroupElementResult> Elements;
    // The group ranking, its ideal form and both aggregations' rankings, each of every
    // alternative in the order of a project's ranking; empty where the lists below are.
    std::vector<CResultRow> RankingRows;
    std::vector<CResultRow> IdealRankingRows;
    std::vector<CResultRow> AipArithmeticRows;
    std::vector<CResultRow> AipGeometricRows;
    std::vector<CUnacceptableNode> UnacceptableNodes;
    // The group ranking of the alternatives, ordered like a project's, with a project's colours by place;
    // Count 0 when the combined judgements do not connect some element, which RankingProblem then names.
    CResultList Ranking;
    CRankingProblem RankingProblem;
    // The same in the ideal mode (the group's priorities synthesised by the ideal rule).
    CResultList IdealRanking;
    // The combined matrices whose consistency is not acceptable, as a project lists its
    // own: the group ranking rests on them.
    std::vector<CUnacceptableMatrix> Unacceptable;
    // The experts' own final priorities aggregated (by position): sum_k alpha_k f^k and
    // the normalised prod_k (f^k)^alpha_k, over the experts whose judgements give final
    // priorities; empty when none does. Their rankings are ordered like Ranking.
    std::vector<double> AipArithmetic;
    std::vector<double> AipGeometric;
    CResultList AipArithmeticRanking;
    CResultList AipGeometricRanking;
    // sum_e G_e S*_e / sum_e G_e over the elements with a consensus; none for one expert or
    // without a group ranking.
    std::optional<double> OverallConsensus;
    // The agreement of the experts' final priorities (S and S*); none for one expert.
    std::optional<CConsensus> FinalAgreement;
    // Rated trees: the group's scales, cell values and scores beside the experts' own.
    std::optional<CGroupRatings> Ratings;
    // Kendall's W of the experts' own rankings (equal priorities sharing the mean place);
    // none for fewer than two experts with final priorities.
    std::optional<double> KendallW;

    // The element at a slot; null for a slot without a level below it.
    [[nodiscard]] const CGroupElementResult* ElementAt(const CElementSlot& slot) const;
    // The element of a node; null for a node that compares fewer than two.
    [[nodiscard]] const CGroupElementResult* ElementOfNode(std::uint32_t node) const;
};
