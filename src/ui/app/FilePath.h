#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace rovik {

// File names pass between the core and Qt in the system's own encoding.
inline QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace rovik
