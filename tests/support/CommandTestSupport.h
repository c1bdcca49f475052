#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/FileTestSupport.h"

// Running programs from tests as a user runs them from a shell.
namespace layrail::test {

// A program's exit status (-1 when it did not exit normally) and what it wrote on its two streams.
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// The argument in single quotes for the shell, its own single quotes escaped.
inline std::string shellQuote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

inline std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// Standard output of a shell command.
inline std::string commandOutput(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

// Runs the program with the arguments and nothing on its input; its two output streams are caught in
// files of the folder.
inline RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& folder)
{
    std::string command = shellQuote(program);
    for (const std::string& arg : args)
        command += " " + shellQuote(arg);
    const std::string out = folder + "/stdout.txt";
    const std::string err = folder + "/stderr.txt";
    command += " >" + shellQuote(out) + " 2>" + shellQuote(err) + " </dev/null";
    RunResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(out);
    result.err = readFile(err);
    return result;
}

} // namespace layrail::test
