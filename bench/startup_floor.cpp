// Start-up floor: the least Qt multiple-document program with a menu bar, ended at its first
// idle turn. Tarvik's start-up is measured against it.
// Usage: bench_startup_floor [--rest | --readout]
//   --rest      stays at rest until a signal ends it;
//   --readout   stays, its child window showing a number that changes 20 times a second (what a
//               running test panel's position readout costs at the least), until a signal ends it.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>

#include <string_view>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const std::string_view mode = argc > 1 ? argv[1] : "";
    QMainWindow window;
    auto* area = new QMdiArea(&window);
    window.setCentralWidget(area);
    for (const char* title : {"&File", "F&unctions", "&Initialize Board", "&Test", "&Demo", "&Help"})
        window.menuBar()->addMenu(title)->addAction("Item");
    auto* child = new QWidget;
    area->addSubWindow(child)->show();
    window.resize(800, 600);
    window.show();
    QTimer poll;
    int position = 0;
    if (mode == "--readout") {
        auto* readout = new QLabel(child);
        readout->setGeometry(10, 10, 100, 20);
        // Opaque, it repaints alone, not the window beneath.
        readout->setAutoFillBackground(true);
        readout->show();
        child->parentWidget()->resize(400, 300);
        poll.setTimerType(Qt::PreciseTimer);
        QObject::connect(&poll, &QTimer::timeout, [&] { readout->setNum(position += 137); });
        poll.start(50);
    } else if (mode != "--rest") {
        QTimer::singleShot(0, &application, &QApplication::quit);
    }
    return application.exec();
}
