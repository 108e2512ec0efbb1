#include "HelpText.h"

namespace tarvik::script {

std::string_view helpText()
{
    return R"(Usage: tarvik-script [--test-window] [--time-limit MS] [--driver PATH] FILE...
       tarvik-script --help

Runs scripted sessions against the program without a window system: the form runtime on a
virtual clock and simulated boards behind a recording driver. Each FILE runs in a fresh
temporary working directory that is removed afterwards. The runner prints one line per failure,
  FILE:LINE: expected ..., got ...
(or FILE:LINE: and what could not be done), and ends with
  N passed, M failed
where N counts the expectations met and M every failure: expectations not met, commands that
could not be carried out, malformed lines (a file with one does not run) and scripted answers or
timed commands that never came into play. The exit status is 0 only when M is 0.

SIGTERM, SIGINT or SIGHUP ends the running script's program as it ends the program, and the
runner goes on; a second one ends the runner at once (Ctrl-C twice).

--time-limit MS bounds the virtual time each program a script starts may run (default 3600000,
an hour; a script's own `timelimit` command overrides it). A program whose clock passes it, a
wait that never ends, stops its script with a failure at the line that was running, as a prompt
nobody answers does. The driver call log keeps the newest 1000000 calls: a failure that lists
calls, and one at the time limit, says how many older calls it dropped.

--driver PATH drives the boards through the driver library at PATH instead of the simulated
boards (see tarvik --help). Those boards run on real time, and so do the programs then: a wait
lasts as long as it says and the time limit is real time; `machine` needs simulated boards.
The call log, faults and scripted returns work as with the simulated boards.

--test-window opens the runner's own test window frmscripttest after every start-up, for the
runner's scripts: lblclicks counts clicks on its background; a resize sends the background
picture frmpicture to the back; pic (scale 0,0-100,100) holds a filled box and circle and draws
a red line from each press to its release, and lblmouse shows its last mouse event as
"down|move|up button B shift S at X,Y"; spin (0..10, at 5) shows its value in lblspin; lst holds
alpha, beta, gamma; txt turns red while its text is not a whole number; readcmd reads
read_pos(1, 1, &P) into lblresult as "status S position P", rdbcmd up to 10 packets of board 1
(read_rdb) as "status S packets A:C:D ...", namecmd board 1's name as "status S name N"; askcmd
asks "Save the changes?" (YesNo, title "Script Test") and shows "answer A"; lblresult is in
Monospace 10; tmr has an Interval of 500 and is disabled; its Test menu tstmu holds tstbackmu
(send the window to the back), the separator tstsepmu and tstrestoremu (bring it back: to the
front, restored).

SCRIPTS
One command a line. A '#' that starts a word begins a comment. Strings stand in double quotes
with the escapes \" \\ \r \n. A control is form.control or form.control(index); a menu item is
its name, or name(index) in a menu array. Numbers may be written in hexadecimal as 0x1F or &H1F.

Before and around the start
  boards ID:TYPE:HEXADDR ...        write the simulated board configuration (boards.cfg) for the
                                    next start; `boards` alone: no board configured. Without
                                    it the built-in set of boards is used. A malformed
                                    configuration can be written with `file boards.cfg ...`.
  file NAME HEXBYTES                write a file into the working directory (bytes as pairs of
                                    hex digits, blanks between pairs allowed; none: empty file)
  start                             run the program's start-up as the program does. A second
                                    start runs a second instance, which meets the first one's
                                    single-instance lock; commands address the newest instance.
  fault ENTRY STATUS [COUNT] [after N]
                                    the driver entry point returns STATUS (a number or a ZEVA_
                                    name) for the next COUNT calls (default: every call), after
                                    the first N calls have succeeded
  returns ENTRY VALUE[,VALUE...] [COUNT]
                                    the entry point hands back the values in its by-reference
                                    outputs (in order), with status 0, for the next COUNT calls
                                    (default: every call)
  returns ENTRY VALUES then VALUES [then VALUES...]
                                    one answer per call, in turn (returns read_axis_stat 0x80
                                    then 0x80 then 0x400); after the last the driver answers
  returns read_rdb [AXIS:CMD:DATA, ...] [COUNT]
                                    read_rdb hands back these packets ([] none), as many as the
                                    count asked for and the arrays hold; the count it hands back
                                    is the number written
  returns get_motion_board_name "NAME" [COUNT]
                                    the board name, as much as the buffer's length allows; the
                                    length handed back is the number of characters written (a
                                    query with no buffer gets the name's length)
  machine index BOARD AXIS OFFSET   the simulated axis's index pulses sit at OFFSET counts plus
                                    whole revolutions (0 at first)
  machine encoder BOARD AXIS RATE   an encoder board's axis counts RATE counts/s from now on, as
                                    if the machine turned it (0 holds it)
  fault, returns, machine, on, answer and after may stand before start: they then apply from
  start-up on.

What a user does
  menu ITEM                         choose a menu item, e.g. menu loadaccel, menu bidmu(2)
  type CONTROL "TEXT"               focus the control, then type each character as a keystroke
  key CONTROL KEY                   focus the control, then one key: a character ("x", or quoted
                                    for a blank), or Enter Tab Backspace Delete Up Down Left
                                    Right Home End PageUp PageDown Escape Space F1. Up and Down
                                    step scroll bars as their arrows do, and move in lists.
  set CONTROL "TEXT"                replace the text as a paste does (no KeyPress; Change runs)
  focus CONTROL
  click CONTROL                     click a control (a menu item is chosen)
  click FORM                        click the window's background
  dblclick CONTROL
  select CONTROL ROW                pick row ROW (from 0) of a list or combo box
  mouse CONTROL X Y [BUTTON [SHIFT]]
                                    press and release on a picture box at scale coordinates;
                                    BUTTON 1 Left (default), 2 Right, 4 Middle; SHIFT None
                                    (default), or Shift Ctrl Alt joined with + (Shift+Ctrl), or
                                    their sum 0 to 7 (1 Shift, 2 Ctrl, 4 Alt)
  drag CONTROL X1 Y1 X2 Y2 [BUTTON [SHIFT]]
                                    press at the first point, move to the second, release
  mousedown CONTROL X Y [BUTTON [SHIFT]]
                                    one press (the picture box takes the focus)
  mousemove CONTROL X Y [BUTTONS [SHIFT]]
                                    one move; BUTTONS are the buttons held: None (default), or
                                    Left Right Middle joined with + (Left+Right), or 0 to 7
  mouseup CONTROL X Y [BUTTON [SHIFT]]
                                    one release
  close FORM                        the close box (the window may refuse to close)
  resize FORM WIDTH HEIGHT          size the window (twips), as dragging its border does
  minimize FORM                     minimise the window (WindowState 1)
  restore FORM                      restore a minimised or maximised window (WindowState 0)

Modal windows and message boxes
  on FORM                           the commands up to `end` run the next time FORM shows
  ...                               modally (blocks are queued in order)
  end
  answer FORM.BUTTON                short for: on FORM / click FORM.BUTTON / end
  answer msgbox CODE                the next message box returns CODE (1 OK, 2 Cancel, 3 Abort,
                                    4 Retry, 5 Ignore, 6 Yes, 7 No, or the name)
  The error window frmerrmsg is closed with OK, and a message box with only an OK button is
  answered OK, unless the script says otherwise. A modal window or message box nobody answers
  ends the script with a failure naming it and its text.

Time
  wait MS                           let MS of virtual time pass: timers and scheduled commands run
  timelimit MS                      the time limit (see --time-limit) of the running program and
                                    of those started after this line, counted on each one's
                                    clock from its start
  after MS COMMAND                  run COMMAND (any one-line command, expect included) when the
                                    clock has advanced MS more
  mark                              consume every driver call, modal window, message box and
                                    beep so far
  signal TERM|INT|HUP               the program gets the signal, as from outside (use with
                                    after to send it during a run). Each one stands for a
                                    first signal: it never ends the runner as a second real
                                    one does. A signal ignored when the runner started stays
                                    ignored, and the command fails.

Expectations
  expect CONTROL.PROPERTY "VALUE"   Text Caption Enabled Visible Value ListIndex ListCount List(i)
                                    FillColor ForeColor BackColor SelStart SelLength Checked
                                    Left Top Width Height Drawing Max Min (scroll bars,
                                    gauges) Interval (timers) FontName FontSize (controls that
                                    show a text, and picture boxes)
  expect FORM.PROPERTY "VALUE"      Caption Left Top Width Height WindowState Visible Enabled
                                    ZOrder (the window's place among the main window's child
                                    windows, 0 at the front; hidden ones counted)
  expect ... like "PATTERN"         the same, `*` matching any run of characters
  expect ... N                      a whole number may stand without quotes: expect
                                    frmx.ZOrder 0 is expect frmx.ZOrder "0"
  expect loaded FORM / expect unloaded FORM
  expect menu ITEM.PROPERTY "VALUE" Caption Enabled Visible Checked Index (also with like).
                                    Index is where the item stands in its menu (the menu bar
                                    for a top-level item), from 0 in the order the menu shows
                                    its items; separators and hidden items keep their places
                                    and count. Array elements added at run time stand after
                                    the items declared, in the order they were added.
                                    Enabled is what the menu shows: False while an
                                    initialisation keeps the item from the user.
  expect modal FORM "TEXT"          FORM was shown modally with this message text, searching
  expect modal FORM like "PATTERN"  forward from the last matched one
  expect modals none                no modal window since the last matched one
  expect msgbox "TEXT"              a message box with this prompt, searching forward
  expect msgbox like "PATTERN"
  expect msgbox ... [buttons SET] [title "TITLE"]
                                    ... with these buttons (OK OKCancel AbortRetryIgnore
                                    YesNoCancel YesNo RetryCancel) and this title (also title
                                    like "PATTERN"; "" when the program gave none)
  expect msgboxes none              no message box since the last matched one
  expect beeps N                    beeps since the previous `expect beeps`
  expect call ENTRY(ARGS)           the next matching driver call, searching forward
  expect next ENTRY(ARGS)           the very next driver call
  expect calls none                 no driver call since the last matched one
  expect no call ENTRY(ARGS)        no matching driver call since the last matched one
  expect focus CONTROL              the control that has the focus
  expect help TOPIC                 the help topic most recently opened
  expect file NAME size N
  expect file NAME at OFFSET HEXBYTES
  expect call, modal and msgbox consume what they matched and everything before it.

VALUES
Values compare as the program holds them: booleans True or False; numbers (colours too) in
decimal, fractions in the shortest form that reads back as the same value (1200, 0.5, -2.25);
texts as they stand. A window's message text is the text of its message control for the shell
windows (the error window's msgtxt, the ask-to-save question, the confirmations) and the caption
for other windows. WindowState is 0 normal, 1 minimised, 2 maximised.

Driver calls print as name(arg, ...). A by-reference output prints as & and its value after the
call (& alone when the call failed); doubles print in the shortest round-trip form. `expect call`
compares each argument with that printed form, `*` matching any run of characters:
  expect call read_pos(1, 2, *)
  expect call load_rpm(1, 1, 12.5)

DISPLAY LIST
A picture box's Drawing is its display list as text, one item per line, in the order drawn:
  scale L,T-R,B                     the scale of the items below: left and top edge, right and
                                    bottom edge (left + ScaleWidth, top + ScaleHeight); written
                                    before the first item and again whenever the scale changes
  line X1,Y1-X2,Y2 color=C width=W
  box X1,Y1-X2,Y2 color=C width=W [fill=F]
  circle X,Y r=R color=C width=W [fill=F]
  pset X,Y color=C width=W
Coordinates in scale units, colours as decimal long values (red + 256 green + 65536 blue), W the
DrawWidth; fill= appears only on filled items. Cls empties the list: the text holds what was
drawn since the last Cls, and an empty list is the empty text. Lines end with \n (none after the
last), so a pattern spanning items writes \n between them:
  expect frmxy.pathpic.Drawing like "*line 0,0-100,50 color=255 width=1\ncircle*"
)";
}

} // namespace tarvik::script
