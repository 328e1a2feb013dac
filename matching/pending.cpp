// Placeholder until matching and registration are built; delete when implementing.
#include "app/errors.h"
#include "draws/registration.h"

namespace zoki {
namespace {
[[noreturn]] void pending() { throw ProgramError("not built yet"); }
} // namespace
void Form4_Command1_Click(Program&) { pending(); }
} // namespace zoki
