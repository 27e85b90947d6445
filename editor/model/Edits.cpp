// The undoable changes: what each keeps to go back, and its name in the Edit menu.
#include "Edits.h"

namespace kvardelon::editor {

namespace {

QString fieldName(RecordField field)
{
    static const std::array<QString, kRecordFields> names{
        QStringLiteral("вопроса"),  QStringLiteral("ответа A"), QStringLiteral("ответа B"),
        QStringLiteral("ответа C"), QStringLiteral("ответа D"), QStringLiteral("правильного ответа"),
    };
    return names.at(static_cast<std::size_t>(field));
}

}  // namespace

TextEdit::TextEdit(OpenBank& bank, Place place, RecordField field, std::string after)
    : QUndoCommand(QStringLiteral("правку %1").arg(fieldName(field))), bank_(bank), place_(place), field_(field),
      before_(fieldText(bank.record(place), field)), after_(std::move(after))
{
}

bool TextEdit::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TextEdit*>(other);
    if (next->place_ != place_ || next->field_ != field_ || field_ == RecordField::AnswerLine)
        return false;
    after_ = next->after_;
    return true;
}

InsertRecord::InsertRecord(OpenBank& bank, Place at, Record record, const QString& what)
    : QUndoCommand(what), bank_(bank), at_(at), record_(std::move(record))
{
}

RemoveRecord::RemoveRecord(OpenBank& bank, Place place)
    : QUndoCommand(QStringLiteral("удаление вопроса")), bank_(bank), place_(place)
{
}

MoveRecord::MoveRecord(OpenBank& bank, Place from, Place to)
    : QUndoCommand(from.step == to.step ? QStringLiteral("перестановку вопроса")
                                        : QStringLiteral("перенос вопроса на ступень %1").arg(to.step)),
      bank_(bank), from_(from), to_(to)
{
}

ReplaceRecords::ReplaceRecords(OpenBank& bank, int step, std::vector<Record> after, const QString& what)
    : QUndoCommand(what), bank_(bank), step_(step), before_(bank.file(step).records), after_(std::move(after))
{
}

ChangeEncoding::ChangeEncoding(OpenBank& bank, int step, Encoding after, const QString& what)
    : QUndoCommand(what), bank_(bank), step_(step), before_(bank.file(step).encoding), after_(after)
{
}

}  // namespace kvardelon::editor
