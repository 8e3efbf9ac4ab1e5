// What the confirm-each-file window shows. The controller holds the logic and
// the state; a view only presents it (the Qt window, or the terminal).
#pragma once

#include <QString>
#include <array>

namespace lumenscribe {

class CIWView
{
public:
    virtual ~CIWView() = default;

    virtual void openWindow() = 0;
    virtual void closeWindow() = 0;
    virtual void showOldName(const QString& name) = 0;
    virtual void showNewName(const QString& name) = 0;
    virtual void showInfo(const QString& text) = 0;
    virtual void setRenameButtonsEnabled(bool enabled) = 0;
    virtual void showPrefixSuffix(const QString& prefix, bool prefixEnabled, const QString& suffix,
                                  bool suffixEnabled) = 0;
    enum class Focus
    {
        NewName,
        Prefix,
        Suffix
    };
    // With Focus::NewName, the range of the name to select.
    virtual void setFocus(Focus focus, int selectionStart, int selectionLength) = 0;
    // Year, month, day, hours, minutes, seconds of the corrected moment.
    virtual void showCorrection(const std::array<int, 6>& fields, const QString& fileDate,
                                const QString& difference) = 0;
    // A new file is on show: the preview, if any, starts over.
    virtual void showFile(const QString& path) = 0;
};

} // namespace lumenscribe
