#pragma once
// A whole working folder as one fuzz input: a few steering bytes that choose what the
// operation does, then every file, each after a marker line that names it:
//     steering ( "\n@@" relative-path "\n" bytes )*
// The fuzzer may change a name, drop a marker or grow a file; whatever it makes is still a
// folder, so every operation meets folders that no program wrote.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr std::string_view kFileMarker = "\n@@";

struct FolderImage {
    std::string_view steering;
    std::vector<std::pair<std::string, std::string_view>> files;  // layable names only, in input order
};

FolderImage parseFolderImage(std::string_view input);

// The input that parses back into the steering bytes and the files.
std::string makeFolderImage(std::string_view steering, const std::vector<std::pair<std::string, std::string>>& files);

// Names an image may lay: plain file names in Data/, Zip/ or Export/, and one folder level
// below Backup/ ("Backup/Data-20261208-100000/Info.001"). Nothing climbs out of the folder.
bool isLayableName(std::string_view relative);
