#pragma once

#include "program/program.h"
#include "support/fakes.h"

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zoki::test {

// A value r for which Int(r × scale + 1) is exactly n (the middle of n's share).
inline float rFor(int n, int scale = 43) { return (static_cast<float>(n) - 0.5f) / static_cast<float>(scale); }

// The values that make the plain generator draw these numbers.
inline std::deque<float> plainDraws(const std::vector<int>& numbers) {
    std::deque<float> out;
    for (int n : numbers)
        out.push_back(rFor(n));
    return out;
}

inline void chooseSetCount(Program& p, int n) { p.form1.VScroll1.setValue(n); }

// Set r (1..5) of predictNumbers.
inline std::vector<int> setOf(const Program& p, int r) {
    const auto first = p.predictNumbers.begin() + (r - 1) * 6;
    return {first, first + 6};
}

inline std::vector<std::string> texts(const std::vector<int>& numbers) {
    std::vector<std::string> out;
    for (int n : numbers)
        out.push_back(std::to_string(n));
    return out;
}

// Records property changes of a window as "objectName.Prop" in order.
struct Trace {
    std::vector<std::pair<std::string, Prop>> events;
    explicit Trace(Form& f) {
        f.listener = [this](Control* c, Prop prop) { events.emplace_back(c ? c->objectName() : "", prop); };
    }
    // Position of the first event on this control and property; -1 if none.
    long indexOf(const std::string& name, Prop prop) const {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i].first == name && events[i].second == prop)
                return static_cast<long>(i);
        return -1;
    }
    std::vector<std::string> namesFor(Prop prop) const {
        std::vector<std::string> out;
        for (const auto& [name, p] : events)
            if (p == prop)
                out.push_back(name);
        return out;
    }
};

// Plays back values like ScriptedRandom and logs re-seeds ('S') and draws ('D').
class RecordingRandom : public Random {
public:
    float next() override {
        log += 'D';
        if (values.empty())
            return fallback;
        const float v = values.front();
        values.pop_front();
        return v;
    }
    void reseedFromClock() override { log += 'S'; }
    std::deque<float> values;
    float fallback = 0.0f;
    std::string log;
};

} // namespace zoki::test
