#include "qt/HelpViewer.h"

#include "qt/AreaFit.h"
#include "qt/EventHook.h"
#include "qt/QtUnits.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace tarvik {

namespace {

constexpr int kContentsTopic = 0;
constexpr int kViewerWidth = 640;
constexpr int kViewerHeight = 560;

// A tool button; `keys` names the browser's own key for it in the tooltip.
QToolButton* toolButton(const QString& text, const QString& keys, QWidget& parent)
{
    auto* button = new QToolButton(&parent);
    button->setText(text);
    button->setToolTip(keys.isEmpty() ? text : text + QStringLiteral(" (") + keys + QLatin1Char(')'));
    return button;
}

} // namespace

void HelpViewer::build()
{
    window_ = new QWidget;
    decoration_ = QSize();
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" Help"));
    fitScreen();
    // Once the window manager has framed the window, it is fitted again with the frame counted.
    new EventHook(*window_, [this](QEvent& event) {
        if (event.type() != QEvent::Move && event.type() != QEvent::Resize) return false;
        const QSize decoration = window_->frameGeometry().size() - window_->size();
        if (decoration != decoration_) {
            decoration_ = decoration;
            fitScreen();
        }
        return false;
    });

    browser_ = new QTextBrowser(window_);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    QToolButton* contents = toolButton(QStringLiteral("Contents"), QString(), *window_);
    QToolButton* back = toolButton(QStringLiteral("Back"), QStringLiteral("Alt+Left"), *window_);
    QToolButton* forward = toolButton(QStringLiteral("Forward"), QStringLiteral("Alt+Right"), *window_);
    back->setEnabled(false);
    forward->setEnabled(false);
    QObject::connect(contents, &QToolButton::clicked, browser_, [this] { open(kContentsTopic); });
    QObject::connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    QObject::connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    QObject::connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    QObject::connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    // Escape, wherever the focus is in the window, reaches the window: the browser and the buttons
    // leave it to their parent.
    new EventHook(*window_, [this](QEvent& event) {
        if (event.type() != QEvent::KeyPress || static_cast<QKeyEvent&>(event).key() != Qt::Key_Escape) return false;
        window_->close();
        return true;
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(window_);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
}

void HelpViewer::fitScreen()
{
    const QScreen* screen = window_->screen();
    if (!screen || window_->windowState() != Qt::WindowNoState) return;
    const QRect wanted(window_->frameGeometry().topLeft(), QSize(kViewerWidth, kViewerHeight) + decoration_);
    const QRect shown = within(wanted, screen->availableGeometry());
    window_->resize(shown.size() - decoration_);
    // Until the window manager has placed the window, it chooses where.
    if (window_->isVisible()) window_->move(shown.topLeft());
}

void HelpViewer::open(int topic)
{
    const QString page = toQString(source_ ? source_(topic) : std::string());
    if (page.isEmpty())
        browser_->setHtml(QStringLiteral("<p>No help is available for topic %1.</p>").arg(topic));
    else
        browser_->setSource(QUrl::fromLocalFile(page));
}

void HelpViewer::show(int topic)
{
    if (!window_) build();
    open(topic);
    // A modal window blocks every other window; the viewer belongs to the modal window it was
    // asked for from, so that it can be read, scrolled and closed while that window is open.
    window_->winId();
    QWidget* modal = QApplication::activeModalWidget();
    window_->windowHandle()->setTransientParent(modal && modal != window_ ? modal->windowHandle() : nullptr);
    window_->show();
    window_->raise();
    window_->activateWindow();
    browser_->setFocus();
}

} // namespace tarvik
