// Helpers beside the window interface.
#include "WindowOps.h"

#include <cassert>

namespace kvardelon {

Control answerButton(int n)
{
    assert(n >= 1 && n <= 4);
    return static_cast<Control>(static_cast<int>(Control::Command1) + n - 1);
}

}  // namespace kvardelon
