// Data/Kyuubu.001 read alone: counted, every record read, the list with one taken out.

#include "fuzz_folder.h"
#include "store/suspended_register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = layFile(files::kSuspended, data, size);
    (void)countSuspended(f.model, f.dir);
    // Records by number as the suspension list reads them: the first, the last and one past it.
    for (int k : {1, f.model.suspendedCount, f.model.suspendedCount + 1})
        (void)suspendedRecordFrom(readSuspended(f.dir, k));
    if (auto image = readSuspendedImage(f.dir)) {
        (void)suspendedCountOf(*image);
        (void)suspendedImageWithout(*image, f.model.suspendedCount / 2);
        (void)suspendedImageWithout(*image, int(size % 128));
    }
    return 0;
}
