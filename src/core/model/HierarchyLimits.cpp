#include "core/model/HierarchyLimits.h"

#include "core/model/ModelPhrases.h"

#include <cstddef>

namespace {
// Code points of well-formed UTF-8 (no overlong forms, no surrogates), or -1.
long long Utf8CodePoints(const std::string& text)
{
    long long count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned min = 0;
        unsigned point = 0;
        if (lead < 0x80) {
            length = 1;
            point = lead;
        } else if ((lead & 0xE0U) == 0xC0U) {
            length = 2;
            min = 0x80;
            point = lead & 0x1FU;
        } else if ((lead & 0xF0U) == 0xE0U) {
            length = 3;
            min = 0x800;
            point = lead & 0x0FU;
        } else if ((lead & 0xF8U) == 0xF0U) {
            length = 4;
            min = 0x10000;
            point = lead & 0x07U;
        } else {
            return -1;
        }
        if (i + length > text.size()) {
            return -1;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0U) != 0x80U) {
                return -1;
            }
            point = (point << 6U) | (next & 0x3FU);
        }
        if (point < min || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return -1;
        }
        i += length;
        ++count;
    }
    return count;
}
} // namespace

CModelProblem TreeNameCheck(const std::string& name)
{
    const long long length = Utf8CodePoints(name);
    if (length < 0) {
        return EModelProblem::NameNotUtf8;
    }
    if (length == 0) {
        return EModelProblem::EmptyName;
    }
    if (length > MaxTreeNameLength) {
        return CModelProblem::Beyond(EModelProblem::NameTooLong, MaxTreeNameLength);
    }
    return {};
}

CModelProblem TreeCommentCheck(const std::string& comment)
{
    const long long length = Utf8CodePoints(comment);
    if (length < 0) {
        return EModelProblem::CommentNotUtf8;
    }
    if (length > MaxTreeCommentLength) {
        return CModelProblem::Beyond(EModelProblem::CommentTooLong, MaxTreeCommentLength);
    }
    return {};
}

std::string TreeNameProblem(const std::string& name)
{
    return ModelProblemText(TreeNameCheck(name));
}

std::string TreeCommentProblem(const std::string& comment)
{
    return ModelProblemText(TreeCommentCheck(comment));
}
