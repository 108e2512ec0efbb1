#include "qt/ListWidgets.h"

#include "qt/QtUnits.h"
#include "qt/ShownText.h"
#include "runtime/ListControls.h"
#include "runtime/UserInput.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

QStringList rowsOf(const ListControl& list)
{
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(list.items().size()));
    for (const auto& item : list.items()) rows.push_back(toQString(item));
    return rows;
}

void focusControl(UserInput& input, Control& control) { input.focus(control); }

// List rows one text line high, as the forms' list heights count them (a line is about 1.25
// times the font's size; some fonts report a far larger line height). The style's padded rows
// would leave the last rows of a list out of sight.
class TextLineRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int line = static_cast<int>(std::ceil(QFontInfo(option.font).pixelSize() * kLineToFontSize));
        size.setHeight(std::min(option.fontMetrics.height(), line));
        return size;
    }

private:
    static constexpr double kLineToFontSize = 1.25;
};

} // namespace

ListBoxWidget::ListBoxWidget(ListBox& list, InputBridge& bridge, QWidget* parent) : QListWidget(parent), ControlWidget(list, bridge)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setItemDelegate(new TextLineRows(this));
    watch(*this);
    watch(*viewport());
}

// Qt would make the first row current as the list takes the focus: that is no pick of the user's.
void ListBoxWidget::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ListBoxWidget::refresh()
{
    const auto& list = controlAs<ListBox>();
    const QStringList rows = rowsOf(list);
    bool same = count() == rows.size();
    for (int row = 0; same && row < count(); ++row) same = item(row)->text() == rows[row];
    if (!same) {
        clear();
        addItems(rows);
    }
    if (currentRow() != list.listIndex()) setCurrentRow(list.listIndex());
    if (list.listIndex() < 0) clearSelection();
}

bool ListBoxWidget::mouse(QWidget& target, QMouseEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress: {
        // A left press on a row picks it (the focus moves first); anywhere else it only focuses.
        const int row = &target == viewport() && event.button() == Qt::LeftButton
                            ? indexAt(event.position().toPoint()).row()
                            : -1;
        if (row >= 0)
            act([row](UserInput& input, Control& control) { input.select(static_cast<ListBox&>(control), row); });
        else
            act(focusControl);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        act([](UserInput& input, Control& control) { input.doubleClick(control); });
        return true;
    case QEvent::MouseButtonRelease: return true;
    case QEvent::MouseMove: return event.buttons() != Qt::NoButton;
    default: return false;
    }
}

ComboBoxWidget::ComboBoxWidget(ComboBox& combo, InputBridge& bridge, QWidget* parent) : QComboBox(parent), ControlWidget(combo, bridge)
{
    setInsertPolicy(QComboBox::NoInsert);
    watch(*this);
    makeEditable(combo.editable());
    connect(this, &QComboBox::activated, this, [this](int row) {
        if (row < 0) return;
        act([row](UserInput& input, Control& control) { input.select(static_cast<ComboBox&>(control), row); });
    });
}

void ComboBoxWidget::makeEditable(bool editable)
{
    setEditable(editable);
    if (!editable) return;
    setCompleter(nullptr);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setAcceptDrops(false);
    watch(*lineEdit());
}

void ComboBoxWidget::refresh()
{
    const auto& combo = controlAs<ComboBox>();
    if (combo.editable() != isEditable()) makeEditable(combo.editable());
    const QStringList rows = rowsOf(combo);
    bool same = count() == rows.size();
    for (int row = 0; same && row < count(); ++row) same = itemText(row) == rows[row];
    if (!same) {
        clear();
        addItems(rows);
    }
    if (currentIndex() != combo.listIndex()) setCurrentIndex(combo.listIndex());
    if (QLineEdit* edit = lineEdit()) {
        const ShownText shown(combo.text(), false);
        if (edit->text() != shown.text()) edit->setText(shown.text());
        const int from = shown.toShown(combo.selStart());
        const int to = shown.toShown(combo.selStart() + combo.selLength());
        if (to > from)
            edit->setSelection(from, to - from);
        else
            edit->setCursorPosition(from);
    }
    setPaletteColor(*this, QPalette::Base, combo.backColor());
    setPaletteColor(*this, QPalette::Text, combo.foreColor());
}

bool ComboBoxWidget::mouse(QWidget&, QMouseEvent& event)
{
    if (event.type() == QEvent::MouseButtonPress) act(focusControl);
    // Qt opens the row list; a row chosen there is reported as a pick. The mouse never
    // selects text in the editable part.
    return event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonRelease;
}

} // namespace tarvik
