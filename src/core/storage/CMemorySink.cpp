#include "core/storage/CMemorySink.h"

CMemorySink::CMemorySink(std::size_t limit)
    : Limit(limit)
{
}

bool CMemorySink::Write(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    const std::size_t room = Limit > Bytes.size() ? Limit - Bytes.size() : 0;
    const std::size_t taken = size < room ? size : room;
    Bytes.insert(Bytes.end(), bytes, bytes + taken);
    return taken == size;
}
