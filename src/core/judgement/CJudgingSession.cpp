#include "core/judgement/CJudgingSession.h"

#include "core/document/CProjectDocument.h"
#include "core/judgement/ExpertScaleTable.h"
#include "core/results/IncompleteJudgements.h"
#include "core/results/LocalPriorities.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <utility>

namespace {
const std::string NoName;

// The verdict of a matrix wider than the guidance can yet vary: its measures (of the
// completed matrix when pairs are left out) against its limit, with no suggestions.
CConsistencyGuidance WideMeasuresOnly(const CJudgementMatrix& judgements, std::uint32_t n)
{
    CConsistencyGuidance guidance;
    guidance.Order = n;
    guidance.CrLimit = ConsistencyRatioLimit(n);
    guidance.GciLimit = GeometricIndexLimit(n);
    const CWideMatrixPriorities found = ComputeWideMatrixPriorities(judgements, n);
    if (!found.HasPriorities()) {
        guidance.HoldsZero = true;
        guidance.NotConnected = found.Basis == EPrioritiesBasis::NotConnected;
        guidance.Verdict = EConsistencyVerdict::Undetermined;
        return guidance;
    }
    guidance.Completed = found.Basis == EPrioritiesBasis::LeastSquares;
    guidance.Measures = found.Measures;
    guidance.Verdict = guidance.Measures.CR <= guidance.CrLimit ? EConsistencyVerdict::Acceptable
                                                                : EConsistencyVerdict::NotAcceptable;
    return guidance;
}
} // namespace

CJudgingSession::CJudgingSession()
{
    WorkingJudgements.FillOnes();
}

bool CJudgingSession::Open(CProjectDocument& document, std::uint32_t position, std::uint32_t level)
{
    const CUserProjectModel& model = document.Model();
    if (!model.HasLevelBelow(position, level)) {
        return false;
    }
    const std::uint32_t n = model.ElementsInLevelChecked(level + 1);
    if (n == 0) {
        return false;
    }
    Position = position;
    Level = level;
    Node.reset();
    Scale.reset();
    Begin(document, model.Element(position, level).Judgements, n);
    return true;
}

bool CJudgingSession::OpenNode(CProjectDocument& document, std::uint32_t node)
{
    if (!document.IsTree() || node >= document.Tree().NodeCount()) {
        return false;
    }
    const CHierarchy& tree = document.Tree();
    const std::uint32_t n = tree.ComparedCount(node);
    if (n < 2 || n > MaxMatrixOrder) {
        return false;
    }
    Position = 0;
    Level = tree.Level(node);
    Node = node;
    Scale.reset();
    Begin(document, tree.Node(node).Judgements, n);
    return true;
}

bool CJudgingSession::OpenScale(CProjectDocument& document, std::uint32_t scale)
{
    if (!document.IsTree() || scale >= document.Tree().Scales().size()) {
        return false;
    }
    const CRatingScale& judged = document.Tree().Scales()[scale];
    Position = 0;
    Level = 0;
    Node.reset();
    Scale = scale;
    Begin(document, judged.Judgements, static_cast<std::uint32_t>(judged.Intensities.size()));
    return true;
}

void CJudgingSession::Begin(CProjectDocument& document, const CJudgementMatrix& judgements, std::uint32_t n)
{
    Document = &document;
    MatrixOrder = n;
    MoveTo(0, 1);
    Offer.Clear();
    History.Clear();
    for (std::uint32_t r = 0; r < n && r < judgements.RowCountInUse(); ++r) {
        for (std::uint32_t c = 0; c < n && c < judgements.ColCountInUse(); ++c) {
            WorkingJudgements(r, c) = judgements(r, c);
        }
    }
    TakeShown();
}

void CJudgingSession::Commit()
{
    if (Scale) {
        CRatingScale judged = Document->Tree().Scales()[*Scale];
        for (std::uint32_t r = 0; r < MatrixOrder; ++r) {
            for (std::uint32_t c = 0; c < MatrixOrder; ++c) {
                judged.Judgements(r, c) = WorkingJudgements(r, c);
            }
        }
        Document->SetScale(*Scale, judged);
        return;
    }
    if (!Node) {
        Document->CommitJudgements(Position, Level, WorkingJudgements, MatrixOrder);
        return;
    }
    // A node takes its whole matrix, of its order.
    CJudgementMatrix block(MatrixOrder, MatrixOrder);
    for (std::uint32_t r = 0; r < MatrixOrder; ++r) {
        for (std::uint32_t c = 0; c < MatrixOrder; ++c) {
            block(r, c) = WorkingJudgements(r, c);
        }
    }
    Document->SetNodeJudgements(*Node, block);
}

const CJudgementMatrix& CJudgingSession::StoredJudgements() const
{
    if (Scale) {
        return Document->Tree().Scales()[*Scale].Judgements;
    }
    return Node ? Document->Tree().Node(*Node).Judgements : Document->Model().Element(Position, Level).Judgements;
}

void CJudgingSession::Close()
{
    if (Document == nullptr) {
        return;
    }
    Commit();
    Document = nullptr;
}

const std::string& CJudgingSession::JudgedName() const
{
    if (Document == nullptr) {
        return NoName;
    }
    if (Scale) {
        return Document->Tree().Scales()[*Scale].Name;
    }
    return Node ? Document->Tree().Node(*Node).Name : Document->Model().Element(Position, Level).Name;
}

const std::string& CJudgingSession::ComparedName(std::uint32_t k) const
{
    if (Document == nullptr || k >= MatrixOrder) {
        return NoName;
    }
    if (Scale) {
        return Document->Tree().Scales()[*Scale].Intensities[k];
    }
    if (Node) {
        const CHierarchy& tree = Document->Tree();
        return tree.IsCovering(*Node) ? tree.Alternatives()[k].Name : tree.Node(tree.Node(*Node).Children[k]).Name;
    }
    if (Level + 1 >= MaxLevels) {
        return NoName;
    }
    return Document->Model().Element(k, Level + 1).Name;
}

bool CJudgingSession::Write(std::uint32_t r, std::uint32_t c, std::int32_t value)
{
    if (r == c || r >= MatrixOrder || c >= MatrixOrder || !IsScaleValue(value)) {
        return false;
    }
    // The mirror cell holds the same judgement seen from the other side.
    WorkingJudgements(r, c) = CJudgement::FromCode(value);
    WorkingJudgements(c, r) = WorkingJudgements(r, c).Mirror();
    return true;
}

bool CJudgingSession::ClearJudgement(std::uint32_t r, std::uint32_t c)
{
    // Clearing a cell drops a pending '/' or '-', as every other key does.
    ReciprocalPending = false;
    if (r == c || r >= MatrixOrder || c >= MatrixOrder) {
        return false;
    }
    CWorkingChange change = ChangeFrom(r, c);
    WorkingJudgements(r, c) = CJudgement::NotJudged();
    WorkingJudgements(c, r) = CJudgement::NotJudged();
    change.After = WorkingJudgements(r, c);
    change.MirrorAfter = WorkingJudgements(c, r);
    // A pair left out is a change to take back like a typed one.
    if (change.After != change.Before || change.MirrorAfter != change.MirrorBefore) {
        History.Record(std::move(change));
    }
    return true;
}

bool CJudgingSession::IsLeftOut(std::uint32_t r, std::uint32_t c) const
{
    return r != c && r < MatrixOrder && c < MatrixOrder && !WorkingJudgements(r, c).IsJudged()
        && !WorkingJudgements(c, r).IsJudged();
}

CWorkingChange CJudgingSession::ChangeFrom(std::uint32_t r, std::uint32_t c) const
{
    CWorkingChange change;
    change.Row = r;
    change.Column = c;
    change.Before = WorkingJudgements(r, c);
    change.MirrorBefore = WorkingJudgements(c, r);
    return change;
}

bool CJudgingSession::SetJudgement(std::uint32_t r, std::uint32_t c, std::int32_t value)
{
    if (r >= MatrixOrder || c >= MatrixOrder) {
        return false;
    }
    CWorkingChange change = ChangeFrom(r, c);
    if (!Write(r, c, value)) {
        return false;
    }
    change.After = WorkingJudgements(r, c);
    change.MirrorAfter = WorkingJudgements(c, r);
    // The same judgement entered again changes nothing to take back.
    if (change.After != change.Before || change.MirrorAfter != change.MirrorBefore) {
        History.Record(std::move(change));
    }
    return true;
}

void CJudgingSession::PutBack(const CWorkingChange& change, bool after)
{
    WorkingJudgements(change.Row, change.Column) = after ? change.After : change.Before;
    WorkingJudgements(change.Column, change.Row) = after ? change.MirrorAfter : change.MirrorBefore;
    if (change.Offer != nullptr) {
        Offer.TakeAcceptanceFrom(after ? change.Offer->After : change.Offer->Before);
    }
    MoveTo(change.Row, change.Column);
}

bool CJudgingSession::UndoChange()
{
    if (!CanUndoChange()) {
        return false;
    }
    PutBack(*History.Undo(), false);
    return true;
}

bool CJudgingSession::RedoChange()
{
    if (!CanRedoChange()) {
        return false;
    }
    PutBack(*History.Redo(), true);
    return true;
}

std::int32_t CJudgingSession::ScaleLineFor(std::uint32_t r, std::uint32_t c) const
{
    return ScaleValueToLine(WorkingJudgements(r, c).Code());
}

void CJudgingSession::MoveTo(std::uint32_t r, std::uint32_t c)
{
    CurrentCellRow = r;
    CurrentCellColumn = c;
    ReciprocalPending = false;
}

void CJudgingSession::SetCurrent(std::uint32_t r, std::uint32_t c)
{
    if (r < MatrixOrder && c < MatrixOrder) {
        MoveTo(r, c);
    }
}

void CJudgingSession::MoveCurrent(ECellMove move)
{
    const int dr = move == ECellMove::Up ? -1 : move == ECellMove::Down ? 1 : 0;
    const int dc = move == ECellMove::Left ? -1 : move == ECellMove::Right ? 1 : 0;
    const auto n = static_cast<int>(MatrixOrder);
    int r = static_cast<int>(CurrentCellRow) + dr;
    int c = static_cast<int>(CurrentCellColumn) + dc;
    if (r == c) {
        // The diagonal compares an element with itself: step over it.
        r += dr;
        c += dc;
    }
    if (r >= 0 && c >= 0 && r < n && c < n) {
        MoveTo(static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(c));
    } else {
        ReciprocalPending = false;
    }
}

void CJudgingSession::NextCell()
{
    if (MatrixOrder < 2) {
        return;
    }
    // The first upper cell after the current one in reading order (r < c).
    std::uint32_t r = CurrentCellRow;
    std::uint32_t c = CurrentCellColumn + 1;
    if (c <= r) {
        c = r + 1;
    }
    if (c >= MatrixOrder) {
        ++r;
        c = r + 1;
    }
    if (r + 1 >= MatrixOrder) {
        r = 0;
        c = 1;
    }
    MoveTo(r, c);
}

void CJudgingSession::PreviousCell()
{
    if (MatrixOrder < 2) {
        return;
    }
    // The last upper cell before the current one in reading order.
    std::uint32_t r = CurrentCellRow;
    std::uint32_t c = CurrentCellColumn;
    if (c > r + 1) {
        MoveTo(r, c - 1);
        return;
    }
    if (r == 0) {
        r = MatrixOrder - 1;
    }
    MoveTo(r - 1, MatrixOrder - 1);
}

bool CJudgingSession::TypeCharacter(char ch)
{
    if (ch == '/' || ch == '-') {
        ReciprocalPending = true;
        return false;
    }
    const bool reciprocal = ReciprocalPending;
    ReciprocalPending = false;
    if (ch < '0' || ch > '9') {
        return false;
    }
    const std::int32_t digit = ch - '0';
    // '0' is a digit like the others: the pair left out, and the next cell is current.
    const bool entered = digit == 0 ? ClearJudgement(CurrentCellRow, CurrentCellColumn)
                                    : SetJudgement(CurrentCellRow, CurrentCellColumn, reciprocal ? -digit : digit);
    if (!entered) {
        return false;
    }
    NextCell();
    return true;
}

void CJudgingSession::Apply()
{
    if (Document == nullptr) {
        return;
    }
    Commit();
    TakeShown();
}

std::array<double, MaxElementsPerLevel> CJudgingSession::WorkingPriorities() const
{
    std::array<double, MaxElementsPerLevel> priority{};
    if (MatrixOrder == 0) {
        return priority;
    }
    if (MatrixOrder > MaxElementsPerLevel) {
        const std::array<double, MaxMatrixOrder> wide = WideWorkingPriorities();
        std::copy_n(wide.begin(), MaxElementsPerLevel, priority.begin());
        return priority;
    }
    // As the results find them: least squares only when a pair is left out (both cells 0).
    for (std::uint32_t i = 0; i < MatrixOrder; ++i) {
        for (std::uint32_t j = i + 1; j < MatrixOrder; ++j) {
            if (!WorkingJudgements(i, j).IsJudged() && !WorkingJudgements(j, i).IsJudged()) {
                return ComputeMatrixPriorities(WorkingJudgements, MatrixOrder).Priority;
            }
        }
    }
    ComputeLocalPriorities(WorkingJudgements, MatrixOrder, priority.data());
    return priority;
}

std::array<double, MaxMatrixOrder> CJudgingSession::WideWorkingPriorities() const
{
    std::array<double, MaxMatrixOrder> priority{};
    if (MatrixOrder <= MaxElementsPerLevel) {
        // The layered window's figures, exactly.
        const std::array<double, MaxElementsPerLevel> narrow = WorkingPriorities();
        std::copy(narrow.begin(), narrow.end(), priority.begin());
        return priority;
    }
    return ComputeWideMatrixPriorities(WorkingJudgements, MatrixOrder).Priority;
}

CConsistencyGuidance CJudgingSession::Guidance() const
{
    if (MatrixOrder == 0) {
        return CConsistencyGuidance{};
    }
    if (MatrixOrder <= MaxElementsPerLevel) {
        std::array<double, MaxElementsPerLevel> priority{};
        ComputeLocalPriorities(WorkingJudgements, MatrixOrder, priority.data());
        return GuideConsistency(WorkingJudgements, MatrixOrder, priority.data());
    }
    const std::array<double, MaxMatrixOrder> priority = WideWorkingPriorities();
    CConsistencyGuidance guidance = GuideConsistency(WorkingJudgements, MatrixOrder, priority.data());
    // A guidance that answers for fewer elements than the matrix has would speak of
    // another matrix: then only the measures and the verdict.
    return guidance.Order == MatrixOrder ? guidance : WideMeasuresOnly(WorkingJudgements, MatrixOrder);
}

const CConsistencyGuidance& CJudgingSession::OfferSuggestions()
{
    Offer.Offer(Guidance());
    return Offer.Offered();
}

bool CJudgingSession::CanAcceptSuggestion(std::uint32_t index) const
{
    return IsOpen() && index < Offer.Count() && !Offer.IsAccepted(index);
}

bool CJudgingSession::AcceptSuggestion(std::uint32_t index)
{
    if (!CanAcceptSuggestion(index)) {
        return false;
    }
    const CSuggestion& offered = Offer.Offered().Suggestions[index];
    if (offered.Row >= MatrixOrder || offered.Column >= MatrixOrder || offered.Row == offered.Column
        || !IsScaleValue(offered.Proposed)) {
        return false;
    }
    CWorkingChange change = ChangeFrom(offered.Row, offered.Column);
    auto offer = std::make_unique<COfferChange>();
    offer->Before = Offer;
    const CSuggestion* suggestion = Offer.Accept(index, change.Before);
    if (suggestion == nullptr || !Write(suggestion->Row, suggestion->Column, suggestion->Proposed)) {
        return false;
    }
    // Accepting is one change, the acceptance with it, even when the cell held the
    // proposed judgement already.
    change.After = WorkingJudgements(change.Row, change.Column);
    change.MirrorAfter = WorkingJudgements(change.Column, change.Row);
    offer->After = Offer;
    change.Offer = std::move(offer);
    History.Record(std::move(change));
    return true;
}

bool CJudgingSession::ChangedByAccepting(std::uint32_t r, std::uint32_t c) const
{
    const CAcceptedChange* change = Offer.ChangeOf(r, c);
    return change != nullptr && WorkingJudgements(change->Row, change->Column) == CJudgement::FromCode(change->Written);
}

void CJudgingSession::TakeShown()
{
    // The document's results follow its judgements: those of the opening or of the last Apply.
    const CJudgementMatrix& stored = StoredJudgements();
    ShownFound
        = MatrixOrder <= MaxElementsPerLevel ? ComputeMatrixPriorities(stored, MatrixOrder) : CMatrixPriorities{};
    ShownWideFound = ComputeWideMatrixPriorities(stored, MatrixOrder);
    if (Node || Scale) {
        ShownNode = Scale ? Document->RatingResults().Scales()[*Scale].Priorities : Document->TreeResults().Node(*Node);
        ShownData = TDesicionLevelData{};
        ShownData.LambdaMax = ShownNode.Measures.LambdaMax;
        ShownData.CI = ShownNode.Measures.CI;
        ShownData.CR = ShownNode.Measures.CR;
        std::copy_n(ShownNode.Local.begin(), std::min<std::size_t>(ShownNode.Local.size(), MaxElementsPerLevel),
            ShownData.Priority.begin());
        return;
    }
    ShownData = Document->Results().LevelData(Position, Level);
    ShownNode.Local.assign(ShownData.Priority.begin(), ShownData.Priority.begin() + MatrixOrder);
    ShownNode.Compared = true;
    ShownNode.Basis = ShownFound.Basis;
    ShownNode.Measures = CConsistency{ShownData.LambdaMax, ShownData.CI, ShownData.CR};
}
