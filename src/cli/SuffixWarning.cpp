#include "cli/SuffixWarning.h"

namespace lumenscribe {

bool SuffixWarning::writesSuffix(const QString& format)
{
    for (qsizetype i = 0; i + 1 < format.size(); ++i) {
        if (format.at(i) != u'%')
            continue;
        qsizetype code = i + 1;
        if (format.at(code).isDigit() && code + 1 < format.size())
            ++code; // a digit picks one digit of a date code
        if (format.at(code) == u'F')
            return true;
        i = code; // "%%" and every other code are skipped whole
    }
    return false;
}

QString SuffixWarning::forFormat(const QString& format)
{
    if (writesSuffix(format))
        return QString();
    //% "warning: the format \"%1\" has no %F, so the new names have no file type suffix "
    //% "(IMG_0042.JPG would lose its .jpg)"
    return QStringLiteral("lumenscribe: ") + qtTrId("CliWarningNoSuffix").arg(format);
}

} // namespace lumenscribe
