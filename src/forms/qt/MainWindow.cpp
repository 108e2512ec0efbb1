#include "forms/qt/MainWindow.h"

#include "forms/qt/MenuBarMirror.h"
#include "forms/qt/QtUnits.h"
#include "forms/runtime/Form.h"

#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
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

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && form())
        bridge_.key(*form(), nullptr, *event);
    else
        FormFrame::keyPressEvent(event);
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
