#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>
#include <string>

class QTextBrowser;

namespace tarvik {

// The help viewer: one window browsing the program's HTML help pages, with Contents, Back and
// Forward buttons (the browser's Alt+Left and Alt+Right step back and forward too); links between
// the pages open in it, by mouse or by Tab and Enter, and Escape closes it. The program names the page of each topic through a source; for a
// topic without a page the viewer says that no help is available. Help asked for from a modal
// window stands over that window and takes input while it is open.
class HelpViewer {
public:
    // The page of a topic: the path of its HTML file; "" when there is none.
    using Source = std::function<std::string(int topic)>;

    HelpViewer() = default;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;
    ~HelpViewer() { delete window_; }

    void setSource(Source source) { source_ = std::move(source); }
    void show(int topic);

    // The viewer's window and its browser while it is open; null otherwise.
    QWidget* window() const { return window_; }
    QTextBrowser* browser() const { return window_ ? browser_ : nullptr; }

private:
    void build();
    // The window at its own size where the screen's available area has room for it, else as
    // large as that area, and inside it, the window manager's border and title bar counted.
    void fitScreen();
    // Opens topic `topic`'s page in the browser, as a step of its history.
    void open(int topic);

    Source source_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
    // The window manager's border and title bar around the window, as last seen.
    QSize decoration_;
};

} // namespace tarvik
