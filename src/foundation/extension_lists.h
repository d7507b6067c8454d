#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// The two extension lists the user types in the option dialog.

// The "hispc" list from the text the user typed (the dialog shows the list
// as one line): the text is split at dots and white space, empty parts are
// dropped, each part is lowered and gets a leading ".". ".BMP.png" and
// "bmp png" both give {".bmp", ".png"}. Order is kept.
std::vector<std::string> HighQualityTypesFromText(std::string_view text);

// The "extlist" (managed types) lines as the user edited them: surrounding
// white space removed, empty lines dropped, a "." put before every line that
// has none. "pdf" gives ".pdf". Letter case and order are kept; the file-type
// lists lower and sort them.
std::vector<std::string> ManagedTypesFromLines(const std::vector<std::string>& lines);

}  // namespace lumidex
