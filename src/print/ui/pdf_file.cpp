#include "print/ui/pdf_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "print/export_files.h"

namespace {

bool syncPath(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// A PDF writer that stopped half-way leaves no end-of-file marker near the end.
bool looksComplete(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 16) return false;
    f.seek(qMax<qint64>(0, f.size() - 64));
    return f.readAll().contains("%%EOF");
}

}  // namespace

PdfFile::PdfFile(const std::string& workFolder, const QString& fileName)
    : folder_(QString::fromStdString(workFolder) + QLatin1Char('/') + QLatin1String(kPrintFolder)),
      fileName_(fileName),
      final_(folder_ + QLatin1Char('/') + fileName) {}

PdfFile::~PdfFile() {
    if (!committed_ && !temp_.isEmpty()) QFile::remove(temp_);
}

bool PdfFile::prepare(QString* reason) {
    if (!QDir().mkpath(folder_) || !QFileInfo(folder_).isDir()) {
        *reason = QStringLiteral("フォルダ Print を作成できません");
        return false;
    }
    QTemporaryFile file(folder_ + QStringLiteral("/.") + fileName_ + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open()) {
        *reason = QStringLiteral("フォルダ Print に書き込めません");
        return false;
    }
    temp_ = file.fileName();
    // A temporary file is private to its owner; a saved report is an ordinary document.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    file.close();
    return true;
}

bool PdfFile::commit(QString* reason) {
    *reason = QStringLiteral("PDFファイルを書き込めません");
    if (temp_.isEmpty() || !looksComplete(temp_) || !syncPath(temp_)) return false;
    if (std::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(final_).constData()) != 0) return false;
    committed_ = true;
    syncPath(folder_);  // the rename itself; the file is whole either way
    reason->clear();
    return true;
}
