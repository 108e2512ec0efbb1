#include "qt/HelpViewer.h"

#include "qt/EventHook.h"
#include "qt/QtUnits.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" Help"));
    window_->resize(kViewerWidth, kViewerHeight);

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
