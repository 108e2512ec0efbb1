#include "qt/MainWindow.h"

#include "qt/MenuBarMirror.h"
#include "qt/QtUnits.h"
#include "runtime/Form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvik {

MainWindow::MainWindow(InputBridge& bridge)
    : FormFrame<QMainWindow>(bridge, false), mdi_(new QMdiArea), strip_(new QWidget), stripLayout_(new QVBoxLayout(strip_)),
      menus_(std::make_unique<MenuBarMirror>(*menuBar(), bridge))
{
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    stripLayout_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(strip_);
    layout->addWidget(mdi_, 1);
    strip_->hide();
    setCentralWidget(central);
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        auto* link = dynamic_cast<FrameLink*>(window);
        if (link && link->form()) bridge_.formActivated(*link->form());
    });
    addChildWindowKeys();
    hadKeyboard_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        hadKeyboard_ = hadKeyboard_ || state == Qt::ApplicationActive;
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::bind(Form& form, QWidget& surface)
{
    link(&form);
    surface_ = &surface;
    stripLayout_->addWidget(&surface);
    menus_->build(&form);
    fitStrip();
}

void MainWindow::unbind()
{
    link(nullptr);
    menus_->build(nullptr);
    if (surface_) stripLayout_->removeWidget(surface_);
    surface_ = nullptr;
    strip_->hide();
}

bool MainWindow::inBackground() const
{
    return hadKeyboard_ && QGuiApplication::applicationState() != Qt::ApplicationActive;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && form())
        bridge_.key(*form(), nullptr, *event);
    else
        FormFrame::keyPressEvent(event);
}

void MainWindow::addChildWindowKeys()
{
    const auto shortcut = [this](QKeySequence keys, auto action) {
        auto* added = new QShortcut(keys, this);
        added->setContext(Qt::WindowShortcut);
        connect(added, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] { activateNeighbour(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [this] { activateNeighbour(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), [this] { activateNeighbour(-1); });
    // A child window closes itself on the platform's close key (Ctrl+W under X11); the other of the
    // two is added here. A key bound twice would be ambiguous and close nothing.
    const QList<QKeySequence> ownCloseKeys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)})
        if (!ownCloseKeys.contains(keys)) shortcut(keys, [this] { closeActiveChild(); });
}

void MainWindow::closeActiveChild()
{
    QMdiSubWindow* active = mdi_->activeSubWindow();
    if (active && !isBackdrop(*active)) active->close();
}

void MainWindow::activateNeighbour(int step)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && !isBackdrop(*window)) windows.append(window);
    if (windows.size() < 2) return;
    const auto at = static_cast<int>(windows.indexOf(mdi_->activeSubWindow()));
    const auto count = static_cast<int>(windows.size());
    const int next = at < 0 ? 0 : (at + step + count) % count;
    mdi_->setActiveSubWindow(windows[next]);
}

void MainWindow::fitStrip()
{
    int bottom = 0;
    if (surface_)
        for (QWidget* child : surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden()) bottom = std::max(bottom, child->geometry().bottom() + 1);
    strip_->setFixedHeight(bottom);
    strip_->setVisible(bottom > 0);
}

} // namespace tarvik
