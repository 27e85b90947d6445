// Loading a question: the step's file read, records up to the drawn one put on the screen.
#include "QuestionBank.h"

#include "AnswerLetters.h"
#include "BankError.h"
#include "BankFiles.h"
#include "StepFiles.h"

#include <string>
#include <string_view>

namespace kvardelon {

namespace fs = std::filesystem;

QuestionBank::QuestionBank(fs::path folder) : folder_(std::move(folder))
{
    for (int step = 1; step <= kSteps; ++step)
        fileNames_.at(static_cast<std::size_t>(step - 1)) = folder_ / stepFileName(step);
}

const fs::path& QuestionBank::fileName(int step) const
{
    return fileNames_.at(static_cast<std::size_t>(step - 1));
}

void QuestionBank::loadQuestion(int step, Random& random, WindowOps& windows, GameState& state) const
{
    const fs::path& file = fileName(step);
    const std::string bytes = readBankFileBytes(file, step);
    RecordReader reader(bytes, file, step);
    const int records = drawInt(random, kRecordsDrawnFrom);
    Record record;
    std::string caption;

    // Every record up to the drawn one goes to the screen in turn; the last one stays.
    for (int index = 1; index <= records; ++index) {
        if (!reader.next(record)) {
            throw BankError({.reason = BankError::Reason::TooShort,
                             .file = file,
                             .step = step,
                             .line = reader.lineNumber(),
                             .record = index,
                             .missingLines = kLinesPerRecord});
        }
        windows.setCaption(Captioned::Label1, record.question);
        for (int answer = 1; answer <= 4; ++answer) {
            caption = answerLetter(answer);
            caption += ':';
            caption += record.answers.at(static_cast<std::size_t>(answer - 1));
            windows.setCaption(answerButton(answer), caption);
        }
        const std::optional<std::int16_t> number = answerNumber(record.answerLine);
        if (!number) {
            throw BankError({.reason = BankError::Reason::AnswerOutOfRange,
                             .file = file,
                             .step = step,
                             .line = record.line + kLinesPerRecord - 1,
                             .text = record.answerLine});
        }
        state.gintO = *number;
    }
}

}  // namespace kvardelon
