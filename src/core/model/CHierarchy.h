#pragma once

#include "core/model/CJudgement.h"
#include "core/model/CModelProblem.h"
#include "core/model/CRatingScale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Trees of criteria and complete layers are the two shapes of one hierarchy: in the
// layered shape every element of a level has the whole next level as its children
// (shared children); in a tree every criterion but the goal has one parent.
enum class EHierarchyShape {
    Layers,
    Tree,
};

// A criterion (the goal included). Its judgements compare its children, or the
// alternatives when it has no children (a covering criterion); an n x n matrix of codes
// as files store them, 1 x 1 for a single child, which is never judged.
struct CHierarchyNode {
    std::string Name;
    std::string Comment;
    std::vector<std::uint32_t> Children; // node numbers, in their order
    CJudgementMatrix Judgements;
    // A covering criterion of a rated tree: no judgements (0 x 0), the index of its scale
    // and per alternative the index of its intensity or NotRated. Otherwise none.
    std::uint32_t Scale = 0;
    std::vector<std::int8_t> Ratings{};

    bool operator==(const CHierarchyNode&) const = default;
};

struct CAlternative {
    std::string Name;
    std::string Comment;

    bool operator==(const CAlternative&) const = default;
};

// A decision hierarchy of either shape: the goal (node 0), the criteria, and one ordered
// list of alternatives shared by every covering criterion. Nodes are numbered level by
// level, breadth first from the goal in the order of the children lists, so every parent
// comes before its children and every level is a run of numbers; every parent of a node
// lies on the level just above it. The hierarchy changes only through its operations,
// which keep all of that, the matrices' orders and, for a tree, the tree's limits
// (HierarchyLimits.h); an operation that cannot refuses with the user's sentence (made by
// ModelPhrases) and changes nothing. A structure edit renumbers the levels below the node it adds, moves
// or removes; the numbers of the levels above stay. A copy is a clone: it compares equal
// and shares nothing with the original.
class CHierarchy {
public:
    static constexpr std::uint32_t GoalNode = 0;

    // A tree of the goal alone: no alternatives and no criteria yet, so it is not a
    // decision; the operations build one (Make makes one whole). Without a name the goal
    // is named as ModelPhrases names a new goal.
    CHierarchy();
    explicit CHierarchy(const std::string& goal, const std::string& comment = {});

    // nodes[0] is the goal; every node must be reached from it. Refused, with the reason
    // in problem, when the nodes break an invariant of the shape or, for a tree, a limit;
    // the second form gives the reason as the user's sentence.
    static std::optional<CHierarchy> Make(EHierarchyShape shape, std::vector<CHierarchyNode> nodes,
        std::vector<CAlternative> alternatives, CModelProblem* problem = nullptr);
    static std::optional<CHierarchy> Make(EHierarchyShape shape, std::vector<CHierarchyNode> nodes,
        std::vector<CAlternative> alternatives, std::string* problem);
    // A tree whose alternatives are rated on those scales (2 to 1,000 alternatives).
    static std::optional<CHierarchy> MakeRated(std::vector<CHierarchyNode> nodes,
        std::vector<CAlternative> alternatives, std::vector<CRatingScale> scales, CModelProblem* problem = nullptr);

    [[nodiscard]] EHierarchyShape Shape() const { return HierarchyShape; }
    [[nodiscard]] std::uint32_t NodeCount() const { return static_cast<std::uint32_t>(Nodes.size()); }
    [[nodiscard]] const CHierarchyNode& Node(std::uint32_t node) const { return Nodes[node]; }
    [[nodiscard]] const CHierarchyNode& Goal() const { return Nodes[GoalNode]; }
    // In increasing order; none for the goal.
    [[nodiscard]] const std::vector<std::uint32_t>& Parents(std::uint32_t node) const { return ParentLists[node]; }
    [[nodiscard]] std::uint32_t Level(std::uint32_t node) const { return Levels[node]; }
    // The goal's level and the alternatives' included.
    [[nodiscard]] std::uint32_t LevelCount() const { return LevelTotal; }
    [[nodiscard]] bool IsCovering(std::uint32_t node) const { return Nodes[node].Children.empty(); }
    // The order of the node's matrix: its children, or the alternatives.
    [[nodiscard]] std::uint32_t ComparedCount(std::uint32_t node) const;
    // The covering criteria in increasing order.
    [[nodiscard]] const std::vector<std::uint32_t>& CoveringNodes() const { return Covering; }
    [[nodiscard]] const std::vector<CAlternative>& Alternatives() const { return AlternativeList; }
    [[nodiscard]] std::uint32_t AlternativeCount() const { return static_cast<std::uint32_t>(AlternativeList.size()); }
    [[nodiscard]] EAlternativeEvaluation Evaluation() const { return AlternativeEvaluation; }
    // Whether the node's alternatives are rated rather than compared.
    [[nodiscard]] bool IsRated(std::uint32_t node) const
    {
        return AlternativeEvaluation == EAlternativeEvaluation::Ratings && IsCovering(node);
    }
    [[nodiscard]] const std::vector<CRatingScale>& Scales() const { return ScaleList; }
    // The rated criteria depth first, children in their order: the columns of the ratings
    // table and the order of an alternative's ratings in a file. None for pairs.
    [[nodiscard]] std::vector<std::uint32_t> RatedCriteria() const;
    // Names from the goal's child down to the node ([] for the goal), through the first
    // parent of each node.
    [[nodiscard]] std::vector<std::string> Path(std::uint32_t node) const;
    // The node with that path, if any.
    [[nodiscard]] std::optional<std::uint32_t> NodeAt(const std::vector<std::string>& path) const;

    // The same hierarchy as a tree: every shared child copied under each of its parents
    // with its judgements. Refused when the copy breaks a limit of a tree.
    [[nodiscard]] std::optional<CHierarchy> AsTree(CModelProblem* problem = nullptr) const;
    [[nodiscard]] std::optional<CHierarchy> AsTree(std::string* problem) const;

    // The hierarchy as a template: every judgement 1; structure, names and comments kept.
    [[nodiscard]] CHierarchy Template() const;

    // Operations; "" when done, else why nothing changed. Structure edits are a tree's;
    // a new criterion is covering with every judgement 1, a parent's judgements of the
    // children that stay are kept, and a new pair is judged 1.
    std::string AddCriterion(
        std::uint32_t parent, std::uint32_t index, const std::string& name, const std::string& comment = {});
    // With its subtree; the goal keeps at least one criterion.
    std::string RemoveCriterion(std::uint32_t node);
    // To place index among the children of newParent (its own parent: a reorder that
    // keeps every judgement); never under itself.
    std::string MoveCriterion(std::uint32_t node, std::uint32_t newParent, std::uint32_t index);
    std::string SetNodeText(std::uint32_t node, const std::string& name, const std::string& comment);
    // The whole matrix, of the node's order.
    std::string SetJudgements(std::uint32_t node, const CJudgementMatrix& judgements);
    std::string AddAlternative(std::uint32_t index, const std::string& name, const std::string& comment = {});
    std::string RemoveAlternative(std::uint32_t index);
    std::string MoveAlternative(std::uint32_t from, std::uint32_t to);
    std::string SetAlternativeText(std::uint32_t index, const std::string& name, const std::string& comment);

    // Ratings. To ratings (a tree only) drops the alternatives' matrices of the covering
    // criteria, which then use the first scale, and brings the ready scales when there
    // are none; back to pairs (20 alternatives at most) drops the ratings and the scales,
    // every new pair judged 1.
    std::string SetEvaluation(EAlternativeEvaluation evaluation);
    // intensity: an index into the node's scale, or NotRated.
    std::string SetRating(std::uint32_t node, std::uint32_t alternative, std::int32_t intensity);
    // The node's ratings are dropped when the new scale has another number of intensities.
    std::string SetCriterionScale(std::uint32_t node, std::uint32_t scale);
    std::string AddScale(const CRatingScale& scale);
    // A new text, intensities or judgements; refused when a rating would fall outside it.
    std::string SetScale(std::uint32_t index, const CRatingScale& scale);
    // Refused while a criterion uses it.
    std::string RemoveScale(std::uint32_t index);

    bool operator==(const CHierarchy& other) const
    {
        return HierarchyShape == other.HierarchyShape && Nodes == other.Nodes
            && AlternativeList == other.AlternativeList && AlternativeEvaluation == other.AlternativeEvaluation
            && ScaleList == other.ScaleList;
    }

private:
    // Numbers the nodes reached from the goal anew and finds parents, levels and the
    // covering criteria; false (problem set) when the shape's invariants fail.
    bool Renumber(std::vector<CHierarchyNode> nodes, CModelProblem* problem);
    [[nodiscard]] CModelProblem LimitProblem() const;
    // The hierarchy with those nodes when they form a sound one, numbered anew.
    static std::optional<CHierarchy> Made(
        CHierarchy hierarchy, std::vector<CHierarchyNode> nodes, CModelProblem* problem);
    // Commits nodes and alternatives when they form a sound hierarchy; "" or why not.
    std::string Commit(std::vector<CHierarchyNode> nodes, std::vector<CAlternative> alternatives);
    std::string Commit(std::vector<CHierarchyNode> nodes, std::vector<CAlternative> alternatives,
        EAlternativeEvaluation evaluation, std::vector<CRatingScale> scales);
    // A node made covering or a parent under the present evaluation.
    void MakeCovering(CHierarchyNode& node) const;

    EHierarchyShape HierarchyShape = EHierarchyShape::Tree;
    std::vector<CHierarchyNode> Nodes;
    std::vector<CAlternative> AlternativeList;
    EAlternativeEvaluation AlternativeEvaluation = EAlternativeEvaluation::Pairs;
    std::vector<CRatingScale> ScaleList;
    std::vector<std::vector<std::uint32_t>> ParentLists;
    std::vector<std::uint32_t> Levels;
    std::vector<std::uint32_t> Covering;
    std::uint32_t LevelTotal = 1;
};

// A matrix of n x n judgements, all 1.
CJudgementMatrix EqualJudgements(std::uint32_t n);
