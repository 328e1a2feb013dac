// data.dat and OutData.dat of arbitrary bytes (split at the first 0xFF): the
// start-up load with its clean-up and the statistics, then LoadDrawFile again.
#include "draws/draw_file.h"
#include "draws/statistics.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoki;
    const auto parts = fuzz::split(std::string_view(reinterpret_cast<const char*>(data), size), '\xff', 2);
    fuzz::folder().write("data.dat", parts[0]);
    fuzz::folder().write("OutData.dat", parts.size() > 1 ? parts[1] : "");
    fuzz::Run run;
    Program& p = run.start();
    LoadDrawFile(p);
    RefreshStatistics(p);
    return 0;
}
