// The yardstick for Kelvaro's start-up: a bare Qt window of the same size with
// a menu bar, quitting after its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.resize(436, 485);
    window.show();
    const QuitAfterFirstPaint quit(window);
    return QApplication::exec();
}
