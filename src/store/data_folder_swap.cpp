#include "store/data_folder_swap.h"

#include <filesystem>
#include <system_error>

#include "store/backup_listing.h"
#include "store/file_io.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own, not a link to one.
bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(p, ec));
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found;
}

void removeFolder(const fs::path& p) {
    fileio::removeTree(p.string());
}

// Writes the copy's files into incoming, each synced, then the folder.
SaveResult stage(const fs::path& copy, const fs::path& incoming, const fs::path& data) {
    std::error_code ec;
    const std::string incomingName = kIncomingDataFolder;
    if (!fileio::makeFolder(incoming.string())) return SaveResult::failed(incomingName);
    // The restored folder may be written as the old one could.
    fs::permissions(incoming, fs::status(data, ec).permissions(), ec);
    for (fs::directory_iterator it(copy, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!it->is_regular_file(ec) || name == kBackupNote) continue;
        const auto bytes = fileio::readAll(it->path().string());
        if (!bytes) return SaveResult::failed(copy.filename().string() + "/" + name);
        if (!fileio::writeSyncedFile((incoming / name).string(), *bytes))
            return SaveResult::failed(incomingName + "/" + name);
    }
    if (ec) return SaveResult::failed(copy.filename().string());
    return SaveResult::check(fileio::syncBuiltFolder(incoming.string()), incomingName);
}

}  // namespace

SaveResult replaceDataFolder(const DataDir& dir, const std::string& copyFolder) {
    const fs::path root(dir.root());
    const fs::path data = root / "Data", incoming = root / kIncomingDataFolder, outgoing = root / kOutgoingDataFolder;
    if (!isFolder(data) || !isFolder(root / copyFolder)) return SaveResult::failed(copyFolder);
    removeFolder(incoming);
    removeFolder(outgoing);

    SaveResult r = stage(root / copyFolder, incoming, data);
    if (!r) {
        removeFolder(incoming);
        return r;
    }
    if (!fileio::renamePath(data.string(), outgoing.string())) {
        removeFolder(incoming);
        return SaveResult::failed("Data");
    }
    if (!fileio::renamePath(incoming.string(), data.string())) {
        // Back as it was; should even that fail, start-up puts it back.
        (void)fileio::renamePath(outgoing.string(), data.string());
        removeFolder(incoming);
        return SaveResult::failed("Data");
    }
    // From here on the restored folder is Data/, now or after a restart.
    fileio::syncFolder(root.string());
    removeFolder(outgoing);
    return SaveResult::saved();
}

bool finishInterruptedSwap(const DataDir& dir) {
    const fs::path root(dir.root());
    const fs::path data = root / "Data", incoming = root / kIncomingDataFolder, outgoing = root / kOutgoingDataFolder;
    const bool hadIncoming = isFolder(incoming), hadOutgoing = isFolder(outgoing);
    if (!hadIncoming && !hadOutgoing) return true;
    bool ok = true;
    if (!present(data)) {
        // Stopped between the renames: the new folder was whole before the old one left.
        if (hadIncoming && hadOutgoing)
            ok = fileio::renamePath(incoming.string(), data.string());
        else if (hadOutgoing)
            ok = fileio::renamePath(outgoing.string(), data.string());
        ok = ok && fileio::syncFolder(root.string());
    }
    if (!present(data)) return false;
    removeFolder(incoming);
    removeFolder(outgoing);
    return ok;
}
