// A backup taken beside a fuzzed Backup/ folder: copies with any names and notes, half-made
// copies, stray files. The listing reads whatever is there, and pruning keeps ten copies in
// all, never the one just made, whatever the names of the others.

#include <algorithm>
#include <filesystem>

#include "fuzz_folder.h"
#include "steering.h"
#include "store/backup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes;
    FuzzFolder& f = startOnImage(data, size, &bytes);
    Steering steer(bytes);
    const auto before = listBackups(f.dir);
    for (std::size_t i = 1; i < before.size(); ++i)
        require(!backupBefore(before[i - 1].name, before[i].name), "the list is newest first");

    const BackupOperation op = BackupOperation(steer.next(int(BackupOperation::Import) + 1));
    std::string made;
    {
        DataBackup backup = DataBackup::make(f.dir, kFuzzNow, op);
        if (!backup) return 0;
        made = backup.relativePath().substr(backup.relativePath().rfind('/') + 1);
        if (steer.flag()) backup.keep();  // else the operation failed and the copy goes again
        else made.clear();
    }
    const auto after = listBackups(f.dir);
    require(int(after.size()) <= std::max<int>(kBackupsKept, int(before.size())), "pruning never adds copies");
    const auto own = std::find_if(after.begin(), after.end(), [&](const BackupEntry& e) { return e.folder == made; });
    if (made.empty()) {
        require(after.size() == before.size(), "a copy not kept leaves the others as they were");
    } else {
        require(own != after.end(), "the copy just made is kept");
        require(own->operation == op, "the copy just made names its operation");
        require(int(after.size()) <= kBackupsKept, "no more than ten copies are kept");
    }
    return 0;
}
