#include "core/results/CCsvWriter.h"

#include "core/results/ControlCharacters.h"
#include "core/results/CsvExport.h"
#include "core/results/NumberFormat.h"

CCsvWriter::CCsvWriter(char decimalSeparator)
    : Text("\xEF\xBB\xBF")
    , Decimal(decimalSeparator)
    , Separator(CsvFieldSeparator(decimalSeparator))
{
}

void CCsvWriter::Row(std::initializer_list<std::string> fields)
{
    Row(std::span<const std::string>(fields.begin(), fields.size()));
}

void CCsvWriter::Row(std::span<const std::string> fields)
{
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) {
            Text += Separator;
        }
        Text += CsvField(ShowControlCharacters(fields[f]), Separator);
    }
    Text += "\r\n";
}

void CCsvWriter::EndSection()
{
    Text += "\r\n";
}

std::string CCsvWriter::Number(double x) const
{
    return FormatGeneral(x, Decimal);
}

std::string CCsvWriter::Number(const std::optional<double>& x) const
{
    return x ? Number(*x) : std::string();
}

std::string CCsvWriter::Entry(std::span<const double> vector, std::size_t i) const
{
    return i < vector.size() ? Number(vector[i]) : std::string();
}

std::string CCsvWriter::Count(std::size_t k)
{
    return std::to_string(k);
}
