#include "Tokens.h"

#include "Step.h"

#include <charconv>
#include <cmath>

namespace tarvik::script {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a quoted string starting at `at` (the opening quote); leaves `at` after the closing one.
std::string quotedString(std::string_view line, std::size_t& at)
{
    std::string text;
    for (++at; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            ++at;
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++at == line.size()) break;
        switch (line[at]) {
        case '"': text += '"'; break;
        case '\\': text += '\\'; break;
        case 'r': text += '\r'; break;
        case 'n': text += '\n'; break;
        default: throw SyntaxError(std::string("unknown escape \\") + line[at] + " in a string");
        }
    }
    throw SyntaxError("a string has no closing quote");
}

std::string describe(const Token& token) { return token.quoted ? "\"" + token.text + "\"" : token.text; }

} // namespace

TokenizedLine tokenize(std::string_view line)
{
    TokenizedLine result{{}, line};
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at])) ++at;
        if (at == line.size()) break;
        if (line[at] == '#') {
            result.content = line.substr(0, at);
            break;
        }
        const std::size_t start = at;
        if (line[at] == '"') {
            std::string text = quotedString(line, at);
            result.tokens.push_back({std::move(text), true, start});
            continue;
        }
        while (at < line.size() && !isBlank(line[at]) && line[at] != '"') ++at;
        result.tokens.push_back({std::string(line.substr(start, at - start)), false, start});
    }
    return result;
}

bool parseInteger(std::string_view word, long long& value)
{
    int base = 10;
    bool negative = false;
    if (word.starts_with("-")) {
        negative = true;
        word.remove_prefix(1);
    }
    if (word.starts_with("0x") || word.starts_with("0X") || word.starts_with("&H") || word.starts_with("&h")) {
        base = 16;
        word.remove_prefix(2);
    }
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), magnitude, base);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || magnitude > (1ULL << 62))
        return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

bool parseNumber(std::string_view word, double& value)
{
    const char* first = word.data();
    const char* last = first + word.size();
    if (word.starts_with("+")) ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return first != last && error == std::errc() && end == last && std::isfinite(value);
}

const Token& Words::take(std::string_view what)
{
    if (atEnd()) throw SyntaxError("expected " + std::string(what) + " at the end of the line");
    return line_.tokens[next_++];
}

bool Words::accept(std::string_view keyword)
{
    if (atEnd() || line_.tokens[next_].quoted || line_.tokens[next_].text != keyword) return false;
    ++next_;
    return true;
}

std::string Words::word(std::string_view what)
{
    const Token& token = take(what);
    if (token.quoted) throw SyntaxError("expected " + std::string(what) + ", got " + describe(token));
    return token.text;
}

std::string Words::text(std::string_view what)
{
    const Token& token = take(what);
    if (!token.quoted) throw SyntaxError("expected " + std::string(what) + " in double quotes, got " + token.text);
    return token.text;
}

std::string Words::wordOrText(std::string_view what) { return take(what).text; }

long long Words::integer(std::string_view what)
{
    const Token& token = take(what);
    long long value = 0;
    if (token.quoted || !parseInteger(token.text, value))
        throw SyntaxError("expected " + std::string(what) + " (a whole number), got " + describe(token));
    return value;
}

double Words::number(std::string_view what)
{
    const Token& token = take(what);
    double value = 0;
    if (token.quoted || !parseNumber(token.text, value))
        throw SyntaxError("expected " + std::string(what) + " (a number), got " + describe(token));
    return value;
}

std::string Words::rest(std::string_view what)
{
    if (atEnd()) throw SyntaxError("expected " + std::string(what) + " at the end of the line");
    const std::size_t start = line_.tokens[next_].offset;
    next_ = line_.tokens.size();
    std::string_view raw = line_.content.substr(start);
    while (!raw.empty() && isBlank(raw.back())) raw.remove_suffix(1);
    return std::string(raw);
}

void Words::end()
{
    if (!atEnd()) throw SyntaxError("unexpected " + describe(line_.tokens[next_]) + " at the end of the line");
}

} // namespace tarvik::script
