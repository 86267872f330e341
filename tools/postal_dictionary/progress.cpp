#include "postal_dictionary/progress.h"

#include <unistd.h>

namespace postal_build {

Progress::Progress(std::FILE* out) : out_(out), terminal_(out && ::isatty(::fileno(out))) {}

Progress::~Progress() {
    finish();
}

void Progress::step(const char* phase, long done, long total) {
    if (!out_) return;
    int percent = total > 0 ? int(done * 100 / total) : 100;
    if (phase_ != phase) {
        finish();
        phase_ = phase;
        shown_ = -1;
        std::fprintf(out_, "%s:", phase);
    }
    // A terminal sees every percent; a log file one entry per tenth.
    int step = terminal_ ? 1 : 10;
    if (shown_ >= 0 && percent / step == shown_ / step) return;
    shown_ = percent;
    if (terminal_)
        std::fprintf(out_, "\r%s: %3d%%", phase, percent);
    else
        std::fprintf(out_, " %d%%", percent);
    std::fflush(out_);
}

void Progress::finish() {
    if (!out_ || phase_.empty()) return;
    std::fputc('\n', out_);
    std::fflush(out_);
    phase_.clear();
}

}  // namespace postal_build
