#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace lumidex {

// Fills a product message such as "ファイル %s は開けません". Each "%s" or "%d"
// takes the next argument in turn; "%%" is a literal percent sign. Missing
// arguments leave the directive as it is, surplus arguments are ignored, so a
// message text can never read outside its arguments.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// Decimal text of n with "," between groups of three digits ("12,345").
std::string WithThousandsSeparators(long long n);

}  // namespace lumidex
