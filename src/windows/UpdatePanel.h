// The update check as the Help menu runs it: the version file is fetched in
// the background while the menu says it is checking, then one of three
// panels tells the outcome. The panel is not modal; answering "Yes" to a
// newer version opens the web page.
#pragma once

#include "controllers/UpdateCheck.h"

#include <QObject>
#include <QPointer>

class QMessageBox;
class QWidget;

namespace lumenscribe {

class VersionDownload;

class UpdatePanel : public QObject
{
    Q_OBJECT

public:
    explicit UpdatePanel(QObject* parent = nullptr);
    ~UpdatePanel() override;

    // Starts a check unless one is under way; the panel comes up over `window`.
    void check(QWidget* window);
    bool checking() const;
    void setTimeout(int milliseconds);
    // The panel on screen, if any.
    QMessageBox* panel() const;
    // Shows the panel for a download's outcome (`ok` false: it failed).
    void showOutcome(bool ok, const QString& webVersion);

signals:
    void checkingChanged(bool checking);

private:
    VersionDownload* m_download;
    QPointer<QWidget> m_window;
    QPointer<QMessageBox> m_panel;
};

} // namespace lumenscribe
