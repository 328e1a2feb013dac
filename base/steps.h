#pragma once

#include <functional>
#include <initializer_list>

namespace zoki {

using Step = std::function<void()>;

// Runs steps in order; a step that fails with a ProgramError is abandoned and
// the next one runs. This is how the handlers' "from here on a failing step is
// skipped" regions behave. Returns how many steps failed.
int runSkippingFailures(std::initializer_list<Step> steps);

// Runs one step the same way; true when it completed.
bool tryStep(const Step& step);

} // namespace zoki
