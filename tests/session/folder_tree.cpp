#include "session/folder_tree.h"

#include <filesystem>
#include <fstream>

#include "store/backup_listing.h"
#include "store/data_dir.h"
#include "store/file_io.h"

namespace fs = std::filesystem;

FolderTree readTree(const std::string& root) {
    FolderTree tree;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().lexically_relative(root).string();
        if (it->is_directory(ec)) {
            tree.folders.insert(path);
        } else if (it->is_regular_file(ec)) {
            tree.files[path] = fileio::readAll(it->path().string()).value_or(std::string());
        }
    }
    return tree;
}

FolderTree copyOf(const TreeView& view) {
    FolderTree tree;
    tree.folders = view.folders;
    for (const auto& [path, bytes] : view.files) tree.files[path] = *bytes;
    return tree;
}

void layTree(const std::string& root, const TreeView& view, const FolderTree& onDisk) {
    const fs::path base(root);
    std::error_code ec;
    for (const auto& [path, bytes] : onDisk.files)
        if (!view.files.count(path)) fs::remove(base / path, ec);
    for (const std::string& folder : onDisk.folders)
        if (!view.folders.count(folder)) fs::remove_all(base / folder, ec);
    // A folder sorts before what it holds.
    for (const std::string& folder : view.folders) fs::create_directory(base / folder, ec);
    for (const auto& [path, bytes] : view.files) {
        const auto there = onDisk.files.find(path);
        if (there != onDisk.files.end() && there->second == *bytes) continue;
        std::ofstream out(base / path, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), std::streamsize(bytes->size()));
    }
}

FolderState filesIn(const FolderTree& tree, const std::string& folder) {
    const std::string prefix = folder + "/";
    FolderState files;
    for (auto it = tree.files.lower_bound(prefix); it != tree.files.end() && it->first.rfind(prefix, 0) == 0; ++it) {
        const std::string name = it->first.substr(prefix.size());
        if (name.find('/') == std::string::npos) files[name] = it->second;
    }
    return files;
}

Copies copiesIn(const FolderTree& tree) {
    const std::string prefix = std::string(files::kBackupFolder) + "/";
    Copies copies;
    for (const std::string& folder : tree.folders) {
        if (folder.rfind(prefix, 0) != 0) continue;
        const std::string name = folder.substr(prefix.size());
        if (parseBackupName(name)) copies[name] = filesIn(tree, folder);
    }
    return copies;
}

std::vector<std::string> copiesNotWhole(const FolderTree& now, const Copies& before, const Copies& after) {
    std::vector<std::string> bad;
    for (const auto& [name, files] : copiesIn(now)) {
        const auto was = before.find(name), will = after.find(name);
        const bool asBefore = was != before.end() && files == was->second;
        const bool asAfter = will != after.end() && files == will->second;
        if (asBefore || asAfter) continue;
        const FolderState* whole = will != after.end() ? &will->second : was != before.end() ? &was->second : nullptr;
        bad.push_back("Backup/" + name + (whole ? " differs in " + differences(files, *whole) : " was never kept"));
    }
    return bad;
}

std::string treeDifferences(const FolderTree& a, const FolderTree& b) {
    std::string paths;
    for (const auto& [path, bytes] : a.files)
        if (!b.files.count(path) || b.files.at(path) != bytes) paths += path + " ";
    for (const auto& [path, bytes] : b.files)
        if (!a.files.count(path)) paths += path + " ";
    for (const FolderTree* one : {&a, &b})
        for (const std::string& folder : one->folders)
            if (!(one == &a ? b : a).folders.count(folder)) paths += folder + "/ ";
    return paths;
}
