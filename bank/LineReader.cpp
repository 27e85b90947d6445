// Splitting a bank file's bytes into lines and deciding how they are encoded.
#include "BankError.h"
#include "BankText.h"
#include "Lines.h"

#include <cstdint>
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

RawLine takeLine(std::string_view bytes, std::size_t& position)
{
    const std::size_t start = position;
    std::size_t stop = start;
    while (stop < bytes.size() && bytes[stop] != '\r' && bytes[stop] != '\n')
        ++stop;
    std::size_t next = stop;
    if (next < bytes.size()) {
        // CR LF is one line end; LF CR is two.
        const bool crLf = bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n';
        next += crLf ? 2 : 1;
    }
    position = next;
    return {bytes.substr(start, stop - start), bytes.substr(stop, next - stop)};
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
    std::size_t position = markLength(split.encoding);
    while (position < bytes.size())
        split.lines.push_back(takeLine(bytes, position));
    return split;
}

LineReader::LineReader(std::string_view bytes, std::filesystem::path file, int step)
    : bytes_(bytes), file_(std::move(file)), step_(step), encoding_(detectEncoding(bytes)),
      position_(markLength(encoding_))
{
}

bool LineReader::nextLine(std::string& line)
{
    line.clear();
    if (position_ >= bytes_.size()) {
        raw_ = {};
        return false;
    }
    const RawLine raw = takeLine(bytes_, position_);
    raw_ = raw.text;
    // The bound counts the file's bytes, not the UTF-8 they become.
    if (raw_.size() > kMaxLineBytes)
        throw BankError({.reason = BankError::Reason::LineTooLong, .file = file_, .step = step_, .line = lineNumber_ + 1});
    decodeLine(line, raw_, encoding_);
    ++lineNumber_;
    return true;
}

}  // namespace kvardelon
