// The writer's half of the fuzzer: any bytes parsed and written back unchanged are the same
// bytes; parsed again, the same records; one record changed, the change and nothing else.
#include "WriterRoundTrip.h"

#include "BankError.h"
#include "BankText.h"

#include <algorithm>
#include <optional>

namespace kvardelon::fuzz {

namespace {

// The records' texts without the lines they were read from.
std::vector<Record> texts(std::vector<Record> records)
{
    for (Record& record : records)
        record.line = 0;
    return records;
}

std::string& field(Record& record, std::size_t index)
{
    return index == 0 ? record.question : index <= 4 ? record.answers.at(index - 1) : record.answerLine;
}

// The records the game's reader gives, as far as it gets, must be parse's.
std::string sameAsTheGamesReader(std::string_view bytes, const BankFile& file)
{
    RecordReader reader(bytes, "data/qw1.txt", 1);
    if (reader.encoding() != file.encoding)
        return "the game's reader and parseBankFile take different encodings";
    for (std::size_t i = 0;; ++i) {
        std::optional<Record> record;
        try {
            record = reader.next();
        } catch (const BankError& error) {
            const bool expected = error.reason() == BankError::Reason::LineTooLong ||
                                  (error.reason() == BankError::Reason::TooShort && i == file.records.size());
            return expected ? "" : "the game's reader stopped where parseBankFile read on";
        }
        if (!record)
            return i == file.records.size() && file.rest.empty() ? "" : "the game's reader ended early";
        if (i >= file.records.size() || *record != file.records[i])
            return "record " + std::to_string(i + 1) + " differs from the game's reader";
    }
}

std::string changedRecordRoundTrip(BankFile file, std::size_t which)
{
    const std::size_t record = which % file.records.size();
    field(file.records[record], which / file.records.size() % kLinesPerRecord) = "Ёж 1";
    const WrittenFile written = writeBankFile(file);
    const BankFile again = parseBankFile(written.bytes);
    if (!written.unencodable.empty())
        return "a changed text that windows-1251 can hold was reported unencodable";
    if (texts(again.records) != texts(file.records))
        return "a changed record read back otherwise";
    if (again.rest != file.rest)
        return "a changed record moved the text after the last record";
    return "";
}

}  // namespace

std::string writerRoundTrip(std::string_view bytes, std::size_t which)
{
    const BankFile file = parseBankFile(bytes);
    const WrittenFile written = writeBankFile(file);
    if (written.bytes != bytes)
        return "written back unchanged, the bytes differ";
    if (!written.unencodable.empty())
        return "written back unchanged, a character was reported unencodable";
    if (written.readsAs != file.encoding)
        return "written back unchanged, the file would be read in another encoding";
    const BankFile again = parseBankFile(written.bytes);
    if (again.records != file.records || again.rest != file.rest || again.lineEnd != file.lineEnd ||
        again.endsWithLineEnd != file.endsWithLineEnd)
        return "written back unchanged, the file reads otherwise";
    if (std::string differs = sameAsTheGamesReader(bytes, file); !differs.empty())
        return differs;
    return file.records.empty() ? "" : changedRecordRoundTrip(file, which);
}

}  // namespace kvardelon::fuzz
