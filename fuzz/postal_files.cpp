#include "postal_files.h"

#include <fstream>
#include <sstream>

#include "contacts/postal_lookup.h"
#include "contacts/saved_code_pages.h"
#include "fuzz_folder.h"

namespace {

std::string fixture(const char* name) {
    std::ifstream in(std::string(TALLYFOLD_POSTAL_FIXTURE) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void lookAt(const DataDir& dir, const postal::LookupResult& r) {
    for (long first = 0; first < r.matchList.count() && first < 200; first += 20)
        (void)postal::readPostalPage(dir, r.matchList, first, 20);
}

}  // namespace

int fuzzPostalFile(const char* relative, const std::uint8_t* data, std::size_t size) {
    static const std::string text = fixture("ZipNo.txt"), codes = fixture("ZipNo.idx"), kana = fixture("ZipKana.idx");
    FuzzFolder& f =
        startOn(relative, data, size, {{"Zip/ZipNo.txt", text}, {"Zip/ZipNo.idx", codes}, {"Zip/ZipKana.idx", kana}});
    for (const char* code : {"1", "100", "100-0001", "1600022", "9999999", "", " "})
        lookAt(f.dir, postal::lookupByCode(f.dir, code));
    for (const char* reading : {"\xbc\xdd\xbc\xde\xad\xb8", "\xb1", "\xbb\xaf\xce\xdf\xdb", "abc"})
        lookAt(f.dir, postal::lookupByReading(f.dir, reading, [](int) {}));
    return 0;
}
