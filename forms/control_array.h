#pragma once

#include "base/errors.h"
#include "forms/form.h"

#include <memory>
#include <string>
#include <vector>

namespace zoki {

// An indexed control array such as Label8(0..29). Indexing out of range is the
// program's "index out of range" error, never undefined behaviour.
template <class T> class ControlArray {
public:
    ControlArray(Form& form, const std::string& name, int count) {
        items_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<T>(form, name, i));
    }
    T& operator()(long long i) const {
        if (i < 0 || i >= static_cast<long long>(items_.size()))
            throw IndexError();
        return *items_[static_cast<std::size_t>(i)];
    }
    T& operator[](long long i) const { return (*this)(i); }
    int size() const { return static_cast<int>(items_.size()); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace zoki
