#pragma once

#include <string>
#include <vector>

#include "support/CommandTestSupport.h"
#include "support/FileTestSupport.h"

namespace layrail::test {

// Each test runs the built layrail-cli in a fresh folder of its own.
class CliTest : public FolderTest {
protected:
    RunResult run(const std::vector<std::string>& args) const
    {
        return runProgram(LAYRAIL_CLI_PATH, args, folder_.path());
    }
};

} // namespace layrail::test
