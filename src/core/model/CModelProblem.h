#pragma once

#include <cstdint>
#include <string>
#include <utility>

// Why the model refuses a hierarchy, a name, a scale or an edit: the kind and what its
// sentence names. ModelPhrases makes the user's sentence from it.
enum class EModelProblem {
    None,
    // The shape of the nodes.
    NoGoal,
    MissingCriterion,
    CriterionTwice,
    NotOnNextLevel,
    Unreached,
    NotOneParent,
    IncompleteLayers,
    // Judgements and ratings.
    JudgementOrder,
    LayersNotRated,
    RatedWithJudgements,
    NoSuchScale,
    RatingCount,
    RatingOutsideScale,
    RatingsOfPairs,
    // The limits of a tree: Limit, and Name for the criterion or name concerned.
    TooManyLevels,
    TooManyCriteria,
    TooManyAlternatives,
    TooManyChildren,
    ChildNameTwice,
    AlternativeNameTwice,
    ScaleIdTwice,
    // Names and comments; Limit for a length.
    NameNotUtf8,
    EmptyName,
    NameTooLong,
    CommentNotUtf8,
    CommentTooLong,
    // Scales: Name the scale's name; an intensity named twice is Name, its scale Other.
    NoScaleId,
    IntensityCount,
    IntensityNameTwice,
    // Edits.
    LayersStructure,
    NoSuchPlace,
    GoalNotRemoved,
    GoalKeepsCriterion,
    IntoOwnSubtree,
    NoSuchCriterion,
    RatedCriterion,
    NoSuchAlternative,
    TooFewAlternatives,
    NotRatedCriterion,
    ScaleInUse, // the scale Name, used by the criterion Other
};

struct CModelProblem {
    EModelProblem Kind = EModelProblem::None;
    std::string Name;
    std::string Other;
    std::uint32_t Limit = 0;

    CModelProblem() = default;
    // A kind alone is a problem too.
    CModelProblem(EModelProblem kind, std::string name = {}, std::string other = {})
        : Kind(kind)
        , Name(std::move(name))
        , Other(std::move(other))
    {
    }
    // A limit exceeded, by what is named.
    static CModelProblem Beyond(EModelProblem kind, std::uint32_t limit, std::string name = {})
    {
        CModelProblem problem(kind, std::move(name));
        problem.Limit = limit;
        return problem;
    }

    // Whether something is refused.
    explicit operator bool() const { return Kind != EModelProblem::None; }
    bool operator==(const CModelProblem&) const = default;
};
