// Steps of the author's own questions repeated in turn, and what the game will draw.
#include "OwnQuestions.h"

#include "NumberWords.h"
#include "Wording.h"

namespace kvardelon::editor {

namespace {

QString yourQuestions(int count)
{
    return counted(count, "ваш вопрос", "ваших вопроса", "ваших вопросов");
}

QString drawShare(int count)
{
    return QString::fromStdString(check::drawShare(count));
}

}  // namespace

std::vector<int> stepsToRepeat(const OpenBank& bank)
{
    std::vector<int> steps;
    for (int step = 1; step <= kSteps; ++step)
        if (bank.recordCount(step) < kRecordsDrawnFrom && !bank.repeatsOwn(step))
            steps.push_back(step);
    return steps;
}

void repeatOwnQuestions(OpenBank& bank, const std::vector<int>& steps)
{
    bank.undoStack().beginMacro(QStringLiteral("повтор своих вопросов до десяти"));
    for (const int step : steps)
        bank.setRepeatsOwn(step, true, {});
    bank.undoStack().endMacro();
}

QString drawLine(const OpenBank& bank, int step)
{
    const int count = bank.recordCount(step);
    if (count == 0)
        return bank.repeatsOwn(step) ? QStringLiteral("Вопросов пока нет: хватит и одного, он повторится до десяти.")
                                     : QStringLiteral("Вопросов пока нет, а игре нужно десять.");
    if (count < kRecordsDrawnFrom && !bank.repeatsOwn(step))
        return counted(count, "вопрос", "вопроса", "вопросов") +
               QStringLiteral(", а игре нужно десять: «Правка → Дополнить ступени до десяти вопросов».");
    return yourQuestions(count) + QStringLiteral(", ") + drawShare(count) + u'.';
}

QStringList repeatSummary(const OpenBank& bank, const std::vector<int>& steps)
{
    QStringList lines;
    for (const int step : steps) {
        const int count = bank.recordCount(step);
        lines.append(stepWithPrize(step) + QStringLiteral(": ") +
                     (count == 0 ? QStringLiteral("вопросов нет — напишите хотя бы один, он повторится до десяти.")
                                 : yourQuestions(count) + QStringLiteral(", ") + drawShare(count) + u'.'));
    }
    return lines;
}

}  // namespace kvardelon::editor
