#include "core/storage/StoragePhrases.h"

#include "core/model/CRatingScale.h"
#include "core/model/ModelPhrases.h"
#include "core/storage/GroupFile.h"
#include "core/storage/ProjectFile.h"
#include "core/storage/TreeFile.h"

namespace {
using namespace StoragePhrases;

std::string Number(std::size_t n)
{
    return std::to_string(n);
}

// What is wrong, without where.
std::string TreeWhat(const CTreeFileProblem& problem)
{
    switch (problem.Kind) {
    case ETreeFileProblem::Model:
        return ModelProblemText(problem.Model);
    case ETreeFileProblem::TooLarge:
        return Say(TreeTooLarge, Number(problem.Bound / (1024 * 1024)));
    case ETreeFileProblem::TooDeep:
        return Say(TreeTooDeep, Number(problem.Bound), Number(problem.Given));
    case ETreeFileProblem::NotJson:
        return Say(TreeNotJson, Number(problem.Given));
    case ETreeFileProblem::NumberOutOfRange:
        return Tr(TreeNumberOutOfRange);
    case ETreeFileProblem::NotJsonObject:
        return Tr(TreeNotJsonObject);
    case ETreeFileProblem::WrongFormat:
        return Say(TreeWrongFormat, problem.Value);
    case ETreeFileProblem::NoVersion:
        return Tr(TreeNoVersion);
    case ETreeFileProblem::NotInteger:
        return Tr(TreeNotInteger);
    case ETreeFileProblem::NewerVersion:
        return Tr(TreeNewerVersion);
    case ETreeFileProblem::UnsupportedVersion:
        return Say(TreeUnsupportedVersion, problem.Value);
    case ETreeFileProblem::WrongMode:
        return Tr(TreeWrongMode);
    case ETreeFileProblem::NoScaleList:
        return Tr(TreeNoScaleList);
    case ETreeFileProblem::NoScaleId:
        return Tr(TreeNoScaleId);
    case ETreeFileProblem::ScaleIdTaken:
        return Say(TreeScaleIdTaken, problem.Value, problem.Other);
    case ETreeFileProblem::NoIntensityList:
        return Tr(TreeNoIntensityList);
    case ETreeFileProblem::IntensityCount:
        return Say(TreeIntensityCount, Number(problem.Given), Number(MinScaleIntensities), Number(MaxScaleIntensities));
    case ETreeFileProblem::NoRatingList:
        return Tr(TreeNoRatingList);
    case ETreeFileProblem::RatingCount:
        return Say(TreeRatingCount, Number(problem.Given), Number(problem.Bound));
    case ETreeFileProblem::RatingNotText:
        return Tr(TreeRatingNotText);
    case ETreeFileProblem::NoSuchIntensity:
        return Say(TreeNoSuchIntensity, problem.Value, problem.Other);
    case ETreeFileProblem::NoAlternativeList:
        return Tr(TreeNoAlternativeList);
    case ETreeFileProblem::NotList:
        return Tr(TreeNotList);
    case ETreeFileProblem::TooFewAlternatives:
        return Say(TreeTooFewAlternatives, Number(problem.Bound));
    case ETreeFileProblem::NameTaken:
        return Say(TreeNameTaken, problem.Value, problem.Other);
    case ETreeFileProblem::TooManyChildren:
        return Say(TreeTooManyChildren, Number(problem.Bound));
    case ETreeFileProblem::NoCriteria:
        return Tr(TreeNoCriteria);
    case ETreeFileProblem::RatedNotCompared:
        return Tr(TreeRatedNotCompared);
    case ETreeFileProblem::NoScale:
        return Tr(TreeNoScale);
    case ETreeFileProblem::NoSuchScale:
        return Say(TreeNoSuchScale, problem.Value);
    case ETreeFileProblem::NotObject:
        return Tr(TreeNotObject);
    case ETreeFileProblem::NoName:
        return Tr(TreeNoName);
    case ETreeFileProblem::NameNotText:
        return Tr(TreeNameNotText);
    case ETreeFileProblem::CommentNotText:
        return Tr(TreeCommentNotText);
    case ETreeFileProblem::ValueCount:
        return Say(TreeValueCount, Number(problem.Given), Number(problem.Bound));
    case ETreeFileProblem::BadCode:
        return Say(TreeBadCode, problem.Value);
    }
    return {};
}

// What is wrong with a member, after its number.
std::string MemberWhat(const CGroupFileProblem& problem)
{
    switch (problem.Kind) {
    case EGroupFileProblem::MemberBadEntry:
        return Tr(MemberBadEntry);
    case EGroupFileProblem::MemberNoFile:
        return Tr(MemberNoFile);
    case EGroupFileProblem::MemberBadFileName:
        return Tr(MemberBadFileName);
    case EGroupFileProblem::MemberBadLabel:
        return Tr(MemberBadLabel);
    case EGroupFileProblem::MemberLabelNotText:
        return Tr(MemberLabelNotText);
    case EGroupFileProblem::MemberWeight:
        return Tr(ExpertWeightRange);
    case EGroupFileProblem::MemberIncludedNotBoolean:
        return Tr(MemberIncludedNotBoolean);
    case EGroupFileProblem::MemberFileTwice:
        return Say(MemberFileTwice, problem.Value, Number(problem.OtherMember + 1));
    default:
        return {};
    }
}
} // namespace

std::string ReadResultText(EReadResult result)
{
    switch (result) {
    case EReadResult::Ok:
        return {};
    case EReadResult::EmptyName:
        return Tr(EmptyFileName);
    case EReadResult::CannotOpen:
        return Tr(CannotOpenProject);
    case EReadResult::Damaged:
        return Tr(DamagedProject);
    case EReadResult::NullFile:
        return Tr(NullFilePointer);
    }
    return Tr(DamagedProject);
}

std::string TreeFileProblemText(const CTreeFileProblem& problem)
{
    std::string what = TreeWhat(problem);
    return problem.Place.empty() ? what : Say(TreePlace, problem.Place, what);
}

std::string GroupFileProblemText(const CGroupFileProblem& problem)
{
    switch (problem.Kind) {
    case EGroupFileProblem::CannotOpen:
        return Tr(GroupCannotOpen);
    case EGroupFileProblem::NotGroupFile:
        return Tr(NotGroupFile);
    case EGroupFileProblem::NoVersion:
        return Tr(GroupNoVersion);
    case EGroupFileProblem::WrongVersion:
        return Say(GroupVersion, problem.Value);
    case EGroupFileProblem::NoMemberList:
        return Tr(GroupNoMemberList);
    case EGroupFileProblem::WeightedNotBoolean:
        return Tr(GroupWeightedNotBoolean);
    case EGroupFileProblem::NoMembers:
        return Tr(GroupNoMembers);
    default:
        return Say(Member, Number(problem.Member + 1), MemberWhat(problem));
    }
}

std::string WriteResultText(EWriteResult result, const CPhrase& openFailure)
{
    switch (result) {
    case EWriteResult::OpenFailed:
        return Tr(openFailure);
    case EWriteResult::WriteFailed:
        return Tr(FileWriteError);
    case EWriteResult::Ok:
        break;
    }
    return {};
}
