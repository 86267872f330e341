#pragma once
// The arrows the house plan allows between the folders of src/, and a check of every
// #include of a source tree against them.

#include <filesystem>
#include <string>
#include <vector>

struct IncludeViolation {
    std::string file;  // relative to the tree's root, e.g. "store/backup.cpp"
    int line = 0;
    std::string included;  // as written between the quotes or brackets
    std::string reason;
};

// Every include under root (a tree laid out as src/ is) that runs against an arrow, includes
// Qt in the core, or names a folder the rules do not know, in file and line order.
std::vector<IncludeViolation> checkIncludes(const std::filesystem::path& root);

// "store/backup.cpp:12: includes league/line_up.h: store may not depend on league".
std::string describe(const IncludeViolation& v);
