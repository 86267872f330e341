#pragma once
// The steering bytes of a fuzz input, read as a stream of small choices: which row, which
// team, how many moves. Once the bytes run out every choice is 0, so a short input still
// runs the whole operation.

#include <cstddef>
#include <string_view>

class Steering {
public:
    explicit Steering(std::string_view bytes) : bytes_(bytes) {}

    // 0 .. bound - 1 (bound at least 1).
    int next(int bound) {
        if (bound <= 1 || at_ >= bytes_.size()) return 0;
        unsigned v = static_cast<unsigned char>(bytes_[at_++]);
        if (bound > 256 && at_ < bytes_.size()) v = v << 8 | static_cast<unsigned char>(bytes_[at_++]);
        return int(v % unsigned(bound));
    }
    bool flag() { return next(2) == 1; }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};
