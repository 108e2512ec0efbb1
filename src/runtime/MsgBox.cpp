#include "runtime/MsgBox.h"

#include <algorithm>

namespace tarvik::msgbox {

std::vector<int> answersOf(int buttons)
{
    switch (buttons & 15) {
    case OkCancel: return {Ok, Cancel};
    case AbortRetryIgnore: return {Abort, Retry, Ignore};
    case YesNoCancel: return {Yes, No, Cancel};
    case YesNo: return {Yes, No};
    case RetryCancel: return {Retry, Cancel};
    default: return {Ok};
    }
}

int dismissAnswer(int buttons)
{
    const auto answers = answersOf(buttons);
    for (int preferred : {Cancel, No})
        if (std::find(answers.begin(), answers.end(), preferred) != answers.end()) return preferred;
    return answers.front();
}

std::string answerName(int answer)
{
    switch (answer) {
    case Ok: return "OK";
    case Cancel: return "Cancel";
    case Abort: return "Abort";
    case Retry: return "Retry";
    case Ignore: return "Ignore";
    case Yes: return "Yes";
    case No: return "No";
    default: return "answer " + std::to_string(answer);
    }
}

} // namespace tarvik::msgbox
