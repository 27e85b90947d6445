// A question coming to a full step: it takes the place of the one the author chose, or goes
// after the tenth; the status bar is told where it went and what left.
#include "Arrival.h"

#include "QtText.h"
#include "Wording.h"

namespace kvardelon::editor {

namespace {

QString quoted(const Record& record)
{
    return qtext(check::inQuotes(record.question));
}

constexpr const char* kRepeatNote = " Пока копия повторяет вопрос, проверка отмечает повтор.";

Arrived takePlace(OpenBank& bank, const Arrival& arrival, int instead)
{
    const Place at{arrival.step, instead};
    const QString leaving = quoted(bank.record(at));
    const int position = instead + 1;
    switch (arrival.kind) {
    case ArrivalKind::New:
        bank.replaceRecord(at, arrival.record, QStringLiteral("новый вопрос вместо %1").arg(leaving));
        return {at, QStringLiteral("Новый вопрос встал %1-м; вопрос %2 удалён. Вернуть его: Ctrl+Z.")
                        .arg(position)
                        .arg(leaving)};
    case ArrivalKind::Copy:
        bank.replaceRecord(at, asNew(bank.record(arrival.from)), QStringLiteral("копию вопроса вместо %1").arg(leaving));
        return {at, QStringLiteral("Копия встала %1-й; вопрос %2 удалён. Вернуть его: Ctrl+Z.").arg(position).arg(leaving) +
                        QString::fromUtf8(kRepeatNote)};
    case ArrivalKind::Move:
        break;
    }
    bank.exchangeRecords(arrival.from, at,
                         QStringLiteral("перенос вопроса на ступень %1 вместо %2").arg(arrival.step).arg(leaving));
    return {at, QStringLiteral("Вопрос встал %1-м на ступени %2; вопрос %3 перешёл на его место на ступени %4%5. "
                               "Отменить: Ctrl+Z.")
                    .arg(position)
                    .arg(arrival.step)
                    .arg(leaving)
                    .arg(arrival.from.step)
                    .arg(exchangeLandsUnplayed(arrival) ? QStringLiteral(", после десятого, и там не играет")
                                                        : QString())};
}

Arrived goAfter(OpenBank& bank, const Arrival& arrival)
{
    const Place at{arrival.step, bank.recordCount(arrival.step)};
    const int position = at.record + 1;
    switch (arrival.kind) {
    case ArrivalKind::New:
        bank.insertRecord(at, arrival.record, QStringLiteral("новый вопрос после десятого"));
        return {at, QStringLiteral("Новый вопрос встал %1-м, после десятого: игра его не покажет.").arg(position)};
    case ArrivalKind::Copy:
        bank.insertRecord(at, asNew(bank.record(arrival.from)), QStringLiteral("копию вопроса после десятого"));
        return {at, QStringLiteral("Копия встала %1-й, после десятого: игра её не покажет.").arg(position) +
                        QString::fromUtf8(kRepeatNote)};
    case ArrivalKind::Move:
        break;
    }
    bank.moveRecord(arrival.from, at);
    return {at, QStringLiteral("Вопрос стал %1-м на ступени %2: чтобы он играл, переместите его в первую десятку "
                               "(Alt+↑).")
                    .arg(position)
                    .arg(arrival.step)};
}

}  // namespace

bool needsRoom(const OpenBank& bank, const Arrival& arrival)
{
    if (arrival.kind == ArrivalKind::Copy && arrival.from.record >= kRecordsDrawnFrom)
        return false;
    return bank.recordCount(arrival.step) >= kRecordsDrawnFrom;
}

int offeredPlace(const Arrival& arrival, int wanted)
{
    const int original = arrival.kind == ArrivalKind::Copy ? arrival.from.record : -1;
    if (wanted >= 0 && wanted < kRecordsDrawnFrom && wanted != original)
        return wanted;
    return original == kRecordsDrawnFrom - 1 ? kRecordsDrawnFrom - 2 : kRecordsDrawnFrom - 1;
}

bool exchangeLandsUnplayed(const Arrival& arrival)
{
    return arrival.kind == ArrivalKind::Move && arrival.from.record >= kRecordsDrawnFrom;
}

Arrived arrive(OpenBank& bank, const Arrival& arrival, std::optional<int> instead)
{
    return instead ? takePlace(bank, arrival, *instead) : goAfter(bank, arrival);
}

}  // namespace kvardelon::editor
