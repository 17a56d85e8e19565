#include "core/group/GroupReportContent.h"

#include "core/group/CGroupDecision.h"
#include "core/group/CGroupResult.h"
#include "core/results/NumberFormat.h"

namespace {
std::string Quoted(const std::string& text)
{
    return "«" + text + "»";
}

std::string Labels(const CGroupDecision& decision, std::span<const std::size_t> experts)
{
    std::string text;
    for (const std::size_t k : experts) {
        text += text.empty() ? "" : ", ";
        text += decision.Member(k).Label;
    }
    return text;
}

std::string PercentText(double percent, char decimalSeparator)
{
    return FormatTruncated(percent, 1, decimalSeparator) + " %";
}
} // namespace

std::string GroupWindowCaption(const std::string& name)
{
    return GroupCaptionPrefix + name;
}

std::string ExpertProblemText(std::size_t expert, const std::string& problem)
{
    return "Эксперт " + std::to_string(expert + 1) + ": " + problem;
}

std::string SameFileProblem(const std::string& fileName, std::size_t otherExpert)
{
    return "файл " + Quoted(fileName) + " уже указан для эксперта " + std::to_string(otherExpert + 1);
}

std::string UnreadableMemberText(std::size_t expert, const std::string& label, const std::string& message)
{
    return "Эксперт " + std::to_string(expert + 1) + " " + Quoted(label) + ": " + message;
}

std::string UnreadableMemberLine(std::size_t expert, const std::string& label, const std::string& message,
    const std::string& file, const std::string& reason)
{
    std::string line = UnreadableMemberText(expert, label, message) + " (" + file;
    if (!reason.empty()) {
        line += ": " + reason;
    }
    return line + ")";
}

std::string GroupRankingRefusalText(const std::string& notConnected)
{
    return "Группового рейтинга нет. " + notConnected;
}

std::string ConsensusPercentText(double sStar, char decimalSeparator)
{
    return PercentText(ShownConsensusPercent(sStar), decimalSeparator);
}

std::string ConsensusText(double sStar, char decimalSeparator)
{
    return ConsensusPercentText(sStar, decimalSeparator) + " (" + ConsensusBandText(ConsensusBandOf(sStar)) + ")";
}

std::string OverallConsensusLine(const CGroupDecision& decision, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (decision.ExpertCount() < 2) {
        return "Согласие группы не определено: в группе один эксперт";
    }
    if (!result.OverallConsensus) {
        return "Общее согласие группы не определено: нет группового рейтинга";
    }
    return "Общее согласие группы: " + ConsensusText(*result.OverallConsensus, decimalSeparator);
}

std::string FinalAgreementLine(const CGroupDecision& decision, char decimalSeparator)
{
    const CGroupResult& result = decision.Result();
    if (decision.ExpertCount() < 2) {
        return "Согласие в итоговом рейтинге не определено: в группе один эксперт";
    }
    if (!result.FinalAgreement) {
        return "Согласие в итоговом рейтинге не определено: итоговые приоритеты есть меньше чем у двух экспертов";
    }
    return "Согласие в итоговом рейтинге: S* " + ConsensusText(result.FinalAgreement->SStar, decimalSeparator) + ", S "
        + PercentText(ShownConsensusPercent(result.FinalAgreement->S), decimalSeparator);
}

std::string LeftOutText(
    const CGroupDecision& decision, const std::string& elementName, std::span<const std::size_t> experts)
{
    if (experts.empty()) {
        return {};
    }
    const bool one = experts.size() == 1;
    return "В согласии по " + Quoted(elementName) + (one ? " не учтён эксперт " : " не учтены эксперты ")
        + Labels(decision, experts) + (one ? ": его" : ": их") + " сравнения не связывают элементы";
}

std::string WithoutFinalText(const CGroupDecision& decision)
{
    const std::vector<std::size_t> without = decision.ExpertsWithoutFinal();
    if (without.empty()) {
        return {};
    }
    return "Без итоговых приоритетов (сравнения не связывают элементы): " + Labels(decision, without);
}

std::string DistancesText(
    const CGroupDecision& decision, std::span<const CExpertDistance> distances, char decimalSeparator)
{
    std::string text;
    for (const CExpertDistance& distance : distances) {
        text += text.empty() ? "" : ", ";
        text += decision.Member(distance.Expert).Label + " " + FormatTruncated(distance.Distance, 4, decimalSeparator);
    }
    return text;
}

std::string SpreadText(const std::string& rowName, const std::string& columnName, double spread, char decimalSeparator)
{
    return Quoted(rowName) + " и " + Quoted(columnName) + ": " + SpreadTerm + " "
        + FormatTruncated(spread, 4, decimalSeparator);
}
