#include "core/model/CHierarchy.h"

#include "core/model/HierarchyLimits.h"
#include "core/model/ModelPhrases.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {
constexpr std::uint32_t Unvisited = UINT32_MAX;

// The matrix with a row and a column of 1 put in at index.
CJudgementMatrix WithInserted(const CJudgementMatrix& m, std::uint32_t index)
{
    const std::uint32_t n = m.RowCountInUse();
    CJudgementMatrix result = EqualJudgements(n + 1);
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = 0; c < n; ++c) {
            result(r < index ? r : r + 1, c < index ? c : c + 1) = m(r, c);
        }
    }
    return result;
}

CJudgementMatrix WithRemoved(const CJudgementMatrix& m, std::uint32_t index)
{
    const std::uint32_t n = m.RowCountInUse();
    CJudgementMatrix result = EqualJudgements(n - 1);
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = 0; c < n; ++c) {
            if (r != index && c != index) {
                result(r < index ? r : r - 1, c < index ? c : c - 1) = m(r, c);
            }
        }
    }
    return result;
}

// The place an entry at old takes when the entry at from moves to to.
std::uint32_t MovedPlace(std::uint32_t old, std::uint32_t from, std::uint32_t to)
{
    if (old == from) {
        return to;
    }
    if (from < to && old > from && old <= to) {
        return old - 1;
    }
    if (to < from && old >= to && old < from) {
        return old + 1;
    }
    return old;
}

CJudgementMatrix WithMoved(const CJudgementMatrix& m, std::uint32_t from, std::uint32_t to)
{
    const std::uint32_t n = m.RowCountInUse();
    CJudgementMatrix result = EqualJudgements(n);
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = 0; c < n; ++c) {
            result(MovedPlace(r, from, to), MovedPlace(c, from, to)) = m(r, c);
        }
    }
    return result;
}

template <typename T> void MoveEntry(std::vector<T>& list, std::uint32_t from, std::uint32_t to)
{
    T entry = std::move(list[from]);
    list.erase(list.begin() + from);
    list.insert(list.begin() + to, std::move(entry));
}

// An edit's answer: "" when done, else why nothing changed.
std::string Answer(const CModelProblem& problem)
{
    return ModelProblemText(problem);
}

std::string Answer(EModelProblem kind)
{
    return ModelProblemText(CModelProblem(kind));
}
} // namespace

CJudgementMatrix EqualJudgements(std::uint32_t n)
{
    CJudgementMatrix m(n, n);
    m.FillOnes();
    return m;
}

CHierarchy::CHierarchy()
    : CHierarchy(Tr(ModelPhrases::DefaultGoal))
{
}

CHierarchy::CHierarchy(const std::string& goal, const std::string& comment)
{
    std::vector<CHierarchyNode> nodes(1);
    nodes[0].Name = goal;
    nodes[0].Comment = comment;
    Renumber(std::move(nodes), nullptr);
}

std::uint32_t CHierarchy::ComparedCount(std::uint32_t node) const
{
    return IsCovering(node) ? AlternativeCount() : static_cast<std::uint32_t>(Nodes[node].Children.size());
}

bool CHierarchy::Renumber(std::vector<CHierarchyNode> nodes, CModelProblem* problem)
{
    auto refuse = [problem](EModelProblem why) {
        if (problem != nullptr) {
            *problem = why;
        }
        return false;
    };
    if (nodes.empty()) {
        return refuse(EModelProblem::NoGoal);
    }
    // Breadth first from the goal: the first visit numbers a node.
    std::vector<std::uint32_t> number(nodes.size(), Unvisited);
    std::vector<std::uint32_t> order{0};
    number[0] = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        for (const std::uint32_t child : nodes[order[k]].Children) {
            if (child >= nodes.size() || child == 0) {
                return refuse(EModelProblem::MissingCriterion);
            }
            if (number[child] == Unvisited) {
                number[child] = static_cast<std::uint32_t>(order.size());
                order.push_back(child);
            }
        }
    }
    std::vector<CHierarchyNode> renumbered;
    renumbered.reserve(order.size());
    for (const std::uint32_t old : order) {
        renumbered.push_back(std::move(nodes[old]));
        for (std::uint32_t& child : renumbered.back().Children) {
            child = number[child];
        }
    }
    std::vector<std::vector<std::uint32_t>> parents(renumbered.size());
    std::vector<std::uint32_t> levels(renumbered.size(), 0);
    std::vector<std::uint32_t> covering;
    std::uint32_t levelTotal = 0;
    for (std::uint32_t p = 0; p < renumbered.size(); ++p) {
        const CHierarchyNode& node = renumbered[p];
        std::set<std::uint32_t> seen;
        for (const std::uint32_t child : node.Children) {
            if (!seen.insert(child).second) {
                return refuse(EModelProblem::CriterionTwice);
            }
            // Breadth first, a child seen first from p is numbered after it; a child on
            // a level other than the next one closes a circle or skips a level.
            if (child <= p || (levels[child] != 0 && levels[child] != levels[p] + 1)) {
                return refuse(EModelProblem::NotOnNextLevel);
            }
            levels[child] = levels[p] + 1;
            parents[child].push_back(p);
        }
        if (node.Children.empty()) {
            covering.push_back(p);
            levelTotal = std::max(levelTotal, levels[p] + 2);
        }
    }
    const std::uint32_t alternatives = AlternativeCount();
    const bool rated = AlternativeEvaluation == EAlternativeEvaluation::Ratings;
    if (rated && HierarchyShape != EHierarchyShape::Tree) {
        return refuse(EModelProblem::LayersNotRated);
    }
    for (std::uint32_t p = 0; p < renumbered.size(); ++p) {
        const CHierarchyNode& node = renumbered[p];
        const std::uint32_t n = node.Children.empty() ? alternatives : static_cast<std::uint32_t>(node.Children.size());
        if (rated && node.Children.empty()) {
            if (node.Judgements.RowCountInUse() != 0 || node.Judgements.ColCountInUse() != 0) {
                return refuse(EModelProblem::RatedWithJudgements);
            }
            if (node.Scale >= ScaleList.size()) {
                return refuse(EModelProblem::NoSuchScale);
            }
            if (node.Ratings.size() != alternatives) {
                return refuse(EModelProblem::RatingCount);
            }
            const auto size = static_cast<std::int32_t>(ScaleList[node.Scale].Intensities.size());
            for (const std::int8_t rating : node.Ratings) {
                if (rating < NotRated || rating >= size) {
                    return refuse(EModelProblem::RatingOutsideScale);
                }
            }
        } else if (node.Judgements.RowCountInUse() != n || node.Judgements.ColCountInUse() != n) {
            return refuse(EModelProblem::JudgementOrder);
        } else if (!node.Ratings.empty() || node.Scale != 0) {
            return refuse(EModelProblem::RatingsOfPairs);
        }
        if (HierarchyShape == EHierarchyShape::Tree && p != 0 && parents[p].size() != 1) {
            return refuse(EModelProblem::NotOneParent);
        }
        // Complete layers: every node of a level has the children of the level's first node.
        if (HierarchyShape == EHierarchyShape::Layers && p != 0 && levels[p - 1] == levels[p]
            && renumbered[p - 1].Children != node.Children) {
            return refuse(EModelProblem::IncompleteLayers);
        }
    }
    Nodes = std::move(renumbered);
    ParentLists = std::move(parents);
    Levels = std::move(levels);
    Covering = std::move(covering);
    LevelTotal = levelTotal;
    return true;
}

CModelProblem CHierarchy::LimitProblem() const
{
    if (HierarchyShape != EHierarchyShape::Tree) {
        return {};
    }
    if (LevelTotal > MaxTreeLevels) {
        return CModelProblem::Beyond(EModelProblem::TooManyLevels, MaxTreeLevels);
    }
    if (Nodes.size() - 1 > MaxTreeCriteria) {
        return CModelProblem::Beyond(EModelProblem::TooManyCriteria, MaxTreeCriteria);
    }
    const std::uint32_t maxAlternatives
        = AlternativeEvaluation == EAlternativeEvaluation::Ratings ? MaxRatedAlternatives : MaxAlternatives;
    if (AlternativeList.size() > maxAlternatives) {
        return CModelProblem::Beyond(EModelProblem::TooManyAlternatives, maxAlternatives);
    }
    std::set<std::string> ids;
    for (const CRatingScale& scale : ScaleList) {
        CModelProblem problem = RatingScaleCheck(scale);
        if (problem) {
            return problem;
        }
        if (!ids.insert(scale.Id).second) {
            return {EModelProblem::ScaleIdTwice, scale.Id};
        }
    }
    for (const CHierarchyNode& node : Nodes) {
        if (node.Children.size() > MaxTreeChildren) {
            return CModelProblem::Beyond(EModelProblem::TooManyChildren, MaxTreeChildren, node.Name);
        }
        CModelProblem problem = TreeNameCheck(node.Name);
        problem = problem ? problem : TreeCommentCheck(node.Comment);
        if (problem) {
            return problem;
        }
        std::set<std::string> names;
        for (const std::uint32_t child : node.Children) {
            if (!names.insert(Nodes[child].Name).second) {
                return {EModelProblem::ChildNameTwice, Nodes[child].Name};
            }
        }
    }
    std::set<std::string> names;
    for (const CAlternative& alternative : AlternativeList) {
        CModelProblem problem = TreeNameCheck(alternative.Name);
        problem = problem ? problem : TreeCommentCheck(alternative.Comment);
        if (problem) {
            return problem;
        }
        if (!names.insert(alternative.Name).second) {
            return {EModelProblem::AlternativeNameTwice, alternative.Name};
        }
    }
    return {};
}

std::optional<CHierarchy> CHierarchy::Make(EHierarchyShape shape, std::vector<CHierarchyNode> nodes,
    std::vector<CAlternative> alternatives, CModelProblem* problem)
{
    CHierarchy hierarchy(std::string{}); // the goal comes with the nodes
    hierarchy.HierarchyShape = shape;
    hierarchy.AlternativeList = std::move(alternatives);
    return Made(std::move(hierarchy), std::move(nodes), problem);
}

std::optional<CHierarchy> CHierarchy::Make(EHierarchyShape shape, std::vector<CHierarchyNode> nodes,
    std::vector<CAlternative> alternatives, std::string* problem)
{
    CModelProblem why;
    std::optional<CHierarchy> made = Make(shape, std::move(nodes), std::move(alternatives), &why);
    if (problem != nullptr) {
        *problem = ModelProblemText(why);
    }
    return made;
}

std::optional<CHierarchy> CHierarchy::MakeRated(std::vector<CHierarchyNode> nodes,
    std::vector<CAlternative> alternatives, std::vector<CRatingScale> scales, CModelProblem* problem)
{
    CHierarchy hierarchy(std::string{});
    hierarchy.HierarchyShape = EHierarchyShape::Tree;
    hierarchy.AlternativeEvaluation = EAlternativeEvaluation::Ratings;
    hierarchy.ScaleList = std::move(scales);
    hierarchy.AlternativeList = std::move(alternatives);
    return Made(std::move(hierarchy), std::move(nodes), problem);
}

std::optional<CHierarchy> CHierarchy::Made(
    CHierarchy hierarchy, std::vector<CHierarchyNode> nodes, CModelProblem* problem)
{
    const std::size_t given = nodes.size();
    if (!hierarchy.Renumber(std::move(nodes), problem)) {
        return std::nullopt;
    }
    CModelProblem why
        = hierarchy.Nodes.size() != given ? CModelProblem(EModelProblem::Unreached) : hierarchy.LimitProblem();
    if (why) {
        if (problem != nullptr) {
            *problem = std::move(why);
        }
        return std::nullopt;
    }
    return hierarchy;
}

std::string CHierarchy::Commit(std::vector<CHierarchyNode> nodes, std::vector<CAlternative> alternatives)
{
    return Commit(std::move(nodes), std::move(alternatives), AlternativeEvaluation, ScaleList);
}

std::string CHierarchy::Commit(std::vector<CHierarchyNode> nodes, std::vector<CAlternative> alternatives,
    EAlternativeEvaluation evaluation, std::vector<CRatingScale> scales)
{
    CHierarchy candidate(std::string{});
    candidate.HierarchyShape = HierarchyShape;
    candidate.AlternativeList = std::move(alternatives);
    candidate.AlternativeEvaluation = evaluation;
    candidate.ScaleList = std::move(scales);
    CModelProblem problem;
    if (!candidate.Renumber(std::move(nodes), &problem)) {
        return Answer(problem);
    }
    problem = candidate.LimitProblem();
    if (!problem) {
        *this = std::move(candidate);
    }
    return Answer(problem);
}

std::vector<std::string> CHierarchy::Path(std::uint32_t node) const
{
    std::vector<std::string> path;
    while (node != GoalNode && node < Nodes.size()) {
        path.push_back(Nodes[node].Name);
        node = ParentLists[node].front();
    }
    std::reverse(path.begin(), path.end());
    return path;
}

std::optional<std::uint32_t> CHierarchy::NodeAt(const std::vector<std::string>& path) const
{
    std::uint32_t node = GoalNode;
    for (const std::string& name : path) {
        const auto& children = Nodes[node].Children;
        const auto found = std::find_if(
            children.begin(), children.end(), [this, &name](std::uint32_t child) { return Nodes[child].Name == name; });
        if (found == children.end()) {
            return std::nullopt;
        }
        node = *found;
    }
    return node;
}

std::optional<CHierarchy> CHierarchy::AsTree(std::string* problem) const
{
    CModelProblem why;
    std::optional<CHierarchy> tree = AsTree(&why);
    if (problem != nullptr) {
        *problem = ModelProblemText(why);
    }
    return tree;
}

std::optional<CHierarchy> CHierarchy::AsTree(CModelProblem* problem) const
{
    std::vector<CHierarchyNode> copies;
    // Depth first with a stack of (original, copy): the depth is the level count.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pending{{GoalNode, 0}};
    copies.push_back(Nodes[GoalNode]);
    while (!pending.empty()) {
        const auto [original, copy] = pending.back();
        pending.pop_back();
        if (copies.size() > MaxTreeCriteria + 1) {
            if (problem != nullptr) {
                *problem = CModelProblem::Beyond(EModelProblem::TooManyCriteria, MaxTreeCriteria);
            }
            return std::nullopt;
        }
        for (std::size_t k = 0; k < Nodes[original].Children.size(); ++k) {
            const std::uint32_t child = Nodes[original].Children[k];
            const auto number = static_cast<std::uint32_t>(copies.size());
            copies.push_back(Nodes[child]);
            copies[copy].Children[k] = number;
            pending.emplace_back(child, number);
        }
    }
    return Make(EHierarchyShape::Tree, std::move(copies), AlternativeList, problem);
}

CHierarchy CHierarchy::Template() const
{
    CHierarchy copy = *this;
    for (CHierarchyNode& node : copy.Nodes) {
        node.Judgements.FillOnes();
        std::fill(node.Ratings.begin(), node.Ratings.end(), NotRated); // scales stay: they are the instrument
    }
    return copy;
}

std::string CHierarchy::AddCriterion(
    std::uint32_t parent, std::uint32_t index, const std::string& name, const std::string& comment)
{
    if (HierarchyShape != EHierarchyShape::Tree) {
        return Answer(EModelProblem::LayersStructure);
    }
    if (parent >= Nodes.size() || index > Nodes[parent].Children.size()) {
        return Answer(EModelProblem::NoSuchPlace);
    }
    std::vector<CHierarchyNode> nodes = Nodes;
    CHierarchyNode added;
    added.Name = name;
    added.Comment = comment;
    MakeCovering(added);
    CHierarchyNode& host = nodes[parent];
    host.Judgements = host.Children.empty() ? EqualJudgements(1) : WithInserted(host.Judgements, index);
    host.Ratings.clear();
    host.Scale = 0;
    host.Children.insert(host.Children.begin() + index, static_cast<std::uint32_t>(nodes.size()));
    nodes.push_back(std::move(added));
    return Commit(std::move(nodes), AlternativeList);
}

std::string CHierarchy::RemoveCriterion(std::uint32_t node)
{
    if (HierarchyShape != EHierarchyShape::Tree) {
        return Answer(EModelProblem::LayersStructure);
    }
    if (node == GoalNode || node >= Nodes.size()) {
        return Answer(EModelProblem::GoalNotRemoved);
    }
    const std::uint32_t parent = ParentLists[node].front();
    if (parent == GoalNode && Nodes[GoalNode].Children.size() == 1) {
        return Answer(EModelProblem::GoalKeepsCriterion);
    }
    std::vector<CHierarchyNode> nodes = Nodes;
    CHierarchyNode& host = nodes[parent];
    const auto index = static_cast<std::uint32_t>(
        std::find(host.Children.begin(), host.Children.end(), node) - host.Children.begin());
    host.Children.erase(host.Children.begin() + index);
    // A parent left without children becomes covering: its judgements are of the alternatives.
    if (host.Children.empty()) {
        MakeCovering(host);
    } else {
        host.Judgements = WithRemoved(host.Judgements, index);
    }
    return Commit(std::move(nodes), AlternativeList); // the subtree is no longer reached
}

std::string CHierarchy::MoveCriterion(std::uint32_t node, std::uint32_t newParent, std::uint32_t index)
{
    if (HierarchyShape != EHierarchyShape::Tree) {
        return Answer(EModelProblem::LayersStructure);
    }
    if (node == GoalNode || node >= Nodes.size() || newParent >= Nodes.size()) {
        return Answer(EModelProblem::NoSuchPlace);
    }
    for (std::uint32_t above = newParent; above != GoalNode; above = ParentLists[above].front()) {
        if (above == node) {
            return Answer(EModelProblem::IntoOwnSubtree);
        }
    }
    const std::uint32_t parent = ParentLists[node].front();
    std::vector<CHierarchyNode> nodes = Nodes;
    CHierarchyNode& from = nodes[parent];
    const auto place = static_cast<std::uint32_t>(
        std::find(from.Children.begin(), from.Children.end(), node) - from.Children.begin());
    if (parent == newParent) {
        if (index >= from.Children.size()) {
            return Answer(EModelProblem::NoSuchPlace);
        }
        from.Judgements = WithMoved(from.Judgements, place, index);
        MoveEntry(from.Children, place, index);
        return Commit(std::move(nodes), AlternativeList);
    }
    if (index > nodes[newParent].Children.size()) {
        return Answer(EModelProblem::NoSuchPlace);
    }
    if (parent == GoalNode && from.Children.size() == 1) {
        return Answer(EModelProblem::GoalKeepsCriterion);
    }
    from.Children.erase(from.Children.begin() + place);
    if (from.Children.empty()) {
        MakeCovering(from);
    } else {
        from.Judgements = WithRemoved(from.Judgements, place);
    }
    CHierarchyNode& to = nodes[newParent];
    to.Judgements = to.Children.empty() ? EqualJudgements(1) : WithInserted(to.Judgements, index);
    to.Ratings.clear();
    to.Scale = 0;
    to.Children.insert(to.Children.begin() + index, node);
    return Commit(std::move(nodes), AlternativeList);
}

std::string CHierarchy::SetNodeText(std::uint32_t node, const std::string& name, const std::string& comment)
{
    if (node >= Nodes.size()) {
        return Answer(EModelProblem::NoSuchCriterion);
    }
    std::vector<CHierarchyNode> nodes = Nodes;
    nodes[node].Name = name;
    nodes[node].Comment = comment;
    return Commit(std::move(nodes), AlternativeList);
}

std::string CHierarchy::SetJudgements(std::uint32_t node, const CJudgementMatrix& judgements)
{
    if (node >= Nodes.size()) {
        return Answer(EModelProblem::NoSuchCriterion);
    }
    if (IsRated(node)) {
        return Answer(EModelProblem::RatedCriterion);
    }
    const std::uint32_t n = ComparedCount(node);
    if (judgements.RowCountInUse() != n || judgements.ColCountInUse() != n) {
        return Answer(EModelProblem::JudgementOrder);
    }
    Nodes[node].Judgements = judgements;
    return {};
}

std::string CHierarchy::AddAlternative(std::uint32_t index, const std::string& name, const std::string& comment)
{
    if (index > AlternativeList.size()) {
        return Answer(EModelProblem::NoSuchPlace);
    }
    std::vector<CAlternative> alternatives = AlternativeList;
    alternatives.insert(alternatives.begin() + index, CAlternative{name, comment});
    std::vector<CHierarchyNode> nodes = Nodes;
    for (const std::uint32_t node : Covering) {
        if (IsRated(node)) {
            nodes[node].Ratings.insert(nodes[node].Ratings.begin() + index, NotRated);
        } else {
            nodes[node].Judgements = WithInserted(nodes[node].Judgements, index);
        }
    }
    return Commit(std::move(nodes), std::move(alternatives));
}

std::string CHierarchy::RemoveAlternative(std::uint32_t index)
{
    if (index >= AlternativeList.size()) {
        return Answer(EModelProblem::NoSuchAlternative);
    }
    if (AlternativeList.size() <= MinAlternatives) {
        return Answer(CModelProblem::Beyond(EModelProblem::TooFewAlternatives, MinAlternatives));
    }
    std::vector<CAlternative> alternatives = AlternativeList;
    alternatives.erase(alternatives.begin() + index);
    std::vector<CHierarchyNode> nodes = Nodes;
    for (const std::uint32_t node : Covering) {
        if (IsRated(node)) {
            nodes[node].Ratings.erase(nodes[node].Ratings.begin() + index);
        } else {
            nodes[node].Judgements = WithRemoved(nodes[node].Judgements, index);
        }
    }
    return Commit(std::move(nodes), std::move(alternatives));
}

std::string CHierarchy::MoveAlternative(std::uint32_t from, std::uint32_t to)
{
    if (from >= AlternativeList.size() || to >= AlternativeList.size()) {
        return Answer(EModelProblem::NoSuchAlternative);
    }
    std::vector<CAlternative> alternatives = AlternativeList;
    MoveEntry(alternatives, from, to);
    std::vector<CHierarchyNode> nodes = Nodes;
    for (const std::uint32_t node : Covering) {
        if (IsRated(node)) {
            MoveEntry(nodes[node].Ratings, from, to);
        } else {
            nodes[node].Judgements = WithMoved(nodes[node].Judgements, from, to);
        }
    }
    return Commit(std::move(nodes), std::move(alternatives));
}

std::string CHierarchy::SetAlternativeText(std::uint32_t index, const std::string& name, const std::string& comment)
{
    if (index >= AlternativeList.size()) {
        return Answer(EModelProblem::NoSuchAlternative);
    }
    std::vector<CAlternative> alternatives = AlternativeList;
    alternatives[index] = CAlternative{name, comment};
    return Commit(Nodes, std::move(alternatives));
}

void CHierarchy::MakeCovering(CHierarchyNode& node) const
{
    node.Scale = 0;
    if (AlternativeEvaluation == EAlternativeEvaluation::Ratings) {
        node.Judgements = CJudgementMatrix();
        node.Ratings.assign(AlternativeCount(), NotRated);
    } else {
        node.Judgements = EqualJudgements(AlternativeCount());
        node.Ratings.clear();
    }
}

std::string CHierarchy::SetEvaluation(EAlternativeEvaluation evaluation)
{
    if (evaluation == AlternativeEvaluation) {
        return {};
    }
    const bool toRatings = evaluation == EAlternativeEvaluation::Ratings;
    if (toRatings && HierarchyShape != EHierarchyShape::Tree) {
        return Answer(EModelProblem::LayersNotRated);
    }
    std::vector<CRatingScale> scales;
    if (toRatings) {
        scales = ScaleList.empty() ? ReadyRatingScales() : ScaleList;
    }
    CHierarchy shaped = *this;
    shaped.AlternativeEvaluation = evaluation;
    std::vector<CHierarchyNode> nodes = Nodes;
    for (const std::uint32_t node : Covering) {
        shaped.MakeCovering(nodes[node]);
    }
    return Commit(std::move(nodes), AlternativeList, evaluation, std::move(scales));
}

std::vector<std::uint32_t> CHierarchy::RatedCriteria() const
{
    std::vector<std::uint32_t> rated;
    if (AlternativeEvaluation != EAlternativeEvaluation::Ratings) {
        return rated;
    }
    std::vector<std::uint32_t> pending{GoalNode};
    while (!pending.empty()) {
        const std::uint32_t node = pending.back();
        pending.pop_back();
        if (IsCovering(node)) {
            rated.push_back(node);
        }
        const std::vector<std::uint32_t>& children = Nodes[node].Children;
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return rated;
}

std::string CHierarchy::SetRating(std::uint32_t node, std::uint32_t alternative, std::int32_t intensity)
{
    if (node >= Nodes.size() || !IsRated(node)) {
        return Answer(EModelProblem::NotRatedCriterion);
    }
    if (alternative >= AlternativeList.size()) {
        return Answer(EModelProblem::NoSuchAlternative);
    }
    const auto size = static_cast<std::int32_t>(ScaleList[Nodes[node].Scale].Intensities.size());
    if (intensity < NotRated || intensity >= size) {
        return Answer(EModelProblem::RatingOutsideScale);
    }
    Nodes[node].Ratings[alternative] = static_cast<std::int8_t>(intensity);
    return {};
}

std::string CHierarchy::SetCriterionScale(std::uint32_t node, std::uint32_t scale)
{
    if (node >= Nodes.size() || !IsRated(node)) {
        return Answer(EModelProblem::NotRatedCriterion);
    }
    if (scale >= ScaleList.size()) {
        return Answer(EModelProblem::NoSuchScale);
    }
    CHierarchyNode& data = Nodes[node];
    if (ScaleList[scale].Intensities.size() != ScaleList[data.Scale].Intensities.size()) {
        std::fill(data.Ratings.begin(), data.Ratings.end(), NotRated);
    }
    data.Scale = scale;
    return {};
}

std::string CHierarchy::AddScale(const CRatingScale& scale)
{
    std::vector<CRatingScale> scales = ScaleList;
    scales.push_back(scale);
    return Commit(Nodes, AlternativeList, AlternativeEvaluation, std::move(scales));
}

std::string CHierarchy::SetScale(std::uint32_t index, const CRatingScale& scale)
{
    if (index >= ScaleList.size()) {
        return Answer(EModelProblem::NoSuchScale);
    }
    std::vector<CRatingScale> scales = ScaleList;
    scales[index] = scale;
    return Commit(Nodes, AlternativeList, AlternativeEvaluation, std::move(scales));
}

std::string CHierarchy::RemoveScale(std::uint32_t index)
{
    if (index >= ScaleList.size()) {
        return Answer(EModelProblem::NoSuchScale);
    }
    std::vector<CHierarchyNode> nodes = Nodes;
    for (const std::uint32_t node : Covering) {
        if (IsRated(node) && nodes[node].Scale == index) {
            return Answer(CModelProblem(EModelProblem::ScaleInUse, ScaleList[index].Name, nodes[node].Name));
        }
        if (IsRated(node) && nodes[node].Scale > index) {
            --nodes[node].Scale;
        }
    }
    std::vector<CRatingScale> scales = ScaleList;
    scales.erase(scales.begin() + index);
    return Commit(std::move(nodes), AlternativeList, AlternativeEvaluation, std::move(scales));
}
