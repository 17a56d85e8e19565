#pragma once

#include <string>
#include <string_view>
#include <vector>

// Standard input, output and error that were closed when the program started are held
// on /dev/null, so that no file the program opens later takes one of their numbers and
// receives text meant for them. Standard output is held open for reading only: a report
// written to it still fails, and is reported, as it would have on the closed descriptor.
void HoldClosedStandardDescriptors();

// Writes all of text to standard output and closes it; "" when every byte was written,
// else the message naming the output and the system's reason.
std::string WriteToStandardOutput(std::string_view text);

// Writes text to fileName through the program's atomic save (a temporary file beside
// it, renamed over it only when everything was written); "" or the message naming the
// file and the reason.
std::string WriteToFile(const std::string& fileName, std::string_view text);

// The input that the output file would replace: the first of inputs that is the same file
// as output (the same device and inode, whatever links or names lead to it); "" when none
// is, or output does not exist yet.
std::string OutputAmongInputs(const std::string& output, const std::vector<std::string>& inputs);
// "Отчёт не записан: файл «x.tsy» — один из файлов, которые отчёт читает"
std::string OutputIsInputText(const std::string& output);
