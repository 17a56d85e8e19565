// Thousands of random structure commands against an independent list-of-levels model:
// after every command the grid's invariants hold, refused commands change nothing at
// all, and names, comments and judgements among surviving elements are where they
// should be. The same edits as undo steps: undone and redone, each puts back exactly
// the model of its step.
#include "core/document/CProjectDocument.h"
#include "core/model/CUserProjectModel.h"
#include "support/ModelEdits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {
const std::string Prefix = "ЭЛЕМЕНТ_";
const std::string NoComment = "Комментарии отсутствуют";

using Block = std::vector<std::vector<int>>;

Block Ones(std::size_t n)
{
    return Block(n, std::vector<int>(n, 1));
}

struct ShadowElement {
    std::string Name;
    std::string Comment;
    Block Judgements; // over the next level; meaningless on the last level
};

// The hierarchy as the commands describe it, levels as plain lists.
struct Shadow {
    std::vector<std::vector<ShadowElement>> Levels;

    [[nodiscard]] std::size_t Count(std::size_t k) const { return Levels[k].size(); }
    [[nodiscard]] std::size_t ChildCount(std::size_t k) const { return k + 1 < Levels.size() ? Count(k + 1) : 0; }

    void Build(std::size_t n, std::size_t levels, const std::string& goal)
    {
        Levels.assign(levels, {});
        Levels[0].push_back({goal, "", Ones(n)});
        for (std::size_t k = 1; k < levels; ++k) {
            for (std::size_t i = 0; i < n; ++i) {
                Levels[k].push_back({Prefix + std::to_string(i), NoComment, Ones(k + 1 < levels ? n : 0)});
            }
        }
    }
    void ResetLevel(std::size_t k)
    {
        for (auto& e : Levels[k]) {
            e.Judgements = Ones(ChildCount(k));
        }
    }
    std::vector<ShadowElement> NewLevel(std::size_t m, std::size_t children)
    {
        std::vector<ShadowElement> level;
        for (std::size_t i = 0; i < m; ++i) {
            level.push_back({Prefix + std::to_string(i), NoComment, Ones(children)});
        }
        return level;
    }
    EStructureResult AddElement(std::size_t k)
    {
        if (k == 0 || k >= Levels.size()) {
            return EStructureResult::NotApplicable;
        }
        const std::size_t n = Count(k);
        if (n == 9) {
            return EStructureResult::TooManyElements;
        }
        Levels[k].push_back({Prefix + std::to_string(n), NoComment, Ones(ChildCount(k))});
        for (auto& parent : Levels[k - 1]) {
            for (auto& row : parent.Judgements) {
                row.push_back(1);
            }
            parent.Judgements.emplace_back(n + 1, 1);
        }
        return EStructureResult::Done;
    }
    EStructureResult DeleteElement(std::size_t p, std::size_t k)
    {
        if (k == 0 || k >= Levels.size() || p >= Count(k)) {
            return EStructureResult::NotApplicable;
        }
        if (Count(k) == 2) {
            return EStructureResult::TooFewElements;
        }
        Levels[k].erase(Levels[k].begin() + static_cast<std::ptrdiff_t>(p));
        for (auto& parent : Levels[k - 1]) {
            parent.Judgements.erase(parent.Judgements.begin() + static_cast<std::ptrdiff_t>(p));
            for (auto& row : parent.Judgements) {
                row.erase(row.begin() + static_cast<std::ptrdiff_t>(p));
            }
        }
        return EStructureResult::Done;
    }
    EStructureResult AddLevel(std::size_t k, std::size_t m, bool before)
    {
        if (k == 0 || k >= Levels.size()) {
            return EStructureResult::NotApplicable;
        }
        if (Levels.size() == 10) {
            return EStructureResult::TooManyLevels;
        }
        if (m < 2 || m > 9) {
            return EStructureResult::NotApplicable;
        }
        // The new level goes in at index `at`; the level above it is re-judged from scratch.
        const std::size_t at = before ? k : k + 1;
        const std::size_t children = at < Levels.size() ? Count(at) : 0;
        Levels.insert(Levels.begin() + static_cast<std::ptrdiff_t>(at), NewLevel(m, children));
        ResetLevel(at - 1);
        return EStructureResult::Done;
    }
    EStructureResult DeleteLevel(std::size_t k)
    {
        if (k == 0 || k >= Levels.size()) {
            return EStructureResult::NotApplicable;
        }
        if (Levels.size() == 2) {
            return EStructureResult::TooFewLevels;
        }
        Levels.erase(Levels.begin() + static_cast<std::ptrdiff_t>(k));
        ResetLevel(k - 1);
        return EStructureResult::Done;
    }
};

// Everything a command could touch, compared field by field.
struct Snapshot {
    std::vector<std::string> Names;
    std::vector<std::string> Comments;
    std::vector<TMatrix<int>> Judgements;
    std::vector<std::uint32_t> Coordinates;
    std::vector<bool> InUse;
    std::vector<double> Results;
    std::vector<std::uint32_t> Scalars;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const CProjectDocument& document)
{
    const CUserProjectModel& m = document.Model();
    const CProjectResults& results = document.Results();
    Snapshot s;
    for (std::uint32_t e = 0; e < 9; ++e) {
        for (std::uint32_t k = 0; k < 10; ++k) {
            const CHierarchy_Element& el = m.Element(e, k);
            s.Names.push_back(el.Name);
            s.Comments.push_back(el.Comment);
            s.Judgements.push_back(CodesOf(el.Judgements));
            s.Coordinates.push_back(el.Position);
            s.Coordinates.push_back(el.Level);
            s.InUse.push_back(m.SlotInUse(e, k));
            // The results of the hierarchy in use: what lies beyond it is no result of it.
            if (m.HasLevelBelow(e, k)) {
                const TDesicionLevelData& r = results.LevelData(e, k);
                s.Results.push_back(r.LambdaMax);
                s.Results.push_back(r.CI);
                s.Results.push_back(r.CR);
                s.Results.insert(
                    s.Results.end(), r.Priority.begin(), r.Priority.begin() + m.ElementsInLevelChecked(k + 1));
            }
            s.Results.push_back(k > 0 && m.SlotInUse(e, k) ? results.GlobalPriority()(e, k) : 0.0);
        }
    }
    s.Scalars = {m.LevelCount(), m.Built() ? 1U : 0U, document.Modified() ? 1U : 0U, document.ClosingAll() ? 1U : 0U,
        document.AskSaveOnClose() ? 1U : 0U, m.FatalErrorRaised() ? 1U : 0U};
    return s;
}

// Invariants 2, 3 and 5 of the grid, then the shadow's names, comments and judgements.
void ExpectMatches(CUserProjectModel& m, const Shadow& shadow, int step)
{
    const std::uint32_t levels = m.LevelCount();
    ASSERT_EQ(levels, shadow.Levels.size()) << "step " << step;
    ASSERT_GE(levels, 2U);
    ASSERT_LE(levels, 10U);
    for (std::uint32_t k = 0; k < 10; ++k) {
        std::uint32_t n = 0;
        while (n < 9 && m.SlotInUse(n, k)) {
            ++n;
        }
        for (std::uint32_t e = n; e < 9; ++e) {
            ASSERT_FALSE(m.SlotInUse(e, k)) << "gap in level " << k << " at step " << step;
        }
        if (k == 0) {
            ASSERT_EQ(n, 1U) << "step " << step;
        } else if (k < levels) {
            ASSERT_GE(n, 2U) << "step " << step;
            ASSERT_LE(n, 9U);
        } else {
            ASSERT_EQ(n, 0U) << "level " << k << " at step " << step;
        }
        ASSERT_EQ(m.ElementsInLevel(k), n);
        for (std::uint32_t e = 0; e < 9; ++e) {
            ASSERT_EQ(m.Element(e, k).Position, e);
            ASSERT_EQ(m.Element(e, k).Level, k);
        }
    }
    for (std::uint32_t k = 0; k < levels; ++k) {
        ASSERT_EQ(m.ElementsInLevel(k), shadow.Count(k)) << "level " << k << " at step " << step;
        const std::size_t children = shadow.ChildCount(k);
        for (std::uint32_t e = 0; e < shadow.Count(k); ++e) {
            const ShadowElement& want = shadow.Levels[k][e];
            const CHierarchy_Element& got = m.Element(e, k);
            ASSERT_EQ(got.Name, want.Name) << e << "," << k << " at step " << step;
            ASSERT_EQ(got.Comment, want.Comment) << e << "," << k << " at step " << step;
            for (std::uint32_t r = 0; r < children; ++r) {
                for (std::uint32_t c = 0; c < children; ++c) {
                    ASSERT_EQ(got.Judgements(r, c).Code(), want.Judgements[r][c])
                        << "element " << e << "," << k << " cell " << r << "," << c << " at step " << step;
                }
            }
        }
    }
    ASSERT_FALSE(m.FatalErrorRaised());
}

int RandomCode(std::mt19937& rng)
{
    static const int codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -2, -3, -4, -5, -6, -7, -8, -9};
    return codes[std::uniform_int_distribution<int>(0, 16)(rng)];
}
// What RandomEdit did: a structure command with the result the shadow expects and the
// one the document gave, or a change of a judgement pair or of a name and comment.
struct CEdit {
    bool Structural = false;
    EStructureResult Expected = EStructureResult::Done;
    EStructureResult Got = EStructureResult::Done;
};

// One random edit, made on the document and described to the shadow: mostly a structure
// command on an element in use below the goal, sometimes on any slot (which no menu
// offers), now and then a judgement pair or a name and comment to give the data
// something to carry.
void RandomEdit(std::mt19937& rng, CProjectDocument& document, Shadow& shadow, int step, CEdit& edit)
{
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    CUserProjectModel& m = EditableModel(document);
    std::uint32_t p = 0;
    std::uint32_t k = 0;
    if (pick(0, 9) < 8) {
        k = static_cast<std::uint32_t>(pick(1, static_cast<int>(m.LevelCount()) - 1));
        p = static_cast<std::uint32_t>(pick(0, static_cast<int>(shadow.Count(k)) - 1));
    } else {
        p = static_cast<std::uint32_t>(pick(0, 8));
        k = static_cast<std::uint32_t>(pick(0, 9));
    }
    ASSERT_TRUE(m.CheckSlot(p, k));
    const int command = pick(0, 9);
    edit.Structural = command < 8;
    if (command >= 8) {
        if (k < m.LevelCount() && p < shadow.Count(k)) {
            const std::size_t children = shadow.ChildCount(k);
            if (command == 8 && children >= 2) {
                const auto r = static_cast<std::uint32_t>(pick(0, static_cast<int>(children) - 1));
                const auto c = static_cast<std::uint32_t>(pick(0, static_cast<int>(children) - 1));
                const int code = r == c ? 1 : RandomCode(rng);
                const int mirror = code == 1 ? 1 : -code;
                TMatrix<int> judgements = CodesOf(m.Element(p, k).Judgements);
                judgements(r, c) = code;
                judgements(c, r) = mirror;
                ASSERT_TRUE(m.SetJudgements(p, k, JudgementsFromCodes(judgements)));
                shadow.Levels[k][p].Judgements[r][c] = code;
                shadow.Levels[k][p].Judgements[c][r] = mirror;
            } else {
                // The name, the comment or both, so each can differ alone.
                const int which = pick(0, 2);
                ShadowElement& target = shadow.Levels[k][p];
                const std::string name = which == 1 ? target.Name : "N" + std::to_string(step);
                const std::string comment = which == 0 ? target.Comment : "комментарий " + std::to_string(step);
                ASSERT_TRUE(m.SetElementText(p, k, name, comment));
                if (which != 1) {
                    target.Name = name.substr(0, k == 0 ? 14 : 9);
                }
                target.Comment = comment;
            }
        }
        return;
    }
    if (command < 3) {
        edit.Expected = shadow.AddElement(k);
        edit.Got = document.AddElement(k);
    } else if (command < 6) {
        edit.Expected = shadow.DeleteElement(p, k);
        edit.Got = document.DeleteElement(p, k);
    } else if (command == 6) {
        const bool placeBefore = pick(0, 1) == 0;
        // Now and then a count the dialog cannot give.
        const auto count = static_cast<std::uint32_t>(pick(0, 20) == 0 ? pick(0, 12) : pick(2, 9));
        const std::size_t levelsBefore = shadow.Levels.size();
        const EStructureResult canAdd = m.CanAddLevel(k);
        edit.Expected = shadow.AddLevel(k, count, placeBefore);
        edit.Got = document.AddLevel(k, count, placeBefore);
        const EStructureResult canExpected = k == 0 || k >= levelsBefore ? EStructureResult::NotApplicable
            : levelsBefore == 10                                         ? EStructureResult::TooManyLevels
                                                                         : EStructureResult::Done;
        ASSERT_EQ(canAdd, canExpected);
    } else {
        edit.Expected = shadow.DeleteLevel(k);
        edit.Got = document.DeleteLevel(k);
    }
    ASSERT_EQ(edit.Got, edit.Expected) << "command " << command << " on " << p << "," << k << " at step " << step;
}
} // namespace

TEST(RandomStructureCommands, KeepInvariantsAndSurvivingJudgements)
{
    std::mt19937 rng(20261208U);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int done = 0;
    int refused = 0;
    int step = 0;
    for (int episode = 0; episode < 40; ++episode) {
        CProjectDocument document;
        CUserProjectModel& m = EditableModel(document);
        Shadow shadow;
        const auto n = static_cast<std::uint32_t>(pick(2, 9));
        const auto levels = static_cast<std::uint32_t>(pick(3, 10));
        m.BuildNewHierarchy(n, levels, "ЦЕЛЬ", "");
        shadow.Build(n, levels, "ЦЕЛЬ");
        for (int op = 0; op < 250; ++op, ++step) {
            document.MarkSaved();
            const Snapshot before = Take(document);
            CEdit edit;
            RandomEdit(rng, document, shadow, step, edit);
            if (HasFatalFailure()) {
                return;
            }
            if (!edit.Structural) {
                continue;
            }
            if (edit.Got == EStructureResult::Done) {
                ++done;
                ASSERT_TRUE(document.Modified());
            } else {
                ++refused;
                ASSERT_TRUE(Take(document) == before) << "a refused command changed the model at step " << step;
            }
            ExpectMatches(m, shadow, step);
            if (HasFatalFailure()) {
                return;
            }
        }
    }
    // The run must really exercise both sides.
    EXPECT_GT(done, 3000);
    EXPECT_GT(refused, 1000);
}

// The same random edits recorded as undo steps, with random chains of undo and redo in
// between: after every edit, undo and redo the model is exactly the one the test saw at
// that step (and matches the shadow of that step), and an edit that changed nothing
// records no step.
TEST(RandomStructureCommands, UndoAndRedoPutBackEveryStepExactly)
{
    std::mt19937 rng(20261209U);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    int recorded = 0;
    int undone = 0;
    int redone = 0;
    int step = 0;
    for (int episode = 0; episode < 16; ++episode) {
        CProjectDocument document;
        CUserProjectModel& m = EditableModel(document);
        Shadow shadow;
        const auto n = static_cast<std::uint32_t>(pick(2, 9));
        const auto levels = static_cast<std::uint32_t>(pick(3, 10));
        m.BuildNewHierarchy(n, levels, "ЦЕЛЬ", "");
        shadow.Build(n, levels, "ЦЕЛЬ");
        std::vector<Snapshot> states{Take(document)};
        std::vector<Shadow> shadows{shadow};
        std::vector<CHierarchyChange> changes;
        std::size_t at = 0; // the model is states[at]; changes[at..] are the steps to redo
        const auto expectState = [&](const char* what) {
            ASSERT_TRUE(document.Modified()) << what << " at step " << step;
            document.MarkSaved();
            ASSERT_TRUE(Take(document) == states[at]) << what << " to " << at << " at step " << step;
            ExpectMatches(m, shadows[at], step);
        };
        for (int op = 0; op < 250; ++op, ++step) {
            document.BeginStep();
            CEdit edit;
            RandomEdit(rng, document, shadow, step, edit);
            if (HasFatalFailure()) {
                return;
            }
            CHierarchyChange change = document.EndStep();
            document.MarkSaved();
            const Snapshot now = Take(document);
            ASSERT_EQ(change.Empty(), now == states[at]) << "step " << step;
            if (change.Empty()) {
                continue;
            }
            // A new step drops the ones undone before it.
            states.resize(at + 1);
            shadows.resize(at + 1);
            changes.resize(at);
            changes.push_back(std::move(change));
            states.push_back(now);
            shadows.push_back(shadow);
            ++at;
            ++recorded;
            if (pick(0, 2) != 0) {
                continue;
            }
            const auto back = static_cast<std::size_t>(pick(1, static_cast<int>(std::min<std::size_t>(at, 12))));
            for (std::size_t i = 0; i < back; ++i, ++undone) {
                document.UndoStep(changes[--at]);
                expectState("undo");
            }
            const auto again = static_cast<std::size_t>(pick(0, static_cast<int>(back)));
            for (std::size_t i = 0; i < again; ++i, ++redone) {
                document.RedoStep(changes[at++]);
                expectState("redo");
            }
            if (HasFatalFailure()) {
                return;
            }
            shadow = shadows[at];
        }
    }
    EXPECT_GT(recorded, 3000);
    EXPECT_GT(undone, 1500);
    EXPECT_GT(redone, 700);
}
