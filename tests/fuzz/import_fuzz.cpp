// A draw-history file of arbitrary bytes imported over a data.dat of one
// draw, every question answered Yes: whatever the file holds, data.dat ends
// up holding numbers 1..43 only.
#include "base/textfile.h"
#include "fuzz/fuzz_support.h"
#include "import/import.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoki;
    fuzz::folder().write("data.dat", "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7\r\n");
    fuzz::folder().write("OutData.dat", "4\r\n9\r\n15\r\n22\r\n30\r\n41\r\n");
    fuzz::folder().write("history.csv", std::string(reinterpret_cast<const char*>(data), size));
    fuzz::Run run;
    Program& p = run.start();
    run.dialogs.answers.assign(2, Answer::Yes); // a replacing question defaults to No
    importDrawHistory(p, fuzz::folder() / "history.csv");
    for (const std::string& line : readTextLines(fuzz::folder() / "data.dat", kMaxDataFileBytes)) {
        const int v = std::atoi(line.c_str());
        if (v < 1 || v > 43 || std::to_string(v) != line)
            std::abort();
    }
    return 0;
}
