#include "core/model/CHierarchy_Element.h"

#include "core/model/ModelConstants.h"
#include "core/model/ModelPhrases.h"

CElementDefaults ElementDefaults()
{
    CElementDefaults defaults;
    defaults.NamePrefix = Tr(ModelPhrases::DefaultElementName);
    // The position stands where the phrase has %1.
    const std::size_t at = defaults.NamePrefix.find("%1");
    defaults.Numbered = at != std::string::npos;
    if (defaults.Numbered) {
        defaults.NameSuffix = defaults.NamePrefix.substr(at + 2);
        defaults.NamePrefix.resize(at);
    }
    defaults.Comment = Tr(ModelPhrases::DefaultComment);
    return defaults;
}

CHierarchy_Element::CHierarchy_Element()
    : Judgements(MaxElementsPerLevel, MaxElementsPerLevel)
{
    Name.reserve(ElementTextCapacity);
    Comment.reserve(ElementTextCapacity);
    Comment.assign(Tr(ModelPhrases::DefaultComment));
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

void CHierarchy_Element::SetDefaults(std::uint32_t position, std::uint32_t level, const CElementDefaults& defaults)
{
    SetDefaultText(position, defaults);
    Judgements.FillOnes();
    Position = position;
    Level = level;
}

void CHierarchy_Element::SetDefaultText(std::uint32_t position, const CElementDefaults& defaults)
{
    AssignDefaultElementName(Name, position, defaults);
    Comment.assign(defaults.Comment);
}

void AssignDefaultElementName(std::string& name, std::uint32_t position, const CElementDefaults& defaults)
{
    name.assign(defaults.NamePrefix);
    if (defaults.Numbered) {
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
    name.append(defaults.NameSuffix);
}
