#include "model/CHierarchy_Element.h"

#include "model/ModelConstants.h"

CHierarchy_Element::CHierarchy_Element()
    : Comment(DefaultComment)
    , Judgements(MaxElementsPerLevel, MaxElementsPerLevel)
{
    Judgements.FillOnes();
}

void CHierarchy_Element::CopyDataFrom(const CHierarchy_Element& other)
{
    Name = other.Name;
    Comment = other.Comment;
    Judgements.AssignFrom(other.Judgements);
}

void CHierarchy_Element::SetDefaults(std::uint32_t position, std::uint32_t level)
{
    Name = DefaultElementName(position);
    Comment = DefaultComment;
    Judgements.FillOnes();
    Position = position;
    Level = level;
}

std::string DefaultElementName(std::uint32_t position)
{
    return std::string(DefaultElementNamePrefix) + std::to_string(position);
}
