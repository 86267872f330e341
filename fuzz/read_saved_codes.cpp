// Data/MyZip.001 read alone: counted and paged through as the saved-code panel does.

#include "contacts/saved_code_pages.h"
#include "contacts/saved_postal_codes.h"
#include "fuzz_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = layFile(files::kSavedPostalCodes, data, size);
    (void)countSavedCodes(f.model, f.dir);
    SavedCodePager pager(f.model.savedCodeCount);
    do {
        for (const SavedCodeRow& row : readSavedCodePage(f.dir, pager.savedPageTop())) (void)chosenSavedCode(row);
    } while (pager.pageDown());
    return 0;
}
