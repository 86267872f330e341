#pragma once
// Several data files replaced as one. An operation that rewrites more than one file stages
// the whole new content of each and commits them together: whenever the process stops, the
// folder holds either every old file or every new one.
//
// How: each new file is written beside its original under a temporary name and synced; then
// a small journal naming the files is renamed into place, which is the moment of commit; then
// the temporary files are renamed over the originals and the journal is removed. Start-up
// finishes a committed journal and throws away temporary files that no journal names.

#include <string>
#include <utility>
#include <vector>

#include "store/data_dir.h"
#include "store/save_result.h"

class FileTransaction {
public:
    explicit FileTransaction(const DataDir& dir) : dir_(dir) {}

    // The whole new content of a file, named relative to the working folder ("Data/Info.001").
    void replace(std::string relative, std::string bytes);
    bool empty() const { return files_.empty(); }

    // Writes everything staged. On failure nothing has changed and the result names the
    // first file that could not be written.
    SaveResult commit();

private:
    // Writes the journal and syncs its name: the commit. On failure, cause gets the errno.
    bool commitJournal(const std::string& journal, const std::string& folder, int& cause) const;

    const DataDir& dir_;
    std::vector<std::pair<std::string, std::string>> files_;
};

// Completes what a stopped process had committed and removes what it had not. Start-up runs
// it before reading anything. False when the folder could not be brought back in order.
bool recoverInterruptedWrites(const DataDir& dir);
