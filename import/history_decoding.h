#pragma once

#include <string>
#include <string_view>
#include <vector>

// The first step of reading a draw-history file: its bytes as UTF-8 text.
namespace zoki::parsing {

// The text of `bytes`, in `store` when it had to be converted; the 1-based
// lines that decoded in no encoding go to `undecoded` (when given).
std::string_view decodeInto(std::string_view bytes, std::string& store, std::vector<int>* undecoded);

} // namespace zoki::parsing
