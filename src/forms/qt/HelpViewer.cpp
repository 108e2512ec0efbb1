#include "forms/qt/HelpViewer.h"

#include "forms/qt/QtUnits.h"

#include <QCoreApplication>

namespace tarvik {

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
        browser_->setPlainText(shown);
    browser_->setWindowTitle(QCoreApplication::applicationName() + QStringLiteral(" Help"));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

} // namespace tarvik
