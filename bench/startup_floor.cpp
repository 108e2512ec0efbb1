// Start-up floor: the least Qt multiple-document program with a menu bar, ended at its first
// idle turn. Tarvik's start-up is measured against it.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* area = new QMdiArea(&window);
    window.setCentralWidget(area);
    for (const char* title : {"&File", "F&unctions", "&Initialize Board", "&Test", "&Demo", "&Help"})
        window.menuBar()->addMenu(title)->addAction("Item");
    area->addSubWindow(new QWidget)->show();
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
