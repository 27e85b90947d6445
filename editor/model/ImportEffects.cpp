// Where an import puts the spreadsheet's questions, step by step, and what it says of it.
#include "ImportEffects.h"

#include "NumberWords.h"
#include "QtText.h"
#include "Wording.h"

#include <algorithm>
#include <map>

namespace kvardelon::editor {

namespace {

constexpr auto kTen = static_cast<std::size_t>(kRecordsDrawnFrom);
constexpr std::size_t kNamesShown = 3;

std::map<int, std::vector<Record>> rowsByStep(const ImportPlan& plan)
{
    std::map<int, std::vector<Record>> rows;
    for (const ImportRow& row : plan.rows)
        if (row.step > 0)
            rows[row.step].push_back(row.record);
    return rows;
}

bool asks(const std::vector<Record>& records, const Record& record)
{
    return std::any_of(records.begin(), records.end(), [&](const Record& other) {
        return check::trimmed(other.question) == check::trimmed(record.question);
    });
}

std::vector<Record> merged(const std::vector<Record>& own, const std::vector<Record>& rows, ImportMode mode)
{
    std::vector<Record> records = mode == ImportMode::Append ? own : rows;
    if (mode == ImportMode::Append)
        records.insert(records.end(), rows.begin(), rows.end());
    if (mode == ImportMode::First)
        for (const Record& record : own)
            if (records.size() < kTen && !asks(rows, record))
                records.push_back(record);
    return records;
}

StepImport effectOn(int step, const std::vector<Record>& own, const std::vector<Record>& rows, ImportMode mode)
{
    StepImport effect{.step = step, .rows = static_cast<int>(rows.size()), .records = merged(own, rows, mode)};
    const std::size_t first = mode == ImportMode::Append ? own.size() : 0;
    effect.played = static_cast<int>(std::min(rows.size(), kTen - std::min(first, kTen)));
    // Counted copy by copy: a step that asks a question twice and keeps it once loses a copy.
    std::vector<Record> kept = effect.records;
    for (const Record& record : own) {
        const auto found =
            std::find_if(kept.begin(), kept.end(), [&record](const Record& other) { return sameText(other, record); });
        if (found == kept.end())
            effect.leaving.push_back(record);
        else
            kept.erase(found);
    }
    return effect;
}

QString playedText(const StepImport& effect)
{
    const QString rows = counted(effect.rows, "вопрос", "вопроса", "вопросов");
    if (effect.played == effect.rows)
        return effect.rows == 1 ? QStringLiteral("из таблицы 1 вопрос, он будет в игре")
                                : QStringLiteral("из таблицы %1, в игре будут все").arg(rows);
    if (effect.played == 0)
        return effect.rows == 1 ? QStringLiteral("из таблицы 1 вопрос, в игре его не будет: он встанет после десятого")
                                : QStringLiteral("из таблицы %1, в игре не будет ни одного: они встанут после десятого")
                                      .arg(rows);
    return QStringLiteral("из таблицы %1, в игре будут %2: игра берёт только первые десять").arg(rows).arg(effect.played);
}

QString leavingText(const std::vector<Record>& leaving)
{
    QStringList names;
    for (std::size_t i = 0; i < leaving.size() && i < kNamesShown; ++i)
        names.append(qtext(check::inQuotes(leaving[i].question)));
    QString text = QStringLiteral("; из банка уйдут прежние вопросы (%1): %2")
                       .arg(leaving.size())
                       .arg(names.join(QStringLiteral(", ")));
    if (leaving.size() > kNamesShown)
        text += QStringLiteral(" и ещё %1").arg(leaving.size() - kNamesShown);
    return text;
}

}  // namespace

std::vector<StepImport> importEffects(const OpenBank& bank, const ImportPlan& plan, ImportMode mode)
{
    std::vector<StepImport> effects;
    for (const auto& [step, rows] : rowsByStep(plan))
        effects.push_back(effectOn(step, bank.file(step).records, rows, mode));
    return effects;
}

QStringList importSummary(const OpenBank& bank, const ImportPlan& plan, ImportMode mode)
{
    QStringList lines;
    for (const StepImport& effect : importEffects(bank, plan, mode)) {
        QString line = stepWithPrize(effect.step) + QStringLiteral(": ") + playedText(effect);
        if (!effect.leaving.empty())
            line += leavingText(effect.leaving);
        if (effect.records.size() < kTen && !effect.records.empty() && bank.repeatsOwn(effect.step))
            line += QStringLiteral("; всего на ступени будет %1, и они повторятся по кругу до десяти")
                        .arg(effect.records.size());
        else if (effect.records.size() < kTen)
            line += QStringLiteral("; всего на ступени будет %1 из нужных десяти: игра остановится с ошибкой, "
                                   "если выпадет недостающий")
                        .arg(effect.records.size());
        lines.append(line + u'.');
    }
    return lines;
}

void applyImport(OpenBank& bank, const ImportPlan& plan, ImportMode mode)
{
    const std::vector<StepImport> effects = importEffects(bank, plan, mode);
    if (effects.empty())
        return;
    bank.undoStack().beginMacro(QStringLiteral("импорт из таблицы"));
    for (const StepImport& effect : effects)
        bank.replaceRecords(effect.step, effect.records, {});
    bank.undoStack().endMacro();
}

}  // namespace kvardelon::editor
