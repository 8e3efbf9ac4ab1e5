// An entry with a fixed list of option texts keyed by numeric IDs; an ID that
// is not in the list selects the default option.
#pragma once

#include "metadata/ExifValue.h"

#include <QStringList>
#include <cstdint>

namespace lumenscribe {

class ExifOption : public ExifValue
{
public:
    const QStringList& options() const { return nameArray; }
    uint32_t optionIndex() const { return m_optionIndex; }
    // The ID of the selected option, 0 when there is none.
    int option() const;

    void addOption(const QString& text, int id);
    void setDefaultID(int id);
    void selectOption(int id);
    void selectOptionWithIndex(uint32_t index);
    void clear();

    QString stringValue() const override;

private:
    QStringList nameArray;
    QStringList keyArray;
    uint32_t m_defaultIndex = 0;
    uint32_t m_optionIndex = 0;
};

} // namespace lumenscribe
