#pragma once

#include <string>
#include <vector>

namespace zoki::test {

// The ASCII letters of a message once the names it may quote are taken out:
// the given paths, the two data files and the code page. Empty when the
// message is Japanese throughout.
inline std::string lettersBeyondNames(std::string text, const std::vector<std::string>& paths = {}) {
    std::vector<std::string> names = paths;
    names.insert(names.end(), {"OutData.dat", "data.dat", "Shift_JIS", "CP932"});
    for (const std::string& name : names)
        for (std::size_t at = text.find(name); !name.empty() && at != std::string::npos; at = text.find(name))
            text.erase(at, name.size());
    std::string letters;
    for (char c : text)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            letters += c;
    return letters;
}

} // namespace zoki::test
