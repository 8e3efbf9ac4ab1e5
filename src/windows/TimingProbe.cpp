#include "windows/TimingProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace lumenscribe {

namespace {

class ExposeWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed() && !m_reported) {
            m_reported = true;
            // After the first frame has been drawn, not before.
            QTimer::singleShot(0, this, [] {
                TimingProbe::mark("exposed");
                if (qgetenv("LUMENSCRIBE_TIMING") == "startup")
                    QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};

} // namespace

bool TimingProbe::enabled()
{
    return !qEnvironmentVariableIsEmpty("LUMENSCRIBE_TIMING");
}

void TimingProbe::mark(const char* name)
{
    if (!enabled())
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("timing %s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}

void TimingProbe::watch(QWidget& window)
{
    if (!enabled() || !window.windowHandle())
        return;
    window.windowHandle()->installEventFilter(new ExposeWatcher(&window));
}

} // namespace lumenscribe
