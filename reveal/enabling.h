#pragma once

namespace zoki {

class Program;

// The main window's controls around a reveal. 0 disables the run-sensitive
// controls; any other value ends a reveal: asks whether to keep the result,
// acts on the answer and enables them again.
void itemEnable(Program& p, int checkEnable);

} // namespace zoki
