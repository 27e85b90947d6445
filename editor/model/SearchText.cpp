// Folding texts for the find bar.
#include "SearchText.h"

#include <QStringView>

namespace kvardelon::editor {

namespace {

// Latin letters drawn as Russian ones are drawn, and the Russian letter each stands for.
constexpr QStringView kLatin = u"aceopxyABCEHKMOPTXY";
constexpr QStringView kRussian = u"асеорхуАВСЕНКМОРТХУ";
static_assert(kLatin.size() == kRussian.size());

bool isRussian(QChar c)
{
    return c.unicode() >= 0x400 && c.unicode() <= 0x4FF;
}

}  // namespace

QString searchForm(const QString& text)
{
    QString folded = text;
    for (qsizetype start = 0; start < folded.size();) {
        qsizetype end = start;
        bool russian = false;
        while (end < folded.size() && folded.at(end).isLetter())
            russian = isRussian(folded.at(end++)) || russian;
        for (qsizetype at = start; russian && at < end; ++at)
            if (const qsizetype k = kLatin.indexOf(folded.at(at)); k >= 0)
                folded[at] = kRussian.at(k);
        start = end + 1;
    }
    return folded.toLower();
}

}  // namespace kvardelon::editor
