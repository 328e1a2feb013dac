#pragma once

namespace zoki {

class Program;

// Main window load: prepares the window, the two data files and the statistics.
// Throws FileError when OutData.dat cannot be created or read; the caller then
// names the folder and the reason to the user and ends the program.
void Form_Load(Program& p);
void Form_Activate(Program& p);
void Form_Unload(Program& p);

} // namespace zoki
