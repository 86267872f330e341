// Builds the postal-code dictionary of the working folder (its Zip/ folder) from public data.
//
//   postal-dictionary --json FOLDER WORKFOLDER
//       FOLDER: the json/ folder of the npm package jquery-jpostal-ja
//   postal-dictionary --ken-all KEN_ALL.CSV [--jigyosyo JIGYOSYO.CSV] WORKFOLDER
//       Japan Post's files, as downloaded and unpacked

#include <cstdio>
#include <cstring>
#include <string>

#include "postal_dictionary/build_dictionary.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: postal-dictionary --json FOLDER WORKFOLDER\n"
                 "       postal-dictionary --ken-all KEN_ALL.CSV [--jigyosyo JIGYOSYO.CSV] WORKFOLDER\n"
                 "Writes WORKFOLDER/Zip/ZipNo.txt, ZipNo.idx and ZipKana.idx.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string json, kenAll, jigyosyo, work;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if ((a == "--json" || a == "--ken-all" || a == "--jigyosyo") && i + 1 < argc) {
            (a == "--json" ? json : a == "--ken-all" ? kenAll : jigyosyo) = argv[++i];
        } else if (!a.empty() && a[0] != '-' && work.empty()) {
            work = a;
        } else {
            return usage();
        }
    }
    if (work.empty() || json.empty() == (kenAll.empty() && jigyosyo.empty())) return usage();

    postal_build::BuildReport report;
    postal_build::Progress progress(stdout);
    std::string error;
    bool ok = json.empty() ? postal_build::buildFromKenAll(kenAll, jigyosyo, work, report, progress, &error)
                           : postal_build::buildFromJpostal(json, work, report, progress, &error);
    progress.finish();
    if (!ok) {
        std::fprintf(stderr, "The postal dictionary was not built: %s\n", error.c_str());
        return 1;
    }
    std::printf("Read %ld entries; skipped %ld that are not a 7-digit postal code.\n", report.entriesRead,
                report.skipped);
    std::printf("Wrote %ld records (%ld of them business codes) into %s/Zip.\n", report.records, report.businessRecords,
                work.c_str());
    std::printf("Entries cut to fit their fields: %ld.\n", report.cutEntries);
    if (report.replacedCharacters > 0)
        std::printf("Characters with no Shift-JIS form, written as '?': %ld.\n", report.replacedCharacters);
    if (!jigyosyo.empty() && kenAll.empty()) std::printf("Without KEN_ALL.CSV the business codes have no reading.\n");
    return 0;
}
