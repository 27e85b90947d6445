// Reading the bank files: lines, the sixth-line number and whole question records.
#include "QuestionBank.h"

#include "BankError.h"
#include "Cp1251.h"

#include <algorithm>
#include <array>
#include <ios>
#include <system_error>

namespace kvardelon {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(BankError::Reason reason, const fs::path& file, int step, int line = 0)
{
    throw BankError({.reason = reason, .file = file, .step = step, .line = line});
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

BankFileReader::BankFileReader(const fs::path& file, int step)
    : file_(file), step_(step)
{
    using Reason = BankError::Reason;
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found || error) {
        // A folder that cannot be reached (missing, or a link loop in its place) is
        // missing; a link that leads nowhere is no regular file; a file that is not
        // there is missing; anything else is a matter of access.
        std::error_code ignored;
        const fs::path folder = file.parent_path();
        if (!folder.empty() && !fs::is_directory(folder, ignored))
            fail(Reason::MissingFolder, file, step);
        if (fs::is_symlink(fs::symlink_status(file, ignored)))
            fail(Reason::NotRegularFile, file, step);
        fail(status.type() == fs::file_type::not_found ? Reason::MissingFile : Reason::CannotOpen, file, step);
    }
    // Only a regular file is read: a pipe would block, a device would never end.
    if (!fs::is_regular_file(status))
        fail(Reason::NotRegularFile, file, step);
    in_.pubsetbuf(fileBuffer_.data(), static_cast<std::streamsize>(fileBuffer_.size()));
    if (in_.open(file, std::ios::in | std::ios::binary) == nullptr)
        fail(Reason::CannotOpen, file, step);
    readByteOrderMark();
}

void BankFileReader::readByteOrderMark()
{
    const std::string_view mark = kUtf8ByteOrderMark;
    fill();
    // The first read brings in the whole mark unless the file is shorter than it, or
    // the system handed over fewer bytes than it had: then ask for the rest.
    if (end_ > 0 && end_ < mark.size() && mark.starts_with(std::string_view(buffer_.data(), end_))) {
        const std::streamsize missing = static_cast<std::streamsize>(mark.size() - end_);
        std::streamsize got = 0;
        try {
            got = in_.sgetn(buffer_.data() + end_, missing);
        } catch (const std::ios_base::failure&) {
            fail(BankError::Reason::ReadFailed, file_, step_, lineNumber_);
        }
        end_ += static_cast<std::size_t>(std::max<std::streamsize>(got, 0));
    }
    if (std::string_view(buffer_.data(), end_).starts_with(mark)) {
        utf8_ = true;
        position_ = mark.size();
    }
}

bool BankFileReader::fill()
{
    if (atEnd_)
        return false;
    std::streamsize got = 0;
    try {
        // One read of the file at a time: a small file comes in whole, with no second
        // read only to learn that it has ended.
        const bool ended = std::filebuf::traits_type::eq_int_type(in_.sgetc(), std::filebuf::traits_type::eof());
        const std::streamsize available =
            ended ? 0 : std::min(in_.in_avail(), static_cast<std::streamsize>(buffer_.size()));
        got = available > 0 ? in_.sgetn(buffer_.data(), available) : 0;
    } catch (const std::ios_base::failure&) {
        // The file buffer tells of a failed read (an input/output error) by throwing.
        fail(BankError::Reason::ReadFailed, file_, step_, lineNumber_);
    }
    if (got <= 0) {
        atEnd_ = true;
        return false;
    }
    position_ = 0;
    end_ = static_cast<std::size_t>(got);
    return true;
}

bool BankFileReader::nextLine(std::string& line)
{
    line.clear();
    if (keepRawLines_)
        rawLine_.clear();
    std::size_t length = 0;  // in bytes of the file, before decoding
    bool started = false;
    for (;;) {
        if (position_ == end_ && !fill()) {
            if (!started)
                return false;
            break;  // the last line, with no line end
        }
        started = true;
        const char* begin = buffer_.data() + position_;
        const char* stop = buffer_.data() + end_;
        const char* lineEnd = std::find_if(begin, stop, [](char c) { return c == '\r' || c == '\n'; });
        const std::string_view piece(begin, static_cast<std::size_t>(lineEnd - begin));
        length += piece.size();
        if (length > kMaxLineBytes)
            fail(BankError::Reason::LineTooLong, file_, step_, lineNumber_ + 1);
        if (keepRawLines_)
            rawLine_ += piece;
        if (utf8_) {
            // Checked once the line is whole: a character may straddle two reads.
            line += piece;
        } else {
            char* decodedEnd = writeCp1251AsUtf8(piece, decoded_.data());
            line.append(decoded_.data(), static_cast<std::size_t>(decodedEnd - decoded_.data()));
        }
        position_ = static_cast<std::size_t>(lineEnd - buffer_.data());
        if (lineEnd == stop)
            continue;
        ++position_;
        if (*lineEnd == '\r') {
            // CR LF is one line end, even when the buffer splits the pair.
            if (position_ == end_)
                fill();
            if (position_ < end_ && buffer_[position_] == '\n')
                ++position_;
        }
        break;
    }
    if (utf8_)
        replaceIllFormedUtf8(line);
    ++lineNumber_;
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

QuestionBank::QuestionBank(fs::path folder) : folder_(std::move(folder))
{
    // The step as the game shows numbers, less its leading blank.
    for (int step = 1; step <= kTopStep; ++step)
        fileNames_.at(static_cast<std::size_t>(step - 1)) = folder_ / ("qw" + numberText(step).substr(1) + ".txt");
}

const fs::path& QuestionBank::fileName(int step) const
{
    return fileNames_.at(static_cast<std::size_t>(step - 1));
}

void QuestionBank::loadQuestion(int step, Random& random, WindowOps& windows, GameState& state) const
{
    static constexpr std::array<std::string_view, 4> kPrefixes = {"A:", "B:", "C:", "D:"};

    BankFileReader reader(fileName(step), step);
    const int records = drawInt(random, kRecordsDrawnFrom);
    std::string line;
    std::string caption;

    // Every record up to the drawn one goes to the screen in turn; the last one stays.
    for (int record = 1; record <= records; ++record) {
        for (int field = 0; field < kLinesPerRecord; ++field) {
            if (!reader.nextLine(line)) {
                throw BankError({.reason = BankError::Reason::TooShort,
                                 .file = reader.file(),
                                 .step = step,
                                 .line = reader.lineNumber(),
                                 .record = record,
                                 .missingLines = record * kLinesPerRecord - reader.lineNumber()});
            }
            if (field == 0) {
                windows.setCaption(Captioned::Label1, line);
            } else if (field <= 4) {
                caption = kPrefixes.at(static_cast<std::size_t>(field - 1));
                caption += line;
                windows.setCaption(answerButton(field), caption);
            } else {
                const std::optional<std::int16_t> number = answerNumber(line);
                if (!number) {
                    throw BankError({.reason = BankError::Reason::AnswerOutOfRange,
                                     .file = reader.file(),
                                     .step = step,
                                     .line = reader.lineNumber(),
                                     .text = line});
                }
                state.gintO = *number;
            }
        }
    }
}

}  // namespace kvardelon
