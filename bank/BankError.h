// The one fatal error of the question bank, as a value: what is wrong, in which file, at
// which line, with the numbers that say more. The sentences a person reads are written
// above this library, in one place (game/BankErrorText.h).
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kvardelon {

class BankError : public std::runtime_error {
public:
    enum class Reason {
        MissingFolder,     // the bank's folder does not exist
        MissingFile,       // the step's file does not exist
        NotRegularFile,    // a folder, device, pipe or a link that leads nowhere
        CannotOpen,        // exists but cannot be opened (no permission)
        ReadFailed,        // an error while reading
        TooShort,          // the file ends before the record drawn is complete
        LineTooLong,       // a line longer than any question could need
        AnswerOutOfRange,  // a sixth line beyond the 16-bit range after rounding
        FileTooLarge,      // a file beyond kMaxBankFileBytes, read no further
    };

    struct Details {
        Reason reason;
        std::filesystem::path file;
        int step = 0;
        int line = 0;          // 1-based; 0 where no line is concerned
        int record = 0;        // TooShort: the record that is incomplete
        int missingLines = 0;  // TooShort: how many lines it lacks
        std::string text;      // AnswerOutOfRange: the line as read
    };

    // what() is a short technical line for logs ("too-short data/qw2.txt:6"), never shown.
    explicit BankError(Details details);

    Reason reason() const { return details_.reason; }
    const std::filesystem::path& file() const { return details_.file; }
    int step() const { return details_.step; }
    int line() const { return details_.line; }
    const Details& details() const { return details_; }

private:
    Details details_;
};

// "missing-folder", "too-short", ...: the reason's stable ASCII name.
const char* reasonName(BankError::Reason reason);

// The longest line a bank file may hold, in bytes.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

// The largest bank file read, in bytes: four times the most that ten records of lines at
// the bound can take, so that memory stays bounded whatever lies in the folder.
inline constexpr std::size_t kMaxBankFileBytes = 16 * 1024 * 1024;

}  // namespace kvardelon
