// Data/Info.old and Data/Kyuubu.old read alone, as a deletion of the newest term restores
// the registers from them; the input stands for both.

#include "fuzz_folder.h"
#include "store/file_transaction.h"
#include "store/suspended_register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    layFile(files::kTeamSnapshot, data, size);
    FuzzFolder& f = layFile(files::kSuspendedSnapshot, data, size);
    const RestoredRegisters r = restoredRegisters(f.dir);
    FileTransaction staged(f.dir);
    (void)stageRestoredRegisters(r, staged);
    if (r.suspended) (void)suspendedCountOf(*r.suspended);
    return 0;
}
