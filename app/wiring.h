#pragma once

namespace zoki {

class Form;
class Program;

// Connects every control event of a window to its handler, through
// Program::dispatch. The program calls it for each window it builds.
void wire(Program& p, Form& form);

} // namespace zoki
