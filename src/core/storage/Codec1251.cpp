#include "core/storage/Codec1251.h"

#include <array>
#include <cerrno>
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
    void Reset() const { iconv(Handle, nullptr, nullptr, nullptr, nullptr); }
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

bool IsAscii(const char* text, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80U) {
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

// Converts all of input into out (replacing what it held, keeping its buffer); what the
// target cannot hold is skipped (a whole UTF-8 sequence when the source is UTF-8, one
// byte otherwise). False when something was skipped. Every path leaves the descriptor
// in its initial state, so no reset is needed before the next conversion.
bool Convert(const CIconv& codec, const char* input, std::size_t size, std::string& out, bool sourceIsUtf8)
{
    out.clear();
    if (!codec.Valid()) {
        return false;
    }
    // A stored string is at most 256 bytes, 768 of UTF-8: one pass of this buffer.
    std::array<char, 1024> chunk;
    bool complete = true;
    char* in = const_cast<char*>(input);
    std::size_t inLeft = size;
    while (inLeft > 0) {
        char* to = chunk.data();
        std::size_t toLeft = chunk.size();
        const bool done = iconv(codec.Handle, &in, &inLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
        const int error = errno;
        out.append(chunk.data(), chunk.size() - toLeft);
        if (done || error == E2BIG) {
            continue;
        }
        complete = false;
        codec.Reset();
        if (error != EILSEQ && error != EINVAL) {
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
    }
    return complete;
}
} // namespace

bool IsCp1251Representable(const std::string& utf8)
{
    std::string ignored;
    return IsAscii(utf8.data(), utf8.size()) || Convert(ToCp1251(), utf8.data(), utf8.size(), ignored, true);
}

void Utf8ToCp1251(const char* utf8, std::size_t size, std::string& cp1251)
{
    if (IsAscii(utf8, size)) {
        cp1251.assign(utf8, size);
    } else {
        Convert(ToCp1251(), utf8, size, cp1251, true);
    }
}

void Cp1251ToUtf8(const char* cp1251, std::size_t size, std::string& utf8)
{
    // The one byte the code page leaves undefined (0x98) is dropped.
    if (IsAscii(cp1251, size)) {
        utf8.assign(cp1251, size);
    } else {
        Convert(FromCp1251(), cp1251, size, utf8, false);
    }
}

std::string Utf8ToCp1251(const std::string& utf8)
{
    std::string cp1251;
    Utf8ToCp1251(utf8.data(), utf8.size(), cp1251);
    return cp1251;
}

std::string Cp1251ToUtf8(const std::string& cp1251)
{
    std::string utf8;
    Cp1251ToUtf8(cp1251.data(), cp1251.size(), utf8);
    return utf8;
}
