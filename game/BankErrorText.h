// What went wrong with a bank file, in Russian: the one place where the bank's errors are
// put into words, for the game's error report, the checker and the editor.
#pragma once

#include "BankError.h"

#include <string>

namespace kvardelon {

// As the game reports it and the checker repeats it: the step, the file and its line.
// "Файл вопросов для ступени 7 (data/qw7.txt) кончается на строке 38, а вопросу № 7 нужно
// ещё 4 строки." A step of 0 (a file whose name says none) is left unsaid.
std::string bankErrorText(const BankError::Details& error);

// As the editor tells an author, who sees steps and questions: no file name, no line, no
// byte. The step is said before it ("Ступень 7: …"), so the sentence leaves it out and
// begins in lower case: "у вопроса № 7 нет ответов B, C, D и номера правильного ответа."
std::string bankErrorInPlainWords(const BankError::Details& error);

}  // namespace kvardelon
