// The items of a pop-up that lists a style collection: the built-in styles,
// a separator, then the custom styles, each titled with the name it makes
// for an example date. The separator is an item, so item and style indices
// differ after it.
#pragma once

#include "platform/Instant.h"

#include <QList>
#include <QString>
#include <optional>

namespace lumenscribe {

class FNGenerators;

struct StylePopUpItem
{
    QString title;
    bool isSeparator = false;

    bool operator==(const StylePopUpItem&) const = default;
};

class StylePopUp
{
public:
    // The separator is left out while there is no custom style after it.
    static QList<StylePopUpItem> items(const FNGenerators& generators, Instant exampleDate);
    // The item of a style, or -1 for an index outside the collection.
    static int popUpIndexFromGeneratorIndex(const FNGenerators& generators, int generatorIndex);
    // The style of an item; none for the separator or an item past the list.
    static std::optional<int> generatorIndexFromPopUpIndex(const FNGenerators& generators, int popUpIndex);
};

} // namespace lumenscribe
