#include "qt/TextBoxWidget.h"

#include "qt/QtUnits.h"
#include "qt/ShownText.h"
#include "runtime/TextBox.h"
#include "runtime/UserInput.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

namespace tarvik {

TextBoxWidget::TextBoxWidget(TextBox& box, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(box, bridge)
{
    makeEditor(box.multiLine());
}

QWidget& TextBoxWidget::focusTarget() { return line_ ? static_cast<QWidget&>(*line_) : static_cast<QWidget&>(*lines_); }

void TextBoxWidget::makeEditor(bool multiLine)
{
    if (line_) line_->deleteLater();
    if (lines_) lines_->deleteLater();
    QWidget* editor = nullptr;
    if (multiLine) {
        lines_ = new QPlainTextEdit(this);
        lines_->setTabChangesFocus(true);
        lines_->setUndoRedoEnabled(false);
        lines_->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
        watch(*lines_->viewport());
        connect(lines_, &QPlainTextEdit::cursorPositionChanged, this, [this] { userSelected(); });
        connect(lines_, &QPlainTextEdit::selectionChanged, this, [this] { userSelected(); });
        editor = lines_;
    } else {
        line_ = new QLineEdit(this);
        connect(line_, &QLineEdit::cursorPositionChanged, this, [this] { userSelected(); });
        connect(line_, &QLineEdit::selectionChanged, this, [this] { userSelected(); });
        editor = line_;
    }
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setAcceptDrops(false);
    editor->setFocusPolicy(Qt::ClickFocus);
    editor->setGeometry(rect());
    watch(*editor);
    setFocusProxy(editor);
    editor->show();
}

void TextBoxWidget::resizeEvent(QResizeEvent*)
{
    focusTarget().setGeometry(rect());
    fitScrollBar();
}

void TextBoxWidget::fitScrollBar()
{
    if (!lines_) return;
    const QString text = lines_->toPlainText();
    const QFontMetricsF metrics(lines_->font());
    const double margins = 2 * lines_->document()->documentMargin() + 2 * lines_->frameWidth();
    const double room = (height() - margins) / metrics.lineSpacing();
    // Wrapped lines count as the width allows, with room for breaks at word ends.
    const double lineWidth = std::max(1.0, width() - margins - lines_->verticalScrollBar()->sizeHint().width());
    double needed = 0;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i == paragraphs.size() - 1 && paragraphs[i].isEmpty() && i > 0) break;
        needed += std::max(1.0, std::ceil(1.15 * metrics.horizontalAdvance(paragraphs[i]) / lineWidth));
    }
    lines_->setVerticalScrollBarPolicy(needed <= room ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

QString TextBoxWidget::editorText() const { return line_ ? line_->text() : lines_->toPlainText(); }

std::pair<int, int> TextBoxWidget::editorSelection() const
{
    if (line_) {
        if (!line_->hasSelectedText()) return {line_->cursorPosition(), 0};
        return {line_->selectionStart(), line_->selectionLength()};
    }
    const QTextCursor cursor = lines_->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void TextBoxWidget::showSelection(const ShownText& shown, int start, int length)
{
    const int from = shown.toShown(start);
    const int to = shown.toShown(start + length);
    if (editorSelection() == std::pair{from, to - from}) return;
    if (line_) {
        if (to > from)
            line_->setSelection(from, to - from);
        else
            line_->setCursorPosition(from);
        return;
    }
    QTextCursor cursor = lines_->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    lines_->setTextCursor(cursor);
}

void TextBoxWidget::refresh()
{
    const auto& box = controlAs<TextBox>();
    if (box.multiLine() != static_cast<bool>(lines_)) makeEditor(box.multiLine());
    const ShownText shown(box.text(), box.multiLine());
    if (editorText() != shown.text()) {
        if (line_)
            line_->setText(shown.text());
        else
            lines_->setPlainText(shown.text());
        fitScrollBar();
    }
    showSelection(shown, box.selStart(), box.selLength());
    setPaletteColor(focusTarget(), QPalette::Base, box.backColor());
    setPaletteColor(focusTarget(), QPalette::Text, box.foreColor());
}

void TextBoxWidget::userSelected()
{
    if (mirroring() || !control()) return;
    const auto& box = controlAs<TextBox>();
    const ShownText shown(box.text(), box.multiLine());
    const auto [from, length] = editorSelection();
    const int start = shown.toModel(from);
    const int end = shown.toModel(from + length);
    if (start == box.selStart() && end - start == box.selLength()) return;
    act([&](UserInput& input, Control& control) { input.selectText(static_cast<TextBox&>(control), start, end - start); });
}

bool TextBoxWidget::mouse(QWidget&, QMouseEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        if (event.button() == Qt::LeftButton) {
            act([](UserInput& input, Control& control) { input.click(control); });
            return false;
        }
        act([](UserInput& input, Control& control) { input.focus(control); });
        // No selection paste with the middle button: only keys edit.
        return event.button() == Qt::MiddleButton;
    case QEvent::MouseButtonDblClick:
        act([](UserInput& input, Control& control) { input.doubleClick(control); });
        return false;
    default: return false;
    }
}

} // namespace tarvik
