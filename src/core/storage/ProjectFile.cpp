#include "core/storage/ProjectFile.h"

#include "core/model/CUserProjectModel.h"
#include "core/model/TLoadSaveProject.h"
#include "core/storage/Codec1251.h"

#include <array>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {
constexpr double ProjectFileMagic = 424.424;
constexpr std::size_t MagicSize = 8;

CReadOutcome Outcome(EReadResult result, std::string reason = {})
{
    return {result, ReadResultText(result), std::move(reason)};
}

// A file that cannot be opened: the system's reason, or that it is no regular file.
CReadOutcome CannotOpen(int error)
{
    return Outcome(EReadResult::CannotOpen, SystemErrorText(error));
}

CReadOutcome NotRegular(const struct stat& info)
{
    return Outcome(
        EReadResult::CannotOpen, S_ISDIR(info.st_mode) ? SystemErrorText(EISDIR) : Tr(StoragePhrases::NotARegularFile));
}

std::uint32_t U32From(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8U
        | static_cast<std::uint32_t>(p[2]) << 16U | static_cast<std::uint32_t>(p[3]) << 24U;
}

// Little-endian fields from a byte range; every read says whether the bytes were there.
class CByteReader {
public:
    CByteReader(const unsigned char* data, std::size_t size)
        : Data(data)
        , Size(size)
    {
    }

    bool Skip(std::size_t count)
    {
        if (Size - Offset < count) {
            return false;
        }
        Offset += count;
        return true;
    }

    bool ReadU32(std::uint32_t& value)
    {
        if (Size - Offset < 4) {
            return false;
        }
        value = U32From(Data + Offset);
        Offset += 4;
        return true;
    }

    // A count and that many Windows-1251 bytes; the count is capped before anything is read.
    bool ReadString(std::string& utf8)
    {
        std::uint32_t length = 0;
        if (!ReadU32(length) || length > MaxStoredStringLength || Size - Offset < length) {
            return false;
        }
        // Straight into the record's string, whose buffer later reads reuse.
        Cp1251ToUtf8(reinterpret_cast<const char*>(Data + Offset), length, utf8);
        Offset += length;
        return true;
    }

    // Row by row into the leading n x n block.
    bool ReadMatrix(CJudgementMatrix& judgements, std::uint32_t n)
    {
        if (Size - Offset < static_cast<std::size_t>(n) * n * 4) {
            return false;
        }
        if (judgements.RowCountInUse() < n || judgements.ColCountInUse() < n) {
            judgements.SetSize(MaxElementsPerLevel, MaxElementsPerLevel);
        }
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = 0; c < n; ++c) {
                // Every code as it stands, whatever the scale offers: the file keeps it.
                judgements(r, c) = CJudgement::FromCode(std::bit_cast<std::int32_t>(U32From(Data + Offset)));
                Offset += 4;
            }
        }
        ReadAsJudged(judgements, n);
        return true;
    }

    // What a file not written by Tessaly may hold is read as Tessaly means it: an element
    // compared with itself is equal, and a pair with "не задано" in one cell only is not
    // judged (Tessaly writes both cells of a pair, as mirrors). Every file Tessaly writes
    // reads as it stands.
    static void ReadAsJudged(CJudgementMatrix& judgements, std::uint32_t n)
    {
        for (std::uint32_t i = 0; i < n; ++i) {
            if (judgements(i, i).Value() != 1.0) {
                judgements(i, i) = CJudgement{};
            }
            for (std::uint32_t j = i + 1; j < n; ++j) {
                if (judgements(i, j).IsJudged() != judgements(j, i).IsJudged()) {
                    judgements(i, j) = CJudgement::NotJudged();
                    judgements(j, i) = CJudgement::NotJudged();
                }
            }
        }
    }

private:
    const unsigned char* Data;
    std::size_t Size;
    std::size_t Offset = 0;
};

bool ReadElement(CByteReader& reader, CLoadSaveProjectHierarchy_Element& element, bool hasMatrix, std::uint32_t n)
{
    return reader.ReadString(element.Name) && reader.ReadString(element.Comment)
        && (!hasMatrix || reader.ReadMatrix(element.Judgements, n));
}

bool ReadBody(CByteReader& reader, TLoadSaveProject& record, std::uint32_t levels)
{
    record.ElementsPerLevel[0] = 1;
    for (std::uint32_t k = 1; k < levels; ++k) {
        std::uint32_t count = 0;
        if (!reader.ReadU32(count) || count < MinElementsPerLevel || count > MaxElementsPerLevel) {
            return false;
        }
        record.ElementsPerLevel[k] = static_cast<std::int32_t>(count);
    }
    const auto countOf = [&record](std::uint32_t k) { return static_cast<std::uint32_t>(record.ElementsPerLevel[k]); };
    if (!ReadElement(reader, record.Elements[0][0], true, countOf(1))) {
        return false;
    }
    for (std::uint32_t k = 1; k < levels; ++k) {
        const bool hasMatrix = k + 1 < levels;
        const std::uint32_t below = hasMatrix ? countOf(k + 1) : 0;
        for (std::uint32_t i = 0; i < countOf(k); ++i) {
            if (!ReadElement(reader, record.Elements[i][k], hasMatrix, below)) {
                return false;
            }
        }
    }
    return true;
}

// Stops at the first failed write; the result says whether all of them went through.
class CProjectWriter {
public:
    explicit CProjectWriter(CByteSink& sink)
        : Sink(sink)
    {
    }

    bool Succeeded() const { return Ok; }

    void Bytes(const void* data, std::size_t size)
    {
        if (Ok && size > 0) {
            Ok = Sink.Write(data, size);
        }
    }

    void U32(std::uint32_t value)
    {
        const std::array<unsigned char, 4> bytes{static_cast<unsigned char>(value),
            static_cast<unsigned char>(value >> 8U), static_cast<unsigned char>(value >> 16U),
            static_cast<unsigned char>(value >> 24U)};
        Bytes(bytes.data(), bytes.size());
    }

    void Magic()
    {
        const auto bits = std::bit_cast<std::uint64_t>(ProjectFileMagic);
        std::array<unsigned char, MagicSize> bytes{};
        for (std::size_t i = 0; i < MagicSize; ++i) {
            bytes[i] = static_cast<unsigned char>(bits >> (8U * i));
        }
        Bytes(bytes.data(), bytes.size());
    }

    void String(const std::string& utf8)
    {
        Utf8ToCp1251(utf8.data(), utf8.size(), Stored);
        U32(static_cast<std::uint32_t>(Stored.size()));
        Bytes(Stored.data(), Stored.size());
    }

    void Matrix(const CJudgementMatrix& judgements, std::uint32_t n, bool templateFlag)
    {
        if (judgements.RowCountInUse() < n || judgements.ColCountInUse() < n) {
            Ok = false;
            return;
        }
        // One write per matrix: a 9 x 9 block is 324 bytes.
        std::array<unsigned char, 4 * MaxElementsPerLevel * MaxElementsPerLevel> bytes{};
        std::size_t used = 0;
        for (std::uint32_t r = 0; r < n; ++r) {
            for (std::uint32_t c = 0; c < n; ++c) {
                const auto value = std::bit_cast<std::uint32_t>(templateFlag ? 1 : judgements(r, c).Code());
                for (std::uint32_t b = 0; b < 4; ++b) {
                    bytes[used++] = static_cast<unsigned char>(value >> (8U * b));
                }
            }
        }
        Bytes(bytes.data(), used);
    }

private:
    CByteSink& Sink;
    bool Ok = true;
    std::string Stored; // one buffer for every string's Windows-1251 bytes
};

// Buffered writes to a file descriptor; every write(2) is checked, short writes are
// continued and EINTR retried.
class CFdSink final : public CByteSink {
public:
    explicit CFdSink(int fd)
        : Fd(fd)
    {
        Buffer.reserve(BufferSize);
    }

    // The system's error number of the write that failed; 0 while none did.
    [[nodiscard]] int Error() const { return FailedWith; }

    bool Write(const void* data, std::size_t size) override
    {
        if (Failed) {
            return false;
        }
        const auto* bytes = static_cast<const unsigned char*>(data);
        Buffer.insert(Buffer.end(), bytes, bytes + size);
        return Buffer.size() < BufferSize || Flush();
    }

    bool Flush()
    {
        std::size_t done = 0;
        while (!Failed && done < Buffer.size()) {
            const ssize_t n = ::write(Fd, Buffer.data() + done, Buffer.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                Failed = true;
                FailedWith = n < 0 ? errno : ENOSPC; // no progress at all: the device is full
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        Buffer.clear();
        return !Failed;
    }

private:
    static constexpr std::size_t BufferSize = 64 * 1024;
    int Fd;
    bool Failed = false;
    int FailedWith = 0;
    std::vector<unsigned char> Buffer;
};

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string JoinPath(const std::string& directory, const char* name)
{
    if (directory.empty()) {
        return name;
    }
    return directory.back() == '/' ? directory + name : directory + '/' + name;
}

// When the program started, read from the coarse clock that file times are stamped
// from, so no file written later can look older: a temporary file last written before
// then belongs to a save that was killed, not to one another instance is making now.
timespec CoarseNow()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}
const timespec ProgramStart = CoarseNow();

bool EarlierThan(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

std::size_t NameMax(const std::string& directory)
{
    const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// mkstemp replaces these with letters and digits.
constexpr std::size_t UniqueLength = 6;

// The temporary files of one target are named "." + its name + "." + six characters,
// so they are hidden and found again by the next save of the same target. A name too
// long for that keeps a prefix (whole UTF-8 characters) and a hash of the whole name,
// which still tells one target's temporaries from another's.
// The file a symbolic link names, for a save through it: the resolved path when it
// exists; otherwise the link's own text, taken from the link's folder when relative, so
// a link to a file not yet written gets that file (the link stays). One level is
// followed for such a link; a chain of missing files is not a case worth more.
std::string LinkDestination(const std::string& link)
{
    if (char* resolved = ::realpath(link.c_str(), nullptr)) {
        std::string target = resolved;
        std::free(resolved);
        return target;
    }
    std::array<char, PATH_MAX> text{};
    const ssize_t length = ::readlink(link.c_str(), text.data(), text.size() - 1);
    if (length <= 0) {
        return link;
    }
    std::string destination(text.data(), static_cast<std::size_t>(length));
    if (destination.front() == '/') {
        return destination;
    }
    const std::size_t slash = link.rfind('/');
    return slash == std::string::npos ? destination : link.substr(0, slash + 1) + destination;
}

std::string TemporaryStem(const std::string& base, std::size_t nameMax)
{
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "." + base + ".".
    std::string stem(1, '.');
    if (base.size() + 2 + UniqueLength <= nameMax) {
        return stem.append(base).append(1, '.');
    }
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    for (const char c : base) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    std::array<char, 17> hex{};
    std::snprintf(hex.data(), hex.size(), "%016llx", static_cast<unsigned long long>(hash));
    const std::size_t fixed = 3 + 16 + UniqueLength; // three dots, the hash, mkstemp's part
    std::size_t keep = nameMax > fixed ? nameMax - fixed : 0;
    while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0U) == 0x80U) {
        --keep;
    }
    return stem.append(base, 0, keep).append(1, '.').append(hex.data()).append(1, '.');
}

// Exactly six ASCII letters or digits (not isalnum: under a one-byte locale it would
// take Cyrillic letters too).
bool IsUniquePart(const char* text)
{
    for (std::size_t i = 0; i < UniqueLength; ++i) {
        const char c = text[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return text[UniqueLength] == '\0';
}

// Removes what killed saves of this target left behind: regular files of our user with
// exactly this stem and six mkstemp characters, last written before the program started.
// Anything else (other targets, other programs' files, a save in progress) stays.
void RemoveStaleTemporaries(const std::string& directory, const std::string& stem)
{
    DIR* folder = ::opendir(directory.c_str());
    if (folder == nullptr) {
        return;
    }
    const int folderFd = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, stem.c_str(), stem.size()) != 0 || !IsUniquePart(name + stem.size())) {
            continue;
        }
        struct stat info { };
        if (::fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == ::geteuid() && EarlierThan(info.st_mtim, ProgramStart)) {
            ::unlinkat(folderFd, name, 0);
        }
    }
    ::closedir(folder);
}

// A failed rename is a failure to make the target's name (no permission, a name the
// file system refuses, ...), reported like a failed opening; only the device's own
// failures are write errors.
EWriteResult RenameFailure(int error)
{
    return error == EIO || error == ENOSPC || error == EDQUOT ? EWriteResult::WriteFailed : EWriteResult::OpenFailed;
}

mode_t DefaultFileMode()
{
    // New files get what "w+b" would give them; single-threaded, so reading the mask is safe.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666U & ~static_cast<unsigned>(mask));
}
} // namespace

CReadOutcome ReadProjectBytes(TLoadSaveProject& record, const unsigned char* data, std::size_t size)
{
    if (data == nullptr) {
        return Outcome(EReadResult::NullFile);
    }
    CByteReader reader(data, size);
    std::uint32_t levels = 0;
    // The magic is not checked: a file with other first bytes but a sound body loads.
    const bool haveCount = reader.Skip(MagicSize) && reader.ReadU32(levels);
    record.LevelCount = haveCount ? levels : 0;
    // The magic decides nothing, but it tells the user whether a refused file was a
    // project at all.
    const bool projectMagic = size >= MagicSize
        && std::bit_cast<std::uint64_t>(ProjectFileMagic)
            == (static_cast<std::uint64_t>(U32From(data + 4)) << 32U | U32From(data));
    const std::string why = Tr(projectMagic ? StoragePhrases::DamagedFile : StoragePhrases::NotAProjectFile);
    // Two levels (a goal over its alternatives) is what the structure editor can leave,
    // so it is read back like any other project; fewer cannot be a hierarchy.
    if (!haveCount || levels < MinLevels) {
        return Outcome(EReadResult::Damaged, why);
    }
    if (levels > MaxLevels || !ReadBody(reader, record, levels)) {
        // A half-read record must not look like a project.
        record.LevelCount = 0;
        return Outcome(EReadResult::Damaged, why);
    }
    return Outcome(EReadResult::Ok);
}

CReadOutcome ReadProjectFile(TLoadSaveProject& record, const std::string& fileName, EReadAccess access)
{
    if (fileName.empty()) {
        return Outcome(EReadResult::EmptyName);
    }
    // Only a regular file is read: a FIFO never ends and a device may block or change
    // state when opened. Such names are refused before they are opened; the opened
    // descriptor is checked again (something else may have been put there meanwhile),
    // and O_NONBLOCK keeps even that open from waiting.
    struct stat info { };
    if (::stat(fileName.c_str(), &info) != 0) {
        return CannotOpen(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return NotRegular(info);
    }
    // Read and write, like "r+b": a file that may not be written is refused too.
    const int mode = access == EReadAccess::ReadWrite ? O_RDWR : O_RDONLY;
    const int fd = ::open(fileName.c_str(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return CannotOpen(errno);
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        return S_ISREG(info.st_mode) ? CannotOpen(error) : NotRegular(info);
    }
    // Nothing beyond the largest acceptable file is ever needed; one byte more tells
    // a long file from an exact one without reading it all.
    constexpr std::size_t Capacity = MaxProjectFileSize + 1;
    const auto bytes = std::make_unique_for_overwrite<unsigned char[]>(Capacity);
    std::size_t got = 0;
    int readError = 0;
    while (got < Capacity) {
        const ssize_t n = ::read(fd, bytes.get() + got, Capacity - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            readError = n < 0 ? errno : 0;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (readError != 0) {
        return CannotOpen(readError);
    }
    return ReadProjectBytes(record, bytes.get(), got);
}

bool WriteProjectFile(const CUserProjectModel& project, CByteSink& sink, bool templateFlag)
{
    const std::uint32_t levels = project.LevelCount();
    if (levels > MaxLevels) {
        return false;
    }
    CProjectWriter writer(sink);
    writer.Magic();
    writer.U32(levels);
    std::array<std::uint32_t, MaxLevels> counts{};
    counts[0] = 1;
    for (std::uint32_t k = 1; k < levels; ++k) {
        counts[k] = project.ElementsInLevelChecked(k);
        writer.U32(counts[k]);
    }
    const CHierarchy_Element& goal = project.Goal();
    writer.String(goal.Name);
    writer.String(goal.Comment);
    if (levels > 1) {
        writer.Matrix(goal.Judgements, counts[1], templateFlag);
    }
    for (std::uint32_t k = 1; k < levels; ++k) {
        for (std::uint32_t i = 0; i < counts[k]; ++i) {
            const CHierarchy_Element& element = project.Element(i, k);
            writer.String(element.Name);
            writer.String(element.Comment);
            if (k + 1 < levels) {
                writer.Matrix(element.Judgements, counts[k + 1], templateFlag);
            }
        }
    }
    return writer.Succeeded();
}

namespace {
// Stands for "no regular file" where an error number is kept.
constexpr int NotARegularFile = -1;

// The save itself; error receives the system's error number of a failure (0 when the
// writing step failed without one).
EWriteResult SaveAtomically(
    const std::string& fileName, const std::function<bool(CByteSink&)>& write, ELinkAtName link, int& error)
{
    error = 0;
    if (fileName.empty()) {
        error = ENOENT;
        return EWriteResult::OpenFailed;
    }
    std::string target = fileName;
    struct stat info { };
    const bool isLink = ::lstat(target.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    if (isLink && link == ELinkAtName::WriteThrough) {
        target = LinkDestination(target);
    }
    mode_t mode = DefaultFileMode();
    bool replacing = false;
    const bool exists = isLink && link == ELinkAtName::Replace ? false : ::stat(target.c_str(), &info) == 0;
    if (exists) {
        // A file that could not be opened for writing is not replaced behind its back.
        if (!S_ISREG(info.st_mode)) {
            error = S_ISDIR(info.st_mode) ? EISDIR : NotARegularFile;
            return EWriteResult::OpenFailed;
        }
        if (::access(target.c_str(), W_OK) != 0) {
            error = errno;
            return EWriteResult::OpenFailed;
        }
        mode = info.st_mode & 07777;
        replacing = true;
    }
    const std::size_t slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    const std::string directory = DirectoryOf(target);
    const std::size_t nameMax = NameMax(directory);
    // A name the file system cannot hold is an opening failure, found before anything is
    // written.
    if (base.empty() || base.size() > nameMax) {
        error = base.empty() ? EISDIR : ENAMETOOLONG;
        return EWriteResult::OpenFailed;
    }
    const std::string stem = TemporaryStem(base, nameMax);
    std::string temporary = JoinPath(directory, stem.c_str()) + std::string(UniqueLength, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = errno;
        return EWriteResult::OpenFailed;
    }
    CFdSink sink(fd);
    bool ok = write(sink) && sink.Flush();
    error = sink.Error();
    if (ok && replacing) {
        // The owner's file stays the owner's, and a group's file the group's, where the
        // saving user may say so (root may; others may give a group they belong to).
        if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), info.st_gid);
        }
    }
    const auto step = [&error](bool done) {
        if (!done && error == 0) {
            error = errno;
        }
        return done;
    };
    ok = ok && step(::fchmod(fd, mode) == 0);
    ok = ok && step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return EWriteResult::WriteFailed;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return RenameFailure(error);
    }
    // The rename is durable once the directory is; the file is in place either way.
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    RemoveStaleTemporaries(directory, stem);
    return EWriteResult::Ok;
}
} // namespace

EWriteResult SaveFileAtomically(
    const std::string& fileName, const std::function<bool(CByteSink&)>& write, ELinkAtName link, std::string* reason)
{
    int error = 0;
    const EWriteResult result = SaveAtomically(fileName, write, link, error);
    if (reason != nullptr) {
        if (result == EWriteResult::Ok) {
            reason->clear();
        } else {
            *reason = error == NotARegularFile ? Tr(StoragePhrases::NotARegularFile)
                : error != 0                   ? SystemErrorText(error)
                                               : Tr(StoragePhrases::WriteFailed);
        }
    }
    return result;
}

EWriteResult SaveProjectFile(const CUserProjectModel& project, const std::string& fileName, bool templateFlag,
    ELinkAtName link, std::string* reason)
{
    return SaveFileAtomically(
        fileName, [&project, templateFlag](CByteSink& sink) { return WriteProjectFile(project, sink, templateFlag); },
        link, reason);
}

std::string SystemErrorText(int error)
{
    return std::generic_category().message(error);
}

std::string ApplyExtensionRule(const std::string& name, const std::string& extension)
{
    // Only the last character is compared with the extension's last letter.
    if (extension.empty() || (!name.empty() && name.back() == extension.back())) {
        return name;
    }
    return name + extension;
}

std::string TemplateDirectory(const std::string& startDirectory)
{
    return JoinPath(startDirectory, "HTemplates");
}

std::string CloneFileName(const std::string& startDirectory)
{
    return JoinPath(startDirectory, "ToClone.tmp");
}
