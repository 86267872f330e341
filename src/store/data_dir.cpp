#include "store/data_dir.h"

#include <filesystem>
#include <system_error>

#include "store/file_io.h"

DataDir::DataDir(std::string root) : root_(root.empty() ? std::string(1, '.') : std::move(root)) {}

std::string DataDir::path(std::string_view relative) const {
    std::string p = root_;
    if (p.back() != '/') p += '/';
    p.append(relative);
    return p;
}

bool DataDir::ensureDataFolder() const {
    std::error_code ec;
    std::filesystem::path data = std::filesystem::path(root_) / "Data";
    if (std::filesystem::is_directory(data, ec)) return true;
    std::filesystem::create_directories(data, ec);
    return std::filesystem::is_directory(data, ec);
}

bool DataDir::dataFolderWritable() const {
    return fileio::mayCreateIn(path("Data"));
}
