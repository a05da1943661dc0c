// write_png_only OUT.png: the least a Qt program that writes the phone's
// screen does: an offscreen application, a black 176 x 220 picture, a PNG
// file. What `velaskin-cli render` is measured against.
#include <QGuiApplication>
#include <QImage>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    QImage screen(176, 220, QImage::Format_RGB32);
    screen.fill(Qt::black);
    return screen.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 2;
}
