#include "core/group/CGroupDecision.h"

#include "core/group/CExpertWeights.h"
#include "core/group/HierarchyRecord.h"
#include "core/group/PriorityAggregation.h"
#include "core/group/StructureCheck.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/LayeredHierarchy.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/HierarchySynthesis.h"
#include "core/results/IncompleteJudgements.h"
#include "core/results/LocalPriorities.h"
#include "core/results/RatingSynthesis.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <memory>
#include <numeric>
#include <sys/stat.h>
#include <utility>

namespace {
namespace fs = std::filesystem;

// One file is one identity: its device and inode when it exists (a link or a second
// name reaches the same), else its absolute name made plain.
std::string FileIdentity(const std::string& file)
{
    struct stat info { };
    if (::stat(file.c_str(), &info) == 0) {
        return "inode:" + std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    }
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(file), error);
    return "name:" + (error ? fs::path(file) : absolute).lexically_normal().string();
}

// Files are named as the user knows them: by their names, or by their whole paths
// when both have the same name.
void DisplayNames(const std::string& referenceFile, const std::string& memberFile, std::string& referenceName,
    std::string& memberName)
{
    referenceName = fs::path(referenceFile).filename().string();
    memberName = fs::path(memberFile).filename().string();
    if (referenceName == memberName) {
        referenceName = referenceFile;
        memberName = memberFile;
    }
}

bool PositiveVector(std::span<const double> vector)
{
    return std::all_of(vector.begin(), vector.end(), [](double x) { return x > 0.0 && std::isfinite(x); });
}

// Ordered as a project orders its ranking (the same exchanges, so equal priorities keep
// the same places).
void OrderRows(std::vector<CResultRow>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].Value < rows[j].Value) {
                std::swap(rows[i], rows[j]);
            }
        }
    }
}

// The alternatives with their priorities, ordered like a project's ranking.
std::vector<CResultRow> RankingRowsOf(const CHierarchy& hierarchy, std::span<const double> priority)
{
    std::vector<CResultRow> rows;
    const std::size_t count = std::min<std::size_t>(hierarchy.AlternativeCount(), priority.size());
    for (std::size_t a = 0; a < count; ++a) {
        CResultRow row;
        row.Name = hierarchy.Alternatives()[a].Name;
        row.Value = priority[a];
        row.Position = static_cast<std::uint32_t>(a);
        rows.push_back(std::move(row));
    }
    OrderRows(rows);
    return rows;
}

// A layered ranking's list of the same rows, with a project's colours by place.
CResultList ResultListOf(const std::vector<CResultRow>& rows)
{
    CResultList list;
    list.Count = static_cast<std::uint32_t>(std::min<std::size_t>(rows.size(), list.Rows.size()));
    std::copy_n(rows.begin(), list.Count, list.Rows.begin());
    OrderResults(list); // already in order: only the colours are given
    return list;
}

// The slot of every node of a layered hierarchy: its level and its place on it.
std::vector<CElementSlot> SlotsOf(const CHierarchy& hierarchy)
{
    std::vector<CElementSlot> slots(hierarchy.NodeCount());
    std::uint32_t first = 0;
    for (std::uint32_t node = 0; node < hierarchy.NodeCount(); ++node) {
        if (node > 0 && hierarchy.Level(node) != hierarchy.Level(node - 1)) {
            first = node;
        }
        slots[node] = CElementSlot{node - first, hierarchy.Level(node)};
    }
    return slots;
}

} // namespace

CGroupDecision::CGroupDecision()
    : GroupModel(std::make_unique<CUserProjectModel>())
{
}

CGroupDecision::~CGroupDecision() = default;

CGroupProblem CGroupDecision::Admission(const CGroupMember& member, bool layered, const std::string& identity) const
{
    CGroupProblem problem;
    problem.Expert = Experts.size();
    if (member.File.empty()) {
        problem.Kind = EGroupProblem::WithoutFile;
    } else if (!AcceptableExpertWeight(member.Weight)) {
        problem.Kind = EGroupProblem::Weight;
    } else if (const auto same = Identities.find(identity); same != Identities.end()) {
        problem.Kind = EGroupProblem::SameFile;
        problem.File = fs::path(member.File).filename().string();
        problem.OtherExpert = same->second;
    } else if (!Experts.empty() && layered != LayeredExperts) {
        problem.Kind = EGroupProblem::MixedKinds;
        problem.Layered = layered;
        DisplayNames(Experts.front().Member.File, member.File, problem.ReferenceFile, problem.File);
    }
    return problem;
}

CGroupProblem CGroupDecision::AddExpert(const CGroupMember& member, const CUserProjectModel& project)
{
    std::string identity = FileIdentity(member.File);
    if (CGroupProblem problem = Admission(member, true, identity)) {
        return problem;
    }
    const std::optional<CHierarchy> hierarchy = project.Built() ? HierarchyOfLayers(project) : std::nullopt;
    if (!hierarchy) {
        return CGroupProblem{.Kind = EGroupProblem::WithoutHierarchy, .Expert = Experts.size()};
    }
    if (!Experts.empty()) {
        if (auto difference = FirstStructureDifference(*GroupModel, project)) {
            return Different(member, std::move(*difference));
        }
    } else {
        LayeredExperts = true;
        TakeHierarchy(project);
        TakeNodes(*hierarchy);
    }
    CExpert& expert = Join(member, std::move(identity), *hierarchy);
    expert.Results = ComputeResults(project);
    expert.Ranking = ResultListOf(expert.RankingRows);
    return {};
}

CGroupProblem CGroupDecision::AddExpert(const CGroupMember& member, const CHierarchy& hierarchy)
{
    std::string identity = FileIdentity(member.File);
    if (CGroupProblem problem = Admission(member, false, identity)) {
        return problem;
    }
    if (hierarchy.AlternativeCount() < MinElementsPerLevel) {
        return CGroupProblem{.Kind = EGroupProblem::WithoutHierarchy, .Expert = Experts.size()};
    }
    if (!Experts.empty()) {
        if (auto difference = FirstHierarchyDifference(GroupHierarchy, hierarchy)) {
            return Different(member, std::move(*difference));
        }
    } else {
        LayeredExperts = false;
        TakeNodes(hierarchy);
    }
    CExpert& expert = Join(member, std::move(identity), hierarchy);
    expert.Ranking = ResultListOf(expert.RankingRows);
    return {};
}

CGroupProblem CGroupDecision::Different(const CGroupMember& member, CStructureDifference difference) const
{
    CGroupProblem problem{.Kind = EGroupProblem::Differs, .Expert = Experts.size()};
    DisplayNames(Experts.front().Member.File, member.File, problem.ReferenceFile, problem.File);
    problem.Difference = std::move(difference);
    return problem;
}

CGroupDecision::CExpert& CGroupDecision::Join(
    const CGroupMember& member, std::string identity, const CHierarchy& hierarchy)
{
    Identities.emplace(identity, Experts.size());
    CExpert& expert = Experts.emplace_back();
    expert.Member = member;
    expert.Identity = std::move(identity);
    ComputeHierarchyResults(hierarchy, expert.Nodes);
    expert.HasPriorities.reserve(Elements.size());
    bool allElements = true;
    for (CElementInput& element : Elements) {
        element.Judgements.push_back(PairLogarithmsOf(hierarchy.Node(element.Node).Judgements, element.Order));
        const bool has = PositiveVector(expert.Nodes.Node(element.Node).Local);
        expert.HasPriorities.push_back(has);
        allElements = allElements && has;
    }
    std::vector<double> final = expert.Nodes.Distributive();
    if (hierarchy.Evaluation() == EAlternativeEvaluation::Ratings) {
        // His final priorities are his scores' shares; his cells are read once.
        const CRatingResults own = ComputeRatingResults(hierarchy);
        expert.Scores = own.Scores();
        final = own.Shares();
        const std::vector<std::uint32_t> rated = hierarchy.RatedCriteria();
        const std::uint32_t m = hierarchy.AlternativeCount();
        expert.RatingValues.assign(rated.size() * m, std::numeric_limits<double>::quiet_NaN());
        for (std::size_t c = 0; c < rated.size(); ++c) {
            const CHierarchyNode& node = hierarchy.Node(rated[c]);
            const std::vector<double>& ideal = own.Scales()[node.Scale].Ideal;
            for (std::uint32_t a = 0; a < m; ++a) {
                if (node.Ratings[a] != NotRated) {
                    expert.RatingValues[c * m + a] = ideal[static_cast<std::size_t>(node.Ratings[a])];
                }
            }
        }
        ScaleInputs.resize(hierarchy.Scales().size());
        for (std::size_t s = 0; s < ScaleInputs.size(); ++s) {
            const CRatingScale& scale = hierarchy.Scales()[s];
            ScaleInputs[s].push_back(
                PairLogarithmsOf(scale.Judgements, static_cast<std::uint32_t>(scale.Intensities.size())));
        }
    }
    if (allElements && !expert.Nodes.NotConnected() && PositiveVector(final)) {
        expert.Final = final;
        expert.RankingRows = RankingRowsOf(hierarchy, final);
    }
    Current = false;
    return expert;
}

void CGroupDecision::TakeHierarchy(const CUserProjectModel& project)
{
    const auto record = std::make_unique<TLoadSaveProject>();
    FillHierarchyRecord(project, *record);
    for (std::uint32_t level = 0; level + 1 < record->LevelCount; ++level) {
        const std::uint32_t parents = project.ElementsInLevelChecked(level);
        for (std::uint32_t position = 0; position < parents; ++position) {
            // The group's own judgements replace these at every computation.
            record->Elements[position][level].Judgements.FillOnes();
        }
    }
    GroupModel->BuildLoadedHierarchy(*record);
}

void CGroupDecision::TakeNodes(const CHierarchy& hierarchy)
{
    GroupHierarchy = hierarchy;
    Elements.clear();
    ScaleInputs.clear();
    // The group's own cells are its values, not the first expert's ratings.
    for (const std::uint32_t node : GroupHierarchy.RatedCriteria()) {
        for (std::uint32_t a = 0; a < GroupHierarchy.AlternativeCount(); ++a) {
            GroupHierarchy.SetRating(node, a, NotRated);
        }
    }
    const std::vector<CElementSlot> slots = SlotsOf(hierarchy);
    for (std::uint32_t node = 0; node < hierarchy.NodeCount(); ++node) {
        const std::uint32_t n = hierarchy.ComparedCount(node);
        // Rated alternatives are not compared: their cells combine apart.
        if (n >= 2 && !hierarchy.IsRated(node)) {
            CElementInput& element = Elements.emplace_back();
            element.Node = node;
            element.Slot = LayeredExperts ? slots[node] : CElementSlot{};
            element.Order = n;
        }
    }
}

std::vector<std::size_t> CGroupDecision::ExpertsWithoutFinal() const
{
    std::vector<std::size_t> without;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        if (Experts[k].Final.empty()) {
            without.push_back(k);
        }
    }
    return without;
}

std::span<const double> CGroupDecision::ExpertPriorities(std::size_t expert, const CElementSlot& slot) const
{
    for (std::size_t e = 0; LayeredExperts && e < Elements.size(); ++e) {
        if (Elements[e].Slot == slot) {
            return ExpertElementPriorities(expert, e);
        }
    }
    return {};
}

std::span<const double> CGroupDecision::ExpertElementPriorities(std::size_t expert, std::size_t element) const
{
    if (expert >= Experts.size() || element >= Elements.size() || !Experts[expert].HasPriorities[element]) {
        return {};
    }
    return Experts[expert].Nodes.Node(Elements[element].Node).Local;
}

void CGroupDecision::SetUseExpertWeights(bool use)
{
    if (use != UseWeights) {
        UseWeights = use;
        Current = false;
    }
}

bool CGroupDecision::SetIncluded(std::size_t expert, bool included)
{
    if (expert >= Experts.size()) {
        return false;
    }
    if (Experts[expert].Member.Included != included) {
        Experts[expert].Member.Included = included;
        Current = false;
    }
    return true;
}

CJudgement CGroupDecision::ExpertJudgement(
    std::size_t expert, std::size_t element, std::uint32_t row, std::uint32_t column) const
{
    if (expert >= Experts.size() || element >= Elements.size()) {
        return CJudgement::NotJudged();
    }
    const CPairLogarithms& own = Elements[element].Judgements[expert];
    const std::uint32_t n = own.Order;
    if (row >= n || column >= n) {
        return CJudgement::NotJudged();
    }
    if (row == column) {
        return CJudgement{};
    }
    const std::uint32_t i = std::min(row, column);
    const std::uint32_t j = std::max(row, column);
    const double logarithm = own.Logarithm(i * n - i * (i + 1) / 2 + (j - i - 1));
    if (std::isnan(logarithm)) {
        return CJudgement::NotJudged();
    }
    const double value = std::exp(row < column ? logarithm : -logarithm);
    // A scale judgement comes back as its code: its logarithm keeps it to the last bit or so.
    const double larger = value >= 1.0 ? value : 1.0 / value;
    const double whole = std::round(larger);
    if (whole <= 1e9 && std::abs(larger - whole) <= 1e-9 * whole) {
        const auto code = static_cast<std::int32_t>(whole);
        return CJudgement::FromCode(value >= 1.0 || code == 1 ? code : -code);
    }
    return CJudgement::Combined(value);
}

bool CGroupDecision::SetWeight(std::size_t expert, double weight)
{
    if (expert >= Experts.size() || !AcceptableExpertWeight(weight)) {
        return false;
    }
    if (Experts[expert].Member.Weight != weight) {
        Experts[expert].Member.Weight = weight;
        Current = Current && !UseWeights;
    }
    return true;
}

const CUserProjectModel& CGroupDecision::Model() const
{
    Compute();
    return *GroupModel;
}

const CHierarchy& CGroupDecision::Hierarchy() const
{
    Compute();
    return GroupHierarchy;
}

const CGroupResult& CGroupDecision::Result() const
{
    Compute();
    return Computed;
}

void CGroupDecision::Compute() const
{
    if (Current) {
        return;
    }
    Current = true;
    Computed = CGroupResult{};
    if (Experts.empty()) {
        return;
    }
    std::vector<double> given;
    given.reserve(Experts.size());
    for (const CExpert& expert : Experts) {
        given.push_back(expert.Member.Weight);
    }
    // Every weight was checked on its way in, so both always make weights. An expert left
    // out keeps his weight here but brings nothing: each figure shares the weights anew
    // among those who bring something.
    const CExpertWeights weights
        = *(UseWeights ? CExpertWeights::FromWeights(given) : CExpertWeights::Equal(Experts.size()));
    double includedSum = 0.0;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        includedSum += Included(k) ? weights.Normalized(k) : 0.0;
    }
    Computed.Weights.resize(Experts.size(), 0.0);
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        Computed.Weights[k] = Included(k) ? weights.Normalized(k) / includedSum : 0.0;
    }

    CHierarchy& group = GroupHierarchy;
    Computed.Elements.resize(Elements.size());
    std::vector<const CPairLogarithms*> judgements(Experts.size());
    CPairLogarithms nothing;
    for (std::size_t e = 0; e < Elements.size(); ++e) {
        const CElementInput& input = Elements[e];
        nothing.Reset(input.Order, std::numeric_limits<double>::quiet_NaN());
        for (std::size_t k = 0; k < Experts.size(); ++k) {
            judgements[k] = Included(k) ? &input.Judgements[k] : &nothing;
        }
        CGroupElementResult& element = Computed.Elements[e];
        element.Node = input.Node;
        element.Slot = input.Slot;
        element.Aggregate = *AggregatePairLogarithms(judgements, weights, input.Order);
        group.SetJudgements(input.Node, element.Aggregate.Judgements);
        if (LayeredExperts) {
            GroupModel->SetJudgements(input.Slot.Position, input.Slot.Level, element.Aggregate.Judgements);
        }
    }
    // The group's priorities are a decision's own, computed from the combined judgements.
    ComputeHierarchyResults(group, Computed.Nodes);
    if (group.Evaluation() == EAlternativeEvaluation::Ratings) {
        ComputeRatings(weights);
    }
    if (LayeredExperts) {
        ComputeAllPriorities(*GroupModel, Computed.Group);
    }

    const std::optional<std::uint32_t>& gap = Computed.Nodes.NotConnected();
    for (std::size_t e = 0; e < Elements.size(); ++e) {
        ComputeElement(Elements[e], e, weights, Computed.Elements[e]);
        if (gap && *gap == Elements[e].Node) {
            const CGroupElementResult& element = Computed.Elements[e];
            const std::vector<std::uint32_t>& children = group.Node(element.Node).Children;
            CRankingProblem& problem = Computed.RankingProblem;
            problem.Kind = ERankingProblem::NotConnected;
            problem.Node = element.Node;
            problem.NodeName = group.Node(element.Node).Name;
            for (std::uint32_t i = 0; i < element.Aggregate.Order; ++i) {
                problem.Names.push_back(children.empty() ? group.Alternatives()[i].Name : group.Node(children[i]).Name);
            }
            problem.Graph = BuildWideComparisonGraph(element.Aggregate.Judgements, element.Aggregate.Order);
        }
    }
    if (includedSum == 0.0) {
        Computed.RankingProblem = CRankingProblem{.Kind = ERankingProblem::NoExpertIncluded};
    } else if (!gap) {
        // Ratings are ideal by nature: both rankings are by the group score.
        const bool rated = Computed.Ratings.has_value();
        Computed.RankingRows = RankingRowsOf(group, rated ? Computed.Ratings->Scores : Computed.Nodes.Distributive());
        Computed.IdealRankingRows = RankingRowsOf(group, rated ? Computed.Ratings->Scores : Computed.Nodes.Ideal());
        // The combined values are finite by construction; a figure that is not would be
        // refused here rather than shown.
        for (const CResultRow& row : Computed.RankingRows) {
            if (!std::isfinite(row.Value)) {
                Computed.RankingRows.clear();
                Computed.IdealRankingRows.clear();
                Computed.RankingProblem = CRankingProblem{.Kind = ERankingProblem::NotComputable};
                break;
            }
        }
        std::vector<double> sStar;
        std::vector<double> global;
        for (const CGroupElementResult& element : Computed.Elements) {
            if (element.Consensus) {
                sStar.push_back(element.Consensus->SStar);
                global.push_back(element.GlobalPriority);
            }
        }
        Computed.OverallConsensus = OverallConsensus(sStar, global);
    }
    if (includedSum > 0.0) {
        // The combined matrices get the verdict any project's matrices get.
        Computed.UnacceptableNodes = UnacceptableNodes(GroupHierarchy, Computed.Nodes);
    }
    ComputeFinalAggregates(weights);
    // Either shape has at most as many alternatives as a list holds.
    Computed.Ranking = ResultListOf(Computed.RankingRows);
    Computed.IdealRanking = ResultListOf(Computed.IdealRankingRows);
    Computed.AipArithmeticRanking = ResultListOf(Computed.AipArithmeticRows);
    Computed.AipGeometricRanking = ResultListOf(Computed.AipGeometricRows);
    if (LayeredExperts) {
        const std::vector<CElementSlot> slots = SlotsOf(group);
        for (const CUnacceptableNode& node : Computed.UnacceptableNodes) {
            Computed.Unacceptable.push_back(CUnacceptableMatrix{
                slots[node.Node].Level, slots[node.Node].Position, node.Cr, node.CrLimit, node.Completed});
        }
    }
}

void CGroupDecision::ComputeElement(
    const CElementInput& input, std::size_t index, const CExpertWeights& weights, CGroupElementResult& element) const
{
    const std::uint32_t n = input.Order;
    const CNodeResult& groupNode = Computed.Nodes.Node(input.Node);
    const bool groupHas
        = groupNode.Basis == EPrioritiesBasis::AllJudged || groupNode.Basis == EPrioritiesBasis::LeastSquares;
    const std::span<const double> group = groupNode.Local;

    if (groupNode.Basis == EPrioritiesBasis::AllJudged && n >= 3 && n <= MaxElementsPerLevel) {
        CValueBlock values{};
        ReadJudgementValues(element.Aggregate.Judgements, n, values);
        element.Gci = GeometricConsistencyIndex(values, n, group.data());
    } else if (groupNode.Basis == EPrioritiesBasis::AllJudged && n > MaxElementsPerLevel && n <= MaxMatrixOrder) {
        // A tree's criterion with more children than a layer holds.
        auto values = std::make_unique<CWideValueBlock>();
        ReadJudgementValues(element.Aggregate.Judgements, n, *values);
        element.Gci = GeometricConsistencyIndex(*values, n, group.data());
    }
    double widest = 0.0;
    std::uint32_t pair = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j, ++pair) {
            if (element.Aggregate.JudgedBy[i][j] > 0) {
                const double combined = std::log(element.Aggregate.Judgements(i, j).Value());
                double furthest = -1.0;
                for (std::size_t k = 0; k < Experts.size(); ++k) {
                    const double own = input.Judgements[k].Logarithm(pair);
                    if (Included(k) && !std::isnan(own) && std::abs(own - combined) > furthest) {
                        furthest = std::abs(own - combined);
                        element.FurthestExpert[i][j] = k;
                    }
                }
                element.FurthestExpert[j][i] = element.FurthestExpert[i][j];
            }
            const std::optional<double>& spread = element.Aggregate.Spread[i][j];
            if (spread && (!element.WidestSpread || *spread > widest)) {
                widest = *spread;
                element.WidestSpread = CElementPair{i, j};
            }
        }
    }
    if (!Computed.Nodes.NotConnected()) {
        element.GlobalPriority = Computed.Nodes.Global(input.Node);
    }

    std::vector<std::span<const double>> vectors(Experts.size());
    double largestCr = 0.0;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        if (!Included(k)) {
            continue;
        }
        if (!Experts[k].HasPriorities[index]) {
            element.LeftOut.push_back(k);
            continue;
        }
        const CNodeResult& own = Experts[k].Nodes.Node(input.Node);
        vectors[k] = own.Local;
        const double cr = own.Measures.CR;
        if (!element.LargestCrExpert || cr > largestCr) {
            largestCr = cr;
            element.LargestCrExpert = k;
        }
        if (groupHas) {
            if (const auto distance = DistanceFromGroup(vectors[k], group)) {
                element.Distances.push_back(CExpertDistance{k, *distance});
            }
        }
    }
    std::stable_sort(element.Distances.begin(), element.Distances.end(),
        [](const CExpertDistance& a, const CExpertDistance& b) { return a.Distance > b.Distance; });
    if (Experts.size() >= 2) {
        element.Consensus = ComputeConsensus(vectors, weights);
    }
}

void CGroupDecision::ComputeFinalAggregates(const CExpertWeights& weights) const
{
    std::vector<std::span<const double>> finals(Experts.size());
    std::vector<std::vector<double>> places;
    bool any = false;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        if (Included(k)) {
            finals[k] = Experts[k].Final;
        }
        if (!finals[k].empty()) {
            any = true;
            places.push_back(MeanPlaces(finals[k]));
        }
    }
    if (!any) {
        return;
    }
    Computed.KendallW = KendallConcordance(places);
    Computed.AipArithmetic = ArithmeticPriorityAggregate(finals, weights).value_or(std::vector<double>{});
    Computed.AipGeometric = GeometricPriorityAggregate(finals, weights).value_or(std::vector<double>{});
    Computed.AipArithmeticRows = RankingRowsOf(GroupHierarchy, Computed.AipArithmetic);
    Computed.AipGeometricRows = RankingRowsOf(GroupHierarchy, Computed.AipGeometric);
    if (Experts.size() >= 2) {
        Computed.FinalAgreement = ComputeConsensus(finals, weights);
    }
}

void CGroupDecision::ComputeRatings(const CExpertWeights& weights) const
{
    CHierarchy& group = GroupHierarchy;
    CGroupRatings& ratings = Computed.Ratings.emplace();
    // Shared among the experts taken into account (0 for one left out).
    const std::vector<double>& weight = Computed.Weights;
    ratings.Scales.resize(ScaleInputs.size());
    std::vector<const CPairLogarithms*> judgements(Experts.size());
    CPairLogarithms nothing;
    for (std::size_t s = 0; s < ScaleInputs.size(); ++s) {
        CRatingScale scale = group.Scales()[s];
        const auto n = static_cast<std::uint32_t>(scale.Intensities.size());
        nothing.Reset(n, std::numeric_limits<double>::quiet_NaN());
        for (std::size_t k = 0; k < Experts.size(); ++k) {
            judgements[k] = Included(k) ? &ScaleInputs[s][k] : &nothing;
        }
        // The scales' judgements combine as a criterion's; one left out brings nothing.
        scale.Judgements = AggregatePairLogarithms(judgements, weights, n)->Judgements;
        group.SetScale(static_cast<std::uint32_t>(s), scale);
        ComputeScaleResult(scale, ratings.Scales[s]);
    }
    const std::vector<std::uint32_t> rated = group.RatedCriteria();
    const std::uint32_t m = group.AlternativeCount();
    const double none = std::numeric_limits<double>::quiet_NaN();
    ratings.Values.assign(rated.size() * m, none);
    ratings.Scores.assign(m, 0.0);
    ratings.NotRatedCounts.assign(m, 0);
    for (std::size_t c = 0; c < rated.size(); ++c) {
        const double g = Computed.Nodes.Global(rated[c]);
        for (std::uint32_t a = 0; a < m; ++a) {
            double logarithms = 0.0;
            double sum = 0.0;
            for (std::size_t k = 0; k < Experts.size(); ++k) {
                const double v = Experts[k].RatingValues[c * m + a];
                if (weight[k] > 0.0 && !std::isnan(v)) {
                    logarithms += weight[k] * std::log(v);
                    sum += weight[k];
                }
            }
            if (sum > 0.0) {
                const double value = std::exp(logarithms / sum);
                ratings.Values[c * m + a] = value;
                ratings.Scores[a] += g * value;
            } else {
                ++ratings.NotRatedCounts[a];
            }
        }
    }
    const double total = std::accumulate(ratings.Scores.begin(), ratings.Scores.end(), 0.0);
    ratings.Shares.resize(m);
    for (std::uint32_t a = 0; a < m; ++a) {
        ratings.Shares[a] = total > 0.0 ? ratings.Scores[a] / total : 0.0;
    }
    ratings.MeanScores.assign(m, 0.0);
    std::size_t counted = 0;
    for (std::size_t k = 0; k < Experts.size(); ++k) {
        ratings.ExpertScores.push_back(Experts[k].Scores);
        if (weight[k] > 0.0) {
            ++counted;
            for (std::uint32_t a = 0; a < m; ++a) {
                ratings.MeanScores[a] += Experts[k].Scores[a];
            }
        }
    }
    for (double& mean : ratings.MeanScores) {
        mean = counted > 0 ? mean / static_cast<double>(counted) : 0.0;
    }
    ratings.Ranking.resize(m);
    std::iota(ratings.Ranking.begin(), ratings.Ranking.end(), 0U);
    std::stable_sort(ratings.Ranking.begin(), ratings.Ranking.end(),
        [&scores = ratings.Scores](std::uint32_t a, std::uint32_t b) { return scores[a] > scores[b]; });
}
