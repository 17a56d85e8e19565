#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// A fresh folder under /tmp for one test, removed with everything in it.
class CGroupTempDir {
public:
    CGroupTempDir()
    {
        std::string pattern = "/tmp/tessaly-group-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        Path = pattern;
    }
    CGroupTempDir(const CGroupTempDir&) = delete;
    CGroupTempDir& operator=(const CGroupTempDir&) = delete;
    ~CGroupTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    [[nodiscard]] std::string File(const std::string& name) const { return (Path / name).string(); }
    std::filesystem::path Path;
};
