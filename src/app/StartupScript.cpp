#include "app/StartupScript.h"

#include <sstream>

namespace layrail {

namespace {

bool parseAnswer(const std::string& word, ScriptAnswer& answer)
{
    if (word == "ok")
        answer = ScriptAnswer::Ok;
    else if (word == "yes")
        answer = ScriptAnswer::Yes;
    else if (word == "no")
        answer = ScriptAnswer::No;
    else if (word == "cancel")
        answer = ScriptAnswer::Cancel;
    else
        return false;
    return true;
}

bool parseCommand(const std::string& word, int& id)
{
    if (word.empty() || word.size() > 6 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    id = std::stoi(word);
    return true;
}

} // namespace

StartupScript parseStartupScript(const std::string& text)
{
    StartupScript script;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::istringstream words(line);
        std::string step, value, extra;
        words >> step >> value >> extra;
        if (step.empty() || step[0] == '#')
            continue;
        const std::string where = "line " + std::to_string(number) + ": ";
        ScriptAnswer answer{};
        int command = 0;
        if (!extra.empty())
            script.problems.push_back(where + "more than one value");
        else if (step == "answer" && parseAnswer(value, answer))
            script.answers.push_back(answer);
        else if (step == "command" && parseCommand(value, command))
            script.commands.push_back(command);
        else if (step == "answer" || step == "command")
            script.problems.push_back(where + "bad value \"" + value + "\"");
        else
            script.problems.push_back(where + "unknown step \"" + step + "\"");
    }
    return script;
}

} // namespace layrail
