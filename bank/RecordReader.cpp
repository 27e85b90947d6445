// Whole question records, one at a time, and the number on a record's sixth line.
#include "BankError.h"
#include "BankText.h"

#include <algorithm>
#include <utility>

namespace kvardelon {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

RecordReader::RecordReader(std::string_view bytes, std::filesystem::path file, int step)
    : lines_(bytes, std::move(file), step)
{
}

std::optional<Record> RecordReader::next()
{
    Record record;
    if (!next(record))
        return std::nullopt;
    return record;
}

bool RecordReader::next(Record& record)
{
    if (!lines_.nextLine(record.question))
        return false;
    ++records_;
    record.line = lines_.lineNumber();
    for (int field = 1; field < kLinesPerRecord; ++field) {
        std::string& text = field <= 4 ? record.answers.at(static_cast<std::size_t>(field - 1)) : record.answerLine;
        if (!lines_.nextLine(text)) {
            throw BankError({.reason = BankError::Reason::TooShort,
                             .file = lines_.file(),
                             .step = lines_.step(),
                             .line = lines_.lineNumber(),
                             .record = records_,
                             .missingLines = kLinesPerRecord - field});
        }
    }
    return true;
}

std::optional<std::int16_t> answerNumber(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }

    // The whole part saturates well beyond the 16-bit range, so no digit count overflows it.
    constexpr std::int64_t kSaturated = 1'000'000;
    std::int64_t whole = 0;
    for (; i < line.size() && isDigit(line[i]); ++i)
        whole = std::min(kSaturated, whole * 10 + (line[i] - '0'));

    // Round half to even on the decimal digits themselves: 2.5 gives 2, 3.5 gives 4.
    if (i < line.size() && line[i] == '.') {
        ++i;
        const std::size_t first = i;
        while (i < line.size() && isDigit(line[i]))
            ++i;
        const std::string_view fraction = line.substr(first, i - first);
        if (!fraction.empty()) {
            const char lead = fraction.front();
            const bool restIsZero =
                std::all_of(fraction.begin() + 1, fraction.end(), [](char c) { return c == '0'; });
            const bool up = lead > '5' || (lead == '5' && (!restIsZero || whole % 2 == 1));
            if (up)
                whole = std::min(kSaturated, whole + 1);
        }
    }

    const std::int64_t value = negative ? -whole : whole;
    if (value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace kvardelon
