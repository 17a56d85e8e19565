#include "StorageTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/mount.h>

CTempDir::CTempDir()
{
    std::string pattern = "/tmp/tessaly-storage-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    Path = pattern;
}

CTempDir::~CTempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
}

CTmpfsMount::CTmpfsMount(const std::string& directory, const std::string& options)
    : Directory(directory)
{
    std::filesystem::create_directories(directory);
    IsMounted = ::mount("tmpfs", directory.c_str(), "tmpfs", 0, options.c_str()) == 0;
}

CTmpfsMount::~CTmpfsMount()
{
    if (IsMounted) {
        ::umount2(Directory.c_str(), MNT_DETACH);
    }
}

bool CTmpfsMount::RemountReadOnly()
{
    return IsMounted && ::mount("tmpfs", Directory.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

std::vector<unsigned char> ReadAll(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& file, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FilesIn(const std::filesystem::path& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
