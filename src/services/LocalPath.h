#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

// The document layer names files by the system's own bytes; the user
// interface by QString. These turn one into the other.
inline std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString fromLocalPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}
