#pragma once

#include <string>

namespace layrail {

constexpr const char* kBaseTitle = "Layrail v1.3 by Brindlemoor";

// The main window's title: the base title, then " - " and the layout name (or, without a name,
// the current file's name without folder and extension), then " *" while modified.
std::string windowTitle(const std::string& layoutName, const std::string& currentFile, bool modified);

} // namespace layrail
