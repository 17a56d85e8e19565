#pragma once

#include "core/model/CJudgement.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The texts a new element gets, taken once in the interface's language so that a structure
// edit copies them into an element's buffers without allocating: the name is NamePrefix,
// the element's position (unless the phrase has none) and NameSuffix.
struct CElementDefaults {
    std::string NamePrefix;
    bool Numbered = true;
    std::string NameSuffix;
    std::string Comment;
};
// The defaults in the interface's language now.
CElementDefaults ElementDefaults();

// One element of the hierarchy: the plain record its on-screen box shows.
// Judgements compare the elements of the next level with respect to this one.
class CHierarchy_Element {
public:
    CHierarchy_Element();

    std::string Name;
    std::string Comment;
    CJudgementMatrix Judgements;
    std::uint32_t Position = 0;
    std::uint32_t Level = 0;

    // Copies what moves between slots: name, comment and judgements, never the coordinates.
    void CopyDataFrom(const CHierarchy_Element& other);
    void SetDefaults(std::uint32_t position, std::uint32_t level, const CElementDefaults& defaults);
    // Default name and comment, written into the element's own buffers.
    void SetDefaultText(std::uint32_t position, const CElementDefaults& defaults);
};

// Room every element's name and comment get up front: a stored string is at most 256
// bytes, each of them at most 3 bytes of UTF-8, so moving text between slots never
// reallocates.
inline constexpr std::size_t ElementTextCapacity = 1024;

// Writes the default name of the element at position ("ЭЛЕМЕНТ_0" ...) into name, reusing
// its buffer.
void AssignDefaultElementName(std::string& name, std::uint32_t position, const CElementDefaults& defaults);
