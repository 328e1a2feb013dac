// Every test starts with no fault planned in the file layer, whatever the
// test before it left there.
#include "base/syscalls.h"

#include <gtest/gtest.h>

namespace zoki::test {
namespace {

class ResetFileFaults : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { sys::Faults::reset(); }
};

const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetFileFaults);
    return true;
}();

} // namespace
} // namespace zoki::test
