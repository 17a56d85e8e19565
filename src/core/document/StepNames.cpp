#include "core/document/StepNames.h"

#include "core/document/DocumentPhrases.h"

namespace {
using namespace DocumentPhrases;

// commentStep and step: the phrases of what is named, "изменение комментария элемента «%1»"
// and "изменение элемента «%1»".
std::string EditStepName(const CPhrase& commentStep, const CPhrase& step, const std::string& nameBefore,
    const std::string& nameAfter, bool commentChanged)
{
    const bool renamed = nameBefore != nameAfter;
    if (renamed && !commentChanged) {
        return Say(RenameStep, nameBefore, nameAfter);
    }
    return Say(!renamed && commentChanged ? commentStep : step, nameAfter);
}
} // namespace

std::string AddElementStepName(std::uint32_t level)
{
    return Say(AddElementStep, std::to_string(level));
}

std::string DeleteElementStepName(const std::string& name)
{
    return Say(DeleteElementStep, name);
}

std::string AddLevelStepName(std::uint32_t newLevel)
{
    return Say(AddLevelStep, std::to_string(newLevel));
}

std::string DeleteLevelStepName(std::uint32_t level)
{
    return Say(DeleteLevelStep, std::to_string(level));
}

std::string EditElementStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    return EditStepName(EditElementCommentStep, EditElementStep, nameBefore, nameAfter, commentChanged);
}

std::string JudgingStepName(const std::string& judgedName)
{
    return Say(JudgingStep, judgedName);
}

std::string AddCriterionStepName(const std::string& name)
{
    return Say(AddCriterionStep, name);
}

std::string RemoveCriterionStepName(const std::string& name)
{
    return Say(RemoveCriterionStep, name);
}

std::string MoveCriterionStepName(const std::string& name)
{
    return Say(MoveCriterionStep, name);
}

std::string EditCriterionStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    return EditStepName(EditCriterionCommentStep, EditCriterionStep, nameBefore, nameAfter, commentChanged);
}

std::string AddAlternativeStepName(const std::string& name)
{
    return Say(AddAlternativeStep, name);
}

std::string RemoveAlternativeStepName(const std::string& name)
{
    return Say(RemoveAlternativeStep, name);
}

std::string MoveAlternativeStepName(const std::string& name)
{
    return Say(MoveAlternativeStep, name);
}

std::string EditAlternativeStepName(const std::string& nameBefore, const std::string& nameAfter, bool commentChanged)
{
    return EditStepName(EditAlternativeCommentStep, EditAlternativeStep, nameBefore, nameAfter, commentChanged);
}

std::string ConvertToTreeStepName()
{
    return Tr(ConvertToTreeStep);
}

std::string EvaluationStepName(bool ratings)
{
    return Tr(ratings ? RatingsEvaluationStep : PairsEvaluationStep);
}

std::string RatingStepName(const std::string& alternative, const std::string& criterion)
{
    return Say(RatingStep, alternative, criterion);
}

std::string ImportRatingsStepName()
{
    return Tr(ImportRatingsStep);
}

std::string CriterionScaleStepName(const std::string& criterion)
{
    return Say(CriterionScaleStep, criterion);
}

std::string AddScaleStepName(const std::string& name)
{
    return Say(AddScaleStep, name);
}

std::string EditScaleStepName(const std::string& name)
{
    return Say(EditScaleStep, name);
}

std::string RemoveScaleStepName(const std::string& name)
{
    return Say(RemoveScaleStep, name);
}
