#pragma once
// File access in binary mode. Every call opens its file, works and closes it again, so no
// handle stays open between events, and each reports whether it could do its work.
//
// Only regular files are read or written: a folder or a device where a data file should be
// counts as unreadable. A write that lands past the end of a file fills the gap with what an
// empty stretch of that file holds (blanks and the line feeds of its records), never NULs.
// A whole-file rewrite never leaves a torn file: the new bytes go to a temporary file in the
// same folder, are synced, and replace the old file by rename.

#include <cerrno>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fileio {

// The bytes of an empty stretch of a file: blanks, with a line feed as the last byte of every
// record of recordLength bytes that starts at firstRecord (and before the first record, when
// there is a header, as its last byte). recordLength 0: blanks only.
struct EmptyPattern {
    long firstRecord = 0;
    int recordLength = 0;
    char byteAt(long offset) const;
};

// Suffix of the temporary file a rewrite goes through; start-up removes strays.
inline constexpr std::string_view kTemporarySuffix = ".tf-new";

// Whether a file name is that of such a temporary file: something, then the suffix.
inline bool isTemporaryName(std::string_view name) {
    return name.size() > kTemporarySuffix.size() && name.ends_with(kTemporarySuffix);
}

bool isRegularFile(const std::string& path);

// Size in bytes, or -1 when the path is not a readable regular file.
long fileSize(const std::string& path);

// What tells one state of a file from another without reading it: its identity, size and the
// times of its last change. Two equal stamps mean the bytes were not rewritten in between.
struct FileStamp {
    unsigned long device = 0, inode = 0;
    long size = -1;
    long long modifiedNs = 0, changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// Nothing when the path is not a regular file.
std::optional<FileStamp> fileStamp(const std::string& path);

// Reads up to n bytes at offset into dst. False when the file cannot be read; *got tells how
// many bytes were there (0 past the end).
[[nodiscard]] bool readAt(const std::string& path, long offset, char* dst, std::size_t n, std::size_t* got = nullptr);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readAll(const std::string& path);

// Writes bytes at offset into an existing file (never creates it) with one write. True only
// when every byte was written.
[[nodiscard]] bool writeAt(const std::string& path, long offset, std::string_view bytes, EmptyPattern gap = {});

// Reads n bytes at offset (what lies past the end reads as the empty pattern), lets change
// rework them, and writes them back: one open, one read, one write.
[[nodiscard]] bool updateAt(const std::string& path, long offset, std::size_t n,
                            const std::function<void(std::string&)>& change, EmptyPattern gap = {});

// Replaces the whole file (or creates it) so that it holds either the old or the new bytes
// whenever the process stops. A file that exists but may not be written is left alone.
[[nodiscard]] bool replaceFile(const std::string& path, std::string_view bytes);

// Writes path + kTemporarySuffix and syncs it, keeping the mode of the file it will replace.
// False, with nothing left behind, when it cannot.
[[nodiscard]] bool writeTemporary(const std::string& path, std::string_view bytes);
// Creates a new file holding bytes and syncs it; the folder is not synced (the caller syncs
// it once for many files). False, with nothing left behind, when it cannot.
[[nodiscard]] bool writeSyncedFile(const std::string& path, std::string_view bytes);

// Renames path + kTemporarySuffix over path.
[[nodiscard]] bool commitTemporary(const std::string& path);
void discardTemporary(const std::string& path);

// How many writes and renames have reached a file since the program started.
long writesDone();
// How many fsyncs (of files and folders) the program has asked for since it started.
long syncsDone();

// The errno of the last call of this layer that failed, 0 after one that succeeded: why a
// save could not be made. Calls that only clean up after a failure leave it as it is.
int lastFailure();

// True when the file exists and may be written, or does not exist.
bool mayWrite(const std::string& path);
// True when a file may be created in the folder. The probe leaves no name behind and needs
// no sync: an unnamed file where the system has them, else a file removed again at once.
bool mayCreateIn(const std::string& folder);

bool removeFile(const std::string& path);
// Renames a file or folder (a step of a save, as a removal is).
bool renamePath(const std::string& from, const std::string& to);
// Creates a folder (a step of a save); its name lasts once the folder it is in is synced.
[[nodiscard]] bool makeFolder(const std::string& path);
// Removes a folder and everything in it, one name at a time, as a clean-up: lastFailure stays
// as it is. True when nothing is left.
bool removeTree(const std::string& path);
// Makes the names in a folder durable (after renames, creations and removals).
bool syncFolder(const std::string& folder);
// The sync of a folder built under a temporary name, due before it takes its final name.
[[nodiscard]] bool syncBuiltFolder(const std::string& folder);
// The folder part of a path ("." when there is none).
std::string folderOf(const std::string& path);

// Seams for the tests that stop an operation at each of its writes, let writes fail, cut
// the power, or plant the faults that a power cut must expose.
namespace testing {

// Thrown in place of the k-th step that changes a file (a write, a rename, a removal, a
// creation), as if the process had been killed just before it.
struct SimulatedCrash {
    long step = 0;
};
// Steps are counted from the call; 0 turns the crash off.
void crashAtStep(long k);
long stepsTaken();

struct WriteAttempt {
    std::string path;
    long offset = 0;
    std::size_t length = 0;
    long sizeBefore = 0;      // -1 for a file being created
    bool folderSync = false;  // the sync of the folder path, not a write
};
// A write for which the predicate answers true fails as the system would, with the errno
// given: EACCES for a file that may not be written, ENOSPC for a full disk, and so on.
void failWritesWhen(std::function<bool(const WriteAttempt&)> predicate, int error = EACCES);
// A full disk: every write that would make a file longer, or create one, fails.
bool diskFull(const WriteAttempt& a);
// The fuzzers write thousands of folders a second and need no durability: no fsync then.
// A skipped sync still counts as done in the record of disk events.
void skipSyncs(bool skip);

// What reached the disk, in order, as a power cut sees it. Only what succeeded is recorded.
struct DiskEvent {
    enum Kind { Create, CreateFolder, Truncate, Write, FileSync, Rename, Remove, FolderSync };
    Kind kind = Write;
    std::string path;  // the file or folder, the old name of a Rename
    std::string to;    // the new name of a Rename
    long offset = 0;   // Write: where the bytes went
    std::string bytes;
};
// Appends every event to *log until called with nullptr.
void recordDiskEvents(std::vector<DiskEvent>* log);

// Counts the bytes read from each file (by path) into *counts until called with nullptr.
void countReads(std::map<std::string, long>* counts);

// Faults a save must never have. Each is one a power cut exposes: the simulation must fail.
enum class PlantedFault {
    None,
    NoJournal,          // a save of several files renames them one by one without a journal
    RewriteInPlace,     // a whole file is rewritten over itself instead of through a temporary
    NoFileSync,         // a file's data is never synced
    NoFolderSync,       // a folder's names are never synced
    NoBuiltFolderSync,  // a folder built under a temporary name takes its final name unsynced
};
void plantFault(PlantedFault fault);
PlantedFault plantedFault();

// Everything above off again (skipSyncs aside).
void reset();

}  // namespace testing

}  // namespace fileio
