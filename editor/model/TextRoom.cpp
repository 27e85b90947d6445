// Measuring texts by the game's own rule of what fits, a prefix at a time.
#include "TextRoom.h"

#include "QtText.h"
#include "TextFit.h"

#include <QHash>

#include <memory>

namespace kvardelon::editor {

namespace {

// A letter of about the average width of Russian text.
constexpr char16_t kTypicalLetter = u'о';
constexpr int kMostLettersCounted = 400;

TextPlace placeOf(Captioned control)
{
    return control == Captioned::Label1 ? TextPlace::Question : TextPlace::Answer;
}

bool fits(const QString& text, Captioned control)
{
    return control == Captioned::Label1 ? questionFits(text) : answerFits(text);
}

// The largest n in [low, high] with test(n) true, test(low) being true.
template <typename Test>
int largest(int low, int high, Test test)
{
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (test(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

}  // namespace

Room roomFor(const QString& text, Captioned control)
{
    if (const int hidden = hiddenCharacters(text, placeOf(control)); hidden > 0)
        return {hidden, 0};
    const int more = largest(0, kMostLettersCounted, [&](int n) {
        return fits(text + QString(n, QChar(kTypicalLetter)), control);
    });
    return {0, more};
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
