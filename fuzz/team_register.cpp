// Data/Info.001 as the input: start-up reads it, then the screens' work runs on it.

#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = startOn("Data/Info.001", data, size);
    workOn(f);
    return 0;
}
