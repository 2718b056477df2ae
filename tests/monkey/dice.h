#pragma once

#include <cstdint>
#include <random>

namespace parta::test {

// The monkey's only source of chance: one seeded engine whose sequence is fixed
// by the standard, so that a seed replays a run event for event on any machine.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine(seed) {}

    // A whole number from 0 to count - 1; count must be positive.
    int below(int count) { return static_cast<int>(engine() % static_cast<std::uint64_t>(count)); }
    // A whole number from low to high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }

    template <typename List> const auto &pick(const List &list)
    {
        return list[static_cast<std::size_t>(below(static_cast<int>(std::size(list))))];
    }

private:
    std::mt19937_64 engine;
};

} // namespace parta::test
