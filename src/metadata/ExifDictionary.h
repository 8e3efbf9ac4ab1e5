// The reader's dictionary and the tag catalogue behind it: which value type
// stands for each key, with its option tables and greatest lengths. Entries
// are kept sorted by key.
#pragma once

#include "metadata/ExifValue.h"

#include <map>
#include <memory>

namespace lumenscribe {

class ExifDictionary
{
public:
    using Map = std::map<QString, std::unique_ptr<ExifValue>>;

    // A fresh entry for a catalogue key, replacing any entry under that key;
    // nothing (and nothing stored) for a key the catalogue does not hold.
    ExifValue* createDictionaryEntry(const QString& key);

    // createDictionaryEntry when the key's type is T, else nothing.
    template <typename T> T* create(const QString& key) { return dynamic_cast<T*>(createDictionaryEntry(key)); }

    const ExifValue* value(const QString& key) const;
    template <typename T> const T* get(const QString& key) const { return dynamic_cast<const T*>(value(key)); }
    bool contains(const QString& key) const { return m_entries.count(key) != 0; }
    bool isEmpty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    void remove(const QString& key) { m_entries.erase(key); }
    void clear() { m_entries.clear(); }
    const Map& entries() const { return m_entries; }

    // Only the date keys are filed (the rest count as keys the catalogue does
    // not hold). Finding a capture date needs nothing else, and the other
    // entries, with their option tables, cost a run of many photos more than
    // reading the photos does. clear() keeps the mode.
    void setDatesOnly(bool datesOnly) { m_datesOnly = datesOnly; }
    bool datesOnly() const { return m_datesOnly; }
    static bool isDateKey(QStringView key);
    // With dates only, the camera's "Model" is filed as well: a run with a
    // time shift per camera needs it, and only such a run pays for it.
    void setWithModel(bool withModel) { m_withModel = withModel; }
    bool withModel() const { return m_withModel; }

private:
    Map m_entries;
    bool m_datesOnly = false;
    bool m_withModel = false;
};

} // namespace lumenscribe
