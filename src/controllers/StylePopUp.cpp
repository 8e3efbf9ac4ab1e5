#include "controllers/StylePopUp.h"

#include "naming/FNGenerators.h"

namespace lumenscribe {

QList<StylePopUpItem> StylePopUp::items(const FNGenerators& generators, Instant exampleDate)
{
    QList<StylePopUpItem> items;
    for (int i = 0; NameGenerator* style = generators.generatorAtIndex(i); ++i) {
        if (i == generators.defaultCount())
            items.append(StylePopUpItem{QString(), true});
        items.append(StylePopUpItem{style->popUpStringForDate(exampleDate), false});
    }
    return items;
}

int StylePopUp::popUpIndexFromGeneratorIndex(const FNGenerators& generators, int generatorIndex)
{
    if (generatorIndex < 0 || generatorIndex >= generators.count())
        return -1;
    return generatorIndex < generators.defaultCount() ? generatorIndex : generatorIndex + 1;
}

std::optional<int> StylePopUp::generatorIndexFromPopUpIndex(const FNGenerators& generators, int popUpIndex)
{
    if (popUpIndex < 0)
        return std::nullopt;
    if (popUpIndex < generators.defaultCount())
        return popUpIndex;
    if (popUpIndex == generators.defaultCount() || popUpIndex > generators.count())
        return std::nullopt;
    return popUpIndex - 1;
}

} // namespace lumenscribe
