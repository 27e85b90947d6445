// The question panel: Label1 and Command1..Command4 placed as in the main window.
#include "QuestionPanel.h"

#include "AnswerLetters.h"
#include "Controls.h"
#include "MainLayout.h"
#include "Toolkit.h"

#include <QLabel>

namespace kvardelon {

namespace {

// A place in the main window, made relative to the panel's top left corner.
Twips insidePanel(Twips place)
{
    return {place.left - kQuestionPanelPlace.left, place.top - kQuestionPanelPlace.top, place.width, place.height};
}

std::size_t answerIndex(int n)
{
    return static_cast<std::size_t>(n - 1);
}

}  // namespace

QuestionPanel::QuestionPanel(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kQuestionPanelPlace.pixels().size());
    // Created in the main window's tab order: the answers first, then the question.
    static constexpr std::array<const char*, 4> kNames = {"Command1", "Command2", "Command3", "Command4"};
    for (std::size_t i = 0; i < answers_.size(); ++i)
        answers_[i] = new CaptionButton(this, kNames[i], {}, insidePanel(kAnswerPlaces[i]));
    question_ = makeLabel(this, "Label1", {}, insidePanel(kQuestionPlace));
}

void QuestionPanel::showQuestion(const QString& question, const std::array<QString, 4>& answers)
{
    setQuestion(question);
    for (int n = 1; n <= 4; ++n)
        setAnswerCaption(n, letteredAnswer(n, answers[answerIndex(n)]));
}

void QuestionPanel::setQuestion(const QString& text)
{
    question_->setText(text);
}

QString QuestionPanel::question() const
{
    return question_->text();
}

void QuestionPanel::setAnswerCaption(int n, const QString& caption)
{
    answerButton(n)->setCaption(caption);
}

QString QuestionPanel::answerCaption(int n) const
{
    return answerButton(n)->caption();
}

QString QuestionPanel::letteredAnswer(int n, const QString& answer)
{
    return QString::fromStdString(answerLetter(n)) + QLatin1Char(':') + answer;
}

CaptionButton* QuestionPanel::answerButton(int n) const
{
    return answers_.at(answerIndex(n));
}

}  // namespace kvardelon
