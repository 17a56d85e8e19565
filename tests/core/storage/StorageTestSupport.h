#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh directory under /tmp for one test, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    ~CTempDir();
    [[nodiscard]] std::string File(const std::string& name) const { return (Path / name).string(); }
    std::filesystem::path Path;
};

// A tmpfs mounted on a directory for one test (root only); Mounted() false otherwise.
class CTmpfsMount {
public:
    CTmpfsMount(const std::string& directory, const std::string& options);
    CTmpfsMount(const CTmpfsMount&) = delete;
    CTmpfsMount& operator=(const CTmpfsMount&) = delete;
    ~CTmpfsMount();
    [[nodiscard]] bool Mounted() const { return IsMounted; }
    bool RemountReadOnly();

private:
    std::string Directory;
    bool IsMounted = false;
};

std::vector<unsigned char> ReadAll(const std::string& file);
void WriteAll(const std::string& file, const std::vector<unsigned char>& bytes);
std::vector<std::string> FilesIn(const std::filesystem::path& directory);
