#include "windows/FileDialog.h"

#include <QFileDialog>
#include <optional>

namespace lumenscribe {

namespace {

std::optional<QStringList> nextFileNames;
std::optional<QString> nextDirectory;

} // namespace

void FileDialog::setNextFileNames(const QStringList& names)
{
    nextFileNames = names;
}

void FileDialog::setNextDirectory(const QString& folder)
{
    nextDirectory = folder;
}

QStringList FileDialog::getOpenFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                         const QString& filter)
{
    if (nextFileNames) {
        const QStringList names = *nextFileNames;
        nextFileNames.reset();
        return names;
    }
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString FileDialog::getExistingDirectory(QWidget* parent, const QString& caption, const QString& folder)
{
    if (nextDirectory) {
        const QString name = *nextDirectory;
        nextDirectory.reset();
        return name;
    }
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

} // namespace lumenscribe
