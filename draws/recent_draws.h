#pragma once

namespace zoki {

class Program;

// Fills the history window's panel of the five latest draws.
void ShowRecentDraws(Program& p);

} // namespace zoki
