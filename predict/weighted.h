#pragma once

namespace zoki {

class Program;

// Fills sets 1..setCount of predictNumbers from the ticket pool of the
// current strength and counts, honouring the exclusions and the chosen number.
void GetByData(Program& p);

} // namespace zoki
