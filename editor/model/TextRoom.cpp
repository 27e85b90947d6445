// Measuring texts by the game's own rule of what fits.
#include "TextRoom.h"

#include "NumberWords.h"
#include "QtText.h"

#include <QHash>

#include <memory>

namespace kvardelon::editor {

namespace {

TextPlace placeOf(Captioned control)
{
    return control == Captioned::Label1 ? TextPlace::Question : TextPlace::Answer;
}

}  // namespace

Room roomFor(const QString& text, Captioned control)
{
    return {hiddenCharacters(text, placeOf(control)), linesOf(text, placeOf(control))};
}

QString roomText(const Room& room)
{
    if (room.hidden > 0)
        return QStringLiteral("не видно %1").arg(counted(room.hidden, "знака", "знаков", "знаков"));
    return QStringLiteral("%1 из %2").arg(counted(room.lines.used, "строка", "строки", "строк")).arg(room.lines.there);
}

check::Fits gameFits()
{
    auto known = std::make_shared<QHash<QString, int>>();
    return [known](std::string_view text, Captioned control) {
        QString key = qtext(text);
        key.append(QChar(u'0' + static_cast<int>(control)));
        const auto found = known->constFind(key);
        if (found != known->constEnd())
            return *found;
        constexpr qsizetype kMostRemembered = 200000;
        if (known->size() > kMostRemembered)
            known->clear();
        const int hidden = hiddenCharacters(qtext(text), placeOf(control));
        known->insert(key, hidden);
        return hidden;
    };
}

}  // namespace kvardelon::editor
