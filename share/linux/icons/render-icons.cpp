// Renders lumenscribe.svg to the PNG sizes the icon theme keeps beside the
// scalable icon. Not part of the build: the PNGs are committed, and this is
// how to make them again after the drawing changes:
//   c++ -std=c++17 -fPIC render-icons.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui) -o /tmp/render-icons
//   /tmp/render-icons lumenscribe.svg .
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid())
        return 1;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString name = QStringLiteral("%1/lumenscribe-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!image.save(name))
            return 1;
    }
    return 0;
}
