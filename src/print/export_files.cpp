#include "print/export_files.h"

#include <filesystem>
#include <system_error>

#include "store/file_io.h"

ExportOutcome writeExportFiles(const DataDir& dir, const ExportFiles& files) {
    ExportOutcome out;
    std::error_code ec;
    const std::filesystem::path folder = dir.path(kExportFolder);
    std::filesystem::create_directory(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        out.kind = ExportOutcome::NoFolder;
        return out;
    }
    auto relative = [](const std::string& name) { return std::string(kExportFolder) + "/" + name; };
    auto fail = [&](const std::string& name) {
        for (const auto& f : files) fileio::discardTemporary(dir.path(relative(f.first)));
        out.failed = relative(name);
        return out;
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = dir.path(relative(name));
        if (!fileio::mayWrite(path) || !fileio::writeTemporary(path, bytes)) return fail(name);
    }
    for (const auto& [name, bytes] : files) {
        if (!fileio::commitTemporary(dir.path(relative(name)))) return fail(name);
        out.written.push_back(relative(name));
    }
    fileio::syncFolder(folder.string());
    out.kind = ExportOutcome::Written;
    return out;
}

namespace {

// ".勝敗表_2026後期.pdf.a1B2c3": a PDF being written under a hidden name of six random letters.
bool isPdfInTheMaking(const std::string& name) {
    const std::size_t pdf = name.rfind(".pdf.");
    return name.size() > 1 && name[0] == '.' && pdf != std::string::npos && name.size() == pdf + 5 + 6;
}

}  // namespace

void removeStrayReportFiles(const DataDir& dir) {
    auto removeWhere = [&](const char* folder, auto stray) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(dir.path(folder), ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec) && stray(it->path().filename().string())) {
                std::error_code ignored;
                std::filesystem::remove(it->path(), ignored);
            }
    };
    removeWhere(kExportFolder, [](const std::string& name) { return fileio::isTemporaryName(name); });
    removeWhere(kPrintFolder, isPdfInTheMaking);
}
