// Saves a picture of the whole X screen, foreign windows included, so tests can
// show what another program (the help viewer, the installed calculator) drew.
// Usage: screen-grab OUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screen-grab OUT.png\n");
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "screen-grab: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
