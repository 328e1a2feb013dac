#pragma once

namespace zoki {

class Program;

// The main window is on the screen for the first time. Where nothing keeps a
// second copy off the folder, the user is told so. While data.dat holds
// no draw the predictions are plain random numbers and the charts are empty:
// the user is asked whether to import the published draw history now, and
// on Yes the import's file dialog opens.
void Form_FirstShown(Program& p);

} // namespace zoki
