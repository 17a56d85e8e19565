#include "core/model/CRatingScale.h"

#include "core/model/CHierarchy.h"
#include "core/model/HierarchyLimits.h"
#include "core/model/ModelPhrases.h"

#include <algorithm>
#include <set>

namespace {
// Code points of text already known to be UTF-8: every byte but the continuation bytes.
std::size_t CodePoints(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return count;
}
} // namespace

CRatingScale MakeRatingScale(const std::string& id, const std::string& name,
    const std::vector<std::string>& intensities, const std::vector<std::int32_t>& upperCodes)
{
    CRatingScale scale{id, name, intensities, EqualJudgements(static_cast<std::uint32_t>(intensities.size()))};
    const auto n = static_cast<std::uint32_t>(intensities.size());
    std::size_t k = 0;
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n && k < upperCodes.size(); ++c, ++k) {
            scale.Judgements(r, c) = CJudgement::FromCode(upperCodes[k]);
            scale.Judgements(c, r) = scale.Judgements(r, c).Mirror();
        }
    }
    return scale;
}

CModelProblem RatingScaleCheck(const CRatingScale& scale)
{
    if (scale.Id.empty() || TreeNameCheck(scale.Id)) {
        return EModelProblem::NoScaleId;
    }
    CModelProblem problem = TreeNameCheck(scale.Name);
    if (problem) {
        return problem;
    }
    const std::size_t n = scale.Intensities.size();
    if (n < MinScaleIntensities || n > MaxScaleIntensities) {
        return {EModelProblem::IntensityCount, scale.Name};
    }
    std::set<std::string> names;
    for (const std::string& intensity : scale.Intensities) {
        problem = TreeNameCheck(intensity);
        if (!problem && CodePoints(intensity) > MaxIntensityNameLength) {
            problem = CModelProblem::Beyond(EModelProblem::NameTooLong, MaxIntensityNameLength);
        }
        if (problem) {
            return problem;
        }
        if (!names.insert(intensity).second) {
            return {EModelProblem::IntensityNameTwice, intensity, scale.Name};
        }
    }
    if (scale.Judgements.RowCountInUse() != n || scale.Judgements.ColCountInUse() != n) {
        return EModelProblem::JudgementOrder;
    }
    return {};
}

std::string RatingScaleProblem(const CRatingScale& scale)
{
    return ModelProblemText(RatingScaleCheck(scale));
}

std::vector<CRatingScale> ReadyRatingScales()
{
    using namespace ModelPhrases;
    return {
        MakeRatingScale("s4", Tr(FourStepScale), {Tr(Excellent), Tr(Good), Tr(Fair), Tr(Poor)}, {2, 4, 6, 2, 4, 2}),
        MakeRatingScale("s5", Tr(FiveStepScale),
            {Tr(Excellent), Tr(AboveAverage), Tr(Average), Tr(BelowAverage), Tr(Poor)}, {2, 3, 5, 7, 2, 3, 5, 2, 3, 2}),
    };
}

std::string FreeScaleId(const std::vector<CRatingScale>& scales)
{
    for (std::size_t number = 1;; ++number) {
        std::string id = "s" + std::to_string(number);
        if (std::none_of(scales.begin(), scales.end(), [&id](const CRatingScale& scale) { return scale.Id == id; })) {
            return id;
        }
    }
}

CRatingScale WithIntensities(const CRatingScale& scale, const std::vector<std::string>& intensities)
{
    const auto n = static_cast<std::uint32_t>(intensities.size());
    CRatingScale changed{scale.Id, scale.Name, intensities, EqualJudgements(n)};
    // Where each new intensity stood before, if it did.
    std::vector<std::size_t> before(n, scale.Intensities.size());
    for (std::uint32_t k = 0; k < n; ++k) {
        before[k] = static_cast<std::size_t>(
            std::find(scale.Intensities.begin(), scale.Intensities.end(), intensities[k]) - scale.Intensities.begin());
    }
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = 0; c < n; ++c) {
            const auto oldR = static_cast<std::uint32_t>(before[r]);
            const auto oldC = static_cast<std::uint32_t>(before[c]);
            if (r != c && oldR < scale.Judgements.RowCountInUse() && oldC < scale.Judgements.ColCountInUse()) {
                changed.Judgements(r, c) = scale.Judgements(oldR, oldC);
            }
        }
    }
    return changed;
}
