// What the folder-name window shows; the controller holds the logic.
#pragma once

#include <QString>

namespace lumenscribe {

class FIWView
{
public:
    virtual ~FIWView() = default;

    virtual void openWindow() = 0;
    virtual void closeWindow() = 0;
    virtual void showName(const QString& name) = 0;
    virtual void showInfo(const QString& text) = 0;
    virtual void setOkButtonEnabled(bool enabled) = 0;
    virtual void showPrefixSuffix(const QString& prefix, bool prefixEnabled, const QString& suffix,
                                  bool suffixEnabled) = 0;
};

} // namespace lumenscribe
