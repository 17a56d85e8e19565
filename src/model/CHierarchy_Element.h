#pragma once

#include "model/TMatrix.h"

#include <cstdint>
#include <string>

// One element of the hierarchy: the plain record its on-screen box shows.
// Judgements compare the elements of the next level with respect to this one.
class CHierarchy_Element {
public:
    CHierarchy_Element();

    std::string Name;
    std::string Comment;
    TMatrix<int> Judgements;
    std::uint32_t Position = 0;
    std::uint32_t Level = 0;

    // Copies what moves between slots: name, comment and judgements, never the coordinates.
    void CopyDataFrom(const CHierarchy_Element& other);
    void SetDefaults(std::uint32_t position, std::uint32_t level);
};

std::string DefaultElementName(std::uint32_t position);
