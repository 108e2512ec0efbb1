#pragma once

#include <QPointer>
#include <QTextBrowser>

#include <functional>
#include <string>

namespace tarvik {

// The help viewer: one window showing a help topic. The program supplies the topics' contents
// (HTML, or plain text) through a source; without one, or for a topic it does not know (an empty
// text), the viewer says that no help is available.
class HelpViewer {
public:
    using Source = std::function<std::string(int topic)>;

    HelpViewer() = default;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;
    ~HelpViewer() { delete browser_; }

    void setSource(Source source) { source_ = std::move(source); }
    void show(int topic);

private:
    Source source_;
    QPointer<QTextBrowser> browser_;
};

} // namespace tarvik
