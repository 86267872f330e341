// Data/MyZip.001 as the input: merged with the team register at start-up, then paged
// through as the saved-code panel does.

#include "contacts/saved_code_pages.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = startOn("Data/MyZip.001", data, size);
    SavedCodePager pager(f.model.savedCodeCount);
    do {
        (void)readSavedCodePage(f.dir, pager.savedPageTop());
    } while (pager.pageDown());
    workOn(f);
    return 0;
}
