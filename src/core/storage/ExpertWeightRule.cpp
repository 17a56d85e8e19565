#include "core/storage/ExpertWeightRule.h"

bool AcceptableExpertWeight(double weight)
{
    return weight >= MinExpertWeight && weight <= MaxExpertWeight;
}

std::string ExpertWeightProblem(double weight)
{
    return AcceptableExpertWeight(weight) ? std::string() : Tr(StoragePhrases::ExpertWeightRange);
}
