#include "metadata/ExifOption.h"

namespace lumenscribe {

int ExifOption::option() const
{
    if (m_optionIndex >= uint32_t(keyArray.size()))
        return 0;
    return keyArray.at(qsizetype(m_optionIndex)).toInt();
}

void ExifOption::addOption(const QString& text, int id)
{
    if (text.isNull())
        return;
    nameArray.append(text);
    keyArray.append(QString::number(id));
}

void ExifOption::setDefaultID(int id)
{
    const qsizetype index = keyArray.indexOf(QString::number(id));
    if (index >= 0)
        m_defaultIndex = uint32_t(index);
}

void ExifOption::selectOption(int id)
{
    m_optionIndex = m_defaultIndex;
    const qsizetype index = keyArray.indexOf(QString::number(id));
    if (index >= 0)
        m_optionIndex = uint32_t(index);
}

void ExifOption::selectOptionWithIndex(uint32_t index)
{
    if (index < uint32_t(nameArray.size()))
        m_optionIndex = index;
}

void ExifOption::clear()
{
    nameArray.clear();
    keyArray.clear();
}

QString ExifOption::stringValue() const
{
    if (m_optionIndex < uint32_t(nameArray.size()))
        return nameArray.at(qsizetype(m_optionIndex));
    if (m_defaultIndex < uint32_t(nameArray.size()))
        return nameArray.at(qsizetype(m_defaultIndex));
    return {};
}

} // namespace lumenscribe
