// A backup taken beside a fuzzed Backup/ folder: copies with any names, half-made copies,
// stray files. The listing and pruning of the copies meets whatever is there.

#include <filesystem>

#include "fuzz_folder.h"
#include "store/backup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view steering;
    FuzzFolder& f = startOnImage(data, size, &steering);
    std::string made;
    if (!backupDataFolder(f.dir, kFuzzNow, &made)) return 0;
    int copies = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(f.dir.path(files::kBackupFolder), ec), end; !ec && it != end;
         it.increment(ec))
        copies += it->is_directory(ec) && it->path().filename().string().rfind("Data-", 0) == 0 ? 1 : 0;
    require(copies <= kBackupsKept, "no more than ten copies are kept");
    return 0;
}
