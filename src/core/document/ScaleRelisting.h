#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CProjectDocument;

// A scale of a rated tree given other intensities, best first: the judgements of the
// intensities kept by name stay, and every rating on the scale follows its intensity by
// name to its new place ("не оценено" where its intensity is gone). One edit of the
// document, begun and ended by the caller; "" when done, else why nothing changed.
std::string RelistScale(CProjectDocument& document, std::uint32_t scale, const std::vector<std::string>& intensities);
