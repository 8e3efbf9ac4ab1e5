// What is wrong with a time shift a person typed, in words, for the run's
// --shift and --shift-model and for "config set".
#pragma once

#include <QString>
#include <QStringList>

namespace lumenscribe {

class ShiftText
{
public:
    // For a text TimeShift does not read.
    static QString problem(const QString& text);
    // For a "MODEL=SHIFT" entry TimeShift does not read.
    static QString modelProblem(const QString& entry);
    // For a table of entries that is refused; empty when it is good.
    static QString tableProblem(const QStringList& entries);
};

} // namespace lumenscribe
