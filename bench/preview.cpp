// How long the confirm-each-file window's preview takes for a 24-megapixel
// JPEG, against decoding it whole. Run by hand:
//
//   cmake --build --preset default --target bench_preview && build/default/bench/bench_preview
#include "windows/PreviewLoader.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace lumenscribe;

namespace {

constexpr int Repetitions = 7;

// A photograph-like picture: smooth shades with fine grain, so that the
// JPEG is of a camera's size rather than a flat colour's.
QString makePhoto(const QString& path)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 28);
            line[x] = qRgb((x / 24 + grain) & 0xFF, (y / 16 + grain) & 0xFF, ((x + y) / 40) & 0xFF);
        }
    }
    image.save(path, "JPEG", 90);
    return path;
}

double medianMs(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < Repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString photo = makePhoto(dir.filePath(QStringLiteral("photo.jpg")));
    std::printf("6000x4000 JPEG, %lld bytes; median of %d runs\n", QFileInfo(photo).size(), Repetitions);
    for (const qreal ratio : {1.0, 2.0}) {
        const QSize target = (QSizeF(248, 200) * ratio).toSize();
        const double ms = medianMs([&] { (void)PreviewLoader::load(photo, target); });
        std::printf("PreviewLoader, %dx%d (pixel ratio %.0f): %.1f ms\n", target.width(), target.height(), ratio, ms);
    }
    const double whole = medianMs([&] { (void)QImageReader(photo).read(); });
    std::printf("whole decode for comparison: %.1f ms\n", whole);
    return 0;
}
