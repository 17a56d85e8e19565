#pragma once

#include <QString>

#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// A directory made read-only for everyone, root included: a read-only bind mount for
// root (permission bits do not stop root), the permission bits otherwise. IsReady is
// false where neither can be had (root without CAP_SYS_ADMIN); the test then skips.
class CReadOnlyDirectory {
public:
    explicit CReadOnlyDirectory(const QString& path)
        : Path(path.toStdString())
    {
        if (::geteuid() != 0) {
            Ready = ::chmod(Path.c_str(), 0555) == 0;
            return;
        }
        Mounted = ::mount(Path.c_str(), Path.c_str(), nullptr, MS_BIND, nullptr) == 0;
        Ready = Mounted && ::mount(nullptr, Path.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    CReadOnlyDirectory(const CReadOnlyDirectory&) = delete;
    CReadOnlyDirectory& operator=(const CReadOnlyDirectory&) = delete;
    ~CReadOnlyDirectory()
    {
        if (Mounted) {
            ::umount2(Path.c_str(), MNT_DETACH);
        } else {
            ::chmod(Path.c_str(), 0755);
        }
    }
    [[nodiscard]] bool IsReady() const { return Ready; }

private:
    std::string Path;
    bool Mounted = false;
    bool Ready = false;
};
