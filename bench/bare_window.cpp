// The floor of the memory figures: a bare Qt Widgets window, started the way the program starts
// (same platform, same fonts), with one line of Chinese text, painted once. Prints PAINTED, then
// with --hold waits for the end of standard input before ending, so its peak memory can be read.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(500, 239);
    QLabel text(QStringLiteral("请选择模考题编号 START"), &window);
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
    std::puts("PAINTED");
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "--hold") == 0) {
        char buffer[256];
        while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {}
    }
    return 0;
}
