#pragma once
// The working folder as a disk holds it through a power cut. Files and folders are nodes: a
// file has its data as last synced and as last written, a folder its names as last synced and
// as they are now, with the creations, renames and removals made in it since. A renamed folder
// carries its entries; the entries of a folder whose own name did not last are lost with it.
//
// What a power cut may leave:
//  - each file's data as of its last fsync, or with every write since;
//  - each folder's names as of its last sync, with any of the name changes made since (every
//    subset while they are few, else none, all, each prefix, each one alone and all but each
//    one, taken over the changes of every folder in the order they were made);
//  - the write in flight torn at a sector boundary: only its first sectors written, or only
//    its last.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "session/folder_tree.h"
#include "store/file_io.h"

class SimulatedDisk {
public:
    // root: the working folder as the events name it; start: what it holds, all of it synced.
    SimulatedDisk(std::string root, const FolderTree& start);

    // Follows one event; events outside the working folder are left aside. False, with why,
    // when it cannot be followed: the record missed something.
    bool apply(const fileio::testing::DiskEvent& e, std::string& why);

    // Every state a power cut may leave now, with inFlight (when it is a write) torn. The key
    // tells states apart; how says which state it is.
    using Visit = std::function<void(const TreeView&, const std::string& key, const std::string& how)>;
    void forEachState(const fileio::testing::DiskEvent* inFlight, const Visit& visit) const;

    // The creations and renames not synced yet, which a power cut would undo; empty when none.
    std::string unsyncedNames() const;
    FolderTree current() const;

private:
    using Names = std::map<std::string, int>;
    struct Node {
        bool folder = false;
        std::string durable, current;  // a file's data
        long durableVersion = 0, currentVersion = 0;
        Names durableNames, currentNames;  // a folder's entries
    };
    struct NameChange {
        enum Kind { Link, Unlink, Move } kind;
        int folder;
        std::string where;  // the folder's path when the change was made
        std::string name, to;
        int node;
        std::string text() const;
    };
    // The names of each folder with unsynced changes, as a power cut left them.
    using NamesAfterCut = std::map<int, Names>;
    struct Torn {
        int node;
        const std::string* bytes;
    };

    int addNode(bool folder, std::string bytes = {});
    int find(const std::string& relative) const;
    void change(NameChange c);
    static void applyTo(Names& names, const NameChange& c);

    std::vector<std::vector<bool>> nameChoices() const;
    NamesAfterCut namesKeeping(const std::vector<bool>& kept) const;
    std::string choiceText(const std::vector<bool>& kept) const;
    // The tree and its key with the names given (every name kept when null).
    void build(const NamesAfterCut* names, bool everyWrite, const Torn* torn, TreeView& view, std::string& key) const;
    void buildFolder(int id, const std::string& path, const NamesAfterCut* names, bool everyWrite, const Torn* torn,
                     TreeView& view, std::string& key) const;
    void visitTorn(const fileio::testing::DiskEvent& write, const Visit& visit) const;

    std::string root_;
    std::vector<Node> nodes_;  // the working folder first
    std::vector<NameChange> pending_;
};
