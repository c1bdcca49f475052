#pragma once

#include <string>
#include <vector>

namespace layrail {

// One topic of the help window: a heading and a body of UTF-8 text. Some
// topics name the maker in the middle of a sentence; they carry a hyperlink
// between the body and the text that follows it.
struct HelpTopic {
    std::string heading;
    std::string body;
    bool linkAfterBody = false;
    std::string bodyAfterLink;
    // Columns padded with blanks only line up in a fixed-pitch font.
    bool fixedPitch = false;
};

// The topics in the order the help window shows them, the welcome first.
const std::vector<HelpTopic>& helpTopics();

// One row of the shortcut list: the keys padded with blanks to 17 characters,
// then "- " and the action.
std::string shortcutLine(const std::string& keys, const std::string& action);

} // namespace layrail
