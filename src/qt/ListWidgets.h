#pragma once

#include "qt/ControlWidget.h"

#include <QComboBox>
#include <QListWidget>

namespace tarvik {

class ComboBox;
class ListBox;

// Rows are mirrored from the runtime; a row the user picks is reported as a pick (ListIndex,
// Click), and the runtime's selection is mirrored back. Qt never picks, highlights or makes
// current a row on its own (a list that takes the focus keeps "no row").

class ListBoxWidget final : public QListWidget, public ControlWidget {
public:
    ListBoxWidget(ListBox& list, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget& target, QMouseEvent& event) override;
    void focusInEvent(QFocusEvent* event) override;
};

// An editable combo box's text is edited by the runtime's keys like a text box's.
class ComboBoxWidget final : public QComboBox, public ControlWidget {
public:
    ComboBoxWidget(ComboBox& combo, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget& target, QMouseEvent& event) override;

private:
    void makeEditable(bool editable);
};

} // namespace tarvik
