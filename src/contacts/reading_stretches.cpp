#include "contacts/reading_stretches.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>

#include "contacts/postal_dictionary.h"
#include "store/file_io.h"

namespace postal {

void ReadingStretches::append(std::string_view indexBytes, long entries) {
    for (long i = 0; i < entries; ++i) {
        const char* reading = indexBytes.data() + std::size_t(i) * kReadingEntryLength;
        const void* blank = std::memchr(reading, ' ', kReadingLength);
        const std::size_t length = blank ? std::size_t(static_cast<const char*>(blank) - reading) : kReadingLength;
        starts_.push_back(std::uint32_t(text_.size()));
        text_.append(reading, length);
        text_.push_back('\n');
    }
}

void ReadingStretches::search(std::string_view query, const std::function<bool(long entry)>& found,
                              const std::function<void(int percent)>& progress) const {
    const long n = entries();
    int shown = -1;
    auto tell = [&](long passed) {
        const int percent = n > 0 ? int(passed * 100 / n) : 0;
        if (progress && percent != shown) progress(percent);
        shown = percent;
    };
    tell(0);
    // A stretch never holds a line feed, so a query without one is only ever found whole
    // inside a single stretch.
    const long last = n > 0 ? n - 1 : 0;  // the percentage of the last entry is the last one told
    if (query.empty() || query.find('\n') != std::string_view::npos) return tell(last);
    const std::string_view text = text_;
    for (std::size_t at = text.find(query); at != std::string_view::npos;) {
        const long entry =
            long(std::upper_bound(starts_.begin(), starts_.end(), std::uint32_t(at)) - starts_.begin()) - 1;
        tell(entry);
        if (!found(entry)) return;
        if (entry + 1 >= n) break;
        at = text.find(query, starts_[std::size_t(entry) + 1]);  // each entry is listed once
    }
    tell(last);
}

namespace {

struct CachedStretches {
    std::string path;
    fileio::FileStamp stamp;
    long entries = 0;
    ReadingStretches stretches;
};

// Read in blocks, so that the 30 MB of the index never sit in memory at once.
std::optional<ReadingStretches> readStretches(const std::string& path, long entries) {
    constexpr long kBlockEntries = 4096;
    ReadingStretches s;
    std::string block;
    for (long at = 0; at < entries;) {
        const long count = std::min(kBlockEntries, entries - at);
        block.resize(std::size_t(count) * kReadingEntryLength);
        std::size_t got = 0;
        if (!fileio::readAt(path, at * kReadingEntryLength, block.data(), block.size(), &got) || got != block.size())
            return std::nullopt;
        s.append(block, count);
        at += count;
    }
    return s;
}

}  // namespace

const ReadingStretches* readingStretches(const DataDir& dir, long entries) {
    static std::unique_ptr<CachedStretches> cached;
    const std::string path = dir.path(kReadingIndexFile);
    const auto stamp = fileio::fileStamp(path);
    if (!stamp) return nullptr;
    if (cached && cached->path == path && cached->stamp == *stamp && cached->entries == entries)
        return &cached->stretches;
    cached.reset();
    auto read = readStretches(path, entries);
    if (!read) return nullptr;
    // A file that changed while it was read serves this search and is read again at the next.
    const fileio::FileStamp kept = fileio::fileStamp(path) == stamp ? *stamp : fileio::FileStamp{};
    cached = std::make_unique<CachedStretches>(CachedStretches{path, kept, entries, std::move(*read)});
    return &cached->stretches;
}

}  // namespace postal
