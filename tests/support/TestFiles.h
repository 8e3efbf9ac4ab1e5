// Files for tests: write one, read one back, list a folder's files.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace lumenscribe::test {

inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

// Every file below root (and, with folders, every folder), relative to it,
// sorted.
inline QStringList tree(const QString& root, bool folders = false)
{
    QStringList found;
    const QDir::Filters filters =
        QDir::Files | QDir::Hidden | QDir::System | (folders ? QDir::Dirs | QDir::NoDotAndDotDot : QDir::Filters());
    QDirIterator it(root, filters, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(root).relativeFilePath(it.next()));
    found.sort();
    return found;
}

// Copies a file of the test data to target, making its folder.
inline void copyData(const QString& name, const QString& target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    QVERIFY(QFile::copy(QStringLiteral(LUMENSCRIBE_TESTDATA "/") + name, target));
}

} // namespace lumenscribe::test
