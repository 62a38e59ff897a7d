// Writes the program's icon for the desktop's icon theme: the stock picture
// "AppIcon!" that the program's own windows show, drawn by the same code at
// each size asked for, so that the desktop icon cannot drift from it.
//
//     kelvaro_render_icon OUTPUT_DIR SIZE...
//
// writes OUTPUT_DIR/<SIZE>x<SIZE>/kelvaro.png for every SIZE (the folder
// names of the hicolor theme). Runs on the offscreen platform: the build
// needs no display.

#include "runtime/StockImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argc > 0 ? argv[0] : "render");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit sees only the program's name: the sizes are not its options.
    int qtArgc = 1;
    char *qtArgv[] = { argv[0], nullptr };
    QGuiApplication app(qtArgc, qtArgv);

    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = u"%1x%1"_s.arg(size);
        const QPixmap picture = rt::stock::picture(u"AppIcon!"_s, size);
        if (picture.isNull() || !output.mkpath(folder)
            || !picture.save(output.filePath(folder + u"/kelvaro.png"_s), "PNG")) {
            std::fprintf(stderr, "could not write the %dx%d icon into %s\n", size, size,
                qPrintable(output.path()));
            return 1;
        }
    }
    return 0;
}
