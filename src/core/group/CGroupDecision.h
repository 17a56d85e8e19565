#pragma once

#include "core/group/CGroupProblem.h"
#include "core/group/CGroupResult.h"
#include "core/group/JudgementAggregation.h"
#include "core/model/CElementSlot.h"
#include "core/model/CHierarchy.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/CProjectResults.h"
#include "core/results/Synthesis.h"
#include "core/storage/GroupFile.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class CExpertWeights;
class CUserProjectModel;

// A group decision: several experts' judgements of one hierarchy combined into the
// group's judgements, the group's priorities and ranking computed from them as for one
// project, beside the experts' own results and how far they agree.
//
// The experts' hierarchies are of either shape (complete layers from layered projects, or
// trees): everything is computed node by node on the one hierarchy type, each criterion
// that compares two or more elements being an element of the group. Experts given as
// layered projects also get the layered views (Model(), ExpertResults(), the slots and the
// result lists of CGroupResult) that the group window shows, mapped from the same figures.
//
// An expert is taken from his project as read; the project itself is not kept, only what
// the computation needs from it (his judgements, read once into logarithms, and his own
// results), so a thousand experts cost a few megabytes and a change of weights combines
// again without reading or taking a logarithm. The figures are computed when first asked
// for after a change, like a document's results.
class CGroupDecision {
public:
    CGroupDecision();
    CGroupDecision(const CGroupDecision&) = delete;
    CGroupDecision& operator=(const CGroupDecision&) = delete;
    virtual ~CGroupDecision();

    // Takes one more expert: his entry of the group (file, label, weight) and his project
    // as read. Refused, changing nothing, with the reason: a member without a file, a
    // weight that is not a positive number, a file already in the group (by its name made
    // plain, or the same file under another name), a project without a hierarchy, or a
    // hierarchy that differs from the first expert's (the first difference, between both
    // files). No problem when taken.
    CGroupProblem AddExpert(const CGroupMember& member, const CUserProjectModel& project);
    // The same for an expert whose decision is a hierarchy (a tree from a tree file). One
    // group takes experts of one kind: layered projects or hierarchies. A hierarchy that
    // differs from the first expert's is named at its first difference, by its path.
    CGroupProblem AddExpert(const CGroupMember& member, const CHierarchy& hierarchy);

    // Whether the experts came as layered projects: the layered views are then filled.
    [[nodiscard]] bool Layered() const { return LayeredExperts; }
    // The group's hierarchy (the first expert's names) holding the combined judgements.
    [[nodiscard]] const CHierarchy& Hierarchy() const;
    // The expert's own results node by node.
    [[nodiscard]] const CHierarchyResults& ExpertNodeResults(std::size_t expert) const { return Experts[expert].Nodes; }
    // His own ranking of the alternatives, of any number of them; empty when he has no final
    // priorities.
    [[nodiscard]] const std::vector<CResultRow>& ExpertRankingRows(std::size_t expert) const
    {
        return Experts[expert].RankingRows;
    }
    // The local priorities of Result().Elements[element] by one expert; empty when his
    // judgements of it give none.
    [[nodiscard]] std::span<const double> ExpertElementPriorities(std::size_t expert, std::size_t element) const;

    [[nodiscard]] std::size_t ExpertCount() const { return Experts.size(); }
    [[nodiscard]] const CGroupMember& Member(std::size_t expert) const { return Experts[expert].Member; }
    // The expert's own priorities, consistency and synthesis, from his judgements alone
    // (layered experts).
    [[nodiscard]] const CProjectResults& ExpertResults(std::size_t expert) const { return Experts[expert].Results; }
    // His final priorities by position; empty when his judgements give none (some element's
    // judgements do not connect the elements below it).
    [[nodiscard]] std::span<const double> ExpertFinal(std::size_t expert) const { return Experts[expert].Final; }
    // His own ranking of the alternatives; Count 0 when he has no final priorities.
    [[nodiscard]] const CResultList& ExpertRanking(std::size_t expert) const { return Experts[expert].Ranking; }
    // The experts without final priorities, by number: left out of both aggregations of
    // final priorities and of the agreement on the ranking.
    [[nodiscard]] std::vector<std::size_t> ExpertsWithoutFinal() const;
    // The local priorities of the element at slot by one expert; empty when his judgements
    // of it give none, or for a slot without a level below it (layered experts).
    [[nodiscard]] std::span<const double> ExpertPriorities(std::size_t expert, const CElementSlot& slot) const;

    // Whether the experts' weights count; off, every expert weighs the same.
    [[nodiscard]] bool UseExpertWeights() const { return UseWeights; }
    void SetUseExpertWeights(bool use);
    // A new weight for an expert; false, nothing changed, for a weight that the experts'
    // weight rule refuses or an expert that is not there.
    bool SetWeight(std::size_t expert, double weight);
    // Whether an expert counts: one left out stays listed with his own results but is in
    // no figure of the group (combined judgements, aggregates, consensus, W, distances).
    [[nodiscard]] bool Included(std::size_t expert) const { return Experts[expert].Member.Included; }
    // false, nothing changed, for an expert that is not there.
    bool SetIncluded(std::size_t expert, bool included);
    // The expert's own judgement of the pair (row, column) of Result().Elements[element],
    // as he gave it (a scale code when it is one); "не задано" when he left the pair out,
    // for a pair outside the element or an element that is not there.
    [[nodiscard]] CJudgement ExpertJudgement(
        std::size_t expert, std::size_t element, std::uint32_t row, std::uint32_t column) const;

    // The group's hierarchy (the first expert's names and comments) holding the combined
    // judgements under the present weights; an empty model before the first expert or for
    // experts given as hierarchies.
    [[nodiscard]] const CUserProjectModel& Model() const;
    // Every figure under the present weights.
    [[nodiscard]] const CGroupResult& Result() const;

private:
    struct CExpert {
        CGroupMember Member;
        std::string Identity; // what tells one file from another (see AddExpert)
        CHierarchyResults Nodes;
        CProjectResults Results; // layered experts only
        std::vector<double> Final;
        std::vector<CResultRow> RankingRows;
        CResultList Ranking;
        // Per judged element, in the order of Elements: whether his judgements give
        // priorities there.
        std::vector<bool> HasPriorities;
        // Rated trees: the ideal value of each of his cells (as CGroupRatings::Values, NaN
        // where he did not rate) and his own scores.
        std::vector<double> RatingValues;
        std::vector<double> Scores;
    };
    struct CElementInput {
        std::uint32_t Node = 0;
        CElementSlot Slot; // layered experts only
        std::uint32_t Order = 0;
        std::vector<CPairLogarithms> Judgements; // one per expert
    };

    // The checks every expert passes; no problem when he may join.
    CGroupProblem Admission(const CGroupMember& member, bool layered, const std::string& identity) const;
    // The member's hierarchy differs from the first expert's there.
    CGroupProblem Different(const CGroupMember& member, CStructureDifference difference) const;
    void TakeHierarchy(const CUserProjectModel& project);
    void TakeNodes(const CHierarchy& hierarchy);
    // Takes an expert already admitted, his structure the group's.
    CExpert& Join(const CGroupMember& member, std::string identity, const CHierarchy& hierarchy);
    void Compute() const;
    void ComputeElement(const CElementInput& input, std::size_t index, const CExpertWeights& weights,
        CGroupElementResult& element) const;
    void ComputeFinalAggregates(const CExpertWeights& weights) const;
    void ComputeRatings(const CExpertWeights& weights) const;

    std::deque<CExpert> Experts;
    // Each expert's identity to his number: the same file is found in one look-up.
    std::unordered_map<std::string, std::size_t> Identities;
    std::vector<CElementInput> Elements;
    // Rated trees: each scale's judgements, one per expert.
    std::vector<std::vector<CPairLogarithms>> ScaleInputs;
    bool UseWeights = true;
    bool LayeredExperts = false;
    // The first expert's hierarchy, its judgements the combined ones once computed.
    mutable CHierarchy GroupHierarchy;
    // The group's hierarchy and what was computed from it; renewed when asked for after a
    // change of the experts or their weights.
    std::unique_ptr<CUserProjectModel> GroupModel;
    mutable CGroupResult Computed;
    mutable bool Current = false;
};
