#pragma once
// The readings of the postal reading index (Zip/ZipKana.idx) as a search needs them: of each
// entry only its first blank-free stretch, one after another. The index is some 30 MB, mostly
// the blanks that pad each reading to 200 bytes; the stretches are a tenth of that. They are
// read once and kept while the file stays the same, so that every lookup after the first
// searches memory instead of reading the whole index again.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_dir.h"

namespace postal {

class ReadingStretches {
public:
    // The first `entries` entries of the index's bytes (whole entries of kReadingEntryLength).
    void append(std::string_view indexBytes, long entries);
    long entries() const { return long(starts_.size()); }

    // Every entry (counted from 0, in order) whose stretch holds query, handed to found until
    // it answers false. progress hears the whole percentage of entries passed as it changes.
    void search(std::string_view query, const std::function<bool(long entry)>& found,
                const std::function<void(int percent)>& progress = {}) const;

private:
    std::string text_;                   // the stretches, each ended by a line feed
    std::vector<std::uint32_t> starts_;  // where each entry's stretch begins in text_
};

// The stretches of the first `entries` entries of dir's reading index; nullptr when the
// index cannot be read whole.
const ReadingStretches* readingStretches(const DataDir& dir, long entries);

}  // namespace postal
