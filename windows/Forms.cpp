// The five windows and what they share.
#include "Forms.h"

#include "Accessible.h"

namespace kvardelon {

Forms::Forms(Random& random_, Platform platform_, QuestionBank bank)
    : random(random_), platform(std::move(platform_)), form1(*this, std::move(bank)), form2(*this), form3(*this),
      form4(*this), form5(*this)
{
    installAccessibleInterfaces();
}

void Forms::fatal(const QString& message)
{
    platform.reportFatal(message);
    platform.endProcess(1);
}

}  // namespace kvardelon
