#include "core/storage/TreeFile.h"

#include "core/model/CHierarchy.h"
#include "core/model/HierarchyLimits.h"
#include "core/storage/StoragePhrases.h"
#include "core/storage/UntrustedText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {
using Json = nlohmann::json;

CReadOutcome Damaged(const CTreeFileProblem& problem)
{
    return {EReadResult::Damaged, ReadResultText(EReadResult::Damaged), TreeFileProblemText(problem)};
}

CReadOutcome CannotOpen(std::string reason)
{
    return {EReadResult::CannotOpen, ReadResultText(EReadResult::CannotOpen), std::move(reason)};
}

CTreeFileProblem Wrong(ETreeFileProblem kind, std::string place, std::string value = {}, std::string other = {})
{
    CTreeFileProblem problem;
    problem.Kind = kind;
    problem.Place = std::move(place);
    problem.Value = std::move(value);
    problem.Other = std::move(other);
    return problem;
}

CTreeFileProblem Counted(ETreeFileProblem kind, std::string place, std::size_t given, std::size_t bound = 0)
{
    CTreeFileProblem problem = Wrong(kind, std::move(place));
    problem.Given = given;
    problem.Bound = bound;
    return problem;
}

CTreeFileProblem Refused(std::string place, CModelProblem model)
{
    CTreeFileProblem problem = Wrong(ETreeFileProblem::Model, std::move(place));
    problem.Model = std::move(model);
    return problem;
}

std::string Element(const std::string& list, std::size_t k)
{
    return list + "[" + std::to_string(k) + "]";
}

// How deep the text nests its objects and arrays, found without parsing it, so that no
// parser or walk ever meets a file deeper than a tree can be: the byte where it gets too
// deep, if it does.
std::optional<std::size_t> TooDeepAt(std::string_view text)
{
    std::uint32_t depth = 0;
    bool inString = false;
    bool escaped = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > MaxTreeFileNesting) {
                return i;
            }
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return std::nullopt;
}

// A judgement code a file may hold: 0, 1..9 or -2..-9.
std::optional<std::int32_t> CodeOf(const Json& value)
{
    std::int64_t code = 0;
    if (value.is_number_unsigned()) {
        const auto unsigned_code = value.get<std::uint64_t>();
        if (unsigned_code > 9) {
            return std::nullopt;
        }
        code = static_cast<std::int64_t>(unsigned_code);
    } else if (value.is_number_integer()) {
        code = value.get<std::int64_t>();
    } else {
        return std::nullopt;
    }
    if (code < -9 || code > 9 || code == -1) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(code);
}

// Builds the nodes depth first while checking them; the first fault found ends it.
class CTreeReader {
public:
    std::vector<CHierarchyNode> Nodes;
    std::vector<CAlternative> Alternatives;
    CTreeFileProblem Problem;
    bool Rated = false;
    std::vector<CRatingScale> Scales;
    // The rated criteria in the order the file lists them (depth first), as node numbers.
    std::vector<std::uint32_t> RatedNodes;

    bool ReadScales(const Json& document)
    {
        const auto list = document.find("scales");
        if (list == document.end() || !list->is_array()) {
            return Fail(Wrong(ETreeFileProblem::NoScaleList, "scales"));
        }
        std::unordered_map<std::string, std::size_t> seen;
        for (std::size_t k = 0; k < list->size(); ++k) {
            const std::string path = "scales[" + std::to_string(k) + "]";
            const Json& value = (*list)[k];
            CRatingScale scale;
            std::string comment;
            if (!ReadText(value, path, scale.Name, comment)) {
                return false;
            }
            const auto id = value.find("id");
            if (id == value.end() || !id->is_string() || id->get_ref<const std::string&>().empty()) {
                return Fail(Wrong(ETreeFileProblem::NoScaleId, path + ".id"));
            }
            scale.Id = id->get<std::string>();
            const auto [first, added] = seen.try_emplace(scale.Id, k);
            if (!added) {
                return Fail(Wrong(ETreeFileProblem::ScaleIdTaken, path + ".id", ShortText(scale.Id),
                    Element("scales", first->second)));
            }
            const auto intensities = value.find("intensities");
            if (intensities == value.end() || !intensities->is_array()) {
                return Fail(Wrong(ETreeFileProblem::NoIntensityList, path + ".intensities"));
            }
            if (intensities->size() < MinScaleIntensities || intensities->size() > MaxScaleIntensities) {
                return Fail(Counted(ETreeFileProblem::IntensityCount, path + ".intensities", intensities->size()));
            }
            for (std::size_t i = 0; i < intensities->size(); ++i) {
                std::string name;
                if (!ReadText((*intensities)[i], path + ".intensities[" + std::to_string(i) + "]", name, comment)) {
                    return false;
                }
                scale.Intensities.push_back(std::move(name));
            }
            if (!ReadJudgements(value, path, static_cast<std::uint32_t>(intensities->size()), scale.Judgements)) {
                return false;
            }
            if (CModelProblem problem = RatingScaleCheck(scale)) {
                return Fail(Refused(path, std::move(problem)));
            }
            Scales.push_back(std::move(scale));
        }
        return true;
    }

    // After the nodes: each alternative's intensity names, one per rated criterion.
    bool ReadRatings(const Json& document)
    {
        const Json& list = document.at("alternatives");
        for (const std::uint32_t node : RatedNodes) {
            Nodes[node].Ratings.assign(Alternatives.size(), NotRated);
        }
        for (std::size_t k = 0; k < Alternatives.size(); ++k) {
            const std::string path = "alternatives[" + std::to_string(k) + "].ratings";
            const auto ratings = list[k].find("ratings");
            if (ratings == list[k].end() || !ratings->is_array()) {
                return Fail(Wrong(ETreeFileProblem::NoRatingList, path));
            }
            if (ratings->size() != RatedNodes.size()) {
                return Fail(Counted(ETreeFileProblem::RatingCount, path, ratings->size(), RatedNodes.size()));
            }
            for (std::size_t c = 0; c < RatedNodes.size(); ++c) {
                const Json& cell = (*ratings)[c];
                if (cell.is_null()) {
                    continue;
                }
                const std::string place = path + "[" + std::to_string(c) + "]";
                if (!cell.is_string()) {
                    return Fail(Wrong(ETreeFileProblem::RatingNotText, place));
                }
                CHierarchyNode& node = Nodes[RatedNodes[c]];
                const std::vector<std::string>& names = Scales[node.Scale].Intensities;
                const auto found = std::find(names.begin(), names.end(), cell.get_ref<const std::string&>());
                if (found == names.end()) {
                    return Fail(Wrong(ETreeFileProblem::NoSuchIntensity, place, ShortText(Scales[node.Scale].Name),
                        ShortText(cell.get<std::string>())));
                }
                node.Ratings[k] = static_cast<std::int8_t>(found - names.begin());
            }
        }
        return true;
    }

    bool ReadAlternatives(const Json& document)
    {
        const auto list = document.find("alternatives");
        if (list == document.end()) {
            return Fail(Wrong(ETreeFileProblem::NoAlternativeList, "alternatives"));
        }
        if (!list->is_array()) {
            return Fail(Wrong(ETreeFileProblem::NotList, "alternatives"));
        }
        if (list->size() < MinAlternatives) {
            return Fail(Counted(ETreeFileProblem::TooFewAlternatives, "alternatives", list->size(), MinAlternatives));
        }
        const std::uint32_t most = Rated ? MaxRatedAlternatives : MaxAlternatives;
        if (list->size() > most) {
            return Fail(Refused("alternatives", CModelProblem::Beyond(EModelProblem::TooManyAlternatives, most)));
        }
        std::unordered_map<std::string, std::size_t> seen;
        for (std::size_t k = 0; k < list->size(); ++k) {
            const std::string path = "alternatives[" + std::to_string(k) + "]";
            CAlternative alternative;
            if (!ReadText((*list)[k], path, alternative.Name, alternative.Comment)) {
                return false;
            }
            const auto [first, added] = seen.try_emplace(alternative.Name, k);
            if (!added) {
                return Fail(Wrong(ETreeFileProblem::NameTaken, path + ".name", ShortText(alternative.Name),
                    Element("alternatives", first->second)));
            }
            Alternatives.push_back(std::move(alternative));
        }
        return true;
    }

    // The node at path on level; its number is Nodes.size() when called.
    bool ReadNode(const Json& value, const std::string& path, std::uint32_t level)
    {
        // Criteria on level 8 at most: their alternatives make the tenth level.
        if (level + 2 > MaxTreeLevels) {
            return Fail(Refused(path, CModelProblem::Beyond(EModelProblem::TooManyLevels, MaxTreeLevels)));
        }
        if (Nodes.size() > MaxTreeCriteria) {
            return Fail(Refused(path, CModelProblem::Beyond(EModelProblem::TooManyCriteria, MaxTreeCriteria)));
        }
        const auto number = Nodes.size();
        Nodes.emplace_back();
        if (!ReadText(value, path, Nodes[number].Name, Nodes[number].Comment)) {
            return false;
        }
        const auto children = value.find("children");
        std::size_t childCount = 0;
        if (children != value.end()) {
            if (!children->is_array()) {
                return Fail(Wrong(ETreeFileProblem::NotList, path + ".children"));
            }
            if (children->size() > MaxTreeChildren) {
                return Fail(
                    Counted(ETreeFileProblem::TooManyChildren, path + ".children", children->size(), MaxTreeChildren));
            }
            childCount = children->size();
        }
        if (number == CHierarchy::GoalNode && childCount == 0) {
            return Fail(Wrong(ETreeFileProblem::NoCriteria, path + ".children"));
        }
        const auto n = static_cast<std::uint32_t>(childCount == 0 ? Alternatives.size() : childCount);
        if (Rated && childCount == 0) {
            if (!ReadScaleReference(value, path, Nodes[number])) {
                return false;
            }
            RatedNodes.push_back(static_cast<std::uint32_t>(number));
        } else if (!ReadJudgements(value, path, n, Nodes[number].Judgements)) {
            return false;
        }
        std::unordered_map<std::string, std::size_t> seen;
        for (std::size_t k = 0; k < childCount; ++k) {
            const std::string childPath = path + ".children[" + std::to_string(k) + "]";
            const auto child = static_cast<std::uint32_t>(Nodes.size());
            Nodes[number].Children.push_back(child);
            if (!ReadNode((*children)[k], childPath, level + 1)) {
                return false;
            }
            const auto [first, added] = seen.try_emplace(Nodes[child].Name, k);
            if (!added) {
                return Fail(Wrong(ETreeFileProblem::NameTaken, childPath + ".name", ShortText(Nodes[child].Name),
                    Element(path + ".children", first->second)));
            }
        }
        return true;
    }

private:
    bool ReadScaleReference(const Json& value, const std::string& path, CHierarchyNode& node)
    {
        const auto judgements = value.find("judgements");
        if (judgements != value.end() && !(judgements->is_array() && judgements->empty())) {
            return Fail(Wrong(ETreeFileProblem::RatedNotCompared, path + ".judgements"));
        }
        const auto scale = value.find("scale");
        if (scale == value.end() || !scale->is_string()) {
            return Fail(Wrong(ETreeFileProblem::NoScale, path + ".scale"));
        }
        const auto found = std::find_if(Scales.begin(), Scales.end(),
            [&scale](const CRatingScale& known) { return known.Id == scale->get_ref<const std::string&>(); });
        if (found == Scales.end()) {
            return Fail(Wrong(ETreeFileProblem::NoSuchScale, path + ".scale", ShortText(scale->get<std::string>())));
        }
        node.Scale = static_cast<std::uint32_t>(found - Scales.begin());
        return true;
    }

    bool Fail(CTreeFileProblem problem)
    {
        Problem = std::move(problem);
        return false;
    }

    bool ReadText(const Json& value, const std::string& path, std::string& name, std::string& comment)
    {
        if (!value.is_object()) {
            return Fail(Wrong(ETreeFileProblem::NotObject, path));
        }
        const auto nameValue = value.find("name");
        if (nameValue == value.end()) {
            return Fail(Wrong(ETreeFileProblem::NoName, path + ".name"));
        }
        if (!nameValue->is_string()) {
            return Fail(Wrong(ETreeFileProblem::NameNotText, path + ".name"));
        }
        name = nameValue->get<std::string>();
        if (CModelProblem problem = TreeNameCheck(name)) {
            return Fail(Refused(path + ".name", std::move(problem)));
        }
        const auto commentValue = value.find("comment");
        if (commentValue != value.end()) {
            if (!commentValue->is_string()) {
                return Fail(Wrong(ETreeFileProblem::CommentNotText, path + ".comment"));
            }
            comment = commentValue->get<std::string>();
            if (CModelProblem problem = TreeCommentCheck(comment)) {
                return Fail(Refused(path + ".comment", std::move(problem)));
            }
        }
        return true;
    }

    bool ReadJudgements(const Json& value, const std::string& path, std::uint32_t n, CJudgementMatrix& judgements)
    {
        const std::string where = path + ".judgements";
        const auto list = value.find("judgements");
        if (list != value.end() && !list->is_array()) {
            return Fail(Wrong(ETreeFileProblem::NotList, where));
        }
        const std::size_t expected = static_cast<std::size_t>(n) * (n - 1) / 2;
        const std::size_t given = list == value.end() ? 0 : list->size();
        if (given != expected) {
            return Fail(Counted(ETreeFileProblem::ValueCount, where, given, expected));
        }
        judgements = EqualJudgements(n);
        std::size_t k = 0;
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = r + 1; c < n; ++c, ++k) {
                const Json& cell = (*list)[k];
                const std::optional<std::int32_t> code = CodeOf(cell);
                if (!code) {
                    return Fail(cell.is_number_integer()
                            ? Wrong(ETreeFileProblem::BadCode, Element(where, k), ShortText(cell.dump()))
                            : Wrong(ETreeFileProblem::NotInteger, Element(where, k)));
                }
                judgements(r, c) = CJudgement::FromCode(*code);
                judgements(c, r) = judgements(r, c).Mirror();
            }
        }
        return true;
    }
};

// A string as JSON writes it, every character but the escaped ones as it is.
void AppendString(std::string& out, const std::string& text)
{
    out += Json(text).dump(-1, ' ', false, Json::error_handler_t::strict);
}

// The upper triangle of a matrix in row order.
void AppendUpper(std::string& out, const CJudgementMatrix& judgements)
{
    const std::uint32_t n = judgements.RowCountInUse();
    out += "[";
    bool first = true;
    for (std::uint32_t r = 0; r < n; ++r) {
        for (std::uint32_t c = r + 1; c < n; ++c) {
            out += first ? "" : ", ";
            out += std::to_string(judgements(r, c).Code());
            first = false;
        }
    }
    out += "]";
}

void AppendNode(std::string& out, const CHierarchy& tree, std::uint32_t node, const std::string& indent)
{
    const CHierarchyNode& data = tree.Node(node);
    const std::string inner = indent + "  ";
    out += "{\n" + inner + "\"name\": ";
    AppendString(out, data.Name);
    out += ",\n" + inner + "\"comment\": ";
    AppendString(out, data.Comment);
    if (tree.IsRated(node)) {
        out += ",\n" + inner + "\"scale\": ";
        AppendString(out, tree.Scales()[data.Scale].Id);
        out += "\n" + indent + "}";
        return;
    }
    out += ",\n" + inner + "\"judgements\": ";
    AppendUpper(out, data.Judgements);
    if (!data.Children.empty()) {
        out += ",\n" + inner + "\"children\": [\n";
        for (std::size_t k = 0; k < data.Children.size(); ++k) {
            out += inner + "  ";
            AppendNode(out, tree, data.Children[k], inner + "  ");
            out += k + 1 < data.Children.size() ? ",\n" : "\n";
        }
        out += inner + "]";
    }
    out += "\n" + indent + "}";
}

std::string TextOf(const CHierarchy& tree)
{
    std::string out = "{\n  \"format\": ";
    AppendString(out, TreeFormatName);
    out += ",\n  \"version\": " + std::to_string(TreeFormatVersion);
    const bool rated = tree.Evaluation() == EAlternativeEvaluation::Ratings;
    if (rated) {
        out += ",\n  \"mode\": \"ratings\",\n  \"scales\": [\n";
        const std::vector<CRatingScale>& scales = tree.Scales();
        for (std::size_t k = 0; k < scales.size(); ++k) {
            out += "    {\"id\": ";
            AppendString(out, scales[k].Id);
            out += ", \"name\": ";
            AppendString(out, scales[k].Name);
            out += ", \"intensities\": [";
            for (std::size_t i = 0; i < scales[k].Intensities.size(); ++i) {
                out += i == 0 ? "{\"name\": " : ", {\"name\": ";
                AppendString(out, scales[k].Intensities[i]);
                out += "}";
            }
            out += "], \"judgements\": ";
            AppendUpper(out, scales[k].Judgements);
            out += k + 1 < scales.size() ? "},\n" : "}\n";
        }
        out += "  ]";
    }
    const std::vector<std::uint32_t> ratedNodes = tree.RatedCriteria();
    out += ",\n  \"goal\": ";
    AppendNode(out, tree, CHierarchy::GoalNode, "  ");
    out += ",\n  \"alternatives\": [\n";
    const std::vector<CAlternative>& alternatives = tree.Alternatives();
    for (std::size_t k = 0; k < alternatives.size(); ++k) {
        out += "    {\"name\": ";
        AppendString(out, alternatives[k].Name);
        out += ", \"comment\": ";
        AppendString(out, alternatives[k].Comment);
        if (rated) {
            out += ", \"ratings\": [";
            for (std::size_t c = 0; c < ratedNodes.size(); ++c) {
                const CHierarchyNode& node = tree.Node(ratedNodes[c]);
                const std::int8_t rating = node.Ratings[k];
                out += c == 0 ? "" : ", ";
                if (rating == NotRated) {
                    out += "null";
                } else {
                    AppendString(out, tree.Scales()[node.Scale].Intensities[static_cast<std::size_t>(rating)]);
                }
            }
            out += "]";
        }
        out += k + 1 < alternatives.size() ? "},\n" : "}\n";
    }
    out += "  ]\n}\n";
    return out;
}
} // namespace

CReadOutcome ReadTreeText(CHierarchy& hierarchy, std::string_view text)
{
    if (text.size() > MaxTreeFileSize) {
        return Damaged(Counted(ETreeFileProblem::TooLarge, {}, text.size(), MaxTreeFileSize));
    }
    if (const std::optional<std::size_t> at = TooDeepAt(text)) {
        return Damaged(Counted(ETreeFileProblem::TooDeep, {}, *at, MaxTreeFileNesting));
    }
    Json document;
    try {
        document = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& error) {
        // The parser counts from 1; the places named here count from 0.
        return Damaged(Counted(ETreeFileProblem::NotJson, {}, error.byte > 0 ? error.byte - 1 : 0));
    } catch (const Json::exception&) {
        return Damaged(Wrong(ETreeFileProblem::NumberOutOfRange, {})); // 1E400 and the like
    }
    if (!document.is_object()) {
        return Damaged(Wrong(ETreeFileProblem::NotJsonObject, {}));
    }
    const auto format = document.find("format");
    if (format == document.end() || !format->is_string() || format->get_ref<const std::string&>() != TreeFormatName) {
        return Damaged(Wrong(ETreeFileProblem::WrongFormat, "format", TreeFormatName));
    }
    const auto version = document.find("version");
    if (version == document.end()) {
        return Damaged(Wrong(ETreeFileProblem::NoVersion, "version"));
    }
    if (!version->is_number_integer()) {
        return Damaged(Wrong(ETreeFileProblem::NotInteger, "version"));
    }
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > TreeFormatVersion
                                      : version->get<std::int64_t>() > TreeFormatVersion) {
        return Damaged(Wrong(ETreeFileProblem::NewerVersion, "version"));
    }
    if (version->get<std::int64_t>() != TreeFormatVersion) {
        return Damaged(Wrong(ETreeFileProblem::UnsupportedVersion, "version", ShortText(version->dump())));
    }
    CTreeReader reader;
    const auto mode = document.find("mode");
    if (mode != document.end()) {
        if (!mode->is_string() || (*mode != "ratings" && *mode != "pairs")) {
            return Damaged(Wrong(ETreeFileProblem::WrongMode, "mode"));
        }
        reader.Rated = *mode == "ratings";
    }
    if (reader.Rated && !reader.ReadScales(document)) {
        return Damaged(reader.Problem);
    }
    if (!reader.ReadAlternatives(document)) {
        return Damaged(reader.Problem);
    }
    const auto goal = document.find("goal");
    if (goal == document.end()) {
        return Damaged(Refused("goal", EModelProblem::NoGoal));
    }
    if (!reader.ReadNode(*goal, "goal", 0) || (reader.Rated && !reader.ReadRatings(document))) {
        return Damaged(reader.Problem);
    }
    CModelProblem problem;
    std::optional<CHierarchy> tree = reader.Rated
        ? CHierarchy::MakeRated(
            std::move(reader.Nodes), std::move(reader.Alternatives), std::move(reader.Scales), &problem)
        : CHierarchy::Make(EHierarchyShape::Tree, std::move(reader.Nodes), std::move(reader.Alternatives), &problem);
    if (!tree) {
        return Damaged(Refused({}, std::move(problem)));
    }
    hierarchy = std::move(*tree);
    return {EReadResult::Ok, "", ""};
}

CReadOutcome ReadTreeFile(CHierarchy& hierarchy, const std::string& fileName, EReadAccess access)
{
    if (fileName.empty()) {
        return {EReadResult::EmptyName, ReadResultText(EReadResult::EmptyName), ""};
    }
    // Only a regular file, checked before it is opened and again on the descriptor;
    // O_NONBLOCK keeps even a FIFO put there meanwhile from waiting.
    struct stat info { };
    if (::stat(fileName.c_str(), &info) != 0) {
        return CannotOpen(SystemErrorText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return CannotOpen(S_ISDIR(info.st_mode) ? SystemErrorText(EISDIR) : Tr(StoragePhrases::NotARegularFile));
    }
    const int mode = access == EReadAccess::ReadWrite ? O_RDWR : O_RDONLY;
    const int fd = ::open(fileName.c_str(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return CannotOpen(SystemErrorText(errno));
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return CannotOpen(Tr(StoragePhrases::NotARegularFile));
    }
    // One byte past the limit tells a file that is too long without reading it all.
    std::string text(
        static_cast<std::size_t>(info.st_size) < MaxTreeFileSize ? info.st_size + 1 : MaxTreeFileSize + 1, '\0');
    std::size_t got = 0;
    int readError = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            readError = n < 0 ? errno : 0;
            break;
        }
        got += static_cast<std::size_t>(n);
        if (got == text.size() && text.size() <= MaxTreeFileSize) {
            text.resize(std::min(text.size() * 2, MaxTreeFileSize + 1)); // it grew meanwhile
        }
    }
    ::close(fd);
    if (readError != 0) {
        return CannotOpen(SystemErrorText(readError));
    }
    text.resize(got);
    return ReadTreeText(hierarchy, text);
}

std::string TreeFileText(const CHierarchy& hierarchy, bool templateFlag)
{
    try {
        if (templateFlag) {
            return TreeFileText(hierarchy.Template(), false);
        }
        if (hierarchy.Shape() == EHierarchyShape::Tree) {
            return TextOf(hierarchy);
        }
        const std::optional<CHierarchy> tree = hierarchy.AsTree();
        return tree ? TextOf(*tree) : std::string();
    } catch (const Json::type_error&) {
        return {}; // text that is not UTF-8, which no tree holds
    }
}

EWriteResult SaveTreeFile(
    const CHierarchy& hierarchy, const std::string& fileName, bool templateFlag, ELinkAtName link, std::string* reason)
{
    const std::string text = TreeFileText(hierarchy, templateFlag);
    if (text.empty()) {
        if (reason != nullptr) {
            *reason = Tr(StoragePhrases::WriteFailed);
        }
        return EWriteResult::WriteFailed;
    }
    return SaveFileAtomically(
        fileName, [&text](CByteSink& sink) { return sink.Write(text.data(), text.size()); }, link, reason);
}

bool IsTreeFileName(const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == TreeFileExtension;
}
