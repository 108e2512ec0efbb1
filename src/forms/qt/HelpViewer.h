#pragma once

#include <QPointer>
#include <QTextBrowser>

#include <functional>
#include <string>

namespace tarvik {

// The help viewer: one window showing a help topic. The program supplies the topics' contents
// (HTML, or plain text) through a source; without one, or for a topic it does not know (an empty
// text), the viewer says that no help is available. Plain text is a title line followed by
// paragraphs broken into lines, which the viewer joins and wraps to its width; indented lines
// (lists) stay as they are. Help asked for from a modal window stands over that window and
// takes input while it is open.
class HelpViewer {
public:
    using Source = std::function<std::string(int topic)>;

    HelpViewer() = default;
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;
    ~HelpViewer() { delete browser_; }

    void setSource(Source source) { source_ = std::move(source); }
    void show(int topic);

    // Plain help text as the viewer lays it out.
    static QString htmlOf(const QString& plainText);

private:
    Source source_;
    QPointer<QTextBrowser> browser_;
};

} // namespace tarvik
