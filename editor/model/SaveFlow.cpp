// The questions asked on saving, one function each, then the writing itself.
#include "SaveFlow.h"

#include "BankError.h"
#include "QtText.h"
#include "Saving.h"

#include <algorithm>
#include <map>

namespace kvardelon::editor {

namespace {

constexpr int kPlacesShown = 12;

// What the game does when it meets each error, in words for the author.
QString consequence(check::Problem problem)
{
    switch (problem) {
    case check::Problem::TooFewRecords:
        return QStringLiteral("Игра остановится с сообщением об ошибке, когда выпадет вопрос, которого нет на "
                              "ступени, и игроку придётся начать заново. Если своих вопросов меньше десяти, возьмите "
                              "недостающие из тех, что идут с игрой: «Правка → Дополнить ступени до десяти вопросов».");
    case check::Problem::CannotOpen:
    case check::Problem::ShiftedLines:
    case check::Problem::LineTooLong:
        return QStringLiteral("Игра остановится с сообщением об ошибке, когда выпадет такой вопрос, "
                              "и игроку придётся начать заново.");
    case check::Problem::BadAnswerNumber:
        return QStringLiteral("На такой вопрос любой ответ будет неверным: игрок проиграет, что бы ни выбрал.");
    case check::Problem::EmptyText:
        return QStringLiteral("Игрок увидит пустой вопрос или пустую кнопку ответа.");
    default:
        return QString::fromUtf8(check::info(problem).title.data(),
                                 static_cast<qsizetype>(check::info(problem).title.size()));
    }
}

// "ступень 3" for a file as a whole, "ступень 3, вопрос 4" for a record.
QString shortPlace(const check::Finding& finding)
{
    return finding.record > 0 ? QStringLiteral("ступень %1, вопрос %2").arg(finding.step).arg(finding.record)
                              : QStringLiteral("ступень %1").arg(finding.step);
}

QString errorReport(const LiveCheck& check)
{
    std::map<check::Problem, QStringList> byProblem;
    for (const check::Finding& finding : check.findings())
        if (check::info(finding.problem).severity == check::Severity::Error)
            byProblem[finding.problem].append(shortPlace(finding));
    QStringList lines;
    for (const auto& [problem, places] : byProblem) {
        const QStringList shown = places.mid(0, kPlacesShown);
        const QString more = places.size() > kPlacesShown
                                 ? QStringLiteral(" и ещё %1").arg(places.size() - kPlacesShown)
                                 : QString();
        lines.append(QStringLiteral("• ") + consequence(problem) + QStringLiteral("\n   Где: ") +
                     shown.join(QStringLiteral("; ")) + more + u'.');
    }
    return lines.join(QStringLiteral("\n\n"));
}

bool hasProblem(const LiveCheck& check, check::Problem problem)
{
    return std::any_of(check.findings().begin(), check.findings().end(),
                       [problem](const check::Finding& finding) { return finding.problem == problem; });
}

// The answer to "write it / leave it as it is / cancel" about one step: the step leaves the
// plan on the second; false on cancel.
bool follow(int answer, SavePlan& plan, int step)
{
    if (answer == 1)
        std::erase(plan.steps, step);
    return answer == 0 || answer == 1;
}

// A step that cannot be saved: the others are saved without it, or, on cancel, none.
bool saveTheRestWithout(Questions& questions, SavePlan& plan, int step, const QString& why)
{
    const int answer = questions.ask({.kind = Question::Kind::Warning,
                                      .title = QStringLiteral("Ступень не сохранить"),
                                      .text = why,
                                      .buttons = {QStringLiteral("Сохранить остальные"), QStringLiteral("Отмена")}});
    if (answer != 0)
        return false;
    std::erase(plan.steps, step);
    return true;
}

// Asks about each file changed on disk; drops those the user keeps as they are there.
bool askAboutChangedFiles(Questions& questions, const OpenBank& bank, SavePlan& plan)
{
    for (const int step : plan.changedOnDisk) {
        const StepFile& file = bank.step(step);
        std::error_code error;
        const bool gone = !std::filesystem::exists(std::filesystem::symlink_status(file.path, error));
        const QString what = gone ? QStringLiteral("Вопросы ступени %1 удалили с диска после того, как банк был "
                                                   "открыт здесь. Записать их заново?")
                                  : QStringLiteral("Вопросы ступени %1 изменили в другой программе после того, "
                                                   "как банк был открыт здесь. Что сохранить?");
        const int answer = questions.ask({.kind = Question::Kind::Warning,
                                          .title = gone ? QStringLiteral("Ступень удалена с диска")
                                                        : QStringLiteral("Ступень изменена другой программой"),
                                          .text = what.arg(step),
                                          .buttons = {QStringLiteral("Мою версию из редактора"),
                                                      gone ? QStringLiteral("Не записывать")
                                                           : QStringLiteral("Оставить файл как есть"),
                                                      QStringLiteral("Отмена")}});
        if (!follow(answer, plan, step))
            return false;
    }
    return true;
}

// A line longer than the game reads stops the game when it comes to it: such a step is not
// written, whatever the author said about errors, so that no saved file holds one.
bool askAboutLongLines(Questions& questions, const OpenBank& bank, SavePlan& plan)
{
    for (const auto& [step, record] : plan.tooLong) {
        const QString where = record >= 0 ? QStringLiteral("в вопросе %1").arg(record + 1)
                                          : QStringLiteral("после последнего вопроса");
        if (!saveTheRestWithout(questions, plan, step,
                                QStringLiteral("В файле %1 (ступень %2) %3 есть строка длиннее %4 байт. Таких строк "
                                               "игра не читает: дойдя до неё, она остановится с ошибкой. Эта ступень "
                                               "не будет сохранена, её вопросы останутся в редакторе. Сократите "
                                               "текст и сохраните снова.")
                                    .arg(pathText(bank.step(step).path))
                                    .arg(step)
                                    .arg(where)
                                    .arg(kMaxLineBytes)))
            return false;
    }
    return true;
}

// A step whose file could not be read opened empty: writing it replaces what the file held,
// so it is written only when the author says so, and never over what is not a regular file.
bool askAboutUnreadFiles(Questions& questions, const OpenBank& bank, SavePlan& plan)
{
    for (const int step : plan.unread) {
        const StepFile& file = bank.step(step);
        const ReplaceTarget target = replaceTarget(file.path);
        if (!target.replaceable()) {
            if (!saveTheRestWithout(questions, plan, step,
                                    QStringLiteral("На месте файла %1 (ступень %2) %3, а редактор пишет только в "
                                                   "обычные файлы. Эта ступень не будет сохранена, её вопросы "
                                                   "останутся в редакторе. Уберите то, что там лежит, или сохраните "
                                                   "банк в другую папку («Файл → Сохранить как…»).")
                                        .arg(pathText(file.path))
                                        .arg(step)
                                        .arg(whatStandsThere(target))))
                return false;
            continue;
        }
        const int answer = questions.ask(
            {.kind = Question::Kind::Warning,
             .title = QStringLiteral("Ступень не была прочитана"),
             .text = QStringLiteral("Ступень %1 не удалось прочитать, когда банк открывался: %2\n\n"
                                    "Поэтому она открылась пустой. Если сохранить её, всё, что было в её файле "
                                    "(%3), пропадёт: его заменят %4 из редактора.")
                         .arg(step)
                         .arg(file.readError)
                         .arg(pathText(file.path))
                         .arg(bank.recordCount(step) == 1
                                  ? QStringLiteral("1 вопрос")
                                  : QStringLiteral("вопросы (%1)").arg(bank.recordCount(step))),
             .buttons = {QStringLiteral("Заменить файл"), QStringLiteral("Не сохранять эту ступень"),
                         QStringLiteral("Отмена")},
             .defaultButton = 1});
        if (!follow(answer, plan, step))
            return false;
    }
    return true;
}

// A link that leads out of the bank's folder may name a file of the author's own: it is
// written through only once the author knows where it leads.
bool askAboutLinksOut(Questions& questions, const OpenBank& bank, SavePlan& plan)
{
    for (const int step : plan.linksOut) {
        if (std::find(plan.steps.begin(), plan.steps.end(), step) == plan.steps.end())
            continue;
        const StepFile& file = bank.step(step);
        const int answer = questions.ask(
            {.kind = Question::Kind::Warning,
             .title = QStringLiteral("Файл ведёт за пределы банка"),
             .text = QStringLiteral("Файл %1 (ступень %2) — ссылка на файл %3 вне папки банка. Если сохранить, "
                                    "изменится тот файл.")
                         .arg(pathText(file.path))
                         .arg(step)
                         .arg(pathText(replaceTarget(file.path).place)),
             .buttons = {QStringLiteral("Сохранить в тот файл"), QStringLiteral("Не сохранять эту ступень"),
                         QStringLiteral("Отмена")},
             .defaultButton = 1});
        if (!follow(answer, plan, step))
            return false;
    }
    return true;
}

// The character as the author can see it: in quotes, or by its code when it shows nothing
// by itself (a mark, a blank, a control; a right-to-left override would turn the line round).
QString characterShown(const Unencodable& character)
{
    switch (QChar::category(character.character)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return QStringLiteral("U+%1").arg(static_cast<uint>(character.character), 4, 16, QLatin1Char('0')).toUpper();
    default:
        return QStringLiteral("«%1»").arg(qtext(character.text));
    }
}

QString unencodableReport(const SavePlan& plan)
{
    QStringList lines;
    for (const auto& [step, places] : plan.unencodable) {
        lines.append(QStringLiteral("Ступень %1:").arg(step));
        for (std::size_t i = 0; i < places.size() && i < kPlacesShown; ++i) {
            const auto& place = places[i];
            const std::string replacement = replacementFor(place.character.character);
            lines.append(QStringLiteral("    %1 %2 %3")
                             .arg(characterShown(place.character), placeText(place.record, place.field),
                                  replacement.empty() ? QStringLiteral("будет убран")
                                                      : QStringLiteral("станет «%1»").arg(qtext(replacement))));
        }
        if (places.size() > kPlacesShown)
            lines.append(QStringLiteral("    … и ещё %1").arg(places.size() - kPlacesShown));
    }
    return lines.join(u'\n');
}

void replaceCharacters(OpenBank& bank, const SavePlan& plan)
{
    bank.undoStack().beginMacro(QStringLiteral("замену знаков"));
    for (const auto& [step, places] : plan.unencodable)
        for (const auto& place : places)
            if (place.record >= 0) {
                const Place at{step, place.record};
                const auto field = static_cast<RecordField>(place.field);
                bank.setText(at, field, withReplacements(fieldText(bank.record(at), field)));
            }
    bank.undoStack().endMacro();
}

// Asks what to do with characters windows-1251 lacks, and does it; false when cancelled.
bool askAboutCharacters(Questions& questions, OpenBank& bank, SavePlan& plan)
{
    while (!plan.unencodable.empty()) {
        const QString report = unencodableReport(plan);
        const int answer = questions.ask(
            {.kind = Question::Kind::Question,
             .title = QStringLiteral("Знаки, которых нет в обычном наборе игры"),
             .text = QStringLiteral("В тексте есть знаки, которых нет в обычном наборе букв игры. Их можно заменить "
                                    "похожими или сохранить как есть: тогда файлы этих ступеней будут записаны в "
                                    "другой кодировке, которую игра тоже понимает.\n\n") +
                     report.section(u'\n', 0, 6),
             .details = report,
             .buttons = {QStringLiteral("Заменить знаки"), QStringLiteral("Сохранить знаки как есть"),
                         QStringLiteral("Отмена")}});
        if (answer == 0)
            replaceCharacters(bank, plan);
        else if (answer == 1)
            for (const auto& entry : plan.unencodable)
                bank.setEncoding(entry.first, Encoding::Utf8WithMark, QStringLiteral("сохранение знаков как есть"));
        else
            return false;
        // What is left can only be lines the editor does not show: UTF-8 is then the way.
        plan.unencodable = planSave(bank).unencodable;
    }
    return true;
}

SaveOutcome reportFailure(Questions& questions, const QString& error)
{
    const int answer = questions.ask({.kind = Question::Kind::Failure,
                                      .title = QStringLiteral("Банк не сохранён"),
                                      .text = error,
                                      .buttons = {QStringLiteral("Сохранить в другую папку…"),
                                                  QStringLiteral("Закрыть")}});
    return answer == 0 ? SaveOutcome::SaveElsewhere : SaveOutcome::Failed;
}

}  // namespace

QString placeText(int record, int field)
{
    if (record < 0)
        return QStringLiteral("в тексте после последнего вопроса");
    static const std::array<QString, kRecordFields> fields{
        QStringLiteral("текст вопроса"), QStringLiteral("ответ A"), QStringLiteral("ответ B"),
        QStringLiteral("ответ C"),       QStringLiteral("ответ D"), QStringLiteral("номер ответа"),
    };
    return QStringLiteral("в вопросе %1 (%2)").arg(record + 1).arg(fields.at(static_cast<std::size_t>(field)));
}

bool acceptErrors(Questions& questions, const LiveCheck& check, const QString& goOn, const std::function<void()>& fill)
{
    while (check.count(check::Severity::Error) > 0) {
        const bool offerFill = fill && hasProblem(check, check::Problem::TooFewRecords);
        QStringList buttons{goOn, QStringLiteral("Вернуться к правке")};
        if (offerFill)
            buttons.insert(1, QStringLiteral("Дополнить ступени до десяти…"));
        const int answer = questions.ask(
            {.kind = Question::Kind::Warning,
             .title = QStringLiteral("В банке есть ошибки"),
             .text = QStringLiteral("В банке есть ошибки. Вот что сделает с ними игра:\n\n") + errorReport(check),
             .buttons = buttons,
             .defaultButton = 1});
        if (!offerFill || answer != 1)
            return answer == 0;
        fill();
    }
    return true;
}

SaveOutcome saveWithQuestions(Questions& questions, OpenBank& bank, const LiveCheck& check,
                              const std::function<void()>& fill)
{
    if (planSave(bank).steps.empty())
        return SaveOutcome::Saved;
    if (!acceptErrors(questions, check, QStringLiteral("Сохранить с ошибками"), fill))
        return SaveOutcome::Cancelled;
    SavePlan plan = planSave(bank);  // after a fill asked for there, more files have changed
    if (!askAboutLongLines(questions, bank, plan) || !askAboutUnreadFiles(questions, bank, plan) || !askAboutChangedFiles(questions, bank, plan) ||
        !askAboutLinksOut(questions, bank, plan) || !askAboutCharacters(questions, bank, plan))
        return SaveOutcome::Cancelled;
    const SaveResult result = saveSteps(bank, plan.steps);
    if (!result.error.isEmpty())
        return reportFailure(questions, result.error);
    return bank.isModified() ? SaveOutcome::PartlySaved : SaveOutcome::Saved;
}

}  // namespace kvardelon::editor
