// Draws the program's window icon into an icon theme folder, as the PNG files a desktop looks up:
// <folder>/<size>x<size>/apps/<name>.png.
#include "ui/res/DrawnPictures.h"

#include <QDir>
#include <QGuiApplication>

#include <array>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: program-icon FOLDER NAME\n");
        return 2;
    }
    // Drawing needs no screen, so the build runs without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : std::array{16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!theme.mkpath(folder) || !cssbinder::ProgramIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "program-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
