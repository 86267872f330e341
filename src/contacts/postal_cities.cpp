#include "contacts/postal_cities.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "contacts/postal_dictionary.h"
#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/text_ops.h"

namespace postal {
namespace {

using CitySet = std::set<std::pair<std::string, std::string>>;

struct CachedCities {
    std::string path;
    fileio::FileStamp stamp;
    CitySet cities;
};

std::string fieldOf(std::string_view record, int k) {
    return trimField(layouts::field(record, layouts::PostalLine, k));
}

// Read in blocks: the dictionary is some 70 MB.
std::optional<CitySet> readCities(const std::string& path) {
    constexpr long kBlockRecords = 2048;
    const long size = fileio::fileSize(path);
    if (size < kRecordLength) return std::nullopt;
    CitySet cities;
    std::string block;
    for (long at = 0, records = size / kRecordLength; at < records;) {
        const long count = std::min(kBlockRecords, records - at);
        block.resize(std::size_t(count) * kRecordLength);
        std::size_t got = 0;
        if (!fileio::readAt(path, at * kRecordLength, block.data(), block.size(), &got)) return std::nullopt;
        for (std::size_t r = 0; (r + 1) * kRecordLength <= got; ++r) {
            const std::string_view record = std::string_view(block).substr(r * kRecordLength, kRecordLength);
            std::string city = fieldOf(record, dict_field::City);
            if (!city.empty()) cities.emplace(fieldOf(record, dict_field::Prefecture), std::move(city));
        }
        if (got < block.size()) break;
        at += count;
    }
    return cities;
}

}  // namespace

bool isKnownCity(const DataDir& dir, std::string_view prefecture, std::string_view city) {
    static std::unique_ptr<CachedCities> cached;
    const std::string path = dir.path(kDictionaryFile);
    const auto stamp = fileio::fileStamp(path);
    if (!stamp) return false;
    if (!cached || cached->path != path || !(cached->stamp == *stamp)) {
        auto cities = readCities(path);
        if (!cities) return false;
        cached = std::make_unique<CachedCities>(CachedCities{path, *stamp, std::move(*cities)});
    }
    return cached->cities.count({std::string(prefecture), std::string(city)}) > 0;
}

}  // namespace postal
