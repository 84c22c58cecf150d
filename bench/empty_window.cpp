// The baseline of the memory figure: a bare Qt window of the main window's
// size, shown and left running.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(735, 487);
    window.setWindowTitle(QStringLiteral("empty"));
    window.show();
    return app.exec();
}
