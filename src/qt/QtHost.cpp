#include "qt/QtHost.h"

#include "qt/BusyCursor.h"
#include "qt/MainWindow.h"
#include "qt/QtUnits.h"
#include "qt/QuietShowing.h"
#include "qt/TimerPump.h"
#include "runtime/MsgBox.h"
#include "runtime/Runtime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <map>

namespace tarvik {

namespace {

// Runs Qt events until `done` holds. Every batch of events is followed by a check, so program end
// requested from any handler unwinds the loop.
void runEventsUntil(const std::function<bool()>& done)
{
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QMessageBox::Icon iconOf(int buttons)
{
    switch (buttons & 0x70) {
    case msgbox::Critical: return QMessageBox::Critical;
    case msgbox::Question: return QMessageBox::Question;
    case msgbox::Exclamation: return QMessageBox::Warning;
    case msgbox::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole roleOf(int answer)
{
    switch (answer) {
    case msgbox::Ok:
    case msgbox::Yes:
    case msgbox::Retry: return QMessageBox::AcceptRole;
    case msgbox::No: return QMessageBox::NoRole;
    case msgbox::Cancel:
    case msgbox::Abort: return QMessageBox::RejectRole;
    default: return QMessageBox::ActionRole;
    }
}

} // namespace

void QtHost::runModal(Runtime&, Form&, const std::function<bool()>& finished)
{
    BusyCursor::Pause waitingForTheUser;
    runEventsUntil(finished);
}

int QtHost::messageBox(Runtime& runtime, const std::string& prompt, int buttons, const std::string& title)
{
    QWidget* parent = QApplication::activeWindow() ? QApplication::activeWindow() : static_cast<QWidget*>(mainWindow_);
    const QString caption = title.empty() ? QCoreApplication::applicationName() : toQString(title);
    QPointer<QMessageBox> box = new QMessageBox(iconOf(buttons), caption, toQString(prompt), QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowModality(Qt::ApplicationModal);
    std::map<QAbstractButton*, int> answers;
    const int dismissed = msgbox::dismissAnswer(buttons);
    for (int answer : msgbox::answersOf(buttons)) {
        QPushButton* button = box->addButton(toQString(msgbox::answerName(answer)), roleOf(answer));
        answers[button] = answer;
        if (answer == dismissed) box->setEscapeButton(button);
    }
    BusyCursor::Pause waitingForTheUser;
    // A message that comes while the user is in another application leaves the user there.
    if (mainWindow_ && mainWindow_->inBackground())
        showQuietly(*box);
    else
        box->show();
    runEventsUntil([&] { return !box || !box->isVisible() || runtime.endRequested(); });
    int answer = dismissed;
    if (box) {
        if (auto chosen = answers.find(box->clickedButton()); chosen != answers.end()) answer = chosen->second;
        box->hide();
        box->deleteLater();
    }
    return answer;
}

// A sequence that lets events run waits on what the user may do (a Stop click on a watched move):
// it shows the normal cursor, unlike a bounded wait, which stays busy.
void QtHost::processPendingInput(Runtime&)
{
    BusyCursor::awaitUser();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtHost::idleWait(Runtime& runtime, std::int64_t micros)
{
    // Waits the whole time with input running, unless the program ends or something of the
    // runtime falls due sooner (input may have started a timer): the runtime then takes over.
    const std::int64_t deadline = runtime.clock().nowMicros() + micros;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (;;) {
        const std::int64_t left = deadline - runtime.clock().nowMicros();
        if (left <= 0 || runtime.endRequested()) return;
        if (const auto next = runtime.nextDueMicros(); next && *next < deadline) return;
        wake.start(static_cast<int>(std::min<std::int64_t>((left + 999) / 1000, 60'000)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void QtHost::sleepUntilInput(Runtime& runtime, std::int64_t micros)
{
    // One pass of the event loop, which sleeps until its first event: input, a paint, the timer
    // pump's tick, or the wake-up at the end of the time given. The sleep waits on the user, as
    // processPendingInput does: the normal cursor shows.
    if (micros <= 0 || runtime.endRequested()) return;
    BusyCursor::awaitUser();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(std::min<std::int64_t>((micros + 999) / 1000, 60'000)));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtHost::wakeAt(Runtime&, std::optional<std::int64_t> dueMicros)
{
    if (pump_) pump_->arm(dueMicros);
}

void QtHost::beep() { QApplication::beep(); }

void QtHost::showHelp(int topic) { help_.show(topic); }

} // namespace tarvik
