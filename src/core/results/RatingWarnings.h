#pragma once

#include <cstdint>
#include <string>

class CHierarchy;
class CRatingResults;

// The Russian form of a noun after a count: one for 1, 21, 31 ... (not 11), few for 2-4,
// 22-24 ... (not 12-14), many for the rest.
const char* PluralForm(std::uint64_t count, const char* one, const char* few, const char* many);

// The warning of a rated tree, its sentences in this order and empty when none applies:
// the criteria's and the scales' matrices whose consistency is not acceptable (as
// UnacceptableNodesWarningText, a scale named "шкала «...»"), every scale whose ideal
// values do not follow its listed order, and how many alternatives have cells not rated.
std::string RatingWarningText(const CHierarchy& hierarchy, const CRatingResults& results, char decimalSeparator = '.');
