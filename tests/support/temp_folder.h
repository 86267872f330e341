#pragma once
// A fresh working folder per test, with helpers to lay files into it and read them back.

#include <filesystem>
#include <string>

#include "store/data_dir.h"

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& root() const { return root_; }
    DataDir dir() const { return DataDir(root_); }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

    // Writes a file below the folder, creating Data/ and other folders as needed.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    long size(const std::string& relative) const;
    // Copies a fixture file from tests/data.
    void copyFixture(const std::string& fixture, const std::string& relative) const;

private:
    std::string root_;
};

// Repeats a record n times.
std::string repeatRecord(const std::string& record, int n);
