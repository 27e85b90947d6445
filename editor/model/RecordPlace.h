// Where in a bank: a step, a record of it, a field of the record.
#pragma once

#include "BankText.h"

#include <string>

namespace kvardelon::editor {

// The six lines of a record, in file order.
enum class RecordField { Question, AnswerA, AnswerB, AnswerC, AnswerD, AnswerLine };

inline constexpr int kRecordFields = 6;

std::string& fieldText(Record& record, RecordField field);
const std::string& fieldText(const Record& record, RecordField field);

// Field of answer 1..4.
RecordField answerField(int answer);

struct Place {
    int step = 0;    // 1..15
    int record = 0;  // from 0, into BankFile::records

    bool operator==(const Place&) const = default;
};

}  // namespace kvardelon::editor
