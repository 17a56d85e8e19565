#include "core/results/IncompleteJudgementsText.h"

#include "core/model/Phrase.h"

namespace {
std::string NameOf(std::span<const std::string> names, std::uint32_t position)
{
    return position < names.size() ? names[position] : std::to_string(position + 1);
}

// One wording for the graphs of every order: a layered element's and any matrix of a hierarchy.
template <std::uint32_t Capacity>
std::string GroupsText(const TComparisonGraph<Capacity>& graph, std::span<const std::string> names)
{
    // All but the last joined by commas, the last joined to them by the language's "and".
    std::string text;
    std::string last;
    for (std::uint32_t c = 0; c < graph.ComponentCount; ++c) {
        std::string group = "{";
        for (std::uint32_t k = 0; k < graph.ComponentSize[c]; ++k) {
            if (k > 0) {
                group += ", ";
            }
            group += NameOf(names, graph.ComponentMembers[c][k]);
        }
        group += '}';
        if (c + 1 == graph.ComponentCount && c > 0) {
            last = std::move(group);
        } else {
            text += (c > 0 ? ", " : "") + group;
        }
    }
    return last.empty() ? text : Say(TESSALY_PHRASE("IncompleteJudgementsText", "%1 и %2"), text, last);
}

template <std::uint32_t Capacity>
std::string NotConnected(
    const std::string& elementName, const TComparisonGraph<Capacity>& graph, std::span<const std::string> names)
{
    if (graph.ComponentCount < 2) {
        return {};
    }
    return Say(TESSALY_PHRASE(
                   "IncompleteJudgementsText", "Недостаточно сравнений для «%1»: группы %2 не сравнены между собой"),
        elementName, GroupsText(graph, names));
}

// The sentence at the start of a line, or inside another sentence after a colon.
template <std::uint32_t Capacity>
std::string JudgedPairs(const TComparisonGraph<Capacity>& graph, std::span<const std::string> names, bool inSentence)
{
    // The count of pairs chooses the noun's form: "из 1 сравнения", "из 6 сравнений".
    const auto total = static_cast<int>(graph.PairCount());
    const std::string judged = std::to_string(graph.JudgedPairs);
    if (graph.ComponentCount >= 2) {
        return SayCount(inSentence ? TESSALY_PHRASE_N("IncompleteJudgementsText",
                            "задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены")
                                   : TESSALY_PHRASE_N("IncompleteJudgementsText",
                                       "Задано %1 из %n сравнений. Недостаточно: группы %2 не сравнены"),
            total, judged, GroupsText(graph, names));
    }
    return SayCount(inSentence ? TESSALY_PHRASE_N("IncompleteJudgementsText", "задано %1 из %n сравнений")
                               : TESSALY_PHRASE_N("IncompleteJudgementsText", "Задано %1 из %n сравнений"),
        total, judged);
}
} // namespace

std::string ComponentGroupsText(const CComparisonGraph& graph, std::span<const std::string> names)
{
    return GroupsText(graph, names);
}

std::string ComponentGroupsText(const CWideComparisonGraph& graph, std::span<const std::string> names)
{
    return GroupsText(graph, names);
}

std::string NotConnectedText(
    const std::string& elementName, const CComparisonGraph& graph, std::span<const std::string> names)
{
    return NotConnected(elementName, graph, names);
}

std::string NotConnectedText(
    const std::string& elementName, const CWideComparisonGraph& graph, std::span<const std::string> names)
{
    return NotConnected(elementName, graph, names);
}

std::string JudgedPairsText(const CComparisonGraph& graph, std::span<const std::string> names)
{
    return JudgedPairs(graph, names, false);
}

std::string JudgedPairsText(const CWideComparisonGraph& graph, std::span<const std::string> names)
{
    return JudgedPairs(graph, names, false);
}

std::string JudgedPairsInSentence(const CComparisonGraph& graph, std::span<const std::string> names)
{
    return JudgedPairs(graph, names, true);
}

std::string JudgedPairsInSentence(const CWideComparisonGraph& graph, std::span<const std::string> names)
{
    return JudgedPairs(graph, names, true);
}
