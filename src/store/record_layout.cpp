#include "store/record_layout.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "store/capacities.h"
#include "store/data_dir.h"
#include "store/file_io.h"
#include "store/text_ops.h"

RecordLayout RecordLayout::build(std::vector<int> widths, bool hasTrailer, int recordLength) {
    RecordLayout l;
    l.widths = std::move(widths);
    l.hasTrailer = hasTrailer;
    int sum = 0;
    for (int w : l.widths) {
        l.offsets.push_back(sum);
        sum += w;
    }
    l.recordLength = recordLength > 0 ? recordLength : sum + (hasTrailer ? 2 : 0);
    return l;
}

namespace layouts {
namespace {

struct LayoutShape {
    std::vector<int> widths;
    bool hasTrailer;
    int recordLength;
};

std::array<RecordLayout, Count> buildAll() {
    // Built here rather than at namespace scope: other files read the layouts while their own
    // statics are initialised, which may come before this file's.
    const std::vector<int> teamWidths = {16, 13, 13, 13, 8, 8, 20, 40, 40, 40, 400, kTeamNameWidth, 367};
    const LayoutShape table[Count] = {
        {teamWidths, true, kTeamRecordLength},                                                          // Team
        {teamWidths, true, kTeamRecordLength},                                                          // Suspended
        {{kTeamNameWidth, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 4, 2}, true, kResultRecordLength},  // Result
        {{3, 3}, true, kChangePositionRecordLength},                             // ChangePosition
        {{8, 30}, true, kSavedCodeRecordLength},                                 // SavedPostalCode
        {{7, 7, 22, 78, 8, 20, 74, 100, 100, 7, 77}, false, kPostalLineLength},  // PostalLine
        {std::vector<int>(kGroups, 2), false, 0},                                // TeamMaxima
        {{2, 1}, false, 0},                                                      // TermKey
        {{1, 1, 4, 1, 7, 2, 6}, false, 0},                                       // SheetTitle
    };
    std::array<RecordLayout, Count> all;
    for (int k = 0; k < Count; ++k)
        all[k] = RecordLayout::build(table[k].widths, table[k].hasTrailer, table[k].recordLength);
    return all;
}

}  // namespace

const RecordLayout& get(Kind kind) {
    static const std::array<RecordLayout, Count> all = buildAll();
    return all[kind];
}

std::string_view field(std::string_view record, Kind kind, int f) {
    const std::size_t at = std::min<std::size_t>(std::size_t(offset(kind, f)), record.size());
    return record.substr(at, std::size_t(width(kind, f)));
}

fileio::EmptyPattern emptyPattern(Kind kind, long firstRecord) {
    const RecordLayout& l = get(kind);
    return fileio::EmptyPattern{firstRecord, l.hasTrailer ? l.recordLength : 0};
}

}  // namespace layouts

void FieldBuffer::assign(std::string_view text, bool rightAlign) {
    bytes_ = padField(text, rightAlign, width_);
}

bool FieldBuffer::isEmpty() const {
    return !holdsTeam(bytes_);
}

void FieldBuffer::setRaw(std::string_view bytes) {
    bytes_.assign(bytes.substr(0, width_));
    bytes_.resize(width_, ' ');
}

std::string emptyRecord(const RecordLayout& layout) {
    std::string r(layout.recordLength, ' ');
    if (layout.hasTrailer && !r.empty()) r.back() = '\n';
    return r;
}

std::string emptyRecords(const RecordLayout& layout, int n) {
    const std::string one = emptyRecord(layout);
    std::string out;
    out.reserve(one.size() * std::size_t(n > 0 ? n : 0));
    for (int i = 0; i < n; ++i) out += one;
    return out;
}

RecordCodec::RecordCodec(const RecordLayout& layout) : layout_(&layout) {
    for (int w : layout.widths) fields_.emplace_back(w);
    clearRecord();
}

void RecordCodec::clearRecord() {
    record_ = emptyRecord(*layout_);
    for (auto& f : fields_) f.clear();
}

void RecordCodec::unpackRecord() {
    for (int i = 0; i < layout_->fieldCount(); ++i) {
        fields_[i].setRaw(std::string_view(record_).substr(layout_->offsets[i], layout_->widths[i]));
    }
}

void RecordCodec::packRecord() {
    record_ = emptyRecord(*layout_);
    for (int i = 0; i < layout_->fieldCount(); ++i)
        record_.replace(layout_->offsets[i], layout_->widths[i], fields_[i].bytes());
}

bool RecordCodec::readRecord(const std::string& path, long n) {
    std::string buf(layout_->recordLength, ' ');
    std::size_t got = 0;
    if (n < 1 || !fileio::readAt(path, (n - 1) * layout_->recordLength, buf.data(), buf.size(), &got)) return false;
    if (got < buf.size()) {
        std::string blank = emptyRecord(*layout_);
        buf.replace(got, buf.size() - got, blank, got, buf.size() - got);
    }
    record_ = std::move(buf);
    return true;
}

bool RecordCodec::writeRecord(const std::string& path, long n) const {
    if (n < 1) return false;
    return fileio::writeAt(path, (n - 1) * layout_->recordLength, record_,
                           fileio::EmptyPattern{0, layout_->hasTrailer ? layout_->recordLength : 0});
}

long RecordCodec::countRecords(const std::string& path) const {
    long size = fileio::fileSize(path);
    return size < 0 ? 0 : size / layout_->recordLength;
}

RecordCount countOrCreate(const DataDir& dir, const char* relative, int recordLength, int cap) {
    const std::string path = dir.path(relative);
    RecordCount c;
    const long size = fileio::fileSize(path);
    if (size >= 0) {
        c.count = int(std::min<long>(size / recordLength, cap));
        c.ready = true;
    } else if (!fileio::isRegularFile(path) && !std::filesystem::exists(path)) {
        c.ready = fileio::replaceFile(path, "");
    }
    return c;
}
