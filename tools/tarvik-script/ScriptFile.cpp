#include "ScriptFile.h"

#include "HexBytes.h"
#include "Reporter.h"
#include "ScriptParser.h"
#include "Session.h"
#include "mainwindow/TemporaryWorkingDirectory.h"

namespace tarvik::script {

void runScriptFile(const std::string& fileName, const SessionOptions& options, Reporter& reporter)
{
    const auto bytes = readBytes(fileName);
    if (!bytes) return reporter.fail(fileName, "cannot read the script");
    const ParsedScript script = parseScript(std::string(bytes->begin(), bytes->end()));
    if (!script.errors.empty()) {
        for (const auto& [line, problem] : script.errors) reporter.fail(fileName, line, problem);
        return;
    }

    const TemporaryWorkingDirectory directory;
    Session session(fileName, directory.path(), options, reporter);
    try {
        for (const Step& step : script.steps) session.run(step);
        session.reportUnused();
    } catch (const ScriptAbort& abort) {
        reporter.fail(fileName, abort.line, std::string(abort.what()) + "; the rest of the script is skipped");
    }
}

} // namespace tarvik::script
