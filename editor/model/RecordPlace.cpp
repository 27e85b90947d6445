// The fields of a record by name.
#include "RecordPlace.h"

namespace kvardelon::editor {

namespace {

// For a record and a const record alike.
template <typename AnyRecord>
auto& textOf(AnyRecord& record, RecordField field)
{
    switch (field) {
    case RecordField::Question:
        return record.question;
    case RecordField::AnswerLine:
        return record.answerLine;
    default:
        return record.answers.at(static_cast<std::size_t>(field) - 1);
    }
}

}  // namespace

std::string& fieldText(Record& record, RecordField field)
{
    return textOf(record, field);
}

const std::string& fieldText(const Record& record, RecordField field)
{
    return textOf(record, field);
}

RecordField answerField(int answer)
{
    return static_cast<RecordField>(answer);
}

}  // namespace kvardelon::editor
