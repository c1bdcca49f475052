#pragma once

#include <string>

namespace layrail {

// Copies the file byte for byte, replacing the target. The bytes go to a temporary file next to
// the target that is renamed over it only when complete, so a failure leaves the target as it
// was. True on success.
bool copyFileReplacing(const std::string& source, const std::string& target);

} // namespace layrail
