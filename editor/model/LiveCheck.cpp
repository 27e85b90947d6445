// Rechecking after each change: the changed step's file, then the checks across the bank.
#include "LiveCheck.h"

#include "QtText.h"

namespace kvardelon::editor {

namespace {

using check::Finding;
using check::Severity;

std::optional<Severity> worse(std::optional<Severity> a, Severity b)
{
    return a == Severity::Error || b == Severity::Error ? Severity::Error : b;
}

bool isAt(const Finding& finding, Place place)
{
    return finding.step == place.step && finding.record == place.record + 1;
}

}  // namespace

std::optional<RecordField> recordField(check::Field field)
{
    switch (field) {
    case check::Field::Question:
        return RecordField::Question;
    case check::Field::AnswerA:
        return RecordField::AnswerA;
    case check::Field::AnswerB:
        return RecordField::AnswerB;
    case check::Field::AnswerC:
        return RecordField::AnswerC;
    case check::Field::AnswerD:
        return RecordField::AnswerD;
    case check::Field::AnswerNumber:
        return RecordField::AnswerLine;
    case check::Field::None:
        break;
    }
    return std::nullopt;
}

LiveCheck::LiveCheck(OpenBank& bank, check::Fits fits, QObject* parent)
    : QObject(parent), bank_(bank), fits_(std::move(fits))
{
    connect(&bank_, &OpenBank::opened, this, &LiveCheck::recheckAll);
    connect(&bank_, &OpenBank::stepChanged, this, &LiveCheck::recheck);
    if (bank_.isOpen())
        recheckAll();
}

void LiveCheck::checkStep(int step)
{
    const StepFile& file = bank_.step(step);
    std::vector<Finding>& found = perStep_.at(static_cast<std::size_t>(step - 1));
    const bool nothingRead = file.file.records.empty() && file.file.rest.empty();
    if (file.readError.isEmpty() || !nothingRead)
        found = bank_.writesRepeats(step) ? check::checkFile(bank_.written(step), step, file.path, fits_)
                                          : check::checkFile(file.file, step, file.path, fits_);
    else
        found.clear();  // that it is empty says nothing more than that it could not be read
    // A note says what is meant: the line of how the game draws says it for the editor.
    std::erase_if(found, [](const Finding& f) { return check::severity(f.problem) == check::Severity::Note; });
    // A step of only her questions with none yet wants one, not ten.
    if (bank_.repeatsOwn(step) && file.file.records.empty())
        for (Finding& finding : found)
            if (finding.problem == check::Problem::TooFewRecords)
                finding.plain = "на ступени ещё нет вашего вопроса: напишите хотя бы один, и он будет в каждой игре.";
    if (!file.readError.isEmpty())
        found.insert(found.begin(), Finding{.problem = check::Problem::CannotOpen, .file = file.path, .step = step,
                                            .message = utf8(file.readError)});
}

void LiveCheck::recheck(int step)
{
    checkStep(step);
    // Her questions each once, as she sees them: a copy she made is a repeat, the copies that
    // fill a step in turn are not.
    std::array<const BankFile*, kSteps> files{};
    std::array<std::filesystem::path, kSteps> names;
    for (int s = 1; s <= kSteps; ++s) {
        files.at(static_cast<std::size_t>(s - 1)) = &bank_.file(s);
        names.at(static_cast<std::size_t>(s - 1)) = bank_.step(s).path;
    }
    across_ = check::checkAcrossBank(files, names);
    gather();
}

void LiveCheck::recheckAll()
{
    for (int step = 1; step < kSteps; ++step)
        checkStep(step);
    // The last one checks across the bank and gathers.
    recheck(kSteps);
}

void LiveCheck::gather()
{
    all_.clear();
    worstByRecord_.clear();
    worstByStep_.fill(std::nullopt);
    for (int step = 1; step <= kSteps; ++step) {
        const auto& own = perStep_.at(static_cast<std::size_t>(step - 1));
        all_.insert(all_.end(), own.begin(), own.end());
        for (const Finding& finding : across_)
            if (finding.step == step)
                all_.push_back(finding);
    }
    for (const Finding& finding : all_) {
        const Severity severity = check::info(finding.problem).severity;
        auto [place, added] = worstByRecord_.try_emplace({finding.step, finding.record}, severity);
        if (!added)
            place->second = *worse(place->second, severity);
        auto& step = worstByStep_.at(static_cast<std::size_t>(finding.step - 1));
        step = worse(step, severity);
    }
    emit changed();
}

int LiveCheck::count(Severity severity) const
{
    int n = 0;
    for (const Finding& finding : all_)
        n += check::info(finding.problem).severity == severity ? 1 : 0;
    return n;
}

std::optional<Severity> LiveCheck::worstAt(Place place) const
{
    const auto found = worstByRecord_.find({place.step, place.record + 1});
    return found == worstByRecord_.end() ? std::nullopt : std::optional(found->second);
}

std::optional<Severity> LiveCheck::worstAt(Place place, RecordField field) const
{
    std::optional<Severity> worst;
    for (const Finding& finding : at(place, field))
        worst = worse(worst, check::info(finding.problem).severity);
    return worst;
}

std::optional<Severity> LiveCheck::worstInStep(int step) const
{
    return worstByStep_.at(static_cast<std::size_t>(step - 1));
}

std::vector<Finding> LiveCheck::at(Place place, RecordField field) const
{
    std::vector<Finding> found;
    for (const Finding& finding : all_)
        if (isAt(finding, place) && recordField(finding.field) == field)
            found.push_back(finding);
    return found;
}

}  // namespace kvardelon::editor
