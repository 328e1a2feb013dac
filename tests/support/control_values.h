#pragma once

#include "forms/control_array.h"
#include "forms/controls.h"

#include <string>
#include <vector>

namespace zoki::test {

// The colours the windows must show, as plain values: a test that names a
// colour role would follow a wrong value.
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kDarkRed{100, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kBonusFirstColor{255, 192, 255};
inline constexpr Rgb kBonusNormalColor{255, 100, 100};

// One property of every control of an array, in index order, for comparing a
// whole row of a window at once.
inline std::vector<std::string> captions(const ControlArray<Label>& labels) {
    std::vector<std::string> out;
    for (const auto& l : labels)
        out.push_back(l->caption());
    return out;
}

inline std::vector<int> pictures(const ControlArray<Image>& images) {
    std::vector<int> out;
    for (const auto& i : images)
        out.push_back(i->picture());
    return out;
}

inline std::vector<Rgb> colours(const ControlArray<Label>& cells) {
    std::vector<Rgb> out;
    for (const auto& c : cells)
        out.push_back(c->backColor());
    return out;
}

} // namespace zoki::test
