#pragma once
// A report saved as a PDF in the working folder's Print/ folder. It is drawn into a hidden
// temporary file next to its final name and renamed into place only once it is complete
// and on disk, so a file under the final name is never half written.

#include <QString>
#include <string>

class PdfFile {
public:
    PdfFile(const std::string& workFolder, const QString& fileName);
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // Makes Print/ when it is missing and reserves the temporary file. False, with the
    // reason for the user, when either cannot be done.
    bool prepare(QString* reason);
    const QString& tempPath() const { return temp_; }
    const QString& finalPath() const { return final_; }

    // Puts the finished temporary file under its final name, replacing an older print of
    // the same report and term.
    bool commit(QString* reason);

private:
    QString folder_;
    QString fileName_;
    QString final_;
    QString temp_;
    bool committed_ = false;
};
