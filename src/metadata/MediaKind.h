// What a file is by its first bytes, whatever its name says: a photo (the
// still image formats and camera raws), a movie, a sound (a camera's voice
// memo), or anything else (text notes, a Thumbs.db, a print order).
#pragma once

#include "metadata/ByteSource.h"

namespace lumenscribe {

class MediaKind
{
public:
    enum class Kind
    {
        Other,
        Photo,
        Movie,
        Sound
    };

    static Kind of(const ByteSource& source);
    // A camera's voice memo counts: it belongs with the photo it was
    // recorded for, and is renamed with it.
    static bool isMedia(const ByteSource& source) { return of(source) != Kind::Other; }
};

} // namespace lumenscribe
