#include "run/NameCheck.h"

#include "platform/PathNames.h"

namespace lumenscribe {

namespace {

// Longest name most file systems store, in bytes.
constexpr int kMaxNameBytes = 255;

// Without making the bytes: every photo of a run has its name checked.
qsizetype utf8Size(const QString& text)
{
    return QtPrivate::isAscii(QStringView(text)) ? text.size() : text.toUtf8().size();
}

} // namespace

// Beyond the classic checks, a name the file system cannot store and a path
// too long to hand to the run count as too long, whatever the flags say.
NameCheck::Result NameCheck::checkFree(const QString& name, const QString& path, unsigned flags)
{
    if (name.isEmpty())
        return Empty;
    if (exceedsClassicLength(name, flags))
        return TooLong;
    const qsizetype nameBytes = utf8Size(name);
    const qsizetype separator = path.isEmpty() || path.endsWith(u'/') ? 0 : 1; // as PathNames::join
    if (nameBytes > kMaxNameBytes || utf8Size(path) + separator + nameBytes > kMaxPathBytes)
        return TooLong;
    if (name == u"." || name == u".." || name.contains(u'/') || name.contains(QChar(0)))
        return NotAcceptable;
    return Ok;
}

bool NameCheck::exceedsClassicLength(const QString& name, unsigned flags)
{
    return (flags & 1u) && name.size() > 31;
}

NameCheck::Result NameCheck::check(const QString& name, const QString& path, unsigned flags, NameProbe& probe)
{
    const Result result = checkFree(name, path, flags);
    if (result != Ok)
        return result;
    return probe.nameTaken(PathNames::join(path, name)) ? Exists : Ok;
}

} // namespace lumenscribe
