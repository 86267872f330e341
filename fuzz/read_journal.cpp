// Data/Tallyfold.jnl read alone, beside one staged file, as start-up finishes or throws
// away a save that a stopped process left.

#include "fuzz_folder.h"
#include "store/file_io.h"
#include "store/file_transaction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::uint8_t staged[] = "staged";
    layFile("Data/Info.001.tf-new", staged, sizeof staged - 1);
    FuzzFolder& f = layFile(files::kJournal, data, size);
    (void)recoverInterruptedWrites(f.dir);
    require(!fileio::isRegularFile(f.dir.path("Data/Info.001.tf-new")), "no staged file outlives the recovery");
    return 0;
}
