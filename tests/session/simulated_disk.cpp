#include "session/simulated_disk.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

using fileio::testing::DiskEvent;

namespace {

constexpr long kSector = 512;
constexpr std::size_t kEverySubsetUpTo = 4;  // unsynced name changes tried in every combination

void writeInto(std::string& content, long offset, std::string_view bytes) {
    if (content.size() < std::size_t(offset) + bytes.size()) content.resize(std::size_t(offset) + bytes.size(), '\0');
    content.replace(std::size_t(offset), bytes.size(), bytes);
}

std::string parentOf(const std::string& relative) {
    const std::size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

std::string nameOf(const std::string& relative) {
    return relative.substr(relative.rfind('/') + 1);
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

// The path below root, "" for root itself; nothing for a path outside it.
std::optional<std::string> relativeTo(const std::string& root, const std::string& path) {
    const std::string p = std::filesystem::path(path).lexically_normal().string();
    if (p == root) return std::string();
    if (p.size() > root.size() && p.compare(0, root.size(), root) == 0 && p[root.size()] == '/')
        return p.substr(root.size() + 1);
    return std::nullopt;
}

}  // namespace

std::string SimulatedDisk::NameChange::text() const {
    switch (kind) {
        case Link:
            return "create " + joined(where, name);
        case Unlink:
            return "remove " + joined(where, name);
        case Move:
            return joined(where, name) + "->" + to;
    }
    return {};
}

SimulatedDisk::SimulatedDisk(std::string root, const FolderTree& start)
    : root_(std::filesystem::path(root).lexically_normal().string()) {
    addNode(true);
    auto link = [&](const std::string& path, int id) {
        Node& folder = nodes_[std::size_t(find(parentOf(path)))];
        folder.durableNames[nameOf(path)] = folder.currentNames[nameOf(path)] = id;
    };
    // A folder sorts before what it holds.
    for (const std::string& folder : start.folders) link(folder, addNode(true));
    for (const auto& [path, bytes] : start.files) link(path, addNode(false, bytes));
}

int SimulatedDisk::addNode(bool folder, std::string bytes) {
    Node n;
    n.folder = folder;
    n.current = n.durable = std::move(bytes);
    nodes_.push_back(std::move(n));
    return int(nodes_.size()) - 1;
}

int SimulatedDisk::find(const std::string& relative) const {
    int id = 0;
    for (std::size_t at = 0; at < relative.size();) {
        std::size_t slash = relative.find('/', at);
        if (slash == std::string::npos) slash = relative.size();
        const Node& folder = nodes_[std::size_t(id)];
        const auto entry = folder.currentNames.find(relative.substr(at, slash - at));
        if (!folder.folder || entry == folder.currentNames.end()) return -1;
        id = entry->second;
        at = slash + 1;
    }
    return id;
}

bool SimulatedDisk::apply(const DiskEvent& e, std::string& why) {
    const auto path = relativeTo(root_, e.path);
    if (!path) return true;
    if (e.kind == DiskEvent::FolderSync) {
        const int id = find(*path);
        if (id < 0 || !nodes_[std::size_t(id)].folder) {
            why = "syncs a folder the record does not know";
            return false;
        }
        Node& folder = nodes_[std::size_t(id)];
        folder.durableNames = folder.currentNames;
        std::erase_if(pending_, [id](const NameChange& c) { return c.folder == id; });
        return true;
    }
    const std::string where = parentOf(*path), name = nameOf(*path);
    const int folder = find(where);
    if (folder < 0 || !nodes_[std::size_t(folder)].folder) {
        why = "names a folder the record does not know";
        return false;
    }
    if (e.kind == DiskEvent::Create || e.kind == DiskEvent::CreateFolder) {
        change(NameChange{NameChange::Link, folder, where, name, {}, addNode(e.kind == DiskEvent::CreateFolder)});
        return true;
    }
    const auto found = nodes_[std::size_t(folder)].currentNames.find(name);
    if (found == nodes_[std::size_t(folder)].currentNames.end()) {
        why = "names nothing the record knows";
        return false;
    }
    const int id = found->second;
    Node& n = nodes_[std::size_t(id)];
    if (e.kind == DiskEvent::Remove) {
        if (n.folder && !n.currentNames.empty()) {
            why = "removes a folder that still holds names";
            return false;
        }
        change(NameChange{NameChange::Unlink, folder, where, name, {}, id});
        return true;
    }
    if (e.kind == DiskEvent::Rename) {
        const auto to = relativeTo(root_, e.to);
        if (!to || parentOf(*to) != where) {
            why = "renames into another folder, which the simulation does not follow";
            return false;
        }
        change(NameChange{NameChange::Move, folder, where, name, nameOf(*to), id});
        return true;
    }
    if (n.folder) {
        why = "writes to a folder";
        return false;
    }
    if (e.kind == DiskEvent::FileSync) {
        n.durable = n.current;
        n.durableVersion = n.currentVersion;
        return true;
    }
    if (e.kind == DiskEvent::Truncate) n.current.clear();
    if (e.kind == DiskEvent::Write) writeInto(n.current, e.offset, e.bytes);
    ++n.currentVersion;
    return true;
}

void SimulatedDisk::change(NameChange c) {
    applyTo(nodes_[std::size_t(c.folder)].currentNames, c);
    pending_.push_back(std::move(c));
}

// Applied to a folder's names on its own, a change links the node under its new name and
// drops the old name if that still names the node.
void SimulatedDisk::applyTo(Names& names, const NameChange& c) {
    if (c.kind == NameChange::Link) names[c.name] = c.node;
    if (c.kind == NameChange::Move) names[c.to] = c.node;
    const auto it = names.find(c.name);
    if (c.kind != NameChange::Link && it != names.end() && it->second == c.node) names.erase(it);
}

void SimulatedDisk::forEachState(const DiskEvent* inFlight, const Visit& visit) const {
    for (const std::vector<bool>& kept : nameChoices()) {
        const NamesAfterCut names = namesKeeping(kept);
        const std::string which = choiceText(kept);
        for (bool everyWrite : {false, true}) {
            TreeView view;
            std::string key;
            build(&names, everyWrite, nullptr, view, key);
            visit(view, key, which + (everyWrite ? ", every write kept" : ", data as last synced"));
        }
    }
    if (inFlight && inFlight->kind == DiskEvent::Write) visitTorn(*inFlight, visit);
}

void SimulatedDisk::visitTorn(const DiskEvent& write, const Visit& visit) const {
    const auto path = relativeTo(root_, write.path);
    const int id = path ? find(*path) : -1;
    if (id < 0) return;
    const long first = write.offset / kSector;
    const long sectors = (write.offset + long(write.bytes.size()) - 1) / kSector - first + 1;
    for (long j : std::set<long>{1, sectors / 2, sectors - 1}) {
        if (j < 1 || j >= sectors) continue;
        const std::size_t cut = std::size_t((first + j) * kSector - write.offset);
        for (bool head : {true, false}) {
            std::string torn = nodes_[std::size_t(id)].current;
            if (head)
                writeInto(torn, write.offset, std::string_view(write.bytes).substr(0, cut));
            else
                writeInto(torn, write.offset + long(cut), std::string_view(write.bytes).substr(cut));
            const Torn t{id, &torn};
            TreeView view;
            std::string key = std::string(head ? "head" : "tail") + std::to_string(j);
            build(nullptr, true, &t, view, key);
            visit(view, key,
                  "every name kept, the write in flight torn: only its " + std::string(head ? "first " : "last ") +
                      std::to_string(head ? j : sectors - j) + " of " + std::to_string(sectors) + " sectors");
        }
    }
}

// Which of the unsynced name changes reach the disk.
std::vector<std::vector<bool>> SimulatedDisk::nameChoices() const {
    const std::size_t n = pending_.size();
    std::vector<std::vector<bool>> choices;
    if (n <= kEverySubsetUpTo) {
        for (unsigned mask = 0; mask < (1u << n); ++mask) {
            std::vector<bool> kept(n);
            for (std::size_t i = 0; i < n; ++i) kept[i] = mask & (1u << i);
            choices.push_back(kept);
        }
        return choices;
    }
    for (std::size_t i = 0; i <= n; ++i) {
        std::vector<bool> prefix(n, false), alone(n, false), allBut(n, true);
        std::fill(prefix.begin(), prefix.begin() + long(i), true);
        choices.push_back(prefix);
        if (i == n) break;
        alone[i] = true;
        allBut[i] = false;
        choices.push_back(alone);
        choices.push_back(allBut);
    }
    return choices;
}

SimulatedDisk::NamesAfterCut SimulatedDisk::namesKeeping(const std::vector<bool>& kept) const {
    NamesAfterCut names;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        const NameChange& c = pending_[i];
        auto [it, fresh] = names.try_emplace(c.folder, nodes_[std::size_t(c.folder)].durableNames);
        if (kept[i]) applyTo(it->second, c);
    }
    return names;
}

std::string SimulatedDisk::choiceText(const std::vector<bool>& kept) const {
    if (pending_.empty()) return "names synced";
    std::string t = "unsynced names kept:";
    for (std::size_t i = 0; i < pending_.size(); ++i) t += (kept[i] ? " +" : " -") + pending_[i].text();
    return t;
}

void SimulatedDisk::build(const NamesAfterCut* names, bool everyWrite, const Torn* torn, TreeView& view,
                          std::string& key) const {
    buildFolder(0, std::string(), names, everyWrite, torn, view, key);
}

void SimulatedDisk::buildFolder(int id, const std::string& path, const NamesAfterCut* names, bool everyWrite,
                                const Torn* torn, TreeView& view, std::string& key) const {
    const Node& folder = nodes_[std::size_t(id)];
    const Names* entries = &folder.currentNames;
    if (names) {
        const auto cut = names->find(id);
        entries = cut != names->end() ? &cut->second : &folder.durableNames;
    }
    key += '{';
    for (const auto& [name, child] : *entries) {
        const Node& n = nodes_[std::size_t(child)];
        const std::string p = joined(path, name);
        key += name + "=" + std::to_string(child);
        if (n.folder) {
            view.folders.insert(p);
            buildFolder(child, p, names, everyWrite, torn, view, key);
        } else if (torn && torn->node == child) {
            view.files[p] = torn->bytes;
            key += "~";
        } else {
            view.files[p] = everyWrite ? &n.current : &n.durable;
            key += "@" + std::to_string(everyWrite ? n.currentVersion : n.durableVersion);
        }
        key += ';';
    }
    key += '}';
}

std::string SimulatedDisk::unsyncedNames() const {
    std::string t;
    for (const NameChange& c : pending_)
        if (c.kind != NameChange::Unlink) t += " " + c.text();
    return t;
}

FolderTree SimulatedDisk::current() const {
    TreeView view;
    std::string key;
    build(nullptr, true, nullptr, view, key);
    return copyOf(view);
}
