#include "app/FileCopy.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "document/SafeFileWriter.h"

namespace layrail {

bool copyFileReplacing(const std::string& source, const std::string& target)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error))
        return false;
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return false;
    SafeFileWriter writer;
    if (!writer.open(target).empty())
        return false;
    char buffer[64 * 1024];
    while (in) {
        in.read(buffer, sizeof buffer);
        writer.write(std::string_view(buffer, static_cast<size_t>(in.gcount())));
    }
    // A read error past the start must not replace the target with a truncated copy.
    if (in.bad())
        return false;
    return writer.commit().empty();
}

} // namespace layrail
