#include "core/model/ModelPhrases.h"

#include "core/model/CRatingScale.h"
#include "core/model/CUserProjectModel.h"

namespace {
CPhrase ProblemPhrase(EModelProblem kind)
{
    using namespace ModelPhrases;
    switch (kind) {
    case EModelProblem::None:
        break;
    case EModelProblem::NoGoal:
        return NoGoal;
    case EModelProblem::MissingCriterion:
        return MissingCriterion;
    case EModelProblem::CriterionTwice:
        return CriterionTwice;
    case EModelProblem::NotOnNextLevel:
        return NotOnNextLevel;
    case EModelProblem::Unreached:
        return Unreached;
    case EModelProblem::NotOneParent:
        return NotOneParent;
    case EModelProblem::IncompleteLayers:
        return IncompleteLayers;
    case EModelProblem::JudgementOrder:
        return JudgementOrder;
    case EModelProblem::LayersNotRated:
        return LayersNotRated;
    case EModelProblem::RatedWithJudgements:
        return RatedWithJudgements;
    case EModelProblem::NoSuchScale:
        return NoSuchScale;
    case EModelProblem::RatingCount:
        return RatingCount;
    case EModelProblem::RatingOutsideScale:
        return RatingOutsideScale;
    case EModelProblem::RatingsOfPairs:
        return RatingsOfPairs;
    case EModelProblem::TooManyLevels:
        return TooManyLevels;
    case EModelProblem::TooManyCriteria:
        return TooManyCriteria;
    case EModelProblem::TooManyAlternatives:
        return TooManyAlternatives;
    case EModelProblem::TooManyChildren:
        return TooManyChildren;
    case EModelProblem::ChildNameTwice:
        return ChildNameTwice;
    case EModelProblem::AlternativeNameTwice:
        return AlternativeNameTwice;
    case EModelProblem::ScaleIdTwice:
        return ScaleIdTwice;
    case EModelProblem::NameNotUtf8:
        return NameNotUtf8;
    case EModelProblem::EmptyName:
        return EmptyName;
    case EModelProblem::NameTooLong:
        return NameTooLong;
    case EModelProblem::CommentNotUtf8:
        return CommentNotUtf8;
    case EModelProblem::CommentTooLong:
        return CommentTooLong;
    case EModelProblem::NoScaleId:
        return NoScaleId;
    case EModelProblem::IntensityCount:
        return IntensityCount;
    case EModelProblem::IntensityNameTwice:
        return IntensityNameTwice;
    case EModelProblem::LayersStructure:
        return LayersStructure;
    case EModelProblem::NoSuchPlace:
        return NoSuchPlace;
    case EModelProblem::GoalNotRemoved:
        return GoalNotRemoved;
    case EModelProblem::GoalKeepsCriterion:
        return GoalKeepsCriterion;
    case EModelProblem::IntoOwnSubtree:
        return IntoOwnSubtree;
    case EModelProblem::NoSuchCriterion:
        return NoSuchCriterion;
    case EModelProblem::RatedCriterion:
        return RatedCriterion;
    case EModelProblem::NoSuchAlternative:
        return NoSuchAlternative;
    case EModelProblem::TooFewAlternatives:
        return TooFewAlternatives;
    case EModelProblem::NotRatedCriterion:
        return NotRatedCriterion;
    case EModelProblem::ScaleInUse:
        return ScaleInUse;
    }
    return {};
}

std::string SayOrNothing(const CPhrase& phrase)
{
    return *phrase.Source == '\0' ? std::string() : Tr(phrase);
}
} // namespace

std::string ModelProblemText(const CModelProblem& problem)
{
    const CPhrase phrase = ProblemPhrase(problem.Kind);
    const std::string limit = std::to_string(problem.Limit);
    switch (problem.Kind) {
    case EModelProblem::None:
        return {};
    case EModelProblem::TooManyLevels:
    case EModelProblem::TooManyCriteria:
    case EModelProblem::TooManyAlternatives:
    case EModelProblem::NameTooLong:
    case EModelProblem::CommentTooLong:
    case EModelProblem::TooFewAlternatives:
        return Say(phrase, limit);
    case EModelProblem::TooManyChildren:
        return Say(phrase, problem.Name, limit);
    case EModelProblem::ChildNameTwice:
    case EModelProblem::AlternativeNameTwice:
    case EModelProblem::ScaleIdTwice:
        return Say(phrase, problem.Name);
    case EModelProblem::IntensityCount:
        return Say(phrase, problem.Name, std::to_string(MinScaleIntensities), std::to_string(MaxScaleIntensities));
    case EModelProblem::IntensityNameTwice:
    case EModelProblem::ScaleInUse:
        return Say(phrase, problem.Name, problem.Other);
    default:
        return Tr(phrase);
    }
}

CPhrase StructureRefusalPhrase(EStructureResult result)
{
    switch (result) {
    case EStructureResult::TooManyElements:
        return ModelPhrases::TooManyElements;
    case EStructureResult::TooFewElements:
        return ModelPhrases::TooFewElements;
    case EStructureResult::TooManyLevels:
        return ModelPhrases::TooManyLayers;
    case EStructureResult::TooFewLevels:
        return ModelPhrases::TooFewLayers;
    case EStructureResult::Done:
    case EStructureResult::NotApplicable:
        break;
    }
    return {};
}

CPhrase NewProjectCheckPhrase(ENewProjectCheck check)
{
    switch (check) {
    case ENewProjectCheck::NoLevelCount:
        return ModelPhrases::NoLevelCount;
    case ENewProjectCheck::TooFewLevels:
        return ModelPhrases::FewestLevels;
    case ENewProjectCheck::TooManyLevels:
        return ModelPhrases::MostLevels;
    case ENewProjectCheck::NoElementCount:
        return ModelPhrases::NoElementCount;
    case ENewProjectCheck::TooFewElements:
        return ModelPhrases::FewestElements;
    case ENewProjectCheck::NoGoal:
        return ModelPhrases::NoProjectGoal;
    case ENewProjectCheck::Ok:
        break;
    }
    return {};
}

std::string StructureRefusalSentence(EStructureResult result)
{
    return SayOrNothing(StructureRefusalPhrase(result));
}

std::string NewProjectCheckSentence(ENewProjectCheck check)
{
    return SayOrNothing(NewProjectCheckPhrase(check));
}
