#include "driver/recording/InjectionRules.h"

#include "driver/EntryPoints.h"
#include "driver/recording/CallArguments.h"

#include <cmath>
#include <stdexcept>

namespace tarvik {
namespace {

const EntryPoint& knownEntry(std::string_view entry) {
    const EntryPoint* found = findEntryPoint(entry);
    if (found == nullptr) throw std::invalid_argument("unknown driver entry point \"" + std::string(entry) + "\"");
    return *found;
}

void checkCount(std::optional<int> count) {
    if (count && *count < 1) throw std::invalid_argument("the call count must be at least 1");
}

// The value as the output of kind `letter` holds it; integer bit patterns above the signed range
// wrap to the negative value with the same bits.
double fitOutput(char letter, double value, std::string_view entry) {
    if (letter == 'd') {
        if (!std::isfinite(value))
            throw std::invalid_argument("the double output of " + std::string(entry) + " needs a finite value");
        return value;
    }
    const double bits = letter == 'h' ? 65536.0 : 4294967296.0;
    const double lowest = -bits / 2;
    if (!(value >= lowest && value < bits) || value != std::floor(value))
        throw std::invalid_argument("value " + printDouble(value) + " does not fit the " +
                                    (letter == 'h' ? "16-bit" : "32-bit") + " output of " + std::string(entry));
    return value >= bits / 2 ? value - bits : value;
}

template <typename Rule>
bool consumeUse(Rule& rule) {
    if (!rule.remaining) return true;
    return --*rule.remaining > 0;
}

} // namespace

void InjectionRules::setFault(std::string_view entry, DriverStatus status, std::optional<int> count, int after) {
    const EntryPoint& known = knownEntry(entry);
    checkCount(count);
    if (after < 0) throw std::invalid_argument("the number of calls to let through cannot be negative");
    faults_.insert_or_assign(std::string(known.name), Fault{status, count, after});
}

std::vector<double> InjectionRules::fittedValues(std::string_view entry, const std::vector<double>& values) {
    const EntryPoint& known = knownEntry(entry);
    if (known.outputs.empty() || known.outputs.find('b') != std::string_view::npos)
        throw std::invalid_argument(std::string(entry) + " has no plain outputs to take values");
    if (values.size() != known.outputs.size())
        throw std::invalid_argument(std::string(entry) + " hands back " + std::to_string(known.outputs.size()) +
                                    " value(s), " + std::to_string(values.size()) + " given");
    std::vector<double> fitted;
    for (std::size_t i = 0; i < values.size(); ++i) fitted.push_back(fitOutput(known.outputs[i], values[i], entry));
    return fitted;
}

void InjectionRules::setReturns(std::string_view entry, const std::vector<double>& values, std::optional<int> count) {
    const EntryPoint& known = knownEntry(entry);
    checkCount(count);
    std::vector<double> fitted = fittedValues(entry, values);
    returns_.insert_or_assign(std::string(known.name), std::deque<Returns>{{std::move(fitted), count}});
}

void InjectionRules::setReturnSequence(std::string_view entry, const std::vector<std::vector<double>>& answers) {
    if (answers.empty()) throw std::invalid_argument("a sequence of returns needs at least one answer");
    std::deque<Returns> sequence;
    for (const std::vector<double>& answer : answers) sequence.push_back({fittedValues(entry, answer), 1});
    returns_.insert_or_assign(std::string(knownEntry(entry).name), std::move(sequence));
}

void InjectionRules::setReturnedPackets(std::string_view entry, std::vector<RdbPacket> packets,
                                        std::optional<int> count) {
    setOutputs(entry, outputLetters<RdbArrays>, "Return Data Buffer packets", std::move(packets), count);
}

void InjectionRules::setReturnedText(std::string_view entry, std::string text, std::optional<int> count) {
    setOutputs(entry, outputLetters<NameBuffer>, "a name text", std::move(text), count);
}

void InjectionRules::setOutputs(std::string_view entry, std::string_view letters, std::string_view what,
                                ScriptedOutputs outputs, std::optional<int> count) {
    const EntryPoint& known = knownEntry(entry);
    checkCount(count);
    if (known.outputs != letters)
        throw std::invalid_argument(std::string(entry) + " hands back no " + std::string(what));
    returns_.insert_or_assign(std::string(known.name), std::deque<Returns>{{std::move(outputs), count}});
}

void InjectionRules::clear() {
    faults_.clear();
    returns_.clear();
}

std::optional<DriverStatus> InjectionRules::takeFault(std::string_view entry) {
    const auto found = faults_.find(entry);
    if (found == faults_.end()) return std::nullopt;
    Fault& fault = found->second;
    if (fault.passesLeft > 0) {
        --fault.passesLeft;
        return std::nullopt;
    }
    const DriverStatus status = fault.status;
    if (!consumeUse(fault)) faults_.erase(found);
    return status;
}

std::optional<ScriptedOutputs> InjectionRules::takeReturns(std::string_view entry) {
    const auto found = returns_.find(entry);
    if (found == returns_.end()) return std::nullopt;
    std::deque<Returns>& sequence = found->second;
    ScriptedOutputs outputs = sequence.front().outputs;
    if (!consumeUse(sequence.front())) sequence.pop_front();
    if (sequence.empty()) returns_.erase(found);
    return outputs;
}

} // namespace tarvik
