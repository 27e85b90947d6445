// Measuring texts against the controls that show them; needs a running QGuiApplication.
#include "TextFit.h"

#include "Controls.h"
#include "MainLayout.h"
#include "QuestionPanel.h"
#include "Toolkit.h"

#include <QFontMetrics>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <vector>

namespace kvardelon {

namespace {

bool fits(const QString& text, QRect area)
{
    const QFontMetrics metrics(defaultFont());
    const QRect needed = metrics.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QRect questionArea()
{
    return {QPoint(0, 0), kQuestionPlace.pixels().size()};
}

QRect answerArea()
{
    return CaptionButton::captionArea(kAnswerPlaces[0].pixels().size());
}

// The text as it stands in its place, and the place.
QString shown(const QString& text, TextPlace place)
{
    return place == TextPlace::Question ? text : QuestionPanel::letteredAnswer(1, text);
}

QRect areaOf(TextPlace place)
{
    return place == TextPlace::Question ? questionArea() : answerArea();
}

bool fitsIn(const QString& text, TextPlace place)
{
    return fits(shown(text, place), areaOf(place));
}

// Where each character the player sees ends, in UTF-16 units.
std::vector<qsizetype> characterEnds(const QString& text)
{
    std::vector<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary())
        ends.push_back(end);
    return ends;
}

}  // namespace

bool questionFits(const QString& question)
{
    return fits(question, questionArea());
}

bool answerFits(const QString& answer)
{
    return fits(QuestionPanel::letteredAnswer(1, answer), answerArea());
}

int hiddenCharacters(const QString& text, TextPlace place)
{
    if (fitsIn(text, place))
        return 0;
    // A longer beginning never fits where a shorter one does not, so halving the range
    // finds the longest one that fits; the empty one always does.
    const std::vector<qsizetype> ends = characterEnds(text);
    std::size_t fitting = 0;
    std::size_t notFitting = ends.size();
    while (notFitting - fitting > 1) {
        const std::size_t middle = (fitting + notFitting) / 2;
        if (fitsIn(text.left(ends[middle - 1]), place))
            fitting = middle;
        else
            notFitting = middle;
    }
    return static_cast<int>(ends.size() - fitting);
}

TextLines linesOf(const QString& text, TextPlace place)
{
    const QRect area = areaOf(place);
    const QFont font = defaultFont();
    const QFontMetrics metrics(font);
    TextLines lines;
    // As many lines as the place holds whole, measured as the game measures what fits:
    // n line breaks make n + 1 lines.
    constexpr int kMostLines = 50;
    while (lines.there < kMostLines && fits(QString(lines.there, QLatin1Char('\n')), area))
        ++lines.there;
    if (text.isEmpty())
        return lines;
    QTextLayout layout(shown(text, place), font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    double lastWidth = 0.0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        lastWidth = line.naturalTextWidth();
        ++lines.used;
    }
    layout.endLayout();
    lines.filled = lines.used - 1 + std::min(1.0, lastWidth / area.width());
    return lines;
}

}  // namespace kvardelon
