#pragma once
// The postal dictionary fuzzers: one of its three files is the input, the other two are the
// small dictionary of the tests, and every lookup the details screen makes runs on them.

#include <cstddef>
#include <cstdint>

int fuzzPostalFile(const char* relative, const std::uint8_t* data, std::size_t size);
