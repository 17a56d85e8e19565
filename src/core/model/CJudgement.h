#pragma once

#include "core/model/JudgementValue.h"
#include "core/model/TMatrix.h"

#include <cstdint>

// One pairwise judgement as the computations take it: a code of the scale as files store
// it (v >= 1: the row element v times as important; -v: 1/v; 1: equal), the code 0 that
// stands for "не задано", or a real value combined from several experts' judgements,
// which no file stores. Every computation asks a judgement for its Value(); only the
// file layer and the windows that edit judgements look at codes.
class CJudgement {
public:
    constexpr CJudgement() = default; // equality: code 1

    [[nodiscard]] static constexpr CJudgement FromCode(std::int32_t code) { return CJudgement(code); }
    [[nodiscard]] static constexpr CJudgement NotJudged() { return CJudgement(0); }
    // A positive, finite value from combining judgements.
    [[nodiscard]] static CJudgement Combined(double value)
    {
        CJudgement judgement(0);
        judgement.Number = value;
        judgement.IsCombinedValue = true;
        return judgement;
    }

    // A code read from a file or picked on the scale; combined values have none (0).
    [[nodiscard]] constexpr std::int32_t Code() const { return IsCombinedValue ? 0 : StoredCode; }
    // The number the judgement stands for; 0 for the code 0, as a file's 0 always was.
    [[nodiscard]] constexpr double Value() const { return Number; }
    [[nodiscard]] constexpr bool IsCombined() const { return IsCombinedValue; }
    // False for the code 0 alone.
    [[nodiscard]] constexpr bool IsJudged() const { return IsCombinedValue || StoredCode != 0; }

    // The same judgement seen from the other element: v and -v, 1 and 1, 0 and 0, and
    // a combined x and 1 / x.
    [[nodiscard]] CJudgement Mirror() const
    {
        if (IsCombinedValue) {
            return Combined(1.0 / Number);
        }
        if (StoredCode == 1 || StoredCode == 0) {
            return *this;
        }
        // Through int64: -INT_MIN does not fit an int; a code that far out is no judgement.
        const std::int64_t mirrored = -static_cast<std::int64_t>(StoredCode);
        return FromCode(mirrored > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(mirrored));
    }

    constexpr bool operator==(const CJudgement& other) const
    {
        return StoredCode == other.StoredCode && IsCombinedValue == other.IsCombinedValue
            && (!IsCombinedValue || Number == other.Number);
    }

private:
    explicit constexpr CJudgement(std::int32_t code)
        : Number(JudgementValue(code))
        , StoredCode(code)
    {
    }

    double Number = 1.0;
    std::int32_t StoredCode = 1;
    bool IsCombinedValue = false;
};

template <> struct TMatrixCell<CJudgement> {
    static constexpr CJudgement One() { return CJudgement{}; }
    static constexpr CJudgement Zero() { return CJudgement::NotJudged(); }
};

using CJudgementMatrix = TMatrix<CJudgement>;

// Between judgements and the codes a file stores, cell by cell over the whole matrix.
// A combined value has no code and is stored as 0.
CJudgementMatrix JudgementsFromCodes(const TMatrix<int>& codes);
TMatrix<int> CodesOf(const CJudgementMatrix& judgements);
