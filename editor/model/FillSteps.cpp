// Planning and making the fill of short steps, and saying what it does.
#include "FillSteps.h"

#include "BankError.h"
#include "BankFiles.h"
#include "NumberWords.h"
#include "Wording.h"

#include <set>

namespace kvardelon::editor {

namespace {

constexpr auto kTen = static_cast<std::size_t>(kRecordsDrawnFrom);

// Every question of the bank, after the tenth record too: the checker compares them trimmed.
std::set<std::string, std::less<>> questionsOf(const OpenBank& bank)
{
    std::set<std::string, std::less<>> questions;
    for (int step = 1; step <= kSteps; ++step)
        for (const Record& record : bank.file(step).records)
            questions.emplace(check::trimmed(record.question));
    return questions;
}

void takeFromBank(StepFill& fill, std::size_t needed, const std::vector<Record>& offered,
                  std::set<std::string, std::less<>>& asked)
{
    for (const Record& record : offered) {
        if (fill.added.size() == needed)
            return;
        const std::string_view question = check::trimmed(record.question);
        if (question.empty() || !asked.emplace(question).second)
            continue;
        fill.added.push_back(asNew(record));
        ++fill.fromBank;
    }
}

void repeatOwn(StepFill& fill, std::size_t needed, const std::vector<Record>& own)
{
    for (std::size_t i = 0; !own.empty() && fill.added.size() < needed; ++i) {
        fill.added.push_back(asNew(own[i % own.size()]));
        ++fill.repeats;
    }
}

}  // namespace

PlayedRecords readPlayedRecords(const std::filesystem::path& dataFolder)
{
    PlayedRecords played;
    for (int step = 1; step <= kSteps; ++step) {
        std::vector<Record>& records = played.at(static_cast<std::size_t>(step - 1));
        try {
            records = parseBankFile(readBankFileBytes(dataFolder / stepFileName(step), step)).records;
        } catch (const BankError&) {
            continue;  // a shipped file that cannot be read gives nothing
        }
        if (records.size() > kTen)
            records.resize(kTen);
    }
    return played;
}

int questionsInCommon(const OpenBank& bank, const PlayedRecords& shipped)
{
    const std::set<std::string, std::less<>> asked = questionsOf(bank);
    int common = 0;
    for (const std::vector<Record>& records : shipped)
        for (const Record& record : records)
            common += asked.contains(check::trimmed(record.question)) ? 1 : 0;
    return common;
}

std::vector<StepFill> planFill(const OpenBank& bank, const PlayedRecords* from)
{
    std::set<std::string, std::less<>> asked = questionsOf(bank);
    std::vector<StepFill> fills;
    for (int step = 1; step <= kSteps; ++step) {
        const std::vector<Record>& own = bank.file(step).records;
        // A step that repeats its own questions in turn is full unless the bank is to fill it.
        if (own.size() >= kTen || (from == nullptr && bank.writesRepeats(step)))
            continue;
        StepFill fill{.step = step};
        const std::size_t needed = kTen - own.size();
        if (from != nullptr)
            takeFromBank(fill, needed, from->at(static_cast<std::size_t>(step - 1)), asked);
        repeatOwn(fill, needed, own);
        fill.missing = static_cast<int>(needed - fill.added.size());
        fills.push_back(std::move(fill));
    }
    return fills;
}

void applyFill(OpenBank& bank, const std::vector<StepFill>& fills)
{
    bank.undoStack().beginMacro(QStringLiteral("дополнение ступеней до десяти вопросов"));
    for (const StepFill& fill : fills) {
        if (fill.added.empty())
            continue;
        std::vector<Record> records = bank.file(fill.step).records;
        records.insert(records.end(), fill.added.begin(), fill.added.end());
        bank.replaceRecords(fill.step, std::move(records), {});
    }
    bank.undoStack().endMacro();
}

QStringList fillSummary(const std::vector<StepFill>& fills, const QString& source)
{
    QStringList lines;
    for (const StepFill& fill : fills) {
        QStringList parts;
        if (fill.fromBank > 0)
            parts.append(counted(fill.fromBank, "новый вопрос", "новых вопроса", "новых вопросов") + u' ' + source);
        if (fill.repeats > 0)
            parts.append(counted(fill.repeats, "повтор", "повтора", "повторов") + QStringLiteral(" её же вопросов"));
        if (fill.missing > 0)
            parts.append(QStringLiteral("не хватит ещё ") + counted(fill.missing, "вопроса", "вопросов", "вопросов") +
                         QStringLiteral(": добавьте их сами"));
        lines.append(stepWithPrize(fill.step) + QStringLiteral(": ") + parts.join(QStringLiteral(", ")) + u'.');
    }
    return lines;
}

}  // namespace kvardelon::editor
