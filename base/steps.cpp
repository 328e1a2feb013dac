#include "base/steps.h"

#include "base/errors.h"

namespace zoki {

bool tryStep(const Step& step) {
    try {
        step();
        return true;
    } catch (const ProgramError&) {
        return false;
    }
}

int runSkippingFailures(std::initializer_list<Step> steps) {
    int failed = 0;
    for (const Step& step : steps)
        if (!tryStep(step))
            ++failed;
    return failed;
}

} // namespace zoki
