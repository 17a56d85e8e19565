#pragma once

#include "core/storage/ProjectFile.h"

#include <cstddef>
#include <vector>

// Collects the writer's bytes in memory; with a limit it fails the write that would
// pass it, as a full disk does (the bytes that fit are kept).
class CMemorySink final : public CByteSink {
public:
    CMemorySink() = default;
    explicit CMemorySink(std::size_t limit);
    bool Write(const void* data, std::size_t size) override;

    std::vector<unsigned char> Bytes;

private:
    std::size_t Limit = static_cast<std::size_t>(-1);
};
