// An ordered collection of naming styles: the built-in styles first, then the
// user's custom styles, with one current style. A style is addressed by its
// index everywhere, which is also how the settings store the selection.
#pragma once

#include "naming/NameGenerator.h"

#include <QVariantMap>
#include <memory>
#include <optional>
#include <vector>

namespace lumenscribe {

class FNGenerators
{
public:
    FNGenerators(); // file styles
    explicit FNGenerators(bool areFolderNG);

    FNGenerators(const FNGenerators&) = delete;
    FNGenerators& operator=(const FNGenerators&) = delete;

    NameGenerator* addGenerator();
    void deleteCurrentGenerator();
    NameGenerator* currentGenerator() const { return m_currentGenerator; }
    int indexOfCurrentGenerator() const;
    NameGenerator* generatorAtIndex(int index) const;
    NameGenerator* selectGeneratorAtIndex(int index);
    int count() const { return static_cast<int>(m_nameGenerators.size()); }
    int defaultCount() const { return m_defaultCount; }
    bool areFolderNG() const { return m_areFolderNG; }

    void setIdenticalFileNamesOption(int value);
    void setSeqCounter(int value);
    void clear();

    QVariantMap userDefaultsDictionary() const;
    void initFromUserDefaultsDictionary(const std::optional<QVariantMap>& dictionary);

private:
    void addFileBuiltIns();
    void addFolderBuiltIns();
    NameGenerator* addBuiltIn(const QString& format);

    std::vector<std::unique_ptr<NameGenerator>> m_nameGenerators;
    NameGenerator* m_currentGenerator = nullptr;
    int m_defaultCount = 0;
    bool m_areFolderNG = false;
};

} // namespace lumenscribe
