// The preview beside the confirm-each-file window's controls: the picture of
// the file on show, decoded on a pool thread so that the window never waits
// for it. A decode that finishes after the window has moved on to another
// file is dropped.
#pragma once

#include "windows/PreviewLoader.h"

#include <QThreadPool>
#include <QWidget>
#include <functional>

class QLabel;

namespace lumenscribe {

class PreviewPanel : public QWidget
{
    Q_OBJECT

public:
    enum class State
    {
        Empty,
        Waiting,
        Picture,
        Movie,
        LoadError
    };
    Q_ENUM(State)
    // The picture's place, in logical pixels.
    static constexpr QSize PictureSize{248, 200};
    using Loader = std::function<PreviewLoader::Result(const QString& path, QSize target)>;

    explicit PreviewPanel(QWidget* parent = nullptr);
    ~PreviewPanel() override;

    // Shows the wait picture and starts decoding `path`.
    void showFile(const QString& path);
    void clear();
    State state() const { return m_state; }
    // The file whose decode the panel waits for or shows.
    const QString& path() const { return m_path; }
    // Tests put a decoder of their own in place of PreviewLoader::load.
    void setLoader(Loader loader) { m_loader = std::move(loader); }

signals:
    void stateChanged(lumenscribe::PreviewPanel::State state);
    // From the pool thread; received queued on the panel's thread.
    void decoded(quint64 generation, int kind, const QImage& image);

private:
    void takeDecoded(quint64 generation, int kind, const QImage& image);
    void showPicture(const QPixmap& picture, State state);
    QPixmap statusPicture(const QString& resource, const QString& themeIcon = QString()) const;
    qreal pixelRatio() const;

    QLabel* m_picture = nullptr;
    State m_state = State::Empty;
    QString m_path;
    quint64 m_generation = 0;
    Loader m_loader = &PreviewLoader::load;
    // Last: it waits for a running decode before the members above go.
    QThreadPool m_pool;
};

} // namespace lumenscribe
