// Path arithmetic on plain strings, "/" separated, as the run needs it.
#pragma once

#include <QString>

namespace lumenscribe {

class PathNames
{
public:
    // folder + "/" + name, without doubling a trailing "/".
    static QString join(const QString& folder, const QString& name);
    static QString lastComponent(const QString& path);
    static QString folderOf(const QString& path);
    // The extension of the last component ("" when it has none).
    static QString extension(const QString& path);
    // The path with its extension replaced (or added when it had none).
    static QString withExtension(const QString& path, const QString& extension);
    static QString withoutExtension(const QString& path);
};

} // namespace lumenscribe
