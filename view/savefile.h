#pragma once

#include <QByteArray>
#include <QString>
#include <string>

// Whole-file reads and writes with the program's file error texts. Writing
// goes through a temporary file that replaces the old one only when complete,
// so a failed save never destroys what was there.
void SaveFileBytes(const QString &name, const QByteArray &bytes);
std::string ReadFileBytes(const QString &name);
