#include "app/StartupScriptProperty.h"

#include <cstdlib>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "app/StartupScript.h"

namespace layrail::test {

namespace {

// The blanks of the "C" locale, which the reader's streams split words at.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool documentedAnswer(std::string_view word, ScriptAnswer& answer)
{
    const std::pair<std::string_view, ScriptAnswer> answers[] = {{"ok", ScriptAnswer::Ok},
                                                                  {"yes", ScriptAnswer::Yes},
                                                                  {"no", ScriptAnswer::No},
                                                                  {"cancel", ScriptAnswer::Cancel}};
    for (const auto& [name, value] : answers)
        if (word == name) {
            answer = value;
            return true;
        }
    return false;
}

bool documentedCommand(std::string_view word, int& id)
{
    if (word.empty() || word.size() > 6)
        return false;
    id = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return false;
        id = id * 10 + (c - '0');
    }
    return true;
}

} // namespace

std::string startupScriptFailure(const std::string& text)
{
    const StartupScript script = parseStartupScript(text);

    // Lines as a line-by-line reader sees them: a last line without a line feed counts, an empty one does not.
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(std::string_view(text).substr(start, end - start));
        start = end + 1;
    }

    std::set<size_t> refused;
    for (const std::string& problem : script.problems) {
        char* end = nullptr;
        const unsigned long number =
            problem.compare(0, 5, "line ") == 0 ? std::strtoul(problem.c_str() + 5, &end, 10) : 0;
        if (number < 1 || number > lines.size() || end == nullptr || std::string_view(end).substr(0, 2) != ": ")
            return "the problem \"" + problem + "\" names no line of the script";
        if (!refused.insert(number).second)
            return "line " + std::to_string(number) + " is named twice among the problems";
        if (number != *refused.rbegin())
            return "the problems are not in line order";
    }

    std::vector<ScriptAnswer> answers;
    std::vector<int> commands;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::vector<std::string_view> words = wordsOf(lines[n]);
        const bool skipped = words.empty() || words[0].front() == '#';
        ScriptAnswer answer{};
        int id = 0;
        const bool isAnswer = words.size() == 2 && words[0] == "answer" && documentedAnswer(words[1], answer);
        const bool isCommand = words.size() == 2 && words[0] == "command" && documentedCommand(words[1], id);
        const std::string where = "line " + std::to_string(n + 1);
        if (refused.count(n + 1) != 0) {
            if (skipped || isAnswer || isCommand)
                return where + " is refused, yet it is blank, a comment or documented";
            continue;
        }
        if (isAnswer)
            answers.push_back(answer);
        else if (isCommand)
            commands.push_back(id);
        else if (!skipped)
            return where + " is neither taken nor refused";
    }
    if (answers != script.answers)
        return "the answers taken are not those of the answer lines";
    if (commands != script.commands)
        return "the commands taken are not those of the command lines";
    return {};
}

} // namespace layrail::test
