#include "mainwindow/MainWindowForm.h"

#include "driver/MotionDriver.h"
#include "driver/StatusText.h"
#include "init/AutoInit.h"
#include "init/InitializeBoardMenu.h"
#include "mainwindow/MainMenus.h"
#include "program/App.h"
#include "program/BoardTable.h"
#include "program/DriverInfo.h"
#include "program/HelpFile.h"
#include "program/HelpTopics.h"
#include "shell/BackgroundWindow.h"
#include "shell/BadConfigurationWindow.h"
#include "shell/MainWindowServices.h"
#include "shell/PreferencesAsking.h"
#include "shell/Shell.h"

#include <algorithm>
#include <array>
#include <map>

namespace tarvik {

namespace {

// Where and how large the main window opens (twips).
constexpr float kMainLeft = 0;
constexpr float kMainTop = 0;
constexpr float kMainWidth = 12000;
constexpr float kMainHeight = 9000;

constexpr int kBoardIds = static_cast<int>(kBoardIdCount);

const std::string kNoBoardsMessage =
    "Tarvik could not find any Quorvane Motion Control boards configured. Please run the Board Configuration "
    "Utility, in order to configure boards before running Tarvik.";

// What to do about a simulated board configuration that gives no board.
const std::string kBoardFileAdvice =
    "Each line of boards.cfg in the working directory describes one board: its ID (1 to 7), its type code "
    "and its I/O address in hexadecimal, then an optional name, as in \"1 0 300 Bench servo\"; blank lines "
    "and lines starting with # are skipped. Correct the file, or remove it to use the built-in boards, and "
    "start Tarvik again.";

// `text` as a sentence: ending with a full stop.
std::string sentence(std::string text)
{
    if (!text.empty() && text.back() != '.') text.push_back('.');
    return text;
}

// Why no board is configured, as one sentence: the configuration that could not be read (with its
// file and line, for the simulated boards), the failing status, or a configuration without boards.
std::string noBoardsCause(MotionDriver& driver, DriverStatus status)
{
    if (const std::string problem = boardConfigurationError(driver); !problem.empty())
        return sentence("The board configuration could not be read: " + problem);
    if (status != ZEVA_noError) return sentence("The board configuration could not be read: " + StatusText(status));
    return "The board configuration lists no board on an ID from 1 to 7.";
}

const std::string kSecondInstanceMessage =
    "Tarvik is already running. Only one copy of Tarvik can run at a time; please use the one that is open.";

bool isParent(std::string_view name, std::span<const MenuEntry> entries)
{
    return name == kInitializeBoardMenu ||
           std::any_of(entries.begin(), entries.end(), [&](const MenuEntry& e) { return e.parent == name; });
}

} // namespace

MainWindowForm::MainWindowForm(App& app, StartOptions options)
    : Form(app.runtime(), "mditarvik", {.caption = "Tarvik", .mdiChild = false, .helpTopic = kHelpMainWindow}),
      app_(app), options_(std::move(options))
{
    const std::vector<MenuEntry> entries = mainMenuEntries();
    std::map<std::string_view, MenuItem*> byName;
    for (const MenuEntry& entry : entries) {
        MenuItem* parent = entry.parent.empty() ? nullptr : byName.at(entry.parent);
        const MenuAction action = entry.action;
        const bool enabled = action != nullptr || isParent(entry.name, entries) || entry.caption == "-";
        auto control = std::make_unique<MenuItem>(
            this, std::string(entry.name), Design{.caption = std::string(entry.caption), .container = parent, .enabled = enabled});
        byName[entry.name] = control.get();
        if (action) control->onClick = [this, action] { action(app_); };
        items_.push_back({std::move(control), action});
    }
    MenuItem* boards = byName.at(kInitializeBoardMenu);
    for (int id = 0; id < kBoardIds; ++id) {
        MenuItem& item = bidmu.add(id, {.caption = BoardMenuCaption(id, kNoBoardType), .container = boards, .enabled = false});
        item.onClick = [this, id] { PickBoardToInitialize(app_, id); };
    }
    app.runtime().setMainForm(*this);
    app.setMenuBar(this);
}

MainWindowForm::~MainWindowForm()
{
    if (app_.menuBar() == this) app_.setMenuBar(nullptr);
}

MenuItem* MainWindowForm::menu(std::string_view name) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.control->name() == name; });
    return it == items_.end() ? nullptr : it->control.get();
}

bool MainWindowForm::hasAction(std::string_view name) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.control->name() == name; });
    return it != items_.end() && it->action != nullptr;
}

// The start-up, in order: one instance only, the main window and its background, the help
// file, the board-class menus off, the driver's board configuration into the board table and
// the Initialize Board menu, the boards that cannot be verified, and the boards' settings files.
void MainWindowForm::Form_Load()
{
    if (!claimSingleInstance()) return;
    move(kMainLeft, kMainTop);
    setWidth(kMainWidth);
    setHeight(kMainHeight);
    show();
    app_.form<BackgroundWindow>().show();
    SendBackgroundToBack(app_);
    app_.state().HelpFilePath = helpFilePath(app_.runtime().programFolder());
    switchClassMenusOff();
    if (!readBoardConfiguration()) return;
    // The boards' settings: the preference file (created when missing, checked when present),
    // then the option files and the boards whose preference asks to be initialised at start-up.
    PrepareBoardOptions(app_, LoadPreferencesAsking(app_));
}

bool MainWindowForm::claimSingleInstance()
{
    const auto path = options_.lockFile.empty() ? InstanceLock::defaultPath() : options_.lockFile;
    // The working directory is locked too: it holds the settings files this program writes.
    if (lock_.acquire(path, ".") != InstanceLock::Result::HeldElsewhere) return true;
    app_.runtime().msgBox(kSecondInstanceMessage, msgbox::OkOnly + msgbox::Exclamation, "Tarvik");
    app_.runtime().endProgram();
    return false;
}

void MainWindowForm::switchClassMenusOff()
{
    for (std::string_view name : {kServoMenu, kStepperMenu, kStepperClosedLoopMenu, kTestServoItem,
                                  kTestStepperItem, kXyDemoItem})
        menu(name)->setEnabled(false);
}

bool MainWindowForm::readBoardConfiguration()
{
    std::array<std::int16_t, kBoardConfigEntries> typeCodes{};
    std::array<std::int16_t, kBoardConfigEntries> ioAddresses{};
    typeCodes.fill(kNoBoardType);
    const DriverStatus status = app_.driver().get_bd_config(typeCodes, ioAddresses);
    if (status != 0 || !anyBoardConfigured(typeCodes)) {
        // The given message first, then the cause and, for the simulated boards, how to mend
        // their file: a user meeting this at the first start sees why without looking further.
        std::string message = kNoBoardsMessage + "\n\n" + noBoardsCause(app_.driver(), status);
        if (boardsAreSimulated(app_.driver())) message += "\n\n" + kBoardFileAdvice;
        ShowErrorMessage(app_, message);
        app_.runtime().endProgram();
        return false;
    }
    FillBoardTable(app_.state().boards, typeCodes, ioAddresses);
    listBoardsInMenu();
    if (auto unverified = UnverifiedBoards(typeCodes, ioAddresses); !unverified.empty())
        ShowBadConfiguration(app_, unverified);
    return true;
}

void MainWindowForm::listBoardsInMenu()
{
    for (int id = 0; id < kBoardIds; ++id) {
        const std::int16_t type = app_.state().boards.BoardType[static_cast<std::size_t>(id)];
        bidmu(id).setCaption(BoardMenuCaption(id, type));
        bidmu(id).setEnabled(app_.state().boards.isBoard(id));
        if (app_.state().boards.isBoard(id)) EnableMenusForBoardType(app_, type);
    }
}

void MainWindowForm::Form_Unload(int&)
{
    app_.setMenuBar(nullptr);
    lock_.release();
}

} // namespace tarvik
