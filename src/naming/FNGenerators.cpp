#include "naming/FNGenerators.h"

namespace lumenscribe {

namespace {

QString generatorKey(int number)
{
    return QStringLiteral("generator%1").arg(number);
}

} // namespace

FNGenerators::FNGenerators() : FNGenerators(false)
{
}

FNGenerators::FNGenerators(bool areFolderNG) : m_areFolderNG(areFolderNG)
{
    if (areFolderNG)
        addFolderBuiltIns();
    else
        addFileBuiltIns();
    m_defaultCount = count();
    m_currentGenerator = m_nameGenerators.front().get();
}

// The built-ins get their own settings while still writable, then are locked.
NameGenerator* FNGenerators::addBuiltIn(const QString& format)
{
    m_nameGenerators.push_back(std::make_unique<NameGenerator>(std::optional(format), false, m_areFolderNG));
    return m_nameGenerators.back().get();
}

void FNGenerators::addFileBuiltIns()
{
    addBuiltIn(QStringLiteral("%P%Y-%M-%D_%h-%m-%s%S%F"));
    addBuiltIn(QStringLiteral("%P%D.%M.%Y %h-%m-%s%S%F"));
    addBuiltIn(QStringLiteral("%P%Y%M%D_%h-%m-%s%S%F"));
    addBuiltIn(QStringLiteral("%P%2Y%1Y-%M-%D_%h-%m-%s%S%F"));
    addBuiltIn(QStringLiteral("%P%Y%M%D1D%1U%S%F"))->setSubString(0, 1, 4, 0, 0);
    addBuiltIn(QStringLiteral("%P%h-%m-%s%S%C%F"));
    NameGenerator* pictures = addBuiltIn(QStringLiteral("%PPic%C%S%F"));
    pictures->setCounterDigits(4);
    pictures->setCounterStartsFromZero(false);
    pictures->setCounterOnlyShowForIdenticalFiles(false);
    pictures->setCounterPrefix(QString());
    for (auto& style : m_nameGenerators)
        style->setIsReadOnly(true);
}

void FNGenerators::addFolderBuiltIns()
{
    NameGenerator* numbered = addBuiltIn(QStringLiteral("%P%Y-%M-%D%C%S"));
    numbered->setCounterDigits(4);
    numbered->setCounterStartsFromZero(false);
    numbered->setCounterOnlyShowForIdenticalFiles(false);
    numbered->setCounterPrefix(QStringLiteral("_"));
    addBuiltIn(QStringLiteral("%P%Y-%M-%D%C%S"))->setCounterDigits(1);
    addBuiltIn(QStringLiteral("%P%Y-%M-%D_%h-%m-%s%C%S"));
    addBuiltIn(QStringLiteral("%PDownload %Q%S"))->setSeqCounterDigits(4);
    for (auto& style : m_nameGenerators)
        style->setIsReadOnly(true);
}

NameGenerator* FNGenerators::addGenerator()
{
    m_nameGenerators.push_back(std::make_unique<NameGenerator>(m_areFolderNG));
    m_currentGenerator = m_nameGenerators.back().get();
    return m_currentGenerator;
}

void FNGenerators::deleteCurrentGenerator()
{
    // Built-ins stay: they head every list, and stored selections count on
    // their positions.
    int index = indexOfCurrentGenerator();
    if (index < 0 || m_currentGenerator->isReadOnly())
        return;
    m_nameGenerators.erase(m_nameGenerators.begin() + index);
    if (index >= count())
        index = count() - 1;
    m_currentGenerator = m_nameGenerators[static_cast<size_t>(std::max(index, 0))].get();
}

int FNGenerators::indexOfCurrentGenerator() const
{
    for (size_t i = 0; i < m_nameGenerators.size(); ++i) {
        if (m_nameGenerators[i].get() == m_currentGenerator)
            return static_cast<int>(i);
    }
    return -1;
}

NameGenerator* FNGenerators::generatorAtIndex(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_nameGenerators[static_cast<size_t>(index)].get();
}

NameGenerator* FNGenerators::selectGeneratorAtIndex(int index)
{
    NameGenerator* style = generatorAtIndex(index);
    if (style)
        m_currentGenerator = style;
    return style;
}

void FNGenerators::setIdenticalFileNamesOption(int value)
{
    for (auto& style : m_nameGenerators)
        style->setIdenticalFileNamesOption(value);
}

void FNGenerators::setSeqCounter(int value)
{
    for (auto& style : m_nameGenerators)
        style->setSeqCounter(value);
}

// Removing the current style makes the first style current.
void FNGenerators::clear()
{
    std::erase_if(m_nameGenerators, [this](const std::unique_ptr<NameGenerator>& style) {
        if (style->isReadOnly())
            return false;
        if (style.get() == m_currentGenerator)
            m_currentGenerator = nullptr;
        return true;
    });
    if (m_currentGenerator == nullptr)
        m_currentGenerator = m_nameGenerators.front().get();
}

QVariantMap FNGenerators::userDefaultsDictionary() const
{
    QVariantMap dictionary;
    int number = 0;
    for (const auto& style : m_nameGenerators) {
        if (!style->isReadOnly())
            dictionary.insert(generatorKey(number++), style->userDefaultsDictionary());
    }
    return dictionary;
}

void FNGenerators::initFromUserDefaultsDictionary(const std::optional<QVariantMap>& dictionary)
{
    clear();
    if (!dictionary)
        return;
    for (int number = 0;; ++number) {
        const auto it = dictionary->constFind(generatorKey(number));
        if (it == dictionary->constEnd())
            break;
        NameGenerator* style = addGenerator();
        style->initFromUserDefaultsDictionary(it->toMap());
    }
}

} // namespace lumenscribe
