#include "support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string templ = (fs::temp_directory_path() / "tallyfold-XXXXXX").string();
    if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    root_ = templ;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
}

void TempFolder::write(const std::string& relative, const std::string& bytes) const {
    fs::path p = fs::path(root_) / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream in(fs::path(root_) / relative, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempFolder::exists(const std::string& relative) const {
    return fs::exists(fs::path(root_) / relative);
}

long TempFolder::size(const std::string& relative) const {
    std::error_code ec;
    auto n = fs::file_size(fs::path(root_) / relative, ec);
    return ec ? -1 : long(n);
}

void TempFolder::copyFixture(const std::string& fixture, const std::string& relative) const {
    std::ifstream in(fs::path(TALLYFOLD_FIXTURES) / fixture, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    write(relative, s.str());
}

std::string repeatRecord(const std::string& record, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += record;
    return out;
}
