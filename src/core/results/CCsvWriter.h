#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The one writer of every CSV text (a project's and a group's): UTF-8 with a byte-order
// mark, CRLF line ends, fields quoted by CsvField, sections separated by an empty line,
// numbers unrounded with the given decimal separator. No field keeps a control character
// raw: each is shown escaped as a terminal report shows it, so a name from a file cannot
// carry a terminal escape into a spreadsheet or a pager.
class CCsvWriter {
public:
    explicit CCsvWriter(char decimalSeparator);

    void Row(std::initializer_list<std::string> fields);
    void Row(std::span<const std::string> fields);
    void Row(const std::vector<std::string>& fields) { Row(std::span<const std::string>(fields)); }
    void EndSection();
    [[nodiscard]] std::string Number(double x) const;
    // Empty for none.
    [[nodiscard]] std::string Number(const std::optional<double>& x) const;
    // The entry i of a vector, empty where the vector has none.
    [[nodiscard]] std::string Entry(std::span<const double> vector, std::size_t i) const;
    [[nodiscard]] static std::string Count(std::size_t k);

    std::string Text;

private:
    char Decimal;
    char Separator;
};
