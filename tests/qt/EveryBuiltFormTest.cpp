// Every window the program builds, shown under Qt on the offscreen platform: its captions fit
// their controls, what Qt shows is what the runtime holds, and modal windows look modal. The
// same suite runs at a 2x scale (QT_SCALE_FACTOR=2) as a test of its own.

#include "EveryBuiltForm.h"

#include "qt/ControlWidget.h"
#include "qt/Renderer.h"
#include "qt/ShownText.h"
#include "runtime/FormRuntime.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace tarvik::testing {
namespace {

std::string captionOf(const Control& control)
{
    switch (control.kind()) {
    case ControlKind::Label: return static_cast<const Label&>(control).caption();
    case ControlKind::CommandButton: return static_cast<const CommandButton&>(control).caption();
    case ControlKind::CheckBox: return static_cast<const CheckBox&>(control).caption();
    case ControlKind::OptionButton: return static_cast<const OptionButton&>(control).caption();
    case ControlKind::Frame: return static_cast<const Frame&>(control).caption();
    default: return {};
    }
}

// What the widget shows against what the runtime holds; "" when they agree.
std::string disagreement(const Control& control, QWidget& widget)
{
    std::ostringstream out;
    if (widget.isEnabled() != control.effectivelyEnabled())
        out << " enabled: runtime " << control.effectivelyEnabled() << ", shown " << widget.isEnabled();
    switch (control.kind()) {
    case ControlKind::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        const QString wanted = ShownText(box.text(), box.multiLine()).text();
        const QString shown = box.multiLine() ? widget.findChild<QPlainTextEdit*>()->toPlainText()
                                              : widget.findChild<QLineEdit*>()->text();
        if (shown != wanted) out << " text: runtime \"" << box.text() << "\", shown \"" << shown.toStdString() << "\"";
        break;
    }
    case ControlKind::ListBox: {
        const auto& list = static_cast<const ListBox&>(control);
        auto& rows = static_cast<QListWidget&>(widget);
        const int selected = rows.selectedItems().isEmpty() ? -1 : rows.row(rows.selectedItems().front());
        if (rows.count() != list.listCount()) out << " rows: runtime " << list.listCount() << ", shown " << rows.count();
        if (rows.currentRow() != list.listIndex() || selected != list.listIndex())
            out << " row: runtime " << list.listIndex() << ", shown current " << rows.currentRow() << " selected " << selected;
        break;
    }
    case ControlKind::ComboBox: {
        const auto& combo = static_cast<const ComboBox&>(control);
        auto& shown = static_cast<QComboBox&>(widget);
        if (shown.currentIndex() != combo.listIndex())
            out << " row: runtime " << combo.listIndex() << ", shown " << shown.currentIndex();
        break;
    }
    case ControlKind::CheckBox: {
        const int value = static_cast<const CheckBox&>(control).value();
        const Qt::CheckState state = static_cast<QAbstractButton&>(widget).isChecked() ? Qt::Checked : Qt::Unchecked;
        if ((value == CheckBox::Checked) != (state == Qt::Checked)) out << " value: runtime " << value;
        break;
    }
    case ControlKind::OptionButton:
        if (static_cast<const OptionButton&>(control).value() != static_cast<QAbstractButton&>(widget).isChecked())
            out << " value: runtime " << static_cast<const OptionButton&>(control).value();
        break;
    case ControlKind::ScrollBar: {
        const auto& bar = static_cast<const ScrollBar&>(control);
        const int shown = static_cast<QScrollBar&>(widget).value();
        if (shown != bar.value() && shown != bar.min() + bar.max() - bar.value())
            out << " value: runtime " << bar.value() << ", shown " << shown;
        break;
    }
    default: break;
    }
    return out.str();
}

// Screenshots of every window for a look by eye, when a folder for them is given.
void keepScreenshot(const Form& form, QWidget* window)
{
    const char* folder = std::getenv("TARVIK_FORM_SHOTS");
    if (!folder || !window) return;
    std::filesystem::create_directories(folder);
    window->grab().save(QString::fromStdString((std::filesystem::path(folder) / (form.name() + ".png")).string()));
}

TEST(EveryBuiltForm, CaptionsFitShownStateIsTheRuntimesAndModalWindowsHaveNoMinMaxBoxes)
{
    RunningProgram program;
    // A servo board for the servo panel and the XY demo, a stepper board for the stepper panel;
    // only one stepper, as a stepper's initialisation moves take seconds.
    constexpr std::int16_t kServo3 = 1, kClosedLoop3 = 3;
    initialiseAtStartUp({kServo3, kClosedLoop3});
    ASSERT_TRUE(program.start());
    Renderer& renderer = *program.qt.renderer();
    std::vector<std::string> clipped;
    std::vector<std::string> disagreeing;
    std::vector<std::string> modalBoxes;
    int forms = 0;
    std::set<std::string> visited;

    visitEveryBuiltForm(program, [&](Form& form) {
        ++forms;
        visited.insert(form.name());
        QWidget* window = renderer.windowOf(form);
        keepScreenshot(form, window);
        if (form.isModal() && window &&
            (window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)))
            modalBoxes.push_back("\"" + form.caption() + "\" (" + form.name() + ")");
        for (Control* control : form.controls()) {
            ControlWidget* widget = renderer.widgetOf(*control);
            if (!widget || !control->effectivelyVisible()) continue;
            if (const int overflow = widget->captionOverflow(); overflow > 0)
                clipped.push_back(where(form, *control) + ": \"" + captionOf(*control) + "\" needs " +
                                  std::to_string(overflow) + " px more");
            if (const std::string found = disagreement(*control, widget->widget()); !found.empty())
                disagreeing.push_back(where(form, *control) + ":" + found);
        }
    });

    EXPECT_GT(forms, 40) << "the menus reached too few windows";
    for (const char* panel : {"frmservtest", "frmsteptest", "frmxytable", "frmxyhome", "frmxyindex", "frmScaleSegments"})
        EXPECT_TRUE(visited.contains(panel)) << panel << " was not reached";
    EXPECT_TRUE(clipped.empty()) << "Captions wider than their controls:" << listed(clipped);
    EXPECT_TRUE(disagreeing.empty()) << "Shown otherwise than the runtime holds:" << listed(disagreeing);
    EXPECT_TRUE(modalBoxes.empty()) << "Modal windows with minimise or maximise boxes:" << listed(modalBoxes);
    program.runtime.endProgram();
    settle();
}

} // namespace
} // namespace tarvik::testing
