#include "ScriptParser.h"

#include "Commands.h"
#include "Session.h"
#include "Tokens.h"

#include <array>

namespace tarvik::script {

namespace {

struct CommandEntry {
    std::string_view name;
    Step::Action (*parse)(Words&);
};

constexpr std::array<CommandEntry, 30> kCommands{{
    {"boards", parseBoards},
    {"file", parseFile},
    {"start", parseStart},
    {"menu", parseMenu},
    {"type", parseType},
    {"key", parseKey},
    {"set", parseSet},
    {"focus", parseFocus},
    {"click", parseClick},
    {"dblclick", parseDoubleClick},
    {"select", parseSelect},
    {"mouse", parseMouse},
    {"mousedown", parseMouseDown},
    {"mousemove", parseMouseMove},
    {"mouseup", parseMouseUp},
    {"drag", parseDrag},
    {"close", parseClose},
    {"resize", parseResize},
    {"minimize", parseMinimize},
    {"restore", parseRestore},
    {"answer", parseAnswer},
    {"wait", parseWait},
    {"timelimit", parseTimeLimit},
    {"after", parseAfter},
    {"fault", parseFault},
    {"returns", parseReturns},
    {"machine", parseMachine},
    {"mark", parseMark},
    {"signal", parseSignal},
    {"expect", parseExpect},
}};

// An `on FORM` block being read.
struct Block {
    int line;
    std::string form;
    std::vector<Step> steps;
};

} // namespace

Step::Action parseCommand(Words& words)
{
    const std::string verb = words.word("a command");
    if (verb == "on" || verb == "end") throw SyntaxError(verb + " cannot stand here: after takes a single command");
    for (const CommandEntry& command : kCommands)
        if (command.name == verb) return command.parse(words);
    throw SyntaxError("unknown command " + verb);
}

ParsedScript parseScript(std::string_view text)
{
    ParsedScript script;
    std::vector<Block> open;
    const auto addStep = [&](Step step) { (open.empty() ? script.steps : open.back().steps).push_back(std::move(step)); };
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        try {
            Words words(tokenize(line));
            if (words.atEnd()) continue;
            if (words.accept("on")) {
                std::string form = parseFormName(words.word("the window that shows modally"));
                words.end();
                open.push_back({lineNumber, std::move(form), {}});
            } else if (words.accept("end")) {
                words.end();
                if (open.empty()) throw SyntaxError("end without on");
                Block block = std::move(open.back());
                open.pop_back();
                addStep({block.line, [form = block.form, steps = std::move(block.steps)](Session& session) {
                             session.onModal(form, steps);
                         }});
            } else {
                addStep({lineNumber, parseCommand(words)});
            }
        } catch (const SyntaxError& error) {
            script.errors.emplace_back(lineNumber, error.what());
        }
    }
    for (const Block& block : open) script.errors.emplace_back(block.line, "on " + block.form + " has no end");
    return script;
}

} // namespace tarvik::script
