// Helpers beside the window interface.
#include "WindowOps.h"

#include <cassert>

namespace kvardelon {

Captioned answerButton(int n)
{
    assert(n >= 1 && n <= 4);
    return static_cast<Captioned>(static_cast<int>(Captioned::Command1) + n - 1);
}

}  // namespace kvardelon
