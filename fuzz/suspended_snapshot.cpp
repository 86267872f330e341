// Data/Kyuubu.old as the input: a deletion of the newest term restores the registers from it.

#include "fuzz_folder.h"
#include "standings/term_deletion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = startOn("Data/Kyuubu.old", data, size, {{"Data/Seiseki.001", twoTermResults()}});
    (void)deleteNewestTermOnce(f.model, f.dir, {2026, 12, 8, 10, 0, 0});
    workOn(f);
    return 0;
}
