#include "storage/Codec1251.h"

#include <cerrno>
#include <cstddef>
#include <iconv.h>

namespace {
// One descriptor per direction and thread, opened on first use: iconv_open is far
// dearer than converting a 200-byte comment.
class CIconv {
public:
    CIconv(const char* to, const char* from)
        : Handle(iconv_open(to, from))
    {
    }
    CIconv(const CIconv&) = delete;
    CIconv& operator=(const CIconv&) = delete;
    ~CIconv()
    {
        if (Valid()) {
            iconv_close(Handle);
        }
    }
    [[nodiscard]] bool Valid() const { return Handle != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle;
};

CIconv& ToCp1251()
{
    thread_local CIconv codec("WINDOWS-1251", "UTF-8");
    return codec;
}

CIconv& FromCp1251()
{
    thread_local CIconv codec("UTF-8", "WINDOWS-1251");
    return codec;
}

bool IsAscii(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80U) {
            return false;
        }
    }
    return true;
}

// Length of the UTF-8 sequence that starts with this byte; 1 for a stray byte.
std::size_t Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0U && lead < 0xF8U) {
        return 4;
    }
    if (lead >= 0xE0U) {
        return lead < 0xF0U ? 3 : 1;
    }
    if (lead >= 0xC0U) {
        return 2;
    }
    return 1;
}

struct CConversion {
    std::string Text;
    bool Complete = true; // false when input had to be dropped
};

// Converts all of input; what the target cannot hold is skipped (a whole UTF-8
// sequence when the source is UTF-8, one byte otherwise) and reported.
CConversion Convert(CIconv& codec, const std::string& input, bool sourceIsUtf8)
{
    CConversion result;
    if (!codec.Valid()) {
        result.Complete = false;
        return result;
    }
    iconv(codec.Handle, nullptr, nullptr, nullptr, nullptr);
    // UTF-8 output of a one-byte code page takes at most 3 bytes per input byte.
    std::string out(input.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    while (inLeft > 0) {
        if (iconv(codec.Handle, &in, &inLeft, &to, &toLeft) != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            const std::size_t used = static_cast<std::size_t>(to - out.data());
            out.resize(out.size() * 2);
            to = out.data() + used;
            toLeft = out.size() - used;
            continue;
        }
        result.Complete = false;
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        std::size_t skip = 1;
        if (sourceIsUtf8) {
            // The lead byte and its continuation bytes, but never the next character.
            const std::size_t expected = Utf8SequenceLength(static_cast<unsigned char>(*in));
            while (skip < expected && skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0U) == 0x80U) {
                ++skip;
            }
        }
        in += skip;
        inLeft -= skip;
        iconv(codec.Handle, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    result.Text = std::move(out);
    return result;
}
} // namespace

bool IsCp1251Representable(const std::string& utf8)
{
    return IsAscii(utf8) || Convert(ToCp1251(), utf8, true).Complete;
}

std::string Utf8ToCp1251(const std::string& utf8)
{
    return IsAscii(utf8) ? utf8 : Convert(ToCp1251(), utf8, true).Text;
}

std::string Cp1251ToUtf8(const std::string& cp1251)
{
    // The one byte the code page leaves undefined (0x98) is dropped.
    return IsAscii(cp1251) ? cp1251 : Convert(FromCp1251(), cp1251, false).Text;
}
