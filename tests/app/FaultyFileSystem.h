// The real file system with one planned fault: the Nth call of a chosen
// operation answers a chosen errno, as a full disk, a read-only card or a
// second file system would. A hook runs before each call, so a test can
// change the disk at the worst moment; open descriptors are counted.
#pragma once

#include "fs/FileSystem.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <functional>

namespace lumenscribe {

class FaultyFileSystem : public FileSystem
{
public:
    enum Operation
    {
        Status,
        RenameNoReplace,
        Link,
        Unlink,
        Open,
        Read,
        Write,
        Fsync,
        Close,
        GetAttribute,
        SetAttribute,
        SetTimes,
        Chmod,
        Mkdir,
        Rmdir,
        ListFolder,
        MoveToTrash,
        Rename,
        ListAttributes,
        ChangeOwner
    };

    struct Fault
    {
        Operation operation;
        int nth; // 1 for the first call
        int error;
        // Carry the call out and still answer the error, as a network file
        // system may after a lost reply.
        bool afterDoing = false;
    };

    void fail(Operation operation, int nth, int error, bool afterDoing = false)
    {
        faults.append({operation, nth, error, afterDoing});
    }

    QList<Fault> faults;
    std::function<void(Operation, const QString&)> beforeCall;
    QMap<Operation, int> calls;
    QSet<int> openDescriptors;

    std::error_code status(const QString& path, FileStatus& status, Links links) override
    {
        return run(Status, path, [&] { return m_real.status(path, status, links); });
    }
    std::error_code renameNoReplace(const QString& from, const QString& to) override
    {
        return run(RenameNoReplace, from, [&] { return m_real.renameNoReplace(from, to); });
    }
    std::error_code link(const QString& existing, const QString& newPath) override
    {
        return run(Link, existing, [&] { return m_real.link(existing, newPath); });
    }
    std::error_code rename(const QString& from, const QString& to) override
    {
        return run(Rename, from, [&] { return m_real.rename(from, to); });
    }
    std::error_code listAttributes(const QString& path, QList<QByteArray>& names) override
    {
        return run(ListAttributes, path, [&] { return m_real.listAttributes(path, names); });
    }
    std::error_code changeOwner(const QString& path, quint32 owner, quint32 group) override
    {
        return run(ChangeOwner, path, [&] { return m_real.changeOwner(path, owner, group); });
    }
    std::error_code unlink(const QString& path) override
    {
        return run(Unlink, path, [&] { return m_real.unlink(path); });
    }
    std::error_code open(const QString& path, int flags, quint32 mode, int& fd) override
    {
        const std::error_code error = run(Open, path, [&] { return m_real.open(path, flags, mode, fd); });
        if (!error)
            openDescriptors.insert(fd);
        return error;
    }
    std::error_code read(int fd, char* buffer, qint64 size, qint64& count) override
    {
        return run(Read, {}, [&] { return m_real.read(fd, buffer, size, count); });
    }
    std::error_code write(int fd, const char* data, qint64 size, qint64& count) override
    {
        return run(Write, {}, [&] { return m_real.write(fd, data, size, count); });
    }
    std::error_code fsync(int fd) override
    {
        return run(Fsync, {}, [&] { return m_real.fsync(fd); });
    }
    std::error_code close(int fd) override
    {
        // close(2) releases the descriptor even when it reports an error.
        openDescriptors.remove(fd);
        return run(
            Close, {}, [&] { return m_real.close(fd); }, true);
    }
    std::error_code getAttribute(const QString& path, const QByteArray& name, QByteArray& value) override
    {
        return run(GetAttribute, path, [&] { return m_real.getAttribute(path, name, value); });
    }
    std::error_code setAttribute(const QString& path, const QByteArray& name, const QByteArray& value) override
    {
        return run(SetAttribute, path, [&] { return m_real.setAttribute(path, name, value); });
    }
    std::error_code setTimes(const QString& path, std::optional<FileTime> access,
                             std::optional<FileTime> modification) override
    {
        return run(SetTimes, path, [&] { return m_real.setTimes(path, access, modification); });
    }
    std::error_code chmod(const QString& path, quint32 mode) override
    {
        return run(Chmod, path, [&] { return m_real.chmod(path, mode); });
    }
    std::error_code mkdir(const QString& path, quint32 mode) override
    {
        return run(Mkdir, path, [&] { return m_real.mkdir(path, mode); });
    }
    std::error_code rmdir(const QString& path) override
    {
        return run(Rmdir, path, [&] { return m_real.rmdir(path); });
    }
    using FileSystem::listFolder;
    std::error_code listFolder(const QString& path, QList<FolderEntry>& entries) override
    {
        return run(ListFolder, path, [&] { return m_real.listFolder(path, entries); });
    }
    std::error_code moveToTrash(const QString& path, QString& trashedPath) override
    {
        return run(MoveToTrash, path, [&] { return m_real.moveToTrash(path, trashedPath); });
    }

private:
    template <typename Call>
    std::error_code run(Operation operation, const QString& path, Call call, bool alwaysDo = false)
    {
        if (beforeCall)
            beforeCall(operation, path);
        const int nth = ++calls[operation];
        for (const Fault& fault : std::as_const(faults)) {
            if (fault.operation == operation && fault.nth == nth) {
                if (fault.afterDoing || alwaysDo)
                    call();
                return errorFrom(fault.error);
            }
        }
        return call();
    }

    FileSystem& m_real = FileSystem::real();
};

} // namespace lumenscribe
