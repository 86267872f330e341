// Zip/ZipKana.idx as the input, beside the other two files of a good dictionary.

#include "postal_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzPostalFile("Zip/ZipKana.idx", data, size);
}
