#include "core/model/CJudgement.h"

CJudgementMatrix JudgementsFromCodes(const TMatrix<int>& codes)
{
    CJudgementMatrix judgements(codes.RowCountInUse(), codes.ColCountInUse());
    for (std::uint32_t r = 0; r < codes.RowCountInUse(); ++r) {
        for (std::uint32_t c = 0; c < codes.ColCountInUse(); ++c) {
            judgements(r, c) = CJudgement::FromCode(codes(r, c));
        }
    }
    return judgements;
}

TMatrix<int> CodesOf(const CJudgementMatrix& judgements)
{
    TMatrix<int> codes(judgements.RowCountInUse(), judgements.ColCountInUse());
    for (std::uint32_t r = 0; r < judgements.RowCountInUse(); ++r) {
        for (std::uint32_t c = 0; c < judgements.ColCountInUse(); ++c) {
            codes(r, c) = judgements(r, c).Code();
        }
    }
    return codes;
}
