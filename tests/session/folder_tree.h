#pragma once
// A working folder's whole contents, every file and folder by its path below it
// ("Data/Info.001", "Backup/Data-20261101-080000"): read from disk, laid onto disk, and the
// parts of it the power-cut checks look at.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "session/league_operations.h"

struct FolderTree {
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    bool operator==(const FolderTree&) const = default;
};

// The same shape pointing at bytes held elsewhere: a state the simulation puts together.
struct TreeView {
    std::map<std::string, const std::string*> files;
    std::set<std::string> folders;
};

FolderTree readTree(const std::string& root);
FolderTree copyOf(const TreeView& view);
// Brings root, which holds onDisk, to hold view, writing only the files that differ.
void layTree(const std::string& root, const TreeView& view, const FolderTree& onDisk);

// The files directly inside a folder of the tree, by name.
FolderState filesIn(const FolderTree& tree, const std::string& folder);
// The copies in Backup/ under a copy's name, each with its files.
using Copies = std::map<std::string, FolderState>;
Copies copiesIn(const FolderTree& tree);
// Each copy of now that holds neither what it held before the operation nor what it holds
// after (a copy's name on part of a copy), said with how it differs.
std::vector<std::string> copiesNotWhole(const FolderTree& now, const Copies& before, const Copies& after);
// The paths in which two trees differ, to keep a failure readable.
std::string treeDifferences(const FolderTree& a, const FolderTree& b);
