// The large area of the main window that takes dropped photos, movies and
// folders, with the buttons that open them by a chooser instead.
#pragma once

#include <QFrame>

namespace lumenscribe {

class DropArea : public QFrame
{
    Q_OBJECT

public:
    explicit DropArea(QWidget* parent = nullptr);

signals:
    void pathsDropped(const QStringList& paths);
    void openFilesClicked();
    void openFolderClicked();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setHighlighted(bool on);
};

} // namespace lumenscribe
