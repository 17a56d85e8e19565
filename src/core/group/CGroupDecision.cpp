#include "core/group/CGroupDecision.h"

#include "core/group/CExpertWeights.h"
#include "core/group/GroupReportContent.h"
#include "core/group/HierarchyRecord.h"
#include "core/group/PriorityAggregation.h"
#include "core/group/StructureCheck.h"
#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/LocalPriorities.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sys/stat.h>

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

std::span<const double> Local(const CProjectResults& results, const CElementSlot& slot, std::uint32_t n)
{
    return {results.LevelData(slot.Position, slot.Level).Priority.data(), n};
}

// The bottom level by position with its names, ordered like a project's ranking.
CResultList RankingOf(const CUserProjectModel& model, std::span<const double> priority)
{
    CResultList list;
    const std::uint32_t level = model.LevelCount() - 1;
    list.Count = std::min<std::uint32_t>(model.ElementsInLevelChecked(level), priority.size());
    for (std::uint32_t e = 0; e < list.Count; ++e) {
        list.Rows[e].Name = model.Element(e, level).Name;
        list.Rows[e].Value = priority[e];
        list.Rows[e].Position = e;
    }
    OrderResults(list);
    return list;
}
} // namespace

CGroupDecision::CGroupDecision()
    : GroupModel(std::make_unique<CUserProjectModel>())
{
}

CGroupDecision::~CGroupDecision() = default;

std::string CGroupDecision::AddExpert(const CGroupMember& member, const CUserProjectModel& project)
{
    const std::size_t number = Experts.size();
    if (member.File.empty()) {
        return ExpertProblemText(number, MemberWithoutFileText);
    }
    if (!AcceptableExpertWeight(member.Weight)) {
        return ExpertProblemText(number, MemberWeightText);
    }
    std::string identity = FileIdentity(member.File);
    if (const auto same = Identities.find(identity); same != Identities.end()) {
        return ExpertProblemText(number, SameFileProblem(fs::path(member.File).filename().string(), same->second));
    }
    if (!project.Built() || project.LevelCount() < MinLevels || project.LevelCount() > MaxLevels) {
        return ExpertProblemText(number, MemberWithoutHierarchyText);
    }
    if (!Experts.empty()) {
        std::string referenceName;
        std::string memberName;
        DisplayNames(Experts.front().Member.File, member.File, referenceName, memberName);
        if (auto difference = StructureDifference(*GroupModel, referenceName, project, memberName)) {
            return *difference;
        }
    } else {
        TakeHierarchy(project);
    }

    Identities.emplace(identity, number);
    CExpert& expert = Experts.emplace_back();
    expert.Member = member;
    expert.Identity = std::move(identity);
    expert.Results = ComputeResults(project);
    expert.HasPriorities.reserve(Elements.size());
    bool allElements = true;
    for (CElementInput& element : Elements) {
        const CElementSlot& slot = element.Slot;
        element.Judgements.push_back(
            PairLogarithmsOf(project.Element(slot.Position, slot.Level).Judgements, element.Order));
        const bool has = PositiveVector(Local(expert.Results, slot, element.Order));
        expert.HasPriorities.push_back(has);
        allElements = allElements && has;
    }
    const std::uint32_t bottom = project.LevelCount() - 1;
    const std::uint32_t alternatives = project.ElementsInLevelChecked(bottom);
    std::vector<double> final(alternatives);
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        final[a] = expert.Results.GlobalPriority()(a, bottom);
    }
    if (allElements && !expert.Results.NotConnected() && PositiveVector(final)) {
        expert.Final = std::move(final);
        expert.Ranking = FinalResults(project, expert.Results);
    }
    Current = false;
    return {};
}

void CGroupDecision::TakeHierarchy(const CUserProjectModel& project)
{
    const auto record = std::make_unique<TLoadSaveProject>();
    FillHierarchyRecord(project, *record);
    Elements.clear();
    for (std::uint32_t level = 0; level + 1 < record->LevelCount; ++level) {
        const std::uint32_t parents = project.ElementsInLevelChecked(level);
        const std::uint32_t n = project.ElementsInLevelChecked(level + 1);
        for (std::uint32_t position = 0; position < parents; ++position) {
            // The group's own judgements replace these at every computation.
            record->Elements[position][level].Judgements.FillOnes();
            CElementInput& element = Elements.emplace_back();
            element.Slot = CElementSlot{position, level};
            element.Order = n;
        }
    }
    GroupModel->BuildLoadedHierarchy(*record);
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
    for (std::size_t e = 0; e < Elements.size(); ++e) {
        if (Elements[e].Slot == slot) {
            return Experts[expert].HasPriorities[e] ? Local(Experts[expert].Results, slot, Elements[e].Order)
                                                    : std::span<const double>{};
        }
    }
    return {};
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
    const double logarithm = own.Logarithm[i * n - i * (i + 1) / 2 + (j - i - 1)];
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

    Computed.Elements.resize(Elements.size());
    std::vector<const CPairLogarithms*> judgements(Experts.size());
    CPairLogarithms nothing;
    nothing.Logarithm.fill(std::numeric_limits<double>::quiet_NaN());
    for (std::size_t e = 0; e < Elements.size(); ++e) {
        const CElementInput& input = Elements[e];
        nothing.Order = input.Order;
        for (std::size_t k = 0; k < Experts.size(); ++k) {
            judgements[k] = Included(k) ? &input.Judgements[k] : &nothing;
        }
        CGroupElementResult& element = Computed.Elements[e];
        element.Slot = input.Slot;
        element.Aggregate = *AggregatePairLogarithms(judgements, weights, input.Order);
        GroupModel->SetJudgements(input.Slot.Position, input.Slot.Level, element.Aggregate.Judgements);
    }
    // The group's priorities are a project's, computed from the combined judgements.
    ComputeAllPriorities(*GroupModel, Computed.Group);

    const std::optional<CElementSlot>& gap = Computed.Group.NotConnected();
    for (std::size_t e = 0; e < Elements.size(); ++e) {
        ComputeElement(Elements[e], e, weights, Computed.Elements[e]);
        if (gap && *gap == Elements[e].Slot) {
            const CGroupElementResult& element = Computed.Elements[e];
            const std::uint32_t below = element.Slot.Level + 1;
            std::vector<std::string> names;
            for (std::uint32_t i = 0; i < element.Aggregate.Order; ++i) {
                names.push_back(GroupModel->Element(i, below).Name);
            }
            Computed.RankingProblem = GroupRankingRefusalText(
                NotConnectedText(GroupModel->Element(element.Slot.Position, element.Slot.Level).Name,
                    BuildComparisonGraph(element.Aggregate.Judgements, element.Aggregate.Order), names));
        }
    }
    if (includedSum == 0.0) {
        Computed.RankingProblem = GroupRankingRefusalText(NoExpertIncludedText);
    } else if (!gap) {
        Computed.Ranking = FinalResults(*GroupModel, Computed.Group);
        Computed.IdealRanking = FinalResults(*GroupModel, Computed.Group, ESynthesisMode::Ideal);
        // The combined values are finite by construction; a figure that is not would be
        // refused here rather than shown.
        for (std::uint32_t r = 0; r < Computed.Ranking.Count; ++r) {
            if (!std::isfinite(Computed.Ranking.Rows[r].Value)) {
                Computed.Ranking = CResultList{};
                Computed.IdealRanking = CResultList{};
                Computed.RankingProblem = GroupRankingRefusalText(NotComputableText);
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
        Computed.Unacceptable = UnacceptableMatrices(*GroupModel, Computed.Group);
    }
    ComputeFinalAggregates(weights);
}

void CGroupDecision::ComputeElement(
    const CElementInput& input, std::size_t index, const CExpertWeights& weights, CGroupElementResult& element) const
{
    const std::uint32_t n = input.Order;
    const CElementSlot& slot = input.Slot;
    const bool groupHas = Computed.Group.Basis(slot.Position, slot.Level) == EPrioritiesBasis::AllJudged
        || Computed.Group.Basis(slot.Position, slot.Level) == EPrioritiesBasis::LeastSquares;
    const std::span<const double> group = Local(Computed.Group, slot, n);

    if (Computed.Group.Basis(slot.Position, slot.Level) == EPrioritiesBasis::AllJudged && n >= 3) {
        CValueBlock values{};
        ReadJudgementValues(element.Aggregate.Judgements, n, values);
        element.Gci = GeometricConsistencyIndex(values, n, group.data());
    }
    double widest = 0.0;
    std::uint32_t pair = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
        for (std::uint32_t j = i + 1; j < n; ++j, ++pair) {
            if (element.Aggregate.JudgedBy[i][j] > 0) {
                const double combined = std::log(element.Aggregate.Judgements(i, j).Value());
                double furthest = -1.0;
                for (std::size_t k = 0; k < Experts.size(); ++k) {
                    const double own = input.Judgements[k].Logarithm[pair];
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
    if (!Computed.Group.NotConnected()) {
        element.GlobalPriority = slot.Level == 0 ? 1.0 : Computed.Group.GlobalPriority()(slot.Position, slot.Level);
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
        vectors[k] = Local(Experts[k].Results, slot, n);
        const double cr = Experts[k].Results.LevelData(slot.Position, slot.Level).CR;
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
    Computed.AipArithmeticRanking = RankingOf(*GroupModel, Computed.AipArithmetic);
    Computed.AipGeometricRanking = RankingOf(*GroupModel, Computed.AipGeometric);
    if (Experts.size() >= 2) {
        Computed.FinalAgreement = ComputeConsensus(finals, weights);
    }
}
