#pragma once

#include "kit/ProgramTest.h"

#include "init/InitializeBoardMenu.h"
#include "init/Wizard.h"
#include "kit/ScratchDirectory.h"
#include "mainwindow/MainWindowForm.h"

#include <stdexcept>
#include <string>

namespace tarvik::testing {

// The program started with the built-in boards: ID 1 3-axis servo (300), 2 3-axis open-loop
// stepper (320), 3 3-axis closed-loop stepper (340), 4 4-axis servo (D000), 5 4-axis open-loop
// stepper (D100), 6 4-axis closed-loop stepper (D200), 7 encoder (D300).
class WizardTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    MainWindowForm& main() { return *app().loaded<MainWindowForm>(); }

    // Picks the board from the Initialize Board menu, confirming the board when asked.
    template <class W>
    W& pick(int board)
    {
        answer("frmconfbid", "cmdcont");
        chooseMenu("bidmu", board);
        W* wizard = app().loaded<W>();
        if (!wizard) throw std::runtime_error("the wizard did not open");
        return *wizard;
    }

    // Picks the board as above; the wizard of its group.
    Wizard& pickWizard(int board)
    {
        answer("frmconfbid", "cmdcont");
        chooseMenu("bidmu", board);
        return WizardOf(app(), *groupOf(app().state().boards.BoardType[static_cast<std::size_t>(board)]));
    }

    // Initialize, confirmed.
    void initialize(Wizard& wizard)
    {
        answer("frmconfinit", "cmdcont");
        click(wizard.cmdinit);
    }

    // The text of the last error window shown, "" when none.
    std::string lastError() const
    {
        const std::vector<std::string> texts = errorWindows();
        return texts.empty() ? std::string() : texts.back();
    }

    std::int16_t changed(int board) { return app().state().boards.SettingsChanged[static_cast<std::size_t>(board)]; }
};

} // namespace tarvik::testing
