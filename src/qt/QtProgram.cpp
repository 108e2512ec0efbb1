#include "qt/QtProgram.h"

#include "base/Clock.h"
#include "qt/BusyCursor.h"
#include "qt/InputBridge.h"
#include "qt/MainWindow.h"
#include "qt/QtHost.h"
#include "qt/Renderer.h"
#include "qt/TimerPump.h"
#include "runtime/EndSignals.h"
#include "runtime/Runtime.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSocketNotifier>

#include <stdexcept>

namespace tarvik {

namespace {

// The icon in the program's title bars, in place of the toolkit's own: a plain blue tile.
QIcon programIcon()
{
    QPixmap tile(32, 32);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 90, 160));
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 8, 16, 4));
    painter.drawRect(QRectF(14, 8, 4, 16));
    return QIcon(tile);
}

// On X, Qt hands the server its window images through shared memory, and before it paints again
// where the last image lay it waits for the server to be done with it: a round trip, and two
// more wake-ups of the program, for every repaint of a readout that changes twenty times a
// second. The program's repaints are small; sent over the connection they cost less. A setting
// of the user's own wins.
void sendWindowImagesOverTheConnection()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace

struct QtProgram::Parts {
    Parts(int& argc, char** argv) : application(argc, argv) {}

    QApplication application;
    RealClock clock;
    QtHost host;
    std::unique_ptr<InputBridge> bridge;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<TimerPump> pump;
    std::unique_ptr<Renderer> renderer;
    std::unique_ptr<QSocketNotifier> endSignals;
    Runtime* runtime = nullptr;
    bool looping = false;
};

QtProgram::QtProgram(int& argc, char** argv)
    : parts_([&] {
          sendWindowImagesOverTheConnection();
          return std::make_unique<Parts>(argc, argv);
      }())
{
    QApplication::setQuitOnLastWindowClosed(false);
    // Message boxes without a title and the help viewer carry the program's name.
    QCoreApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setWindowIcon(programIcon());
}

QtProgram::~QtProgram()
{
    if (parts_->pump) parts_->pump->stop();
    parts_->endSignals.reset();
    parts_->renderer.reset();
    parts_->host.setMainWindow(nullptr);
    parts_->host.setTimerPump(nullptr);
    parts_->mainWindow.reset();
    // Surfaces and frames of unloaded forms were handed to Qt for later deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Clock& QtProgram::clock() { return parts_->clock; }

Host& QtProgram::host() { return parts_->host; }

void QtProgram::setHelpSource(HelpSource source) { parts_->host.help().setSource(std::move(source)); }

Renderer* QtProgram::renderer() const { return parts_->renderer.get(); }

void QtProgram::start(Runtime& runtime, const std::function<void()>& startUp)
{
    if (&runtime.host() != &parts_->host) throw std::logic_error("the runtime must run on the Qt program's host");
    if (parts_->runtime) throw std::logic_error("the Qt program runs one runtime");
    Parts& parts = *parts_;
    parts.runtime = &runtime;
    parts.bridge = std::make_unique<InputBridge>(runtime);
    parts.mainWindow = std::make_unique<MainWindow>(*parts.bridge);
    parts.mainWindow->setWindowTitle(QCoreApplication::applicationName());
    parts.mainWindow->resize(1024, 720);
    parts.host.setMainWindow(parts.mainWindow.get());
    parts.pump = std::make_unique<TimerPump>(runtime);
    parts.host.setTimerPump(parts.pump.get());
    parts.renderer = std::make_unique<Renderer>(runtime, *parts.bridge, *parts.mainWindow);
    parts.renderer->setOnProgramEnded([&parts] {
        parts.pump->stop();
        parts.mainWindow->hide();
        if (parts.looping) QCoreApplication::exit(0);
    });
    // An end signal wakes the loop wherever it runs, start-up and modal windows included.
    if (EndSignals* caught = runtime.endSignals()) {
        parts.endSignals = std::make_unique<QSocketNotifier>(caught->readFd(), QSocketNotifier::Read);
        QObject::connect(parts.endSignals.get(), &QSocketNotifier::activated, parts.endSignals.get(),
                         [&runtime] { runtime.endOnSignal(); });
    }
    if (startUp) {
        BusyCursor busy;
        startUp();
    }
    if (runtime.ended()) return;
    parts.renderer->followMainForm();
    parts.renderer->showActive();
    // A start-up that showed nothing still leaves a window to close.
    if (!parts.mainWindow->isVisible()) parts.mainWindow->show();
    parts.pump->arm(runtime.nextDueMicros());
}

int QtProgram::exec()
{
    if (!parts_->runtime) throw std::logic_error("start the Qt program before running its event loop");
    if (parts_->runtime->ended()) return 0;
    parts_->looping = true;
    const int status = QApplication::exec();
    parts_->looping = false;
    return status;
}

int QtProgram::run(Runtime& runtime, const std::function<void()>& startUp)
{
    start(runtime, startUp);
    return exec();
}

} // namespace tarvik
