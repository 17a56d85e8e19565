#pragma once

#include "core/judgement/CSuggestionOffer.h"
#include "core/judgement/CWorkingHistory.h"
#include "core/model/CJudgement.h"
#include "core/model/HierarchyLimits.h"
#include "core/model/ModelConstants.h"
#include "core/model/TDesicionLevelData.h"
#include "core/results/CHierarchyResults.h"
#include "core/results/ConsistencyGuidance.h"
#include "core/results/IncompleteJudgements.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class CProjectDocument;

// A step of the current cell with the arrow keys.
enum class ECellMove { Up, Down, Left, Right };

// Judging one element: the pairwise judgements of the n elements of the level below
// it (or, in a tree of criteria, of a criterion's children or of the alternatives under
// a covering criterion; n up to 20), edited in a working matrix. Opening loads the
// element's leading n x n block and computes its priorities and consistency; a
// judgement is set together with its mirror; Apply copies the working matrix into the
// element and recomputes; closing commits it into the element however the judging
// ended. It names the compared elements for every window of the judging, and offers the
// judgements to change, remembering which were accepted. Every change of the working
// matrix can be taken back and made again, one at a time, while the judging is open.
// One session serves the comparison window for the whole run and keeps its working
// matrix between openings.
class CJudgingSession {
public:
    CJudgingSession();

    // False, and nothing opened, for an element with no level below it.
    bool Open(CProjectDocument& document, std::uint32_t position, std::uint32_t level);
    // A criterion of a tree document (the goal included). False, and nothing opened, for
    // a layered document, a node outside the tree, or a single child (never judged).
    bool OpenNode(CProjectDocument& document, std::uint32_t node);
    // The intensities of a rated tree's scale; closing stores its judgements through the
    // document's scale edit. False, and nothing opened, for a scale the tree has not.
    bool OpenScale(CProjectDocument& document, std::uint32_t scale);
    [[nodiscard]] bool IsOpen() const { return Document != nullptr; }
    // The judged n x n block of the working matrix into the element, then the session
    // forgets the document. An opening that changed no judgement changes nothing.
    void Close();

    [[nodiscard]] std::uint32_t Order() const { return MatrixOrder; }
    [[nodiscard]] std::uint32_t JudgedPosition() const { return Position; }
    [[nodiscard]] std::uint32_t JudgedLevel() const { return Level; }
    // The judged criterion of a tree; none for a layered element.
    [[nodiscard]] const std::optional<std::uint32_t>& JudgedNode() const { return Node; }
    // The judged scale of a rated tree; none otherwise.
    [[nodiscard]] const std::optional<std::uint32_t>& JudgedScale() const { return Scale; }
    [[nodiscard]] const std::string& JudgedName() const;
    // The name of the k-th compared element (row and column k).
    [[nodiscard]] const std::string& ComparedName(std::uint32_t k) const;

    [[nodiscard]] const CJudgementMatrix& Working() const { return WorkingJudgements; }
    [[nodiscard]] const CJudgement& Judgement(std::uint32_t r, std::uint32_t c) const
    {
        return WorkingJudgements(r, c);
    }
    // Cell [r][c] := value and its mirror [c][r] := -value (1 for equality), exactly as a
    // line of the verbal scale is entered. False, and nothing changed, on the diagonal,
    // outside the order, or for a value the scale does not offer. A judgement that
    // differs from the one there is a change to undo.
    bool SetJudgement(std::uint32_t r, std::uint32_t c, std::int32_t value);
    // Cell [r][c] and its mirror := "не задано": the pair is left out; a pending '/' or
    // '-' is dropped. False, and nothing changed, on the diagonal or outside the order.
    bool ClearJudgement(std::uint32_t r, std::uint32_t c);
    // Whether the pair (r, c) is left out in the working matrix.
    [[nodiscard]] bool IsLeftOut(std::uint32_t r, std::uint32_t c) const;
    // The scale line to preselect for cell [r][c].
    [[nodiscard]] std::int32_t ScaleLineFor(std::uint32_t r, std::uint32_t c) const;

    // The current cell, where keyboard entry goes: row 1, column 2 when the session opens.
    [[nodiscard]] std::uint32_t CurrentRow() const { return CurrentCellRow; }
    [[nodiscard]] std::uint32_t CurrentColumn() const { return CurrentCellColumn; }
    // A click: any cell of the table becomes current, the diagonal too (it takes no
    // judgement). A cell outside the order is ignored.
    void SetCurrent(std::uint32_t r, std::uint32_t c);
    // The arrows: the nearest off-diagonal cell that way; at the edge the cell stays.
    void MoveCurrent(ECellMove move);
    // Tab and Shift+Tab: the next or previous cell of the upper triangle in reading
    // order, round from the last to the first and back.
    void NextCell();
    void PreviousCell();
    // A typed character: '1'..'9' judges the current cell in favour of its row element,
    // '/' or '-' followed by '2'..'9' in favour of its column element, with the mirror as
    // the scale enters it; '0' leaves the current pair out. After any of them the current
    // cell moves to the next upper cell, so that a row of typed digits fills a row of
    // cells whatever they are. True when a judgement was set or cleared. Anything else
    // drops a pending '/' or '-'.
    bool TypeCharacter(char ch);
    // A '/' or '-' typed and waiting for its digit.
    [[nodiscard]] bool ReciprocalTyped() const { return ReciprocalPending; }

    // The element's judged block := the working matrix's; the document's results for it
    // are shown.
    void Apply();
    // The priorities and measures as last shown: those of the opening or the last Apply,
    // as the document's results hold them. Shown() and ShownMatrix() are the layered
    // window's: of a matrix over more than nine elements they hold the first nine
    // priorities and nothing; ShownResult() and ShownWideMatrix() hold every order.
    [[nodiscard]] const TDesicionLevelData& Shown() const { return ShownData; }
    [[nodiscard]] const CNodeResult& ShownResult() const { return ShownNode; }
    // What the shown figures rest on: the applied judgements' graph and completed matrix.
    [[nodiscard]] const CMatrixPriorities& ShownMatrix() const { return ShownFound; }
    [[nodiscard]] const CWideMatrixPriorities& ShownWideMatrix() const { return ShownWideFound; }
    // The priorities of the working matrix as it stands, found as Apply will find them
    // (least squares when pairs are left out); the first nine, and all of them.
    [[nodiscard]] std::array<double, MaxElementsPerLevel> WorkingPriorities() const;
    [[nodiscard]] std::array<double, MaxMatrixOrder> WideWorkingPriorities() const;
    // The verdict and the judgements to change for the working matrix as it stands,
    // with its own priorities: after Apply those are the shown ones, and a suggestion's
    // CR is what Apply will show once it is accepted. Of a matrix the guidance cannot
    // vary whole (its order not the one asked), only the measures and the verdict.
    [[nodiscard]] CConsistencyGuidance Guidance() const;

    // The suggestions for the working matrix as it stands, offered afresh: none of them
    // accepted yet. What was accepted before in this judging stays in Suggestions().
    const CConsistencyGuidance& OfferSuggestions();
    // The list offered last, which of it was accepted, and the cells accepting changed
    // since the judging opened. Opening another judging clears it.
    [[nodiscard]] const CSuggestionOffer& Suggestions() const { return Offer; }
    // While the judging is open, each offered suggestion can be accepted once.
    [[nodiscard]] bool CanAcceptSuggestion(std::uint32_t index) const;
    // Enters offered suggestion index as its line of the scale would be entered (the cell
    // and its mirror) and remembers it as accepted. False, and nothing changed, when it
    // cannot be accepted.
    bool AcceptSuggestion(std::uint32_t index);
    // Whether the pair (r, c), either way round, holds a judgement written by accepting a
    // suggestion in this judging, not changed since.
    [[nodiscard]] bool ChangedByAccepting(std::uint32_t r, std::uint32_t c) const;

    // Undo inside the judging: the last change of the working matrix (a scale line, a
    // typed judgement, an accepted suggestion) taken back, or the last one taken back
    // made again, with the suggestion's acceptance when it was one. Its pair becomes the
    // current cell. False when there is none. The element itself changes on Apply and at
    // the end of the judging, as for any change; opening a judging starts afresh.
    bool UndoChange();
    bool RedoChange();
    [[nodiscard]] bool CanUndoChange() const { return IsOpen() && History.CanUndo(); }
    [[nodiscard]] bool CanRedoChange() const { return IsOpen() && History.CanRedo(); }

private:
    // Both openings: the judged block of order n into the working matrix.
    void Begin(CProjectDocument& document, const CJudgementMatrix& judgements, std::uint32_t n);
    // The judged n x n block of the working matrix into the element or the node.
    void Commit();
    [[nodiscard]] const CJudgementMatrix& StoredJudgements() const;
    void TakeShown();
    void MoveTo(std::uint32_t r, std::uint32_t c);
    // The cell and its mirror written, with no history kept.
    bool Write(std::uint32_t r, std::uint32_t c, std::int32_t value);
    // The pair (r, c) as it stands now, before a change of it.
    [[nodiscard]] CWorkingChange ChangeFrom(std::uint32_t r, std::uint32_t c) const;
    // The pair's cells put back as the change left them (after) or found them.
    void PutBack(const CWorkingChange& change, bool after);

    CJudgementMatrix WorkingJudgements{MaxMatrixOrder, MaxMatrixOrder};
    TDesicionLevelData ShownData;
    CNodeResult ShownNode;
    CMatrixPriorities ShownFound;
    CWideMatrixPriorities ShownWideFound;
    CSuggestionOffer Offer;
    CWorkingHistory History;
    CProjectDocument* Document = nullptr;
    std::uint32_t MatrixOrder = 0;
    std::uint32_t Position = 0;
    std::uint32_t Level = 0;
    std::optional<std::uint32_t> Node;
    std::optional<std::uint32_t> Scale;
    std::uint32_t CurrentCellRow = 0;
    std::uint32_t CurrentCellColumn = 0;
    // A '/' or '-' typed: the next digit judges for the column element.
    bool ReciprocalPending = false;
};
