#include "printing/print_texts.h"

namespace lumidex {

std::string PageText(int page, int lastPage, int entries) {
  if (entries <= 0) return "0/0";
  return std::to_string(page + 1) + "/" + std::to_string(lastPage + 1);
}

std::string PrintQuestion(bool onePage, int page, int lastPage) {
  std::string text = onePage || lastPage == 0
                         ? std::to_string(page + 1) + "番のページを印刷します。"
                         : "1～" + std::to_string(lastPage + 1) + "ページまで印刷します。";
  return text + "よろしいですか？";
}

std::string PaperNameText(const std::string& name, bool customSize, double widthMm,
                          double heightMm) {
  if (!customSize) return name;
  return name + " (" + std::to_string(static_cast<int>(widthMm)) + " x " +
         std::to_string(static_cast<int>(heightMm)) + "㎜)";
}

std::string MissingPicturesMessage(const std::vector<std::string>& missing) {
  if (missing.empty()) return std::string();
  std::string text = "次の画像が見つからないため印刷しません。";
  for (const auto& path : missing) text += "\n" + path;
  return text;
}

}  // namespace lumidex
