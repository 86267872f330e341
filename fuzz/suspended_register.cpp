// Data/Kyuubu.001 as the input: counted at start-up, read, shortened and lengthened.

#include "store/suspended_register.h"

#include "fuzz_folder.h"
#include "store/team_register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = startOn("Data/Kyuubu.001", data, size);
    for (int k = 1; k <= f.model.suspendedCount; ++k) (void)readSuspended(f.dir, k);
    if (f.model.suspendedCount > 0) (void)removeSuspended(f.model, f.dir, f.model.suspendedCount / 2);
    (void)appendSuspended(f.model, f.dir, readTeam(f.dir, 1));
    (void)snapshotRegisters(f.model, f.dir);
    workOn(f);
    return 0;
}
