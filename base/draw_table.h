#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace zoki {

// data.dat's values as the program holds them: one per line, trimmed, seven
// per draw (six main numbers, then the bonus). The reader that reloads the
// file after every statistics run adds one spare empty element after the
// last line, so that the highest index equals the number of lines read; the
// record, count and page arithmetic is written against that. This type is the
// one place that knows it: its users ask for the lines read or the highest
// index, and hand the elements, spare and all, to that arithmetic.
class DrawTable {
public:
    DrawTable() = default;
    // Exactly these values, no spare: the start-up's cleaned table, or the
    // table a registration or an import has just written.
    explicit DrawTable(std::vector<std::string> values) : elements_(std::move(values)) {}
    DrawTable(std::initializer_list<std::string> values) : elements_(values) {}
    // Every line of the file as read, then the spare element.
    static DrawTable withSpare(std::vector<std::string> lines);

    // Every element, the spare one included.
    const std::vector<std::string>& elements() const { return elements_; }
    // The lines read (the spare left out).
    long long lineCount() const { return static_cast<long long>(elements_.size()) - (spare_ ? 1 : 0); }
    // The highest index, -1 for no element: with the spare, the lines read.
    long long highestIndex() const { return static_cast<long long>(elements_.size()) - 1; }
    bool empty() const { return elements_.empty(); }
    // Element i; "" past the end.
    const std::string& operator[](std::size_t i) const;

    // The storage, for a reload to reuse, leaving the table empty.
    std::vector<std::string> release();

    friend bool operator==(const DrawTable&, const DrawTable&) = default;

private:
    std::vector<std::string> elements_;
    bool spare_ = false;
};

} // namespace zoki
