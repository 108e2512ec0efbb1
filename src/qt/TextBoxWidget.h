#pragma once

#include "qt/ControlWidget.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace tarvik {

class ShownText;
class TextBox;

// A text box: a line editor, or a plain-text editor for a multi-line box. Qt never edits the
// text: keys go to the runtime (KeyDown, KeyPress, the edit, Change, KeyUp) and the text and
// selection it decides are mirrored back. Mouse selection is reported to the runtime.
class TextBoxWidget final : public QWidget, public ControlWidget {
public:
    TextBoxWidget(TextBox& box, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }
    QWidget& focusTarget() override;

protected:
    void refresh() override;
    bool mouse(QWidget& target, QMouseEvent& event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void makeEditor(bool multiLine);
    QString editorText() const;
    // The editor's selection as (start, length) in Qt positions.
    std::pair<int, int> editorSelection() const;
    void showSelection(const ShownText& shown, int start, int length);
    // A multi-line box shows its vertical scroll bar only when its lines do not fit; a line break
    // that ends the text opens no line worth scrolling to.
    void fitScrollBar();
    void userSelected();

    QPointer<QLineEdit> line_;
    QPointer<QPlainTextEdit> lines_;
};

} // namespace tarvik
