// What the desktop application's main window shows; MainWindowController
// holds the logic.
#pragma once

#include "controllers/StylePopUp.h"
#include "run/RunObserver.h"

#include <QList>
#include <QString>

namespace lumenscribe {

class MainWindowView
{
public:
    virtual ~MainWindowView() = default;

    // The two style pop-ups, each with the item of the current style.
    virtual void showStyles(const QList<StylePopUpItem>& fileItems, int fileItem,
                            const QList<StylePopUpItem>& folderItems, int folderItem) = 0;
    // What dropping files will do with them.
    virtual void showDropAction(const QString& text) = 0;
    // The names-first table: the planned rows; `shown` false hides it.
    virtual void showNames(bool shown, const QList<FileReport>& rows, bool planning) = 0;
    // The undo offer, e.g. "Undo the last run (12 files)"; disabled when
    // there is nothing to take back.
    virtual void showUndo(const QString& text, bool enabled) = 0;
};

} // namespace lumenscribe
