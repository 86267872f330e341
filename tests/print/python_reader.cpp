#include "print/python_reader.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

bool pythonAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty();
}

QJsonObject readWithPython(const char* script, const std::string& path) {
    QProcess p;
    p.start(QStringLiteral("python3"), {QStringLiteral(TALLYFOLD_FIXTURES "/../print/") + QString::fromUtf8(script),
                                        QString::fromStdString(path)});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}
