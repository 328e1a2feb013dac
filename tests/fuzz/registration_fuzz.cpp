// Seven arbitrary field texts (split at '\n') typed into the registration form.
#include "draws/registration.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoki;
    fuzz::folder().write("data.dat", "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7\r\n");
    fuzz::folder().write("OutData.dat", "");
    const auto fields = fuzz::split(std::string_view(reinterpret_cast<const char*>(data), size), '\n', 7);
    fuzz::Run run;
    Program& p = run.start();
    Form4& f = p.form4();
    for (int k = 0; k < 7; ++k)
        f.Text1(k).setText(k < static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(k)] : "");
    Form4_Command1_Click(p);
    return 0;
}
