#pragma once

#include "References.h"
#include "Step.h"

namespace tarvik::script {

class Words;

// The parsers of single commands: each reads the rest of its line (after the command word),
// throws SyntaxError when it is malformed and returns what the command does.

// Set-up, time and flow (SetupCommands.cpp).
Step::Action parseBoards(Words& words);
Step::Action parseFile(Words& words);
Step::Action parseStart(Words& words);
Step::Action parseWait(Words& words);
Step::Action parseTimeLimit(Words& words);
Step::Action parseAfter(Words& words);
Step::Action parseFault(Words& words);
Step::Action parseMachine(Words& words);
Step::Action parseAnswer(Words& words);
Step::Action parseMark(Words& words);
Step::Action parseSignal(Words& words);

// Scripted outputs of driver calls (ReturnsCommand.cpp).
Step::Action parseReturns(Words& words);

// What a user does: keys, text, clicks, rows, menus (InputCommands.cpp), the mouse on picture
// boxes (MouseCommands.cpp) and window handling (WindowCommands.cpp).
Step::Action parseMenu(Words& words);
Step::Action parseType(Words& words);
Step::Action parseKey(Words& words);
Step::Action parseSet(Words& words);
Step::Action parseFocus(Words& words);
Step::Action parseClick(Words& words);
Step::Action parseDoubleClick(Words& words);
Step::Action parseSelect(Words& words);
Step::Action parseMouse(Words& words);
Step::Action parseMouseDown(Words& words);
Step::Action parseMouseMove(Words& words);
Step::Action parseMouseUp(Words& words);
Step::Action parseDrag(Words& words);
Step::Action parseClose(Words& words);
Step::Action parseResize(Words& words);
Step::Action parseMinimize(Words& words);
Step::Action parseRestore(Words& words);
// A user's click on a control; `answer FORM.BUTTON` uses it too.
Step::Action clickControl(ControlRef ref);

// Checks (ExpectCommands.cpp), and the parts of `expect` that check what the host recorded as
// shown (ShownExpectations.cpp).
Step::Action parseExpect(Words& words);
Step::Action expectModal(Words& words);
Step::Action expectModalsNone(Words& words);
Step::Action expectMsgbox(Words& words);
Step::Action expectMsgboxesNone(Words& words);
Step::Action expectBeeps(Words& words);

// File names the working directory may hold: no folders, nothing that leads out of it.
std::string parseFileName(Words& words);
// A driver entry point's name.
std::string entryName(Words& words);
// How many calls an injection covers (COUNT), or how many go through first (after N): a whole
// number of at least `lowest`.
int callCount(Words& words, std::string_view what, long long lowest);

} // namespace tarvik::script
