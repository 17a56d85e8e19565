#include "judgement/CJudgingSession.h"

#include "judgement/ExpertScaleTable.h"
#include "model/CProjectDocument.h"
#include "results/LocalPriorities.h"

#include <array>

namespace {
const std::string NoName;
} // namespace

CJudgingSession::CJudgingSession()
{
    WorkingJudgements.FillOnes();
}

bool CJudgingSession::Open(CProjectDocument& document, std::uint32_t position, std::uint32_t level)
{
    CUserProjectModel& model = document.Model();
    if (!model.HasLevelBelow(position, level)) {
        return false;
    }
    const std::uint32_t n = model.ElementsInLevelChecked(level + 1);
    if (n == 0) {
        return false;
    }
    Document = &document;
    Position = position;
    Level = level;
    MatrixOrder = n;
    const TMatrix<int>& judgements = model.Element(position, level).Judgements;
    for (std::uint32_t r = 0; r < n && r < judgements.RowCountInUse(); ++r) {
        for (std::uint32_t c = 0; c < n && c < judgements.ColCountInUse(); ++c) {
            WorkingJudgements(r, c) = judgements(r, c);
        }
    }
    ComputeLocalPriorities(model, position, level, n);
    ComputeConsistency(model, position, level, n);
    TakeShown();
    return true;
}

void CJudgingSession::Close()
{
    if (Document == nullptr) {
        return;
    }
    Document->CommitJudgements(Position, Level, WorkingJudgements);
    Document = nullptr;
}

const std::string& CJudgingSession::JudgedName() const
{
    return Document != nullptr ? Document->Model().Element(Position, Level).Name : NoName;
}

const std::string& CJudgingSession::ComparedName(std::uint32_t k) const
{
    if (Document == nullptr || k >= MatrixOrder || Level + 1 >= MaxLevels) {
        return NoName;
    }
    return Document->Model().Element(k, Level + 1).Name;
}

bool CJudgingSession::SetJudgement(std::uint32_t r, std::uint32_t c, std::int32_t value)
{
    if (r == c || r >= MatrixOrder || c >= MatrixOrder || !IsScaleValue(value)) {
        return false;
    }
    // The mirror cell holds the same judgement seen from the other side.
    WorkingJudgements(r, c) = value;
    WorkingJudgements(c, r) = value == 1 ? 1 : -value;
    return true;
}

std::int32_t CJudgingSession::ScaleLineFor(std::uint32_t r, std::uint32_t c) const
{
    return ScaleValueToLine(WorkingJudgements(r, c));
}

void CJudgingSession::Apply()
{
    if (Document == nullptr) {
        return;
    }
    CUserProjectModel& model = Document->Model();
    const std::uint32_t n = model.ElementsInLevel(Level + 1);
    Document->CommitJudgements(Position, Level, WorkingJudgements);
    ComputeLocalPriorities(model, Position, Level, n);
    ComputeConsistency(model, Position, Level, n);
    TakeShown();
}

CConsistencyGuidance CJudgingSession::Guidance() const
{
    if (MatrixOrder == 0) {
        return CConsistencyGuidance{};
    }
    std::array<double, MaxElementsPerLevel> priority{};
    ComputeLocalPriorities(WorkingJudgements, MatrixOrder, priority.data());
    return GuideConsistency(WorkingJudgements, MatrixOrder, priority.data());
}

void CJudgingSession::TakeShown()
{
    ShownData = Document->Model().LevelData(Position, Level);
}
