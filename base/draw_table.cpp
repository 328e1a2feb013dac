#include "base/draw_table.h"

#include <utility>

namespace zoki {

DrawTable DrawTable::withSpare(std::vector<std::string> lines) {
    DrawTable table(std::move(lines));
    table.elements_.emplace_back();
    table.spare_ = true;
    return table;
}

const std::string& DrawTable::operator[](std::size_t i) const {
    static const std::string none;
    return i < elements_.size() ? elements_[i] : none;
}

std::vector<std::string> DrawTable::release() {
    std::vector<std::string> storage = std::move(elements_);
    elements_.clear();
    spare_ = false;
    return storage;
}

} // namespace zoki
