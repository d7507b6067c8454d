#pragma once

#include <string>
#include <vector>

namespace lumidex {

// Drops the lines of a section whose entry name (the text before the first
// "=", or the whole line when it has none) repeats the name of an earlier
// line, compared without regard to ASCII letter case, as keys of album
// documents are. Of each group of equal names one line stays, at the place of
// the first: the first that carries a comment, else the first. Returns true
// when lines were dropped.
bool DedupeEntryLines(std::vector<std::string>& lines);

}  // namespace lumidex
