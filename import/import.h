#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zoki {

class Program;

// The menu item "当選データ取込(&I)...": asks for a draw-history file and
// imports it.
void vImport_Click(Program& p);

// Files dropped on the main window: one file is imported as from the menu;
// several are refused with a message, since each import is one decision.
void Form_OLEDragDrop(Program& p, const std::vector<std::string>& files);

// The import is within reach: not while a reveal has the data menu greyed.
bool importAvailable(const Program& p);

// Reads a draw-history file, tells what it holds and how it meets data.dat,
// and only when the user agrees writes data.dat (keeping the old one as a
// dated backup when draws of it are replaced) and refreshes the statistics.
void importDrawHistory(Program& p, const std::filesystem::path& file);

} // namespace zoki
