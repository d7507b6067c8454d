#pragma once

#include <string>
#include <vector>

namespace lumidex {

// The footer texts: the preview's name line and the paper's (with its
// trailing space).
inline constexpr const char* kPreviewFooterText = "Tsubame  Lumi Dex Album";
inline constexpr const char* kPaperFooterText = "Tsubame  Lumi Dex Album ";

// The page text beside the page buttons: page + 1 "/" lastPage + 1, and
// "0/0" for an empty list (no sheet "1" of none).
std::string PageText(int page, int lastPage, int entries);

// The question before printing, shown with the caption "印刷確認": one page
// (the shown one when `onePage` is ticked, or the only one) or all pages.
std::string PrintQuestion(bool onePage, int page, int lastPage);
inline constexpr const char* kPrintQuestionCaption = "印刷確認";

// The paper name shown in the dialog: `name`, and for a size the user set
// (custom paper) " (" width " x " height "㎜)" in whole millimetres.
std::string PaperNameText(const std::string& name, bool customSize, double widthMm,
                          double heightMm);

// The message naming the chosen pictures whose files are gone; empty when
// none is missing. Such pictures are left out of the print.
std::string MissingPicturesMessage(const std::vector<std::string>& missing);

}  // namespace lumidex
