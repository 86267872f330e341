#include "contacts/postal_lookup.h"

#include <algorithm>

#include "contacts/kana_input.h"
#include "contacts/reading_stretches.h"
#include "store/file_io.h"
#include "store/sjis.h"

namespace postal {
namespace {

// Code index entries read per call once the bisection has narrowed the range.
constexpr long kCodeBlockEntries = 4096;

// Reads up to count entries from entry first on into buf; returns how many whole entries
// arrived (fewer when the file got shorter in the meantime).
long readEntries(const std::string& path, long first, long count, int entryLength, std::string& buf) {
    buf.resize(std::size_t(count) * entryLength);
    std::size_t got = 0;
    if (!fileio::readAt(path, first * entryLength, buf.data(), buf.size(), &got)) return 0;
    return long(got / entryLength);
}

// The outcome of a finished search; what was found lists the codes of address areas first.
LookupResult finish(const DataDir& dir, LookupResult r) {
    if (r.matchList.overflow) {
        r.outcome = LookupOutcome::TooMany;
    } else if (r.matchList.empty()) {
        r.outcome = LookupOutcome::NotFound;
    } else {
        r.outcome = LookupOutcome::Found;
        putAddressesFirst(dir, r.matchList);
    }
    return r;
}

}  // namespace

std::string applyHyphenRule(std::string_view typed) {
    if (typed.size() < 4 || typed[3] != '-') return std::string(typed);
    std::string q(typed.substr(0, 3));
    q += typed.substr(4, 4);
    if (q.size() == 7) q += ' ';
    return q;
}

LookupResult lookupByCode(const DataDir& dir, std::string_view typed) {
    LookupResult r;
    r.query = std::string(typed);
    if (typed.empty() || typed[0] == ' ') return finish(dir, std::move(r));
    const long n = usableEntries(dir, kCodeIndexFile, kCodeEntryLength);
    if (n == 0) {
        r.outcome = LookupOutcome::NoDictionary;
        return r;
    }
    r.query = applyHyphenRule(typed);
    const std::string_view query = r.query;
    // Keys are 8 bytes; a longer query can match none of them.
    if (query.size() > std::size_t(kCodeKeyLength)) return finish(dir, std::move(r));

    const std::string path = dir.path(kCodeIndexFile);
    auto before = [&](std::string_view entry) { return entry.substr(0, query.size()) < query; };
    // Bisection for the first key whose leading bytes do not sort before the query: one
    // key per probe while the range is wide, then the rest of the range in one read.
    std::string key;
    long lo = 0, hi = n;
    while (hi - lo > kCodeBlockEntries / 2) {
        long mid = lo + (hi - lo) / 2;
        if (readEntries(path, mid, 1, kCodeEntryLength, key) != 1) {
            r.outcome = LookupOutcome::NoDictionary;
            return r;
        }
        if (before(key))
            lo = mid + 1;
        else
            hi = mid;
    }
    std::string block;
    long got = readEntries(path, lo, std::min(kCodeBlockEntries, n - lo), kCodeEntryLength, block);
    auto entry = [&](long i) {
        return std::string_view(block).substr(std::size_t(i) * kCodeEntryLength, kCodeEntryLength);
    };
    long i = 0;
    while (i < got && lo + i < hi && before(entry(i))) ++i;
    // The run of matching keys from there on, block by block.
    for (long at = lo; got > 0;) {
        for (; i < got; ++i) {
            if (entry(i).substr(0, query.size()) != query || !r.matchList.add(at + i + 1))
                return finish(dir, std::move(r));
        }
        at += got;
        i = 0;
        got = at < n ? readEntries(path, at, std::min(kCodeBlockEntries, n - at), kCodeEntryLength, block) : 0;
    }
    return finish(dir, std::move(r));
}

LookupResult lookupByReading(const DataDir& dir, std::string_view cityText,
                             const std::function<void(int percent)>& progress) {
    LookupResult r;
    std::string query = sjis::cutToWidth(cityText, 20);
    while (!query.empty() && query.back() == ' ') query.pop_back();
    r.query = query;
    if (!kana::startsWithKatakanaLetter(query)) {
        r.outcome = LookupOutcome::NotAReading;
        return r;
    }
    const long n = usableEntries(dir, kReadingIndexFile, kReadingEntryLength);
    if (n == 0) {
        r.outcome = LookupOutcome::NoDictionary;
        return r;
    }
    const ReadingStretches* stretches = readingStretches(dir, n);
    if (!stretches) {
        r.outcome = LookupOutcome::NoDictionary;
        return r;
    }
    stretches->search(
        query, [&](long entry) { return r.matchList.add(entry + 1); }, progress);
    return finish(dir, std::move(r));
}

}  // namespace postal
