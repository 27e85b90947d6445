// The bank's fatal error as a value, with a technical line for logs.
#include "BankError.h"
#include "CountedWords.h"
#include "PathText.h"

#include <string>

namespace kvardelon {

namespace {

std::string technicalLine(const BankError::Details& d)
{
    std::string text = std::string(reasonName(d.reason)) + " " + pathToUtf8(d.file);
    if (d.line > 0)
        text += ":" + std::to_string(d.line);
    return text;
}

}  // namespace

const char* reasonName(BankError::Reason reason)
{
    switch (reason) {
    case BankError::Reason::MissingFolder:
        return "missing-folder";
    case BankError::Reason::MissingFile:
        return "missing-file";
    case BankError::Reason::NotRegularFile:
        return "not-regular-file";
    case BankError::Reason::CannotOpen:
        return "cannot-open";
    case BankError::Reason::ReadFailed:
        return "read-failed";
    case BankError::Reason::TooShort:
        return "too-short";
    case BankError::Reason::LineTooLong:
        return "line-too-long";
    case BankError::Reason::AnswerOutOfRange:
        return "answer-out-of-range";
    case BankError::Reason::FileTooLarge:
        return "file-too-large";
    }
    return "unknown";
}

BankError::BankError(Details details) : std::runtime_error(technicalLine(details)), details_(std::move(details)) {}

}  // namespace kvardelon
