// Measuring texts against the controls that show them; needs a running QGuiApplication.
#include "TextFit.h"

#include "Controls.h"
#include "MainLayout.h"
#include "QuestionPanel.h"
#include "Toolkit.h"

#include <QFontMetrics>

namespace kvardelon {

namespace {

bool fits(const QString& text, QRect area)
{
    const QFontMetrics metrics(defaultFont());
    const QRect needed = metrics.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

}  // namespace

bool questionFits(const QString& question)
{
    return fits(question, QRect(QPoint(0, 0), kQuestionPlace.pixels().size()));
}

bool answerFits(const QString& answer)
{
    return fits(QuestionPanel::letteredAnswer(1, answer), CaptionButton::captionArea(kAnswerPlaces[0].pixels().size()));
}

}  // namespace kvardelon
