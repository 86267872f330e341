// Start-up over a fuzzed folder left by a save that was stopped: a journal, staged files and
// the files they replace. Afterwards no staged file is left and every data file holds either
// its old bytes or the staged ones.

#include <map>

#include "folder_image.h"
#include "fuzz_folder.h"
#include "store/file_io.h"
#include "store/file_transaction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view steering;
    FuzzFolder& f = startOnImage(data, size, &steering);
    // startOnImage has already run the recovery as start-up does; the image says what was there.
    std::map<std::string, std::string_view> laid;  // a name laid twice holds its last bytes
    for (const auto& [name, bytes] :
         parseFolderImage(std::string_view(reinterpret_cast<const char*>(data), size)).files)
        if (name.rfind("Data/", 0) == 0) laid[name.substr(5)] = bytes;
    const auto after = dataFiles(f.dir);
    const std::string staged(fileio::kTemporarySuffix);
    for (const auto& [file, bytes] : laid) {
        const bool isStaged =
            file.size() > staged.size() && file.compare(file.size() - staged.size(), staged.size(), staged) == 0;
        if (isStaged) {
            require(!after.count(file), "no staged file is left after start-up");
            continue;
        }
        const auto now = after.find(file);
        if (now == after.end() || now->second == bytes || file == "MyZip.001") continue;  // MyZip: merged at start
        const auto stagedBytes = laid.find(file + staged);
        require(stagedBytes != laid.end() && stagedBytes->second == now->second,
                "a data file holds its old bytes or the staged ones");
    }
    (void)recoverInterruptedWrites(f.dir);
    return 0;
}
