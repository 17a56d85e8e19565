#include "cli/ReportOutput.h"

#include "cli/ReportPhrases.h"
#include "core/results/ControlCharacters.h"
#include "core/storage/ProjectFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void HoldClosedStandardDescriptors()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // open() takes the lowest free number, which is this one.
            ::open("/dev/null", fd == STDERR_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
}

std::string WriteToStandardOutput(std::string_view text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            // No progress without an error: the device took nothing, as a full one does.
            return Say(NotWrittenToStandardOutput, SystemErrorText(n < 0 ? errno : ENOSPC));
        }
        done += static_cast<std::size_t>(n);
    }
    // A file system may report a failed write only when the file is closed.
    if (::close(STDOUT_FILENO) != 0 && errno != EINTR) {
        return Say(NotWrittenToStandardOutput, SystemErrorText(errno));
    }
    return {};
}

std::string WriteToFile(const std::string& fileName, std::string_view text)
{
    std::string reason;
    const EWriteResult result = SaveFileAtomically(
        fileName, [text](CByteSink& sink) { return sink.Write(text.data(), text.size()); }, ELinkAtName::WriteThrough,
        &reason);
    return result == EWriteResult::Ok ? std::string() : Say(NotWrittenToFile, fileName, reason);
}

std::string OutputAmongInputs(const std::string& output, const std::vector<std::string>& inputs)
{
    struct stat target { };
    if (::stat(output.c_str(), &target) != 0) {
        return {};
    }
    for (const std::string& input : inputs) {
        struct stat info { };
        if (::stat(input.c_str(), &info) == 0 && info.st_dev == target.st_dev && info.st_ino == target.st_ino) {
            return input;
        }
    }
    return {};
}

std::string OutputIsInputText(const std::string& output)
{
    return Say(OutputIsInput, ShowControlCharacters(output));
}
