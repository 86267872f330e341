#include "postal_dictionary/dictionary_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "contacts/postal_dictionary.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

namespace postal_build {
namespace {

namespace fs = std::filesystem;

// Puts text into line at the field's place, cut at a character boundary.
void put(std::string& line, int offset, int width, std::string_view text, bool* cut) {
    if (text.size() > std::size_t(width)) *cut = true;
    line.replace(offset, width, padField(text, false, width));
}

void putField(std::string& record, int field, std::string_view text, bool* cut) {
    const RecordLayout& l = layouts::get(layouts::PostalLine);
    put(record, l.offsets[field], l.widths[field], text, cut);
}

// One output file under its temporary name, written in large pieces and synced at the end.
class OutFile {
public:
    explicit OutFile(std::string finalPath) : final_(std::move(finalPath)), temp_(final_ + ".part") {
        f_ = std::fopen(temp_.c_str(), "wb");
    }
    ~OutFile() {
        if (f_) std::fclose(f_);
        if (!renamed_) std::remove(temp_.c_str());
    }
    bool ok() const { return f_ && ok_; }
    void write(const std::string& bytes) {
        if (f_ && std::fwrite(bytes.data(), 1, bytes.size(), f_) != bytes.size()) ok_ = false;
    }
    bool close() {
        if (!f_) return false;
        ok_ = ok_ && std::fflush(f_) == 0 && ::fsync(::fileno(f_)) == 0;
        ok_ = std::fclose(f_) == 0 && ok_;
        f_ = nullptr;
        return ok_;
    }
    bool moveIntoPlace() {
        renamed_ = std::rename(temp_.c_str(), final_.c_str()) == 0;
        return renamed_;
    }
    const std::string& finalPath() const { return final_; }

private:
    std::string final_, temp_;
    std::FILE* f_ = nullptr;
    bool ok_ = true;
    bool renamed_ = false;
};

void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool fail(const std::string& what, std::string* error) {
    if (error) *error = what + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    return false;
}

}  // namespace

DictionaryLines formatEntry(const DictionaryEntry& e, bool* cut) {
    DictionaryLines out;
    out.record = std::string(postal::kRecordLength, ' ');
    putField(out.record, postal::dict_field::Code, e.code, cut);
    putField(out.record, postal::dict_field::Prefecture, e.prefecture, cut);
    putField(out.record, postal::dict_field::City, e.city, cut);
    putField(out.record, postal::dict_field::Town, e.town, cut);
    putField(out.record, postal::dict_field::Street, e.street, cut);
    putField(out.record, postal::dict_field::Business, e.business, cut);
    out.record.back() = '\n';

    // Both indexes end their entries with a blank and a line feed, like the other data files.
    out.codeEntry = fillSpaces(postal::kCodeEntryLength - 1) + '\n';
    put(out.codeEntry, 0, 7, e.code, cut);
    out.readingEntry = fillSpaces(postal::kReadingEntryLength - 1) + '\n';
    put(out.readingEntry, 0, postal::kReadingLength, e.reading, cut);
    return out;
}

bool writeDictionary(const std::string& workFolder, std::vector<DictionaryEntry>& entries, BuildReport& report,
                     Progress& progress, std::string* error) {
    errno = 0;
    if (entries.empty()) return fail("the input holds no postal code", error);
    std::error_code ec;
    const std::string zip = (fs::path(workFolder) / "Zip").string();
    fs::create_directories(zip, ec);
    if (!fs::is_directory(zip)) return fail("cannot make the folder " + zip, error);

    progress.step("Sorting", 0, 1);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DictionaryEntry& a, const DictionaryEntry& b) { return a.code < b.code; });
    progress.step("Sorting", 1, 1);

    const std::string root = (fs::path(workFolder) / "").string();
    OutFile text(root + postal::kDictionaryFile);
    OutFile codes(root + postal::kCodeIndexFile);
    OutFile readings(root + postal::kReadingIndexFile);
    if (!text.ok() || !codes.ok() || !readings.ok()) return fail("cannot write into " + zip, error);

    // Whole runs of lines go out together.
    std::string textRun, codeRun, readingRun;
    const std::size_t kRun = 1024;
    report.records = report.businessRecords = report.cutEntries = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        progress.step("Writing the dictionary", long(i), long(entries.size()));
        bool cut = false;
        DictionaryLines lines = formatEntry(entries[i], &cut);
        textRun += lines.record;
        codeRun += lines.codeEntry;
        readingRun += lines.readingEntry;
        ++report.records;
        if (!entries[i].business.empty()) ++report.businessRecords;
        if (cut) ++report.cutEntries;
        if ((i + 1) % kRun == 0 || i + 1 == entries.size()) {
            text.write(textRun);
            codes.write(codeRun);
            readings.write(readingRun);
            textRun.clear();
            codeRun.clear();
            readingRun.clear();
        }
    }
    progress.step("Writing the dictionary", 1, 1);
    if (!text.close() || !codes.close() || !readings.close()) return fail("cannot write into " + zip, error);

    // The old record file goes first: until the new one is in place the dictionary is
    // missing, never a new index over old records.
    std::remove(text.finalPath().c_str());
    syncFolder(zip);
    if (!codes.moveIntoPlace() || !readings.moveIntoPlace() || !text.moveIntoPlace())
        return fail("cannot move the new files into " + zip, error);
    syncFolder(zip);
    return true;
}

}  // namespace postal_build
