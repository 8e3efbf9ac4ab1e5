// The About panel: the build's full version and the way to the support mail,
// the web page, a donation and the donation information.
#pragma once

#include <QDialog>

class QLabel;

namespace lumenscribe {

class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Shows the panel, or brings it forward when it is on screen already.
    void openAboutPanel();

signals:
    void donationInfoRequested();

private:
    QLabel* m_version;
};

} // namespace lumenscribe
