#include "fuzz/fuzz_support.h"

#include "app/startup.h"
#include "app/wiring.h"

namespace zoki::fuzz {

TempFolder& folder() {
    static TempFolder f;
    return f;
}

Program& Run::start() {
    program = std::make_unique<Program>(folder().path(), dialogs, random, platform, wire);
    Form_Load(*program);
    return *program;
}

std::vector<std::string> split(std::string_view bytes, char separator, std::size_t maxParts) {
    std::vector<std::string> parts(1);
    for (char c : bytes) {
        if (c == separator && parts.size() < maxParts)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

} // namespace zoki::fuzz
