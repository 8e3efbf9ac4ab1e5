// The application's alert: a title, the message exactly as the run wrote it,
// one button. One alert at a time: a message that arrives while the alert is
// on screen joins it in a list, so a run that fails on many files leaves one
// window to dismiss rather than a stack of them. It never blocks the run.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace lumenscribe {

class AlertPanel : public QDialog
{
    Q_OBJECT

public:
    explicit AlertPanel(QWidget* parent = nullptr);

    // Shows the message, or adds it to the alert already on screen.
    void addMessage(const QString& message);
    const QStringList& messages() const { return m_messages; }

protected:
    void done(int result) override;

private:
    void showMore();

    QStringList m_messages;
    QLabel* m_first;
    QLabel* m_more;
    QListWidget* m_list;
    QPushButton* m_ok;
};

} // namespace lumenscribe
