// Every file and folder chooser of the application goes through here; a test
// sets the next answer so that no dialog is ever shown to it.
#pragma once

#include <QStringList>

class QWidget;

namespace lumenscribe {

class FileDialog
{
public:
    // Files, or with an empty list the person cancelled.
    static QStringList getOpenFileNames(QWidget* parent, const QString& caption, const QString& folder = QString(),
                                        const QString& filter = QString());
    // A folder, or empty when cancelled.
    static QString getExistingDirectory(QWidget* parent, const QString& caption, const QString& folder = QString());

    // The next call answers this at once (an empty list or string: cancelled).
    static void setNextFileNames(const QStringList& names);
    static void setNextDirectory(const QString& folder);
};

} // namespace lumenscribe
