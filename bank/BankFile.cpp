// A whole bank file read into records and written back in its own form.
#include "BankText.h"
#include "Lines.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace kvardelon {

namespace {

constexpr std::array<std::string_view, 3> kLineEnds = {"\r\n", "\n", "\r"};  // by LineEnd

std::string_view lineEndBytes(LineEnd lineEnd)
{
    return kLineEnds.at(static_cast<std::size_t>(lineEnd));
}

// The line end most lines have; CR LF when none has one, the earlier of kLineEnds on a tie.
LineEnd commonLineEnd(const std::vector<RawLine>& lines)
{
    std::array<std::size_t, kLineEnds.size()> counts{};
    for (const RawLine& line : lines) {
        const auto kind = std::find(kLineEnds.begin(), kLineEnds.end(), line.end);
        if (kind != kLineEnds.end())
            ++counts.at(static_cast<std::size_t>(kind - kLineEnds.begin()));
    }
    return static_cast<LineEnd>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

std::string decoded(std::string_view raw, Encoding encoding)
{
    std::string line;
    decodeLine(line, raw, encoding);
    return line;
}

// The six texts of a record (const or not) in file order.
template <typename R>
auto fieldsOf(R& record)
{
    return std::array{&record.question,   &record.answers[0], &record.answers[1],
                      &record.answers[2], &record.answers[3], &record.answerLine};
}

// Writes lines one after another, from the original's bytes where they are unchanged.
class Writer {
public:
    explicit Writer(const BankFile& file)
        : file_(file), original_(splitFile(file.original)),
          reuse_(!file.original.empty() && file.encoding == original_.encoding)
    {
        if (file.encoding == Encoding::Utf8WithMark)
            out_.bytes = kUtf8ByteOrderMark;
    }

    void writeRecord(const Record& record, int index);
    void writeRest(const std::string& line, int index);
    WrittenFile finish();

private:
    bool writeOriginal(std::size_t at, const std::string& text);
    void writeRaw(RawLine line);
    void writeNew(const std::string& text, int record, int field);

    const BankFile& file_;
    SplitFile original_;
    bool reuse_;
    WrittenFile out_;
    std::size_t lastEnd_ = std::string::npos;  // where the line end of the last line written starts
    bool lastIsEmpty_ = false;
};

// Writes the original's line `at` if the text reads as it does; false, writing nothing, if not.
bool Writer::writeOriginal(std::size_t at, const std::string& text)
{
    if (!reuse_ || at >= original_.lines.size() || decoded(original_.lines[at].text, original_.encoding) != text)
        return false;
    writeRaw(original_.lines[at]);
    return true;
}

void Writer::writeRaw(RawLine line)
{
    std::string& bytes = out_.bytes;
    // A CR alone and the LF of an empty line after it would read as one CR LF: make it one.
    if (line.text.empty() && line.end == "\n" && lastEnd_ != std::string::npos && bytes.back() == '\r')
        bytes += '\n';
    bytes += line.text;
    lastEnd_ = bytes.size();
    lastIsEmpty_ = line.text.empty();
    // A line that ended the original file ends like the file's other lines when more follow.
    bytes += line.end.empty() ? lineEndBytes(file_.lineEnd) : line.end;
}

void Writer::writeNew(const std::string& text, int record, int field)
{
    std::string line = oneLine(text);
    if (file_.encoding == Encoding::Cp1251) {
        Cp1251Text encoded = encodeCp1251(line);
        for (Unencodable& character : encoded.unencodable)
            out_.unencodable.push_back({record, field, std::move(character)});
        line = std::move(encoded.bytes);
    } else {
        replaceIllFormedUtf8(line);
    }
    writeRaw({line, lineEndBytes(file_.lineEnd)});
}

void Writer::writeRecord(const Record& record, int index)
{
    // A record read from the original starts on a line 6k + 1 and is whole there.
    const std::size_t wholeLines = original_.lines.size() / kLinesPerRecord * kLinesPerRecord;
    const auto first = static_cast<std::size_t>(record.line - 1);
    const bool read = record.line > 0 && first % kLinesPerRecord == 0 && first < wholeLines;
    const auto fields = fieldsOf(record);
    for (std::size_t field = 0; field < fields.size(); ++field) {
        if (!(read && writeOriginal(first + field, *fields[field])))
            writeNew(*fields[field], index, static_cast<int>(field));
    }
}

void Writer::writeRest(const std::string& line, int index)
{
    const std::size_t wholeLines = original_.lines.size() / kLinesPerRecord * kLinesPerRecord;
    if (!writeOriginal(wholeLines + static_cast<std::size_t>(index), line))
        writeNew(line, -1, index);
}

WrittenFile Writer::finish()
{
    // An empty last line keeps its line end, or it would be no line at all.
    if (!file_.endsWithLineEnd && lastEnd_ != std::string::npos && !lastIsEmpty_)
        out_.bytes.resize(lastEnd_);
    out_.readsAs = detectEncoding(out_.bytes);
    return std::move(out_);
}

}  // namespace

BankFile parseBankFile(std::string_view bytes)
{
    const SplitFile split = splitFile(bytes);
    BankFile file;
    file.encoding = split.encoding;
    file.lineEnd = commonLineEnd(split.lines);
    file.endsWithLineEnd = split.lines.empty() || !split.lines.back().end.empty();
    file.original = bytes;

    const std::size_t wholeLines = split.lines.size() / kLinesPerRecord * kLinesPerRecord;
    for (std::size_t first = 0; first < wholeLines; first += kLinesPerRecord) {
        Record& record = file.records.emplace_back();
        record.line = static_cast<int>(first + 1);
        const auto fields = fieldsOf(record);
        for (std::size_t field = 0; field < fields.size(); ++field)
            decodeLine(*fields[field], split.lines[first + field].text, split.encoding);
    }
    for (std::size_t i = wholeLines; i < split.lines.size(); ++i)
        file.rest.push_back(decoded(split.lines[i].text, split.encoding));
    return file;
}

BankFile newBankFile()
{
    return {};
}

WrittenFile writeBankFile(const BankFile& file)
{
    Writer writer(file);
    for (std::size_t i = 0; i < file.records.size(); ++i)
        writer.writeRecord(file.records[i], static_cast<int>(i));
    for (std::size_t i = 0; i < file.rest.size(); ++i)
        writer.writeRest(file.rest[i], static_cast<int>(i));
    return writer.finish();
}

std::string oneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

}  // namespace kvardelon
