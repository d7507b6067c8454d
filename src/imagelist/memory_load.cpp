#include "imagelist/memory_load.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace lumidex {
namespace {

std::optional<long long> FieldKb(std::string_view text, std::string_view key) {
  size_t at = 0;
  while ((at = text.find(key, at)) != std::string_view::npos) {
    if (at == 0 || text[at - 1] == '\n') break;
    at += key.size();
  }
  if (at == std::string_view::npos) return std::nullopt;
  size_t from = at + key.size();
  while (from < text.size() && (text[from] == ' ' || text[from] == '\t')) ++from;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data() + from, text.data() + text.size(), value);
  if (error != std::errc() || end == text.data() + from) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> MemoryLoadFromMeminfo(std::string_view meminfo) {
  const auto total = FieldKb(meminfo, "MemTotal:");
  const auto available = FieldKb(meminfo, "MemAvailable:");
  if (!total || !available || *total <= 0) return std::nullopt;
  const long long used = *total > *available ? *total - *available : 0;
  return static_cast<int>(used * 100 / *total);
}

int SystemMemoryLoadPercent() {
  std::ifstream file("/proc/meminfo");
  std::stringstream text;
  text << file.rdbuf();
  return MemoryLoadFromMeminfo(text.str()).value_or(0);
}

}  // namespace lumidex
