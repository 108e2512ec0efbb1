#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvik::script {

// One word or quoted string of a script line.
struct Token {
    std::string text;
    bool quoted = false;
    std::size_t offset = 0; // where the token starts in the line
};

// A script line split into tokens. Words are separated by blanks; a string is in double quotes
// with the escapes \" \\ \r \n; a '#' that starts a word begins a comment. Throws SyntaxError.
struct TokenizedLine {
    std::vector<Token> tokens;
    std::string_view content; // the line without its comment
};
TokenizedLine tokenize(std::string_view line);

// Reads the tokens of one command from left to right. Every reader throws SyntaxError naming
// what it expected when the next token does not fit.
class Words {
public:
    explicit Words(TokenizedLine line) : line_(std::move(line)) {}

    bool atEnd() const { return next_ == line_.tokens.size(); }
    // The next token is a quoted string.
    bool atText() const { return !atEnd() && line_.tokens[next_].quoted; }
    // The next token is the unquoted word `keyword`: it is consumed.
    bool accept(std::string_view keyword);
    // The next unquoted word; `what` names it in the error.
    std::string word(std::string_view what);
    // The next quoted string.
    std::string text(std::string_view what);
    // The next token, quoted or not (a name that may contain blanks).
    std::string wordOrText(std::string_view what);
    long long integer(std::string_view what);
    double number(std::string_view what);
    // Everything from the next token to the end of the line (comment excluded), as written.
    std::string rest(std::string_view what);
    // Nothing may follow.
    void end();

private:
    const Token& take(std::string_view what);

    TokenizedLine line_;
    std::size_t next_ = 0;
};

// Whole numbers as scripts write them: decimal, or hexadecimal with "0x" or "&H".
bool parseInteger(std::string_view word, long long& value);
// Finite decimal numbers ("12.5", "-3", "1e3").
bool parseNumber(std::string_view word, double& value);

} // namespace tarvik::script
