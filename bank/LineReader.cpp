// Splitting a bank file's bytes into lines and deciding how they are encoded.
#include "BankError.h"
#include "BankText.h"
#include "Lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace kvardelon {

Encoding detectEncoding(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return Encoding::Utf8WithMark;
    // Russian in windows-1251 is practically never valid UTF-8: two small letters in a row
    // already break it. Text that is all ASCII reads the same either way.
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<std::uint8_t>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Sequence sequence = utf8Sequence(bytes.substr(i));
        if (!sequence.wellFormed)
            return Encoding::Cp1251;
        multiByte = true;
        i += sequence.length;
    }
    return multiByte ? Encoding::Utf8 : Encoding::Cp1251;
}

LineSplitter::LineSplitter(std::string_view bytes, std::size_t position)
    : bytes_(bytes), position_(position), nextCr_(find('\r')), nextLf_(find('\n'))
{
}

std::size_t LineSplitter::find(char c) const
{
    if (position_ >= bytes_.size())
        return bytes_.size();
    const void* found = std::memchr(bytes_.data() + position_, c, bytes_.size() - position_);
    return found == nullptr ? bytes_.size() : static_cast<std::size_t>(static_cast<const char*>(found) - bytes_.data());
}

RawLine LineSplitter::next()
{
    // Each kind of line end is looked for again only once it has been passed, so that a file
    // of CR alone is not searched to its end for an LF on every line.
    if (nextCr_ < position_)
        nextCr_ = find('\r');
    if (nextLf_ < position_)
        nextLf_ = find('\n');
    const std::size_t start = position_;
    const std::size_t stop = std::min(nextCr_, nextLf_);
    std::size_t next = stop;
    if (next < bytes_.size()) {
        // CR LF is one line end; LF CR is two.
        next += stop == nextCr_ && nextLf_ == stop + 1 ? 2 : 1;
    }
    position_ = next;
    return {bytes_.substr(start, stop - start), bytes_.substr(stop, next - stop)};
}

std::size_t markLength(Encoding encoding)
{
    return encoding == Encoding::Utf8WithMark ? kUtf8ByteOrderMark.size() : 0;
}

void decodeLine(std::string& line, std::string_view raw, Encoding encoding)
{
    line.clear();
    if (encoding == Encoding::Cp1251) {
        appendCp1251AsUtf8(line, raw);
        return;
    }
    line = raw;
    // A file without the mark is Utf8 only when it is well-formed throughout.
    if (encoding == Encoding::Utf8WithMark)
        replaceIllFormedUtf8(line);
}

SplitFile splitFile(std::string_view bytes)
{
    SplitFile split{detectEncoding(bytes), {}};
    LineSplitter lines(bytes, markLength(split.encoding));
    while (!lines.atEnd())
        split.lines.push_back(lines.next());
    return split;
}

LineReader::LineReader(std::string_view bytes, std::filesystem::path file, int step)
    : file_(std::move(file)), step_(step), encoding_(detectEncoding(bytes)), lines_(bytes, markLength(encoding_))
{
}

bool LineReader::nextLine(std::string& line)
{
    line.clear();
    if (lines_.atEnd()) {
        raw_ = {};
        return false;
    }
    raw_ = lines_.next().text;
    // The bound counts the file's bytes, not the UTF-8 they become.
    if (raw_.size() > kMaxLineBytes)
        throw BankError({.reason = BankError::Reason::LineTooLong, .file = file_, .step = step_, .line = lineNumber_ + 1});
    decodeLine(line, raw_, encoding_);
    ++lineNumber_;
    return true;
}

}  // namespace kvardelon
