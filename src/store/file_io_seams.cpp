#include "store/file_io_seams.h"

#include <utility>

namespace fileio {
namespace {

struct Seams {
    bool skipSyncs = false;
    long crashAt = 0;
    long steps = 0;
    std::function<bool(const testing::WriteAttempt&)> fails;
    int failsWith = EACCES;
    std::vector<testing::DiskEvent>* events = nullptr;
    std::map<std::string, long>* reads = nullptr;
    testing::PlantedFault fault = testing::PlantedFault::None;
};

Seams& seams() {
    static Seams s;
    return s;
}

}  // namespace

namespace seam {

void step() {
    Seams& s = seams();
    ++s.steps;
    if (s.crashAt > 0 && s.steps == s.crashAt) throw testing::SimulatedCrash{s.steps};
}

bool writeRefused(const std::string& path, long offset, std::size_t length, long sizeBefore, bool folderSync) {
    const Seams& s = seams();
    if (!s.fails) return false;
    if (!s.fails(testing::WriteAttempt{path, offset, length, sizeBefore, folderSync})) return false;
    errno = s.failsWith;
    return true;
}

bool skipSyncs() {
    return seams().skipSyncs;
}

bool planted(testing::PlantedFault fault) {
    return seams().fault == fault;
}

bool recording() {
    return seams().events != nullptr;
}

void record(testing::DiskEvent::Kind kind, const std::string& path, std::string_view to, long offset,
            std::string_view bytes) {
    if (auto* events = seams().events)
        events->push_back(testing::DiskEvent{kind, path, std::string(to), offset, std::string(bytes)});
}

void noteRead(const std::string& path, std::size_t bytes) {
    if (auto* reads = seams().reads) (*reads)[path] += long(bytes);
}

}  // namespace seam

namespace testing {

void crashAtStep(long k) {
    seams().crashAt = k;
    seams().steps = 0;
}

long stepsTaken() {
    return seams().steps;
}

void failWritesWhen(std::function<bool(const WriteAttempt&)> predicate, int error) {
    seams().fails = std::move(predicate);
    seams().failsWith = error;
}

bool diskFull(const WriteAttempt& a) {
    return !a.folderSync && (a.sizeBefore < 0 || a.offset + long(a.length) > a.sizeBefore);
}

void skipSyncs(bool skip) {
    seams().skipSyncs = skip;
}

void recordDiskEvents(std::vector<DiskEvent>* log) {
    seams().events = log;
}

void countReads(std::map<std::string, long>* counts) {
    seams().reads = counts;
}

void plantFault(PlantedFault fault) {
    seams().fault = fault;
}

PlantedFault plantedFault() {
    return seams().fault;
}

void reset() {
    const bool skip = seams().skipSyncs;
    seams() = Seams{};
    seams().skipSyncs = skip;
}

}  // namespace testing

}  // namespace fileio
