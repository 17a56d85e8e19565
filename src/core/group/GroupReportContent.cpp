#include "core/group/GroupReportContent.h"

#include "core/group/CGroupDecision.h"
#include "core/group/CGroupProblem.h"
#include "core/group/CGroupResult.h"
#include "core/group/ExpertFiles.h"
#include "core/group/StructureCheck.h"
#include "core/model/CUserProjectModel.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/IncompleteJudgementsText.h"
#include "core/results/NumberFormat.h"
#include "core/results/RatingReportContent.h"
#include "core/storage/ExpertWeightRule.h"

#include <algorithm>
#include <ostream>
#include <utility>

namespace {
// ---- The phrases made into sentences here only ----

constexpr CPhrase GroupCaption = TESSALY_PHRASE("GroupReportContent", "Групповое решение - %1");
//: A figure in percent
constexpr CPhrase Percent = TESSALY_PHRASE("GroupReportContent", "%1 %");
//: The first column of an element's tables: the elements of the level below it
constexpr CPhrase LevelElementsCaption = TESSALY_PHRASE("GroupReportContent", "Элемент уровня %1");
constexpr CPhrase CriterionCaption = TESSALY_PHRASE("GroupReportContent", "Критерий");
constexpr CPhrase SubcriterionCaption = TESSALY_PHRASE("GroupReportContent", "Подкритерий");

constexpr CPhrase ExpertWithoutFile = TESSALY_PHRASE("GroupReportContent", "Эксперт %1: не указан файл");
//: %2 is the rule the weight breaks
constexpr CPhrase ExpertWeightRefusal = TESSALY_PHRASE("GroupReportContent", "Эксперт %1: %2");
constexpr CPhrase ExpertSameFile
    = TESSALY_PHRASE("GroupReportContent", "Эксперт %1: файл «%2» уже указан для эксперта %3");
constexpr CPhrase ExpertTreeAmongLayers = TESSALY_PHRASE("GroupReportContent",
    "Эксперт %1: файл «%2» — дерево критериев, а «%3» — проект с полными уровнями; в одной группе файлы экспертов "
    "одного вида");
constexpr CPhrase ExpertLayersAmongTrees = TESSALY_PHRASE("GroupReportContent",
    "Эксперт %1: файл «%2» — проект с полными уровнями, а «%3» — дерево критериев; в одной группе файлы экспертов "
    "одного вида");
constexpr CPhrase ExpertWithoutHierarchy = TESSALY_PHRASE("GroupReportContent", "Эксперт %1: в файле нет иерархии");
//: %3 is the reader's message
constexpr CPhrase UnreadableMember = TESSALY_PHRASE("GroupReportContent", "Эксперт %1 «%2»: %3");
//: The problems of a long list that are not named, counted
constexpr CPhrase MoreProblems = TESSALY_PHRASE("GroupReportContent", "... и ещё %1");

// A member's hierarchy that differs from the first expert's: %1 is the member's file.
constexpr CPhrase LevelCountDiffers = TESSALY_PHRASE_N("GroupReportContent", "Файл %1: уровней %n, а в %2 — %3");
constexpr CPhrase LevelElementCountDiffers
    = TESSALY_PHRASE_N("GroupReportContent", "Файл %1: на уровне %2 элементов %n, а в %3 — %4");
constexpr CPhrase ElementNameDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: на уровне %2 элемент %3 называется «%4», а в %5 — «%6»");
constexpr CPhrase TreeAmongLayers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: иерархия — дерево критериев, а в %2 — полные уровни");
constexpr CPhrase LayersAmongTrees
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: иерархия — полные уровни, а в %2 — дерево критериев");
constexpr CPhrase GoalNameDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: цель называется «%2», а в %3 — «%4»");
constexpr CPhrase SubcriterionCountDiffers
    = TESSALY_PHRASE_N("GroupReportContent", "Файл %1: у критерия «%2» подкритериев %n, а в %3 — %4");
constexpr CPhrase SubcriterionNameDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: у критерия «%2» подкритерий %3 называется «%4», а в %5 — «%6»");
constexpr CPhrase AlternativeCountDiffers
    = TESSALY_PHRASE_N("GroupReportContent", "Файл %1: альтернатив %n, а в %2 — %3");
constexpr CPhrase AlternativeNameDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: альтернатива %2 называется «%3», а в %4 — «%5»");
constexpr CPhrase RatedAmongCompared
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: альтернативы оцениваются по шкалам, а в %2 — попарно");
constexpr CPhrase ComparedAmongRated
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: альтернативы оцениваются попарно, а в %2 — по шкалам");
constexpr CPhrase ScaleCountDiffers = TESSALY_PHRASE_N("GroupReportContent", "Файл %1: шкал %n, а в %2 — %3");
constexpr CPhrase ScaleIdDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: шкала %2 имеет код «%3», а в %4 — «%5»");
constexpr CPhrase IntensityCountDiffers
    = TESSALY_PHRASE_N("GroupReportContent", "Файл %1: у шкалы «%2» интенсивностей %n, а в %3 — %4");
constexpr CPhrase IntensityNameDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: у шкалы «%2» интенсивность %3 называется «%4», а в %5 — «%6»");
constexpr CPhrase CriterionScaleDiffers
    = TESSALY_PHRASE("GroupReportContent", "Файл %1: критерий «%2» оценивается по шкале «%3», а в %4 — «%5»");

//: %1 is why: the judgements that do not connect a matrix's elements, or that no expert counts
constexpr CPhrase NoGroupRanking = TESSALY_PHRASE("GroupReportContent", "Группового рейтинга нет. %1");
constexpr CPhrase NoExpertIncluded = TESSALY_PHRASE("GroupReportContent", "Ни один эксперт не учитывается.");
constexpr CPhrase NotComputable = TESSALY_PHRASE("GroupReportContent", "Приоритеты группы не вычисляются.");

constexpr CPhrase NoExpertNames = TESSALY_PHRASE("GroupReportContent", "Не указано ни одного эксперта");
constexpr CPhrase NameNotText = TESSALY_PHRASE("GroupReportContent", "Строка %1: имя записано неверно");
constexpr CPhrase NameOfDots
    = TESSALY_PHRASE("GroupReportContent", "Строка %1: «.» и «..» не могут быть именами файлов");
constexpr CPhrase NameWithControlCharacter
    = TESSALY_PHRASE("GroupReportContent", "Строка %1: имя содержит управляющий символ");
constexpr CPhrase NameWithSlash = TESSALY_PHRASE("GroupReportContent", "Строка %1: имя «%2» содержит «/»");
constexpr CPhrase HiddenName
    = TESSALY_PHRASE("GroupReportContent", "Строка %1: имя «%2» начинается с точки: файл был бы скрытым");
constexpr CPhrase NameTooLong
    = TESSALY_PHRASE("GroupReportContent", "Строка %1: имя «%2» слишком длинное для имени файла");
constexpr CPhrase EmptyName = TESSALY_PHRASE("GroupReportContent", "Строка %1: пустое имя");
constexpr CPhrase RepeatedName = TESSALY_PHRASE("GroupReportContent", "Строка %1: имя «%2» уже указано в строке %3");
constexpr CPhrase OpenProjectInTheWay = TESSALY_PHRASE(
    "GroupReportContent", "Файл «%1» — проект, открытый в программе: файл эксперта не может его заменить.");
constexpr CPhrase OtherFileInTheWay = TESSALY_PHRASE("GroupReportContent",
    "Файл «%1» уже есть в папке и не является файлом эксперта этого проекта: он не будет заменён.");
constexpr CPhrase OtherNameOrFolder
    = TESSALY_PHRASE("GroupReportContent", "Укажите другое имя эксперта или другую папку.");

constexpr CPhrase OneExpertConsensus
    = TESSALY_PHRASE("GroupReportContent", "Согласие группы не определено: в группе один эксперт");
constexpr CPhrase NoRankingConsensus
    = TESSALY_PHRASE("GroupReportContent", "Общее согласие группы не определено: нет группового рейтинга");
//: %1 is S* in percent and its band
constexpr CPhrase OverallAgreement = TESSALY_PHRASE("GroupReportContent", "Общее согласие группы: %1");
constexpr CPhrase OneExpertHomogeneity
    = TESSALY_PHRASE("GroupReportContent", "Однородность итоговых приоритетов не определена: в группе один эксперт");
constexpr CPhrase FewFinalHomogeneity = TESSALY_PHRASE("GroupReportContent",
    "Однородность итоговых приоритетов не определена: итоговые приоритеты есть меньше чем у двух экспертов");
//: %1 is S* in percent and its band, %2 is S in percent
constexpr CPhrase FinalHomogeneity
    = TESSALY_PHRASE("GroupReportContent", "Однородность итоговых приоритетов: S* %1, S %2");
constexpr CPhrase FewFinalConcordance = TESSALY_PHRASE("GroupReportContent",
    "Согласие в порядке альтернатив (W Кендалла) не определено: итоговые приоритеты есть меньше чем у двух "
    "экспертов");
//: %1 is W, %2 its band
constexpr CPhrase Concordance
    = TESSALY_PHRASE("GroupReportContent", "Согласие в порядке альтернатив (W Кендалла): %1 (%2)");
//: %n counts the group's matrices that are not acceptable, %1 all of its matrices, %2 names them
constexpr CPhrase UnacceptableMatricesWarning = TESSALY_PHRASE_N(
    "GroupReportContent", "Внимание: согласованность суждений недостаточна в %n матрицах из %1: %2.");
constexpr CPhrase UnacceptableGoal = TESSALY_PHRASE("GroupReportContent", "цель «%1» (ОС %2, допустимо до %3)");
constexpr CPhrase UnacceptableCompletedGoal
    = TESSALY_PHRASE("GroupReportContent", "цель «%1» (ОС (по дополненной матрице) %2, допустимо до %3)");
constexpr CPhrase UnacceptableCriterion = TESSALY_PHRASE("GroupReportContent", "«%1» (ОС %2, допустимо до %3)");
constexpr CPhrase UnacceptableCompletedCriterion
    = TESSALY_PHRASE("GroupReportContent", "«%1» (ОС (по дополненной матрице) %2, допустимо до %3)");
constexpr CPhrase ReviewJudgements
    = TESSALY_PHRASE("GroupReportContent", "Результат опирается на суждения, которые стоит пересмотреть.");
constexpr CPhrase ExpertLeftOut = TESSALY_PHRASE(
    "GroupReportContent", "В согласии по «%1» не учтён эксперт %2: его сравнения не связывают элементы");
constexpr CPhrase ExpertsLeftOut = TESSALY_PHRASE(
    "GroupReportContent", "В согласии по «%1» не учтены эксперты %2: их сравнения не связывают элементы");
constexpr CPhrase WithoutFinal
    = TESSALY_PHRASE("GroupReportContent", "Без итоговых приоритетов (сравнения не связывают элементы): %1");
constexpr CPhrase Spread = TESSALY_PHRASE("GroupReportContent", "«%1» и «%2»: ГСО %3");
//: Under a combined judgement: the geometric standard deviation of the experts' judgements
constexpr CPhrase SpreadValue = TESSALY_PHRASE("GroupReportContent", "ГСО %1");
constexpr CPhrase GoalHeading = TESSALY_PHRASE("GroupReportContent", "Цель «%1»");
constexpr CPhrase ElementHeading = TESSALY_PHRASE("GroupReportContent", "«%1»: уровень %2, № %3");
//: %1 is the acceptable limit, %2 names the experts
constexpr CPhrase ExpertRatiosAbove = TESSALY_PHRASE("GroupReportContent", "ОС выше допустимой (%1): %2");
constexpr CPhrase GroupWithoutPriorities
    = TESSALY_PHRASE("GroupReportContent", "У группы нет приоритетов: её сравнения не связывают элементы");
//: %1 is the group's λmax, CI and CR
constexpr CPhrase MeasuresWithGci = TESSALY_PHRASE("GroupReportContent", "%1; геометрический индекс: %2");
constexpr CPhrase WithoutFinalPriorities = TESSALY_PHRASE("GroupReportContent", "нет итоговых приоритетов");

std::string Number(std::size_t n)
{
    return std::to_string(n);
}

// Experts by their number from 1.
std::string ExpertNumber(std::size_t expert)
{
    return std::to_string(expert + 1);
}

std::string Labels(const CGroupDecision& decision, std::span<const std::size_t> experts)
{
    std::string text;
    for (const std::size_t k : experts) {
        text += text.empty() ? "" : ", ";
        text += decision.Member(k).Label;
    }
    return text;
}

std::string PercentText(double percent, char decimalSeparator)
{
    return Say(Percent, FormatTruncated(percent, 1, decimalSeparator));
}

// A priority, weight or measure as every output shows it.
std::string Shown(double x, char decimalSeparator)
{
    return FormatTruncated(x, 4, decimalSeparator);
}

std::string Numbered(std::uint32_t index, const std::string& name)
{
    return std::to_string(index + 1) + ". " + name;
}

// The names of the level below an element, by position; under a tree's criterion what it
// compares.
std::vector<std::string> ChildNames(const CGroupDecision& decision, const CGroupElementResult& element)
{
    if (!decision.Layered()) {
        return GroupComparedNames(decision, element.Node);
    }
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < element.Aggregate.Order; ++i) {
        names.push_back(decision.Model().Element(i, element.Slot.Level + 1).Name);
    }
    return names;
}

// The first column's caption of an element's tables: the level below it, or what a tree's
// criterion compares.
std::string ComparedCaption(const CGroupDecision& decision, const CGroupElementResult& element)
{
    if (decision.Layered()) {
        return Say(LevelElementsCaption, Number(element.Slot.Level + 1));
    }
    // As a tree's own judgement tables head theirs.
    const CHierarchy& hierarchy = decision.Hierarchy();
    if (hierarchy.IsCovering(element.Node)) {
        return Tr(AlternativeCaption);
    }
    return Tr(element.Node == CHierarchy::GoalNode ? CriterionCaption : SubcriterionCaption);
}

// The level an element stands on: a layered slot's, or a tree's depth.
std::uint32_t LevelOf(const CGroupDecision& decision, const CGroupElementResult& element)
{
    return decision.Layered() ? element.Slot.Level : decision.Hierarchy().Level(element.Node);
}

// Each alternative's place (1 = best) in a ranking, by position; 0 for one not in it.
std::vector<std::uint32_t> PlacesOf(std::span<const CResultRow> ranking, std::uint32_t alternatives)
{
    std::vector<std::uint32_t> places(alternatives, 0);
    for (std::size_t r = 0; r < ranking.size(); ++r) {
        if (ranking[r].Position < alternatives) {
            places[ranking[r].Position] = static_cast<std::uint32_t>(r + 1);
        }
    }
    return places;
}

// "0.4926 (1)", or "—" when the column has no figures.
std::string PriorityAndPlace(const CRankedFigure& figure, char sep)
{
    if (!figure.Priority || figure.Place == 0) {
        return NoFigureText;
    }
    return Shown(*figure.Priority, sep) + " (" + std::to_string(figure.Place) + ")";
}

// The entry i of a vector; none where the vector has none.
std::optional<double> EntryOf(std::span<const double> vector, std::size_t i)
{
    return i < vector.size() ? std::optional<double>(vector[i]) : std::nullopt;
}

// Places by a vector of scores, the highest first, equal scores in the alternatives' order.
std::vector<std::uint32_t> PlacesByScore(std::span<const double> scores, std::uint32_t alternatives)
{
    std::vector<std::uint32_t> places(alternatives, 0);
    if (scores.size() != alternatives) {
        return places;
    }
    std::vector<std::uint32_t> order(alternatives);
    for (std::uint32_t a = 0; a < alternatives; ++a) {
        order[a] = a;
    }
    std::stable_sort(
        order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) { return scores[x] > scores[y]; });
    for (std::uint32_t r = 0; r < alternatives; ++r) {
        places[order[r]] = r + 1;
    }
    return places;
}

bool GroupHasPrioritiesAtSlot(const CGroupResult& result, const CElementSlot& slot)
{
    const EPrioritiesBasis basis = result.Group.Basis(slot.Position, slot.Level);
    return basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
}
} // namespace

bool GroupNodeHasPriorities(const CGroupResult& result, std::uint32_t node)
{
    const EPrioritiesBasis basis = result.Nodes.Node(node).Basis;
    return basis == EPrioritiesBasis::AllJudged || basis == EPrioritiesBasis::LeastSquares;
}

std::vector<std::string> GroupComparedNames(const CGroupDecision& decision, std::uint32_t node)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    std::vector<std::string> names;
    if (hierarchy.IsCovering(node)) {
        for (const CAlternative& alternative : hierarchy.Alternatives()) {
            names.push_back(alternative.Name);
        }
    } else {
        for (const std::uint32_t child : hierarchy.Node(node).Children) {
            names.push_back(hierarchy.Node(child).Name);
        }
    }
    return names;
}

std::string GroupNodePath(const CGroupDecision& decision, std::uint32_t node)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    if (node == CHierarchy::GoalNode) {
        return hierarchy.Goal().Name;
    }
    std::string text;
    for (const std::string& name : hierarchy.Path(node)) {
        text += text.empty() ? "" : " / ";
        text += name;
    }
    return text;
}

std::vector<std::uint32_t> GroupNodesDepthFirst(const CGroupDecision& decision)
{
    const CHierarchy& hierarchy = decision.Hierarchy();
    std::vector<std::uint32_t> order;
    if (hierarchy.NodeCount() == 0) {
        return order;
    }
    std::vector<std::uint32_t> pending{CHierarchy::GoalNode};
    while (!pending.empty()) {
        const std::uint32_t node = pending.back();
        pending.pop_back();
        order.push_back(node);
        const std::vector<std::uint32_t>& children = hierarchy.Node(node).Children;
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}

std::vector<std::size_t> GroupElementOrder(const CGroupDecision& decision)
{
    const std::vector<CGroupElementResult>& elements = decision.Result().Elements;
    std::vector<std::size_t> order;
    if (decision.Layered()) {
        for (std::size_t e = 0; e < elements.size(); ++e) {
            order.push_back(e);
        }
        return order;
    }
    std::vector<std::optional<std::size_t>> elementOf(decision.Hierarchy().NodeCount());
    for (std::size_t e = 0; e < elements.size(); ++e) {
        elementOf[elements[e].Node] = e;
    }
    for (const std::uint32_t node : GroupNodesDepthFirst(decision)) {
        if (elementOf[node]) {
            order.push_back(*elementOf[node]);
        }
    }
    return order;
}

std::string GroupWindowCaption(const std::string& name)
{
    return Say(GroupCaption, name);
}

std::string StructureDifferenceText(
    const CStructureDifference& difference, const std::string& memberName, const std::string& referenceName)
{
    const CStructureDifference& d = difference;
    const auto count = static_cast<int>(d.MemberCount);
    const std::string& member = memberName;
    const std::string& reference = referenceName;
    switch (d.What) {
    case EStructureDifference::LevelCount:
        return SayCount(LevelCountDiffers, count, member, reference, Number(d.ReferenceCount));
    case EStructureDifference::LevelElementCount:
        return SayCount(LevelElementCountDiffers, count, member, Number(d.Level), reference, Number(d.ReferenceCount));
    case EStructureDifference::ElementName:
        return Say(
            ElementNameDiffers, member, Number(d.Level), Number(d.Index + 1), d.MemberName, reference, d.ReferenceName);
    case EStructureDifference::Shape:
        return Say(d.MemberTree ? TreeAmongLayers : LayersAmongTrees, member, reference);
    case EStructureDifference::GoalName:
        return Say(GoalNameDiffers, member, d.MemberName, reference, d.ReferenceName);
    case EStructureDifference::SubcriterionCount:
        return SayCount(SubcriterionCountDiffers, count, member, d.Path, reference, Number(d.ReferenceCount));
    case EStructureDifference::SubcriterionName:
        return Say(
            SubcriterionNameDiffers, member, d.Path, Number(d.Index + 1), d.MemberName, reference, d.ReferenceName);
    case EStructureDifference::AlternativeCount:
        return SayCount(AlternativeCountDiffers, count, member, reference, Number(d.ReferenceCount));
    case EStructureDifference::AlternativeName:
        return Say(AlternativeNameDiffers, member, Number(d.Index + 1), d.MemberName, reference, d.ReferenceName);
    case EStructureDifference::Evaluation:
        return Say(d.MemberRated ? RatedAmongCompared : ComparedAmongRated, member, reference);
    case EStructureDifference::ScaleCount:
        return SayCount(ScaleCountDiffers, count, member, reference, Number(d.ReferenceCount));
    case EStructureDifference::ScaleId:
        return Say(ScaleIdDiffers, member, Number(d.Index + 1), d.MemberName, reference, d.ReferenceName);
    case EStructureDifference::IntensityCount:
        return SayCount(IntensityCountDiffers, count, member, d.Scale, reference, Number(d.ReferenceCount));
    case EStructureDifference::IntensityName:
        return Say(
            IntensityNameDiffers, member, d.Scale, Number(d.Index + 1), d.MemberName, reference, d.ReferenceName);
    case EStructureDifference::CriterionScale:
        return Say(CriterionScaleDiffers, member, d.Path, d.MemberName, reference, d.ReferenceName);
    }
    return {};
}

std::optional<std::string> StructureDifference(const CUserProjectModel& reference, const std::string& referenceName,
    const CUserProjectModel& member, const std::string& memberName)
{
    const std::optional<CStructureDifference> difference = FirstStructureDifference(reference, member);
    return difference ? std::optional(StructureDifferenceText(*difference, memberName, referenceName)) : std::nullopt;
}

std::optional<std::string> HierarchyDifference(const CHierarchy& reference, const std::string& referenceName,
    const CHierarchy& member, const std::string& memberName)
{
    const std::optional<CStructureDifference> difference = FirstHierarchyDifference(reference, member);
    return difference ? std::optional(StructureDifferenceText(*difference, memberName, referenceName)) : std::nullopt;
}

std::string GroupProblemText(const CGroupProblem& problem)
{
    const std::string expert = ExpertNumber(problem.Expert);
    switch (problem.Kind) {
    case EGroupProblem::None:
        break;
    case EGroupProblem::MemberList:
        return problem.Text;
    case EGroupProblem::WithoutFile:
        return Say(ExpertWithoutFile, expert);
    case EGroupProblem::Weight:
        return Say(ExpertWeightRefusal, expert, ExpertWeightRangeText);
    case EGroupProblem::SameFile:
        return Say(ExpertSameFile, expert, problem.File, ExpertNumber(problem.OtherExpert));
    case EGroupProblem::MixedKinds:
        return Say(problem.Layered ? ExpertLayersAmongTrees : ExpertTreeAmongLayers, expert, problem.File,
            problem.ReferenceFile);
    case EGroupProblem::WithoutHierarchy:
        return Say(ExpertWithoutHierarchy, expert);
    case EGroupProblem::Differs:
        return StructureDifferenceText(problem.Difference, problem.File, problem.ReferenceFile);
    }
    return {};
}

CGroupProblem::operator std::string() const
{
    return GroupProblemText(*this);
}

bool operator==(const CGroupProblem& problem, std::string_view text)
{
    return GroupProblemText(problem) == text;
}

std::ostream& operator<<(std::ostream& stream, const CGroupProblem& problem)
{
    return stream << GroupProblemText(problem);
}

std::string RankingProblemText(const CRankingProblem& problem)
{
    switch (problem.Kind) {
    case ERankingProblem::None:
        break;
    case ERankingProblem::NotConnected:
        return Say(NoGroupRanking, NotConnectedText(problem.NodeName, problem.Graph, problem.Names));
    case ERankingProblem::NoExpertIncluded:
        return Say(NoGroupRanking, Tr(NoExpertIncluded));
    case ERankingProblem::NotComputable:
        return Say(NoGroupRanking, Tr(NotComputable));
    }
    return {};
}

bool operator==(const CRankingProblem& problem, std::string_view text)
{
    return RankingProblemText(problem) == text;
}

std::ostream& operator<<(std::ostream& stream, const CRankingProblem& problem)
{
    return stream << RankingProblemText(problem);
}

std::string ExpertNameProblemText(const CExpertNameProblem& problem)
{
    const std::string line = Number(problem.Line);
    switch (problem.Kind) {
    case EExpertNameProblem::None:
        break;
    case EExpertNameProblem::NoNames:
        return Tr(NoExpertNames);
    case EExpertNameProblem::NotText:
        return Say(NameNotText, line);
    case EExpertNameProblem::Dots:
        return Say(NameOfDots, line);
    case EExpertNameProblem::ControlCharacter:
        return Say(NameWithControlCharacter, line);
    case EExpertNameProblem::Slash:
        return Say(NameWithSlash, line, problem.Name);
    case EExpertNameProblem::Hidden:
        return Say(HiddenName, line, problem.Name);
    case EExpertNameProblem::TooLong:
        return Say(NameTooLong, line, problem.Name);
    case EExpertNameProblem::Empty:
        return Say(EmptyName, line);
    case EExpertNameProblem::Repeated:
        return Say(RepeatedName, line, problem.Name, Number(problem.EarlierLine));
    }
    return {};
}

bool operator==(const CExpertNameProblem& problem, std::string_view text)
{
    return ExpertNameProblemText(problem) == text;
}

std::ostream& operator<<(std::ostream& stream, const CExpertNameProblem& problem)
{
    return stream << ExpertNameProblemText(problem);
}

std::string ExpertFileRefusalText(const CExpertFileRefusal& refusal)
{
    switch (refusal.Kind) {
    case EExpertFileRefusal::None:
        break;
    case EExpertFileRefusal::OpenProject:
        return Say(OpenProjectInTheWay, refusal.File) + ' ' + Tr(OtherNameOrFolder);
    case EExpertFileRefusal::NotExpertFile:
        return Say(OtherFileInTheWay, refusal.File) + ' ' + Tr(OtherNameOrFolder);
    }
    return {};
}

bool operator==(const CExpertFileRefusal& refusal, std::string_view text)
{
    return ExpertFileRefusalText(refusal) == text;
}

std::ostream& operator<<(std::ostream& stream, const CExpertFileRefusal& refusal)
{
    return stream << ExpertFileRefusalText(refusal);
}

std::string UnreadableMemberText(std::size_t expert, const std::string& label, const std::string& message)
{
    return Say(UnreadableMember, ExpertNumber(expert), label, message);
}

std::string UnreadableMemberLine(std::size_t expert, const std::string& label, const std::string& message,
    const std::string& file, const std::string& reason)
{
    std::string line = UnreadableMemberText(expert, label, message) + " (" + file;
    if (!reason.empty()) {
        line += ": " + reason;
    }
    return line + ")";
}

std::string MoreProblemsText(std::size_t more)
{
    const std::string digits = std::to_string(more);
    std::string grouped;
    // Thousands apart, as the number is read: 99 997.
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ' ';
        }
        grouped += digits[i];
    }
    return Say(MoreProblems, grouped);
}

CPhrase ConsensusBandPhrase(EConsensusBand band)
{
    switch (band) {
    case EConsensusBand::VeryLow:
        return TESSALY_PHRASE("GroupReportContent", "очень низкое согласие");
    case EConsensusBand::Low:
        return TESSALY_PHRASE("GroupReportContent", "низкое согласие");
    case EConsensusBand::Moderate:
        return TESSALY_PHRASE("GroupReportContent", "умеренное согласие");
    case EConsensusBand::High:
        return TESSALY_PHRASE("GroupReportContent", "высокое согласие");
    case EConsensusBand::VeryHigh:
        return TESSALY_PHRASE("GroupReportContent", "очень высокое согласие");
    }
    return {};
}

CPhrase ConsensusBandNamePhrase(EConsensusBand band)
{
    switch (band) {
    case EConsensusBand::VeryLow:
        //: The consensus band alone, as in "очень низкое согласие"
        return TESSALY_PHRASE("GroupReportContent", "очень низкое");
    case EConsensusBand::Low:
        return TESSALY_PHRASE("GroupReportContent", "низкое");
    case EConsensusBand::Moderate:
        return TESSALY_PHRASE("GroupReportContent", "умеренное");
    case EConsensusBand::High:
        return TESSALY_PHRASE("GroupReportContent", "высокое");
    case EConsensusBand::VeryHigh:
        return TESSALY_PHRASE("GroupReportContent", "очень высокое");
    }
    return {};
}

// A context of their own: W's "умеренное согласие" is an agreement on the order, S*'s the
// same words a consensus, and other languages tell the two apart.
CPhrase ConcordanceBandPhrase(EConcordanceBand band)
{
    switch (band) {
    case EConcordanceBand::VeryWeak:
        return TESSALY_PHRASE("ConcordanceBand", "очень слабое согласие");
    case EConcordanceBand::Weak:
        return TESSALY_PHRASE("ConcordanceBand", "слабое согласие");
    case EConcordanceBand::Moderate:
        return TESSALY_PHRASE("ConcordanceBand", "умеренное согласие");
    case EConcordanceBand::Strong:
        return TESSALY_PHRASE("ConcordanceBand", "сильное согласие");
    case EConcordanceBand::VeryStrong:
        return TESSALY_PHRASE("ConcordanceBand", "очень сильное согласие");
    }
    return {};
}

const char* ConsensusBandName(EConsensusBand band)
{
    return ConsensusBandNamePhrase(band).Source;
}

const char* ConsensusBandText(EConsensusBand band)
{
    return ConsensusBandPhrase(band).Source;
}

const char* ConcordanceBandText(EConcordanceBand band)
{
    return ConcordanceBandPhrase(band).Source;
}

std::string ConsensusPercentText(double sStar, char decimalSeparator)
{
    return PercentText(ShownConsensusPercent(sStar), decimalSeparator);
}

std::string ConsensusText(double sStar, char decimalSeparator)
{
    return ConsensusPercentText(sStar, decimalSeparator) + " (" + Tr(ConsensusBandPhrase(ConsensusBandOf(sStar))) + ")";
}

std::string OverallConsensusLine(const CGroupDecision& decision, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (decision.ExpertCount() < 2) {
        return Tr(OneExpertConsensus);
    }
    if (!result.OverallConsensus) {
        return Tr(NoRankingConsensus);
    }
    return Say(OverallAgreement, ConsensusText(*result.OverallConsensus, decimalSeparator));
}

std::string FinalAgreementLine(const CGroupDecision& decision, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (decision.ExpertCount() < 2) {
        return Tr(OneExpertHomogeneity);
    }
    if (!result.FinalAgreement) {
        return Tr(FewFinalHomogeneity);
    }
    return Say(FinalHomogeneity, ConsensusText(result.FinalAgreement->SStar, decimalSeparator),
        PercentText(ShownConsensusPercent(result.FinalAgreement->S), decimalSeparator));
}

std::string KendallLine(const CGroupDecision& decision, char decimalSeparator)
{
    const std::optional<double>& w = decision.Result().KendallW;
    if (!w) {
        return Tr(FewFinalConcordance);
    }
    return Say(Concordance, Shown(*w, decimalSeparator), Tr(ConcordanceBandPhrase(ConcordanceBandOf(*w))));
}

std::string GroupUnacceptableWarning(const CGroupDecision& decision, char decimalSeparator)
{
    if (decision.ExpertCount() == 0) {
        return {};
    }
    if (decision.Layered()) {
        return UnacceptableWarningText(decision.Model(), decision.Result().Unacceptable, decimalSeparator);
    }
    // A tree's matrices named by their paths, in the sentence a layered project's get.
    const CGroupResult& result = decision.Result();
    const std::vector<CUnacceptableNode>& unacceptable = result.UnacceptableNodes;
    if (unacceptable.empty()) {
        return {};
    }
    // A large tree may have hundreds: the first few are named, the rest counted.
    const std::size_t named = std::min(unacceptable.size(), MaxNamedProblems);
    std::string matrices;
    for (std::size_t k = 0; k < named; ++k) {
        const CUnacceptableNode& matrix = unacceptable[k];
        const bool goal = matrix.Node == CHierarchy::GoalNode;
        const CPhrase& phrase = matrix.Completed ? (goal ? UnacceptableCompletedGoal : UnacceptableCompletedCriterion)
                                                 : (goal ? UnacceptableGoal : UnacceptableCriterion);
        matrices += k == 0 ? "" : "; ";
        matrices += Say(phrase, GroupNodePath(decision, matrix.Node), Shown(matrix.Cr, decimalSeparator),
            Shown(matrix.CrLimit, decimalSeparator));
    }
    if (named < unacceptable.size()) {
        matrices += "; " + MoreProblemsText(unacceptable.size() - named);
    }
    return SayCount(UnacceptableMatricesWarning, static_cast<int>(unacceptable.size()), Number(result.Elements.size()),
               matrices)
        + ' ' + Tr(ReviewJudgements);
}

std::string LeftOutText(
    const CGroupDecision& decision, const std::string& elementName, std::span<const std::size_t> experts)
{
    if (experts.empty()) {
        return {};
    }
    // One expert or several, whatever their number: not a plural by count.
    return Say(experts.size() == 1 ? ExpertLeftOut : ExpertsLeftOut, elementName, Labels(decision, experts));
}

std::string WithoutFinalText(const CGroupDecision& decision)
{
    const std::vector<std::size_t> without = decision.ExpertsWithoutFinal();
    if (without.empty()) {
        return {};
    }
    return Say(WithoutFinal, Labels(decision, without));
}

std::string DistancesText(
    const CGroupDecision& decision, std::span<const CExpertDistance> distances, char decimalSeparator)
{
    std::string text;
    for (const CExpertDistance& distance : distances) {
        text += text.empty() ? "" : ", ";
        text += decision.Member(distance.Expert).Label + " " + FormatTruncated(distance.Distance, 4, decimalSeparator);
    }
    return text;
}

std::string SpreadText(const std::string& rowName, const std::string& columnName, double spread, char decimalSeparator)
{
    return Say(Spread, rowName, columnName, FormatTruncated(spread, 4, decimalSeparator));
}

std::string GroupElementName(const CGroupDecision& decision, const CElementSlot& slot)
{
    const std::string& name = decision.Model().Element(slot.Position, slot.Level).Name;
    return slot.Level == 0 ? name : Numbered(slot.Position, name);
}

std::string GroupElementLabel(const CGroupDecision& decision, std::size_t element)
{
    const CGroupElementResult& shown = decision.Result().Elements[element];
    return decision.Layered() ? GroupElementName(decision, shown.Slot) : GroupNodePath(decision, shown.Node);
}

std::string GroupElementHeading(const CGroupDecision& decision, std::size_t element)
{
    const CGroupElementResult& shown = decision.Result().Elements[element];
    if (decision.Layered()) {
        const CElementSlot& slot = shown.Slot;
        const std::string& name = decision.Model().Element(slot.Position, slot.Level).Name;
        return slot.Level == 0 ? Say(GoalHeading, name)
                               : Say(ElementHeading, name, Number(slot.Level), Number(slot.Position + 1));
    }
    return NodeHeading(decision.Hierarchy(), shown.Node);
}

CReportTable GroupMembersTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {Tr(NumberCaption), Tr(ExpertCaption), Tr(FileCaption), Tr(WeightCaption), Tr(ShareCaption)};
    const CGroupResult& result = decision.Result();
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        const CGroupMember& member = decision.Member(k);
        table.Rows.push_back(
            {std::to_string(k + 1), member.Label, member.File, FormatGeneral(member.Weight, decimalSeparator),
                k < result.Weights.size() ? Shown(result.Weights[k], decimalSeparator) : NoFigureText});
    }
    return table;
}

std::vector<CGroupRankingRow> GroupRankingRows(const CGroupDecision& decision)
{
    std::vector<CGroupRankingRow> rows;
    if (decision.ExpertCount() == 0) {
        return rows;
    }
    const CGroupResult& result = decision.Result();
    const std::uint32_t alternatives = decision.Hierarchy().AlternativeCount();

    const std::vector<std::uint32_t> groupPlaces = PlacesOf(result.RankingRows, alternatives);
    const CGroupRatings* rated = result.Ratings ? &*result.Ratings : nullptr;
    std::vector<std::pair<std::span<const double>, std::vector<std::uint32_t>>> columns;
    if (rated != nullptr) {
        columns.emplace_back(rated->Shares, std::vector<std::uint32_t>(alternatives, 0));
        columns.emplace_back(rated->MeanScores, PlacesByScore(rated->MeanScores, alternatives));
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            const std::span<const double> own = k < rated->ExpertScores.size()
                ? std::span<const double>(rated->ExpertScores[k])
                : std::span<const double>();
            columns.emplace_back(own, PlacesByScore(own, alternatives));
        }
    } else {
        columns.emplace_back(result.AipArithmetic, PlacesOf(result.AipArithmeticRows, alternatives));
        columns.emplace_back(result.AipGeometric, PlacesOf(result.AipGeometricRows, alternatives));
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            columns.emplace_back(decision.ExpertFinal(k), PlacesOf(decision.ExpertRankingRows(k), alternatives));
        }
    }

    // In the group's ranking order; without one, in the alternatives' order.
    const bool ranked = !result.RankingRows.empty();
    for (std::uint32_t i = 0; i < (ranked ? result.RankingRows.size() : alternatives); ++i) {
        const std::uint32_t a = ranked ? result.RankingRows[i].Position : i;
        CGroupRankingRow row{
            a, {EntryOf(rated != nullptr ? rated->Scores : result.Nodes.Distributive(), a), groupPlaces[a]}, {}};
        row.NotAllRated = rated != nullptr && a < rated->NotRatedCounts.size() && rated->NotRatedCounts[a] != 0;
        for (const auto& [priorities, places] : columns) {
            row.Columns.push_back({EntryOf(priorities, a), places[a]});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CReportTable GroupRankingTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    const bool rated = decision.Result().Ratings.has_value();
    table.Header = rated ? std::vector<std::string>{Tr(PlaceCaption), Tr(AlternativeCaption), Tr(GroupScoreCaption),
                       Tr(RatingShareCaption), Tr(MeanScoreCaption)}
                         : std::vector<std::string>{Tr(PlaceCaption), Tr(AlternativeCaption), Tr(GroupPriorityCaption),
                             Tr(AipArithmeticCaptionPhrase), Tr(AipGeometricCaptionPhrase)};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        table.Header.push_back(decision.Member(k).Label);
    }
    if (rated) {
        table.Header.push_back(Tr(RatingNoteCaption));
    }
    for (const CGroupRankingRow& ranked : GroupRankingRows(decision)) {
        const bool placed = ranked.Group.Place != 0;
        std::vector<std::string> row{placed ? std::to_string(ranked.Group.Place) : NoFigureText,
            decision.Hierarchy().Alternatives()[ranked.Alternative].Name,
            placed ? Shown(*ranked.Group.Priority, decimalSeparator) : NoFigureText};
        for (std::size_t c = 0; c < ranked.Columns.size(); ++c) {
            const CRankedFigure& column = ranked.Columns[c];
            // A rated group's share goes without a place.
            row.push_back(rated && c == 0 ? (column.Priority ? Shown(*column.Priority, decimalSeparator) : NoFigureText)
                                          : PriorityAndPlace(column, decimalSeparator));
        }
        if (rated) {
            row.emplace_back(ranked.NotAllRated ? Tr(NotAllRatedMark) : "");
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

CReportTable GroupElementsTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {Tr(LevelCaption), Tr(ElementCaption), Tr(ConsensusCaptionPhrase), Tr(GroupRatioCaptionPhrase),
        Tr(LargestExpertRatioCaptionPhrase), Tr(WidestSpreadCaptionPhrase)};
    const CGroupResult& result = decision.Result();
    for (const std::size_t e : GroupElementOrder(decision)) {
        const CGroupElementResult& element = result.Elements[e];
        std::vector<std::string> row{std::to_string(LevelOf(decision, element)), GroupElementLabel(decision, e)};
        row.emplace_back(element.Consensus ? ConsensusText(element.Consensus->SStar, decimalSeparator) : NoFigureText);
        row.emplace_back(GroupNodeHasPriorities(result, element.Node)
                ? Shown(result.Nodes.Node(element.Node).Measures.CR, decimalSeparator)
                : NoFigureText);
        if (element.LargestCrExpert) {
            const std::size_t k = *element.LargestCrExpert;
            row.emplace_back(Shown(decision.ExpertNodeResults(k).Node(element.Node).Measures.CR, decimalSeparator)
                + " (" + decision.Member(k).Label + ")");
        } else {
            row.emplace_back(NoFigureText);
        }
        if (element.WidestSpread) {
            const CElementPair& pair = *element.WidestSpread;
            const std::vector<std::string> names = ChildNames(decision, element);
            row.emplace_back(SpreadText(names[pair.Row], names[pair.Column],
                element.Aggregate.Spread[pair.Row][pair.Column].value_or(1.0), decimalSeparator));
        } else {
            row.emplace_back(NoFigureText);
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

CReportTable AggregatedMatrixTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    CReportTable table;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return table;
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    const CElementSlot& slot = aggregated.Slot;
    const std::uint32_t n = aggregated.Aggregate.Order;
    const bool layered = decision.Layered();
    const bool has = layered ? GroupHasPrioritiesAtSlot(result, slot) : GroupNodeHasPriorities(result, aggregated.Node);
    const std::span<const double> priority = layered
        ? std::span<const double>(result.Group.LevelData(slot.Position, slot.Level).Priority)
        : std::span<const double>(result.Nodes.Node(aggregated.Node).Local);
    const std::vector<std::string> names = ChildNames(decision, aggregated);
    table.Header.push_back(ComparedCaption(decision, aggregated));
    for (std::uint32_t c = 0; c < n; ++c) {
        table.Header.push_back(std::to_string(c + 1));
    }
    table.Header.push_back(Tr(PriorityCaption));
    for (std::uint32_t r = 0; r < n; ++r) {
        std::vector<std::string> row{Numbered(r, names[r])};
        for (std::uint32_t c = 0; c < n; ++c) {
            const CJudgement& judgement = aggregated.Aggregate.Judgements(r, c);
            std::string cell
                = !judgement.IsJudged() ? std::string(NoFigureText) : JudgementText(judgement, decimalSeparator);
            if (r < c && aggregated.Aggregate.Spread[r][c]) {
                // Appended piece by piece: GCC 12 takes "literal" + string here for an
                // overlapping copy (-Wrestrict) in optimised builds.
                cell += '\n';
                cell += Say(SpreadValue, Shown(*aggregated.Aggregate.Spread[r][c], decimalSeparator));
            }
            row.push_back(std::move(cell));
        }
        row.emplace_back(has ? Shown(priority[r], decimalSeparator) : NoFigureText);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::vector<std::vector<std::optional<double>>> ExpertVectorsRows(const CGroupDecision& decision, std::size_t element)
{
    std::vector<std::vector<std::optional<double>>> rows;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return rows;
    }
    const std::uint32_t node = result.Elements[element].Node;
    const std::uint32_t n = result.Elements[element].Aggregate.Order;
    const CNodeResult& group = result.Nodes.Node(node);
    const bool has = GroupNodeHasPriorities(result, node);
    for (std::uint32_t r = 0; r <= n; ++r) {
        const bool ratioRow = r == n;
        std::vector<std::optional<double>> row{
            has ? std::optional<double>(ratioRow ? group.Measures.CR : group.Local[r]) : std::nullopt};
        for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
            const std::span<const double> own = decision.ExpertElementPriorities(k, element);
            if (own.empty()) {
                row.emplace_back();
            } else if (ratioRow) {
                row.emplace_back(decision.ExpertNodeResults(k).Node(node).Measures.CR);
            } else {
                row.emplace_back(EntryOf(own, r));
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

CReportTable ExpertVectorsTable(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    CReportTable table;
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return table;
    }
    const std::vector<std::string> names = ChildNames(decision, result.Elements[element]);
    table.Header = {ComparedCaption(decision, result.Elements[element]), Tr(GroupPriorityCaption)};
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        table.Header.push_back(decision.Member(k).Label);
    }
    const std::vector<std::vector<std::optional<double>>> figures = ExpertVectorsRows(decision, element);
    for (std::uint32_t r = 0; r < figures.size(); ++r) {
        std::vector<std::string> row{r == names.size() ? Tr(ConsistencyRatioTerm) : Numbered(r, names[r])};
        for (const std::optional<double>& figure : figures[r]) {
            row.emplace_back(figure ? Shown(*figure, decimalSeparator) : NoFigureText);
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

bool ExpertRatioAboveLimit(const CGroupDecision& decision, std::size_t expert, const CElementSlot& slot)
{
    const CGroupResult& result = decision.Result();
    const CGroupElementResult* element = result.ElementAt(slot);
    return element != nullptr
        && ExpertElementRatioAboveLimit(decision, expert, static_cast<std::size_t>(element - result.Elements.data()));
}

bool ExpertElementRatioAboveLimit(const CGroupDecision& decision, std::size_t expert, std::size_t element)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return false;
    }
    const std::span<const double> own = decision.ExpertElementPriorities(expert, element);
    if (own.empty()) {
        return false;
    }
    const auto n = static_cast<std::uint32_t>(own.size());
    return decision.ExpertNodeResults(expert).Node(result.Elements[element].Node).Measures.CR
        > ConsistencyRatioLimit(n);
}

std::string ExpertRatioWarning(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return {};
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    std::vector<std::size_t> above;
    for (std::size_t k = 0; k < decision.ExpertCount(); ++k) {
        if (ExpertElementRatioAboveLimit(decision, k, element)) {
            above.push_back(k);
        }
    }
    if (above.empty()) {
        return {};
    }
    return Say(ExpertRatiosAbove, FormatGeneral(ConsistencyRatioLimit(aggregated.Aggregate.Order), decimalSeparator),
        Labels(decision, above));
}

std::string GroupMeasuresText(const CGroupDecision& decision, std::size_t element, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (element >= result.Elements.size()) {
        return {};
    }
    const CGroupElementResult& aggregated = result.Elements[element];
    const CElementSlot& slot = aggregated.Slot;
    const bool layered = decision.Layered();
    if (layered ? !GroupHasPrioritiesAtSlot(result, slot) : !GroupNodeHasPriorities(result, aggregated.Node)) {
        return Tr(GroupWithoutPriorities);
    }
    TDesicionLevelData measures;
    if (layered) {
        measures = result.Group.LevelData(slot.Position, slot.Level);
    } else {
        const CConsistency& node = result.Nodes.Node(aggregated.Node).Measures;
        measures.LambdaMax = node.LambdaMax;
        measures.CI = node.CI;
        measures.CR = node.CR;
    }
    std::string text = MeasuresText(measures, decimalSeparator);
    return aggregated.Gci ? Say(MeasuresWithGci, text, Shown(*aggregated.Gci, decimalSeparator)) : text;
}

std::string ExpertRankingText(const CGroupDecision& decision, std::size_t expert, char decimalSeparator)
{
    const CResultList& ranking = decision.ExpertRanking(expert);
    if (ranking.Count == 0) {
        return Tr(WithoutFinalPriorities);
    }
    // A rated expert's ranking follows his shares; what he gave each alternative is its score.
    const std::optional<CGroupRatings>& rated = decision.Result().Ratings;
    const std::vector<double>* scores
        = rated && expert < rated->ExpertScores.size() ? &rated->ExpertScores[expert] : nullptr;
    std::string text;
    for (std::uint32_t r = 0; r < ranking.Count; ++r) {
        const std::uint32_t a = ranking.Rows[r].Position;
        const double value = scores != nullptr && a < scores->size() ? (*scores)[a] : ranking.Rows[r].Value;
        text += text.empty() ? "" : ", ";
        text += ranking.Rows[r].Name + " " + Shown(value, decimalSeparator);
    }
    return text;
}

CReportTable GroupDistancesTable(const CGroupDecision& decision, char decimalSeparator)
{
    CReportTable table;
    table.Header = {Tr(LevelCaption), Tr(ElementCaption), Tr(DistanceCaptionPhrase)};
    for (const std::size_t e : GroupElementOrder(decision)) {
        const CGroupElementResult& element = decision.Result().Elements[e];
        table.Rows.push_back({std::to_string(LevelOf(decision, element)), GroupElementLabel(decision, e),
            element.Distances.empty() ? std::string(NoFigureText)
                                      : DistancesText(decision, element.Distances, decimalSeparator)});
    }
    return table;
}
