#pragma once
// A results file's oscillogram with its verdicts given as type, peak and frequency per channel:
// the fixtures of the gradebook and the class table.
#include <array>
#include <cstddef>

#include "files/results_reader.h"

namespace ondivel::testing {

inline constexpr Verdict R = Verdict::Right, W = Verdict::Wrong, N = Verdict::NotAsked;

inline RecordedOscillogram scored(std::array<Verdict, 3> ch1, std::array<Verdict, 3> ch2,
                                  bool complete = true) {
    RecordedOscillogram osc;
    osc.complete = complete;
    for (std::size_t p = 0; p < 3; ++p) {
        osc.channel[0].verdict[p] = ch1[p];
        osc.channel[1].verdict[p] = ch2[p];
    }
    return osc;
}

} // namespace ondivel::testing
