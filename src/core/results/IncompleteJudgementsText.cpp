#include "core/results/IncompleteJudgementsText.h"

namespace {
std::string NameOf(std::span<const std::string> names, std::uint32_t position)
{
    return position < names.size() ? names[position] : std::to_string(position + 1);
}

template <std::uint32_t Capacity>
std::string GroupsOf(const TComparisonGraph<Capacity>& graph, std::span<const std::string> names)
{
    std::string text;
    for (std::uint32_t c = 0; c < graph.ComponentCount; ++c) {
        if (c > 0) {
            text += c + 1 == graph.ComponentCount ? " и " : ", ";
        }
        text += '{';
        for (std::uint32_t k = 0; k < graph.ComponentSize[c]; ++k) {
            if (k > 0) {
                text += ", ";
            }
            text += NameOf(names, graph.ComponentMembers[c][k]);
        }
        text += '}';
    }
    return text;
}

template <std::uint32_t Capacity>
std::string NotConnectedOf(
    const std::string& elementName, const TComparisonGraph<Capacity>& graph, std::span<const std::string> names)
{
    if (graph.ComponentCount < 2) {
        return {};
    }
    return "Недостаточно сравнений для «" + elementName + "»: группы " + GroupsOf(graph, names)
        + " не сравнены между собой";
}

std::string GroupsPhrase(const CComparisonGraph& graph, std::span<const std::string> names)
{
    return "группы " + GroupsOf(graph, names);
}
} // namespace

std::string ComponentGroupsText(const CComparisonGraph& graph, std::span<const std::string> names)
{
    return GroupsOf(graph, names);
}

std::string NotConnectedText(
    const std::string& elementName, const CComparisonGraph& graph, std::span<const std::string> names)
{
    return NotConnectedOf(elementName, graph, names);
}

std::string NotConnectedText(
    const std::string& elementName, const CWideComparisonGraph& graph, std::span<const std::string> names)
{
    return NotConnectedOf(elementName, graph, names);
}

std::string JudgedPairsText(const CComparisonGraph& graph, std::span<const std::string> names)
{
    // "из 1 сравнения", "из 21 сравнения", otherwise "из 6 сравнений".
    const std::uint32_t total = graph.PairCount();
    const bool singular = total % 10 == 1 && total % 100 != 11;
    std::string text = "Задано " + std::to_string(graph.JudgedPairs) + " из " + std::to_string(total)
        + (singular ? " сравнения" : " сравнений");
    if (graph.ComponentCount >= 2) {
        text += ". Недостаточно: " + GroupsPhrase(graph, names) + " не сравнены";
    }
    return text;
}
