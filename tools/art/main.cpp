// rumbelo-art: the art forge.
//   rumbelo-art build ART OUT          render every picture, image list and sound into OUT
//   rumbelo-art sheet WHAT OUT.png     a contact sheet: a theme letter, "common", "guide",
//                                      "icons", "world-X" (theme X's building put together) or
//                                      "static-X" (its static scene)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <iostream>
#include <thread>

#include "forge.h"
#include "sheet.h"

namespace {
int usage() {
    std::cerr << "usage: rumbelo-art build ART_DIR OUT_DIR\n"
                 "       rumbelo-art sheet F|C|N|A|P|E|common|guide|icons|world-X|static-X OUT.png "
                 "[ART_DIR]\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    // Fonts are only needed for the sheets' captions; pictures carry no text.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 3 && args[0] == QLatin1String("build")) {
            QElapsedTimer timer;
            timer.start();
            const rumbelo::art::Forge forge(args[1]);
            const int threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
            const auto written = rumbelo::art::buildAll(forge, args[2], threads);
            std::cout << "rumbelo-art: " << written.size() << " files in " << timer.elapsed()
                      << " ms\n";
            return 0;
        }
        if ((args.size() == 3 || args.size() == 4) && args[0] == QLatin1String("sheet")) {
            const QString artDir = args.size() == 4 ? args[3] : QStringLiteral(RUMBELO_ART_DIR);
            const rumbelo::art::Forge forge(artDir);
            rumbelo::art::writeContactSheet(forge, args[1], args[2]);
            return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "rumbelo-art: " << e.what() << "\n";
        return 1;
    }
    return usage();
}
