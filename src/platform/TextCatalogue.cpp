#include "platform/TextCatalogue.h"

#include <QtGlobal>

namespace lumenscribe {

namespace {

// lupdate cannot follow a key through a variable: every key the core looks
// up through LocalizedStrings is named here once, with its English text.
const char* const kKeys[] = {
    //% "Lumenscribe"
    QT_TRID_NOOP("AlertPanelTitle"),
    //% "Ok"
    QT_TRID_NOOP("AlertPanelOkButton"),
    //% "The new download folder could not be created. No file was renamed."
    QT_TRID_NOOP("AlertPanelFolderCreateError"),
    //% "%1 could not be read; what is in it was left as it is."
    QT_TRID_NOOP("AlertPanelFolderReadError"),
    //% "The file %1 could not be deleted. It was left as it is."
    QT_TRID_NOOP("AlertPanelFileDeleteError"),
    //% "the trash folder on that disk is not yours alone"
    QT_TRID_NOOP("AlertPanelTrashNotOwn"),
    //% "The file %1 could not be moved to %2. It was left as it is."
    QT_TRID_NOOP("AlertPanelFileMove"),
    //% "The creator code of %1 could not be set."
    QT_TRID_NOOP("AlertPanelFileCreatorCodeError"),
    //% "The creation date of %1 could not be set."
    QT_TRID_NOOP("AlertPanelFileCreationDateError"),
    //% "The run's journal could not be written (%1). The run stops, so that every step it took can still be undone."
    QT_TRID_NOOP("AlertPanelJournalError"),
    //% "Renaming done."
    QT_TRID_NOOP("NormalInfoRenamingDone"),
    //% "Renaming aborted."
    QT_TRID_NOOP("NormalInfoRenamingAborted"),
    //% "The new name is empty."
    QT_TRID_NOOP("ConfirmFileNameError"),
    //% "The new name is longer than 31 characters."
    QT_TRID_NOOP("ConfirmFileNameTooLong"),
    //% "A file of this name already exists."
    QT_TRID_NOOP("ConfirmFileAlreadyExists"),
    //% "The new name is not acceptable: it may not contain \"/\", and may not be \".\" or \"..\"."
    QT_TRID_NOOP("ConfirmFileNameNotAcceptable"),
    //% "The new name is fine."
    QT_TRID_NOOP("ConfirmFileNameOk"),
    //% "The folder name is empty."
    QT_TRID_NOOP("ConfirmFolderNameError"),
    //% "The folder name is longer than 31 characters."
    QT_TRID_NOOP("ConfirmFolderNameTooLong"),
    //% "A folder of this name already exists."
    QT_TRID_NOOP("ConfirmFolderAlreadyExists"),
    //% "The folder name is not acceptable: it may not contain \"/\", and may not be \".\" or \"..\"."
    QT_TRID_NOOP("ConfirmFolderNameNotAcceptable"),
    //% "The folder name is fine."
    QT_TRID_NOOP("ConfirmFolderNameOk"),
    //% "no correction"
    QT_TRID_NOOP("CorrectionNone"),
    //% "seconds"
    QT_TRID_NOOP("CorrectionSeconds"),
    //% "The renamed files could not be opened with %1: %2."
    QT_TRID_NOOP("AlertPanelOpenApplicationError"),
    //% "The new name is too long for the file system."
    QT_TRID_NOOP("ConfirmFileNameTooLongForFileSystem"),
    //% "The folder name is too long for the file system."
    QT_TRID_NOOP("ConfirmFolderNameTooLongForFileSystem"),
    //% "none"
    QT_TRID_NOOP("OpenFilesNone"),
    //% "Custom style: every change takes effect at once."
    QT_TRID_NOOP("NamingStylesCustom"),
    //% "Built-in style: it cannot be changed. Make a new style from it to change a copy."
    QT_TRID_NOOP("NamingStylesBuiltIn"),
    //% "Settings changed now apply from the next run."
    QT_TRID_NOOP("SettingsApplyFromNextRun"),
};

} // namespace

QStringList TextCatalogue::keys()
{
    QStringList keys;
    for (const char* key : kKeys)
        keys.append(QString::fromLatin1(key));
    return keys;
}

} // namespace lumenscribe
