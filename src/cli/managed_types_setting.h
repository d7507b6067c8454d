#pragma once

#include <string>
#include <vector>

namespace lumidex::cli {

// The further registrable types of the "extlist" setting of this user, read
// without writing anything; none when the settings file has none or cannot
// be read.
std::vector<std::string> ManagedTypesSetting();

}  // namespace lumidex::cli
