// The question and its four answers exactly as the main window shows them.
#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;

namespace kvardelon {

class CaptionButton;

// The question label Label1 above the answer buttons Command1..Command4, A and B in the
// upper row, C and D in the lower, in the main window's sizes, font and wrapping. Texts
// are shown literally. The panel has a fixed size; it shows the game's look wherever the
// look is applied to it or to the whole application.
class QuestionPanel : public QWidget {
    Q_OBJECT
public:
    explicit QuestionPanel(QWidget* parent = nullptr);

    // The question and the four answers, each answer after its letter: "A:", "B:", "C:", "D:".
    void showQuestion(const QString& question, const std::array<QString, 4>& answers);

    // The question label's text exactly, as set and as returned.
    void setQuestion(const QString& text);
    QString question() const;

    // Answer button n's caption exactly (n in 1..4), letter included, as set and as returned.
    void setAnswerCaption(int n, const QString& caption);
    QString answerCaption(int n) const;

    // The caption of answer button n (1..4) for an answer: its letter, a colon, the answer.
    static QString letteredAnswer(int n, const QString& answer);

    QLabel* questionLabel() const { return question_; }
    CaptionButton* answerButton(int n) const;

private:
    QLabel* question_;
    std::array<CaptionButton*, 4> answers_{};
};

}  // namespace kvardelon
