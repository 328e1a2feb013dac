#pragma once

#include "base/errors.h"

namespace zoki {

// Counts the draws made for one number. A working generator repeats itself a
// handful of times at most; a source that keeps giving the same value must
// not freeze the window, so after a generous limit the run is abandoned.
class RedrawGuard {
public:
    void another() {
        if (++draws > kLimit)
            throw RedrawLimitError();
    }

private:
    static constexpr int kLimit = 100000;
    int draws = 0;
};

} // namespace zoki
