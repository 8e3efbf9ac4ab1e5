// The time shifts of one run: the run-wide one, and one per camera model
// that adds to it for that camera's files.
#pragma once

#include "platform/TimeShift.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lumenscribe {

class ShiftTable
{
public:
    ShiftTable() = default;
    // `runWide` as TimeShift reads it; `byModel` as "MODEL=SHIFT" entries.
    // Texts that do not read are left out: the settings refuse them before
    // they get here.
    ShiftTable(const QString& runWide, const QStringList& byModel);

    bool isEmpty() const { return m_runWide == 0 && m_models.isEmpty(); }
    // Whether a file's camera model makes a difference, so that reading it
    // is worth its cost.
    bool needsModel() const { return !m_models.isEmpty(); }
    qint64 runWide() const { return m_runWide; }
    const QList<TimeShift::ModelShift>& models() const { return m_models; }
    // The seconds to add to the capture date of a file taken with `model`
    // (empty when the file names none).
    qint64 secondsFor(QStringView model) const;
    // "+1h, Canon EOS R6 -5s": the run-wide shift first, when there is one.
    QString description() const;
    // As the settings would hold them, written the one way TimeShift::text
    // writes: "+1h" (empty for none) and "Canon EOS R6=-5s".
    QString runWideText() const { return m_runWide != 0 ? TimeShift::text(m_runWide) : QString(); }
    QStringList modelEntries() const;

    // `stored` with each of `added` in place of the entry for the same
    // model, or after them for a new model.
    static QStringList merged(const QStringList& stored, const QStringList& added);

private:
    qint64 m_runWide = 0;
    QList<TimeShift::ModelShift> m_models;
};

} // namespace lumenscribe
