// The keys the core looks up by variable (LocalizedStrings::text), each with
// its English text in the source, so that lupdate finds them all.
#pragma once

#include <QStringList>

namespace lumenscribe {

class TextCatalogue
{
public:
    static QStringList keys();
};

} // namespace lumenscribe
