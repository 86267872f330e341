#pragma once
// The progress line the builder prints while it works: rewritten in place on a terminal,
// a short run of percentages otherwise.

#include <cstdio>
#include <string>

namespace postal_build {

class Progress {
public:
    // Prints to out; nullptr keeps quiet (tests).
    explicit Progress(std::FILE* out = nullptr);
    ~Progress();

    // done of total units of the named phase.
    void step(const char* phase, long done, long total);
    // Ends the current line, if any.
    void finish();

private:
    std::FILE* out_;
    bool terminal_ = false;
    std::string phase_;
    int shown_ = -1;
};

}  // namespace postal_build
