// The lifeline algorithms.
#include "Lifelines.h"

#include "AnswerLetters.h"
#include "Ladder.h"

#include <array>

namespace kvardelon {

namespace {

bool removable(int n, std::int16_t gintO, const WindowOps& windows)
{
    return n != gintO && !windows.caption(answerButton(n)).empty();
}

int removableCount(std::int16_t gintO, const WindowOps& windows)
{
    int count = 0;
    for (int n = 1; n <= 4; ++n)
        count += removable(n, gintO, windows) ? 1 : 0;
    return count;
}

}  // namespace

void fiftyfifty(std::int16_t gintO, WindowOps& windows, Random& random)
{
    // A draw that hits the correct answer or a blank one is drawn again. The count of
    // answers still removable bounds the loop when a question offers fewer than two.
    int removed = 0;
    while (removed != 2 && removableCount(gintO, windows) > 0) {
        const int n = drawInt(random, 4);
        if (removable(n, gintO, windows)) {
            windows.setCaption(answerButton(n), "");
            ++removed;
        }
    }
    windows.setEnabled(Control::Picture1, false);
}

std::string friendanswer(std::string_view name, Random& random)
{
    random.seedFromTimeOfDay();
    const int n = drawInt(random, 4);
    return std::string(name) + " думает, что правильный ответ " + answerLetter(n) + ".";
}

AudienceShares audienceshares(Random& random)
{
    random.seedFromTimeOfDay();
    AudienceShares shares;
    shares.a = drawInt(random, 100);
    if (100 - shares.a != 0)
        shares.b = drawInt(random, 100 - shares.a);
    if (100 - shares.a - shares.b != 0)
        shares.c = drawInt(random, 100 - shares.a - shares.b);
    shares.d = 100 - shares.a - shares.b - shares.c;
    return shares;
}

std::string shareText(int share)
{
    return numberText(share) + "%";
}

}  // namespace kvardelon
