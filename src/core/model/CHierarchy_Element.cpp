#include "core/model/CHierarchy_Element.h"

#include "core/model/ModelConstants.h"

CHierarchy_Element::CHierarchy_Element()
    : Judgements(MaxElementsPerLevel, MaxElementsPerLevel)
{
    Name.reserve(ElementTextCapacity);
    Comment.reserve(ElementTextCapacity);
    Comment.assign(DefaultComment);
    Judgements.FillOnes();
}

void CHierarchy_Element::CopyDataFrom(const CHierarchy_Element& other)
{
    if (&other == this) {
        return;
    }
    // assign() keeps the reserved buffers; a move from a temporary would drop them.
    Name.assign(other.Name);
    Comment.assign(other.Comment);
    Judgements.AssignFrom(other.Judgements);
}

void CHierarchy_Element::SetDefaults(std::uint32_t position, std::uint32_t level)
{
    SetDefaultText(position);
    Judgements.FillOnes();
    Position = position;
    Level = level;
}

void CHierarchy_Element::SetDefaultText(std::uint32_t position)
{
    AssignDefaultElementName(Name, position);
    Comment.assign(DefaultComment);
}

std::string DefaultElementName(std::uint32_t position)
{
    std::string name;
    AssignDefaultElementName(name, position);
    return name;
}

void AssignDefaultElementName(std::string& name, std::uint32_t position)
{
    name.assign(DefaultElementNamePrefix);
    char digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + position % 10U);
        position /= 10U;
    } while (position != 0 && count < sizeof digits);
    while (count > 0) {
        name.push_back(digits[--count]);
    }
}
