#pragma once
// Runs one of the Python readers beside these tests (read_csv.py, read_html.py) on a file and
// gives back the JSON it printed: the file as an independent program reads it.

#include <QJsonObject>
#include <string>

bool pythonAvailable();
QJsonObject readWithPython(const char* script, const std::string& path);
