// The yardstick of the export benchmark: a process that starts Qt's GUI
// application object on the offscreen platform and ends at once.

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    return 0;
}
