#include "core/results/HierarchySynthesis.h"

#include "core/model/CHierarchy.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/results/CProjectResults.h"
#include "core/results/IdealSynthesis.h"

#include <algorithm>
#include <array>
#include <tuple>

// One synthesis for both shapes: Synthesise runs over an access that says how a shape
// numbers its nodes, where their judgements are and where their figures go. A tree (or
// any CHierarchy) is read from its nodes into CHierarchyResults; a layered project is
// read in place from its grid into CProjectResults, so its recomputation builds nothing.

namespace {
struct CNodeFigures {
    bool Compared = true;
    EPrioritiesBasis Basis = EPrioritiesBasis::AllJudged;
    CConsistency Measures;
};

// A pair is left out when both of its cells hold the code 0, whose number is 0.
bool HasMissingPair(const CJudgementMatrix& judgements, std::uint32_t n)
{
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j) {
            if (judgements(i, j).Value() == 0.0 && judgements(j, i).Value() == 0.0) {
                return true;
            }
        }
    }
    return false;
}

// One criterion's local vector (n entries at local) and figures. mayMissPairs false
// promises that no cell holds the code 0; columnsOf() gives the matrix's numbers by column.
template <typename TColumnsOf>
CNodeFigures ComputeLocal(
    const CJudgementMatrix& judgements, std::uint32_t n, bool mayMissPairs, const TColumnsOf& columnsOf, double* local)
{
    CNodeFigures figures;
    if (n < 2) {
        std::fill(local, local + n, 1.0); // a single child takes all of its parent's weight
        figures.Compared = false;
        return figures;
    }
    if (n > MaxMatrixOrder || judgements.RowCountInUse() < n || judgements.ColCountInUse() < n) {
        std::fill(local, local + n, 0.0);
        figures.Basis = EPrioritiesBasis::NotConnected;
        return figures;
    }
    if (mayMissPairs && HasMissingPair(judgements, n)) {
        const CWideMatrixPriorities found = ComputeWideMatrixPriorities(judgements, n);
        std::copy(found.Priority.begin(), found.Priority.begin() + n, local);
        figures.Basis = found.Basis;
        figures.Measures = found.Measures;
        return figures;
    }
    const CColumnBlock block = columnsOf();
    ComputeLocalPriorities(block, n, local);
    figures.Measures = ComputeConsistency(block, n, local);
    return figures;
}

// The synthesis itself. Parents come before their children in node order, so one pass
// adds every parent's share to each child's sum in the order of the parents, as the
// layers always did.
template <typename TAccess> void Synthesise(TAccess& access)
{
    const std::uint32_t count = access.NodeCount();
    const std::uint32_t alternatives = access.AlternativeCount();
    bool connected = true;
    for (std::uint32_t node = 0; node < count; ++node) {
        if (access.IsRated(node)) {
            // Rated alternatives have no local priorities: the ratings' own results use G(node).
            access.Local(node, 0);
            CNodeFigures none;
            none.Compared = false;
            access.SetFigures(node, none);
            continue;
        }
        const std::uint32_t n = access.ComparedCount(node);
        const CNodeFigures figures = ComputeLocal(
            access.Judgements(node), n, access.MayMissPairs(node),
            [&access, node, n] { return access.Columns(node, n); }, access.Local(node, n));
        access.SetFigures(node, figures);
        if (figures.Basis == EPrioritiesBasis::NotConnected && connected) {
            connected = false;
            access.SetNotConnected(node);
        }
    }
    for (std::uint32_t node = 0; node < count; ++node) {
        access.Global(node) = 0.0;
    }
    access.Global(CHierarchy::GoalNode) = 1.0;
    double* raw = access.IdealRaw();
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        access.Distributive(a) = 0.0;
        raw[a] = 0.0;
    }
    for (std::uint32_t node = 0; node < count; ++node) {
        const double* local = access.LocalOf(node);
        const double weight = access.Global(node);
        if (!access.IsCovering(node)) {
            const std::uint32_t n = access.ComparedCount(node);
            for (std::uint32_t k = 0; k < n; ++k) {
                double& child = access.Global(access.Child(node, k));
                child = child + local[k] * weight;
            }
            continue;
        }
        if (access.IsRated(node)) {
            continue;
        }
        for (std::uint32_t a = 0; a < alternatives; ++a) {
            double& share = access.Distributive(a);
            share = share + local[a] * weight;
        }
        AddIdealShare(local, alternatives, weight, raw);
    }
    NormaliseIdealScores(raw, alternatives, access.Ideal());
}

// Any hierarchy, into CHierarchyResults.
class CNodesAccess {
public:
    CNodesAccess(const CHierarchy& hierarchy, std::vector<CNodeResult>& nodes, std::vector<double>& global,
        std::vector<double>& distributive, std::vector<double>& raw, std::vector<double>& ideal,
        std::optional<std::uint32_t>& notConnected)
        : Hierarchy(hierarchy)
        , Nodes(nodes)
        , GlobalPriorities(global)
        , DistributivePriorities(distributive)
        , RawScores(raw)
        , IdealPriorities(ideal)
        , FirstNotConnected(notConnected)
    {
        Nodes.resize(hierarchy.NodeCount());
        GlobalPriorities.resize(hierarchy.NodeCount());
        DistributivePriorities.resize(hierarchy.AlternativeCount());
        RawScores.resize(hierarchy.AlternativeCount());
        IdealPriorities.resize(hierarchy.AlternativeCount());
        FirstNotConnected.reset();
    }

    [[nodiscard]] std::uint32_t NodeCount() const { return Hierarchy.NodeCount(); }
    [[nodiscard]] std::uint32_t AlternativeCount() const { return Hierarchy.AlternativeCount(); }
    [[nodiscard]] std::uint32_t ComparedCount(std::uint32_t node) const { return Hierarchy.ComparedCount(node); }
    [[nodiscard]] bool IsCovering(std::uint32_t node) const { return Hierarchy.IsCovering(node); }
    [[nodiscard]] bool IsRated(std::uint32_t node) const { return Hierarchy.IsRated(node); }
    [[nodiscard]] std::uint32_t Child(std::uint32_t node, std::uint32_t k) const
    {
        return Hierarchy.Node(node).Children[k];
    }
    [[nodiscard]] const CJudgementMatrix& Judgements(std::uint32_t node) const
    {
        return Hierarchy.Node(node).Judgements;
    }
    [[nodiscard]] static bool MayMissPairs(std::uint32_t /*node*/) { return true; }
    CColumnBlock Columns(std::uint32_t node, std::uint32_t n)
    {
        return ReadJudgementColumns(Judgements(node), n, Copy);
    }
    double* Local(std::uint32_t node, std::uint32_t n)
    {
        Nodes[node].Local.resize(n);
        return Nodes[node].Local.data();
    }
    [[nodiscard]] const double* LocalOf(std::uint32_t node) const { return Nodes[node].Local.data(); }
    void SetFigures(std::uint32_t node, const CNodeFigures& figures)
    {
        Nodes[node].Compared = figures.Compared;
        Nodes[node].Basis = figures.Basis;
        Nodes[node].Measures = figures.Measures;
    }
    void SetNotConnected(std::uint32_t node) { FirstNotConnected = node; }
    double& Global(std::uint32_t node) { return GlobalPriorities[node]; }
    double& Distributive(std::uint32_t a) { return DistributivePriorities[a]; }
    double* IdealRaw() { return RawScores.data(); }
    double* Ideal() { return IdealPriorities.data(); }

private:
    const CHierarchy& Hierarchy;
    std::vector<CNodeResult>& Nodes;
    std::vector<double>& GlobalPriorities;
    std::vector<double>& DistributivePriorities;
    std::vector<double>& RawScores;
    std::vector<double>& IdealPriorities;
    std::optional<std::uint32_t>& FirstNotConnected;
    TColumnCopy Copy;
};

// A layered project read in place, numbered as its hierarchy is: the whole next level is
// every node's children, and the model's numbers by column are the blocks. The figures
// go to the project's results [position][level]; the goal's weight 1 has no cell there.
class CLayersAccess {
public:
    CLayersAccess(const CUserProjectModel& project, CProjectResults& results)
        : Project(project)
        , Results(results)
        , Numbering(project)
    {
        results.Ideal().AlternativeCount = Numbering.AlternativeCount();
    }

    [[nodiscard]] std::uint32_t NodeCount() const { return Numbering.NodeCount(); }
    [[nodiscard]] std::uint32_t AlternativeCount() const { return Numbering.AlternativeCount(); }
    [[nodiscard]] std::uint32_t ComparedCount(std::uint32_t node) const { return Numbering.ComparedCount(node); }
    [[nodiscard]] bool IsCovering(std::uint32_t node) const
    {
        return Numbering.Level(node) + 1 == Numbering.BottomLevel();
    }
    [[nodiscard]] static bool IsRated(std::uint32_t /*node*/) { return false; }
    [[nodiscard]] std::uint32_t Child(std::uint32_t node, std::uint32_t k) const
    {
        return Numbering.FirstNode(Numbering.Level(node) + 1) + k;
    }
    [[nodiscard]] const CJudgementMatrix& Judgements(std::uint32_t node) const
    {
        return Project.Element(Numbering.Position(node), Numbering.Level(node)).Judgements;
    }
    [[nodiscard]] bool MayMissPairs(std::uint32_t node) const
    {
        return Project.HoldsZero(Numbering.Position(node), Numbering.Level(node));
    }
    [[nodiscard]] CColumnBlock Columns(std::uint32_t node, std::uint32_t /*n*/) const
    {
        using TColumns = CUserProjectModel::TJudgementColumns;
        static_assert(
            sizeof(TColumns) == sizeof(double) * CUserProjectModel::ColumnLength * std::tuple_size_v<TColumns>,
            "the columns lie one after another");
        const TColumns& columns = Project.JudgementColumns(Numbering.Position(node), Numbering.Level(node));
        return CColumnBlock{columns.front().data(), CUserProjectModel::ColumnLength};
    }
    double* Local(std::uint32_t node, std::uint32_t /*n*/) { return Record(node).Priority.data(); }
    [[nodiscard]] const double* LocalOf(std::uint32_t node) const
    {
        return Results.LevelData(Numbering.Position(node), Numbering.Level(node)).Priority.data();
    }
    void SetFigures(std::uint32_t node, const CNodeFigures& figures)
    {
        TDesicionLevelData& record = Record(node);
        record.LambdaMax = figures.Measures.LambdaMax;
        record.CI = figures.Measures.CI;
        record.CR = figures.Measures.CR;
        Results.SetBasis(Numbering.Position(node), Numbering.Level(node), figures.Basis);
    }
    void SetNotConnected(std::uint32_t node)
    {
        Results.SetNotConnected({{Numbering.Position(node), Numbering.Level(node)}});
    }
    double& Global(std::uint32_t node)
    {
        return node == CHierarchy::GoalNode ? GoalWeight
                                            : Results.GlobalPriority()(Numbering.Position(node), Numbering.Level(node));
    }
    double& Distributive(std::uint32_t a) { return Results.GlobalPriority()(a, Numbering.BottomLevel()); }
    double* IdealRaw() { return Results.Ideal().Raw.data(); }
    double* Ideal() { return Results.Ideal().Priority.data(); }

private:
    TDesicionLevelData& Record(std::uint32_t node)
    {
        return Results.LevelData(Numbering.Position(node), Numbering.Level(node));
    }

    const CUserProjectModel& Project;
    CProjectResults& Results;
    CLayeredNumbering Numbering;
    double GoalWeight = 1.0;
};
} // namespace

void ComputeNodeResult(const CJudgementMatrix& judgements, std::uint32_t n, CNodeResult& result)
{
    result.Local.resize(n);
    TColumnCopy copy;
    const CNodeFigures figures = ComputeLocal(
        judgements, n, true, [&copy, &judgements, n] { return ReadJudgementColumns(judgements, n, copy); },
        result.Local.data());
    result.Compared = figures.Compared;
    result.Basis = figures.Basis;
    result.Measures = figures.Measures;
}

void ComputeHierarchyResults(const CHierarchy& hierarchy, CHierarchyResults& results)
{
    CNodesAccess access(hierarchy, results.NodeResults, results.GlobalPriorities, results.DistributivePriorities,
        results.IdealRawScores, results.IdealPriorities, results.FirstNotConnected);
    Synthesise(access);
}

CHierarchyResults ComputeHierarchyResults(const CHierarchy& hierarchy)
{
    CHierarchyResults results;
    ComputeHierarchyResults(hierarchy, results);
    return results;
}

void ComputeHierarchyResults(const CUserProjectModel& project, CProjectResults& results)
{
    results.SetNotConnected(std::nullopt);
    results.Ideal() = CIdealSynthesis{};
    if (project.LevelCount() < MinLevels) {
        return;
    }
    CLayersAccess access(project, results);
    Synthesise(access);
}
