#pragma once
// For tests of the flood fill: a way to run the fill of any processor on one with wider vector
// instructions, so that both ways of painting runs are tested on the machine at hand.

namespace molvane {

// While an object of this class lives, flood fills of the creating thread paint runs 16 pixels a step,
// as on a processor without AVX2. Not for use outside tests.
class NarrowFillRuns {
public:
    NarrowFillRuns();
    ~NarrowFillRuns();
    NarrowFillRuns(const NarrowFillRuns&) = delete;
    NarrowFillRuns& operator=(const NarrowFillRuns&) = delete;

    static bool active();
};

} // namespace molvane
