// Arbitrary draw and output tables (lines split at 0xFF), then the match
// search window opened and both scroll bars moved to arbitrary values.
#include "fuzz/fuzz_support.h"
#include "matching/match_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoki;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    int moves[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && !bytes.empty(); ++i) {
        moves[i] = static_cast<signed char>(bytes.front());
        bytes.remove_prefix(1);
    }
    const auto parts = fuzz::split(bytes, '\xff', 2);
    fuzz::folder().write("data.dat", parts[0]);
    fuzz::folder().write("OutData.dat", parts.size() > 1 ? parts[1] : "");
    fuzz::Run run;
    Program& p = run.start();
    vCheckNumber_Click(p);
    if (p.hasForm(FormId::Form5)) {
        Form5& f = p.form5();
        f.VScroll1.setValue(moves[0]);
        f.VScroll2.setValue(moves[1]);
        f.VScroll1.setValue(f.VScroll1.max() + moves[2]);
        f.VScroll2.setValue(f.VScroll2.min() + moves[3]);
    }
    return 0;
}
