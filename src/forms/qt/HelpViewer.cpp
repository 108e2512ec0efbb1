#include "forms/qt/HelpViewer.h"

#include "forms/qt/QtUnits.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <QWindow>

namespace tarvik {

QString HelpViewer::htmlOf(const QString& plainText)
{
    QStringList lines = plainText.split(QLatin1Char('\n'));
    QString html;
    QString paragraph;
    const auto endParagraph = [&] {
        if (!paragraph.isEmpty()) html += QStringLiteral("<p>") + paragraph + QStringLiteral("</p>");
        paragraph.clear();
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (i == 0) {
            html += QStringLiteral("<h3>") + line.trimmed().toHtmlEscaped() + QStringLiteral("</h3>");
        } else if (line.trimmed().isEmpty()) {
            endParagraph();
        } else if (line.front().isSpace()) {
            endParagraph();
            html += QStringLiteral("<div style=\"white-space:pre\">") + line.toHtmlEscaped() + QStringLiteral("</div>");
        } else {
            if (!paragraph.isEmpty()) paragraph += QLatin1Char(' ');
            paragraph += line.trimmed().toHtmlEscaped();
        }
    }
    endParagraph();
    return html;
}

void HelpViewer::show(int topic)
{
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setOpenExternalLinks(false);
        browser_->resize(520, 420);
    }
    const std::string text = source_ ? source_(topic) : std::string();
    const QString shown = toQString(text);
    if (shown.isEmpty())
        browser_->setPlainText(QStringLiteral("No help is available for topic %1.").arg(topic));
    else if (shown.trimmed().startsWith(QLatin1Char('<')))
        browser_->setHtml(shown);
    else
        browser_->setHtml(htmlOf(shown));
    browser_->setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" Help"));
    // A modal window blocks every other window; the viewer belongs to the modal window it was
    // asked for from, so that it can be read, scrolled and closed while that window is open.
    browser_->winId();
    QWidget* modal = QApplication::activeModalWidget();
    browser_->windowHandle()->setTransientParent(modal && modal != browser_ ? modal->windowHandle() : nullptr);
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

} // namespace tarvik
