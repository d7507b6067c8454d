#include "mainwindow/file_set_properties.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lumidex {
namespace {

std::string_view FolderOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 22> kCaptions = {{
    {"jpg", "JPEG 画像"},        {"jpeg", "JPEG 画像"},     {"jpe", "JPEG 画像"},
    {"png", "PNG 画像"},         {"gif", "GIF 画像"},       {"bmp", "ビットマップ画像"},
    {"dib", "ビットマップ画像"}, {"tif", "TIFF 画像"},      {"tiff", "TIFF 画像"},
    {"ico", "アイコン"},         {"webp", "WebP 画像"},     {"heic", "HEIF 画像"},
    {"wmf", "メタファイル"},     {"emf", "メタファイル"},   {"mp3", "MP3 音声"},
    {"wav", "WAVE 音声"},        {"m3u", "プレイリスト"},   {"mp4", "MPEG-4 動画"},
    {"avi", "AVI 動画"},         {"mov", "QuickTime 動画"}, {"mpg", "MPEG 動画"},
    {"txt", "テキスト文書"},
}};

}  // namespace

std::vector<std::string> PropertyFiles(const std::vector<std::string>& paths,
                                       const std::function<bool(const std::string&)>& isFile) {
  std::vector<std::string> files;
  std::string folder;
  for (const std::string& path : paths) {
    if (!isFile || !isFile(path)) continue;
    if (files.empty()) {
      folder = std::string(FolderOf(path));
    } else if (FolderOf(path) != folder ||
               std::find(files.begin(), files.end(), path) != files.end()) {
      continue;
    }
    files.push_back(path);
  }
  return files;
}

std::string FileTypeCaption(std::string_view path) {
  const std::string_view name =
      path.substr(path.rfind('/') == std::string_view::npos ? 0 : path.rfind('/') + 1);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) return "ファイル";
  const std::string extension = LowerAscii(name.substr(dot + 1));
  for (const auto& [known, caption] : kCaptions) {
    if (known == extension) return std::string(caption);
  }
  std::string upper = extension;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper + " ファイル";
}

FileSetProperties SummariseFiles(const std::vector<std::string>& files,
                                 const std::function<int64_t(const std::string&)>& sizeOf) {
  FileSetProperties properties;
  if (files.empty()) return properties;
  properties.folder = std::string(FolderOf(files.front()));
  properties.count = files.size();
  for (const std::string& file : files) {
    const int64_t size = sizeOf ? sizeOf(file) : -1;
    if (size >= 0) {
      properties.totalBytes += static_cast<uint64_t>(size);
    } else {
      ++properties.unreadable;
    }
    const std::string caption = FileTypeCaption(file);
    auto known = std::find_if(properties.types.begin(), properties.types.end(),
                              [&](const TypeCount& type) { return type.caption == caption; });
    if (known == properties.types.end()) {
      properties.types.push_back({caption, 1});
    } else {
      ++known->count;
    }
  }
  return properties;
}

}  // namespace lumidex
