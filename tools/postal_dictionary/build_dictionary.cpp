#include "postal_dictionary/build_dictionary.h"

#include "postal_dictionary/dictionary_writer.h"
#include "postal_dictionary/jpostal_source.h"
#include "postal_dictionary/ken_all_source.h"

namespace postal_build {

bool buildFromJpostal(const std::string& jsonFolder, const std::string& workFolder, BuildReport& report,
                      Progress& progress, std::string* error) {
    std::vector<DictionaryEntry> entries;
    return readJpostalFolder(jsonFolder, entries, report, progress, error) &&
           writeDictionary(workFolder, entries, report, progress, error);
}

bool buildFromKenAll(const std::string& kenAll, const std::string& jigyosyo, const std::string& workFolder,
                     BuildReport& report, Progress& progress, std::string* error) {
    std::vector<DictionaryEntry> entries;
    PlaceReadings readings;
    if (!kenAll.empty() && !readKenAll(kenAll, entries, readings, report, progress, error)) return false;
    if (!jigyosyo.empty() && !readJigyosyo(jigyosyo, readings, entries, report, progress, error)) return false;
    return writeDictionary(workFolder, entries, report, progress, error);
}

}  // namespace postal_build
