// The progress window of a run: the file in hand, a bar, and the abort
// button. Files dropped on it join the run under way.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumenscribe {

class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void setInfo(const QString& text);
    void setValue(double value);
    void setMaximum(double value);
    void setAbortEnabled(bool enabled);
    double value() const { return m_value; }
    double maximum() const { return m_maximum; }

signals:
    void abortClicked();
    void pathsDropped(const QStringList& paths);
    // The person closed the window with the window manager.
    void closedByPerson();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showBar();

    QLabel* m_info;
    QProgressBar* m_bar;
    QPushButton* m_abort;
    double m_value = 0;
    double m_maximum = 0;
};

} // namespace lumenscribe
