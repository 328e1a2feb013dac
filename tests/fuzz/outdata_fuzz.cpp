// OutData.dat of arbitrary bytes: start-up, the history window, a kept run
// and the reloads.
#include "fuzz/fuzz_support.h"
#include "kept/history_window.h"
#include "kept/kept_file.h"
#include "program/main_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoki;
    fuzz::folder().write("data.dat", "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7\r\n");
    fuzz::folder().write("OutData.dat", std::string(reinterpret_cast<const char*>(data), size));
    fuzz::Run run;
    Program& p = run.start();
    dataAdd_Click(p);
    for (int i = 0; i < 6; ++i)
        p.predictNumbers[static_cast<std::size_t>(i)] = i + 1;
    if (saveInfo(p))
        reloadOutHistoryTrimmed(p);
    DummyFormLoad(p);
    return 0;
}
