#include "FileCopy.h"

#include "FileReplacement.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

bool sameContents(const std::string& first, const std::string& second)
{
    const Pelm::RegularFile a(first.c_str());
    const Pelm::RegularFile b(second.c_str());
    if (!a.isOpen() || !b.isOpen() || a.size() != b.size())
        return false;
    std::string chunkOfA, chunkOfB;
    do {
        if (!a.readChunk(chunkOfA, kChunkSize) || !b.readChunk(chunkOfB, kChunkSize) || chunkOfA != chunkOfB)
            return false;
    } while (!chunkOfA.empty());
    return true;
}

} // namespace

bool replaceFileWith(const QString& path, const QByteArray& content)
{
    return Pelm::replaceFile(localPath(path), content.toStdString());
}

bool copyFileChecked(const QString& source, const QString& destination)
{
    if (isSameFile(source, destination))
        return false;
    const std::string from = localPath(source);
    const std::string to = localPath(destination);
    return Pelm::replaceFileByCopy(to, from) && sameContents(from, to);
}

bool isSameFile(const QString& first, const QString& second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (!a.exists() || !b.exists())
        return QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath());
    // Device and inode, after following links.
    std::error_code error;
    const bool same = std::filesystem::equivalent(QFile::encodeName(first).constData(),
                                                  QFile::encodeName(second).constData(), error);
    return !error && same;
}
