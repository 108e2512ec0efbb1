#include "Comparison.h"

#include "Step.h"
#include "Tokens.h"

namespace tarvik::script {

Comparison comparison(Words& words)
{
    Comparison result;
    result.like = words.accept("like");
    if (result.like || words.atEnd() || words.atText()) {
        result.value = words.text(result.like ? "a pattern" : "the expected value");
        return result;
    }
    const std::string word = words.word("the expected value");
    long long number = 0;
    if (!parseInteger(word, number))
        throw SyntaxError("expected the expected value in double quotes, or a whole number, got " + word);
    result.value = std::to_string(number);
    result.number = true;
    return result;
}

} // namespace tarvik::script
