#include "images/thumbnail_maker.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "images/composite.h"
#include "images/decode_memory.h"
#include "images/dib_decoder.h"
#include "images/fit_to_box.h"
#include "images/gif_reader.h"
#include "images/icon_reader.h"
#include "images/image_types.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"
#include "images/png_reader.h"
#include "images/scaling.h"
#include "images/shell_images.h"
#include "images/thumbnail_cache.h"

namespace lumidex {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// The differences between the three makers.
struct Recipe {
  int boxWidth = 170;
  int boxHeight = 128;
  bool ownSize = false;    // the picture's own size (full image)
  bool exactSize = false;  // the whole box
  bool keepOrientation = true;
  uint32_t background = kWhite;
  uint32_t pngBackground = kWhite;
  uint32_t largeIconBackground = kWhite;  // icons over 254 pixels
  bool highQuality = false;               // area averaging for every non-icon picture
  bool largeManagedIcon = false;
  bool cellFallback = false;  // no shell thumbnail: large icon on 32 x 32
  bool fastJpeg = true;
};

const ShellImages& ShellOf(const ImageContext& context) {
  return context.shell != nullptr ? *context.shell : NoShellImages();
}

// The drawn size of a picture of w x h under `recipe`.
FittedBox TargetSize(const Recipe& recipe, int w, int h) {
  if (recipe.ownSize) return FittedBox{std::max(w, 1), std::max(h, 1), 0, 0};
  FittedBox box = recipe.exactSize ? FittedBox{recipe.boxWidth, recipe.boxHeight, 0, 0}
                                   : FitToBox(recipe.boxWidth, recipe.boxHeight, false, w, h);
  if (recipe.keepOrientation) {
    // A thumbnail tells landscape from portrait by its own size.
    if (h < w && box.height >= box.width) box.width = box.height + 1;
    if (w < h && box.width >= box.height) box.height = box.width + 1;
  }
  return box;
}

Result<std::string> Encode(const Bitmap& bitmap) { return EncodeJpeg(bitmap, 90); }

// An opaque sheet of `colour`, the picture of a file with nothing to show.
Bitmap Sheet(int width, int height, uint32_t colour) {
  Bitmap sheet = Bitmap::Create(width, height);
  sheet.Fill(colour);
  return sheet;
}

Result<std::string> FromShell(const std::string& path, const Recipe& recipe,
                              const ImageContext& context) {
  const ShellImages& shell = ShellOf(context);
  std::optional<Bitmap> thumbnail = shell.ShellThumbnail(path, recipe.boxWidth, recipe.boxHeight);
  if (thumbnail && !thumbnail->empty()) {
    CompositeOverColour(*thumbnail, recipe.background);
    return Encode(*thumbnail);
  }
  if (!recipe.cellFallback) return Encode(Sheet(16, 16, recipe.background));
  Bitmap icon = shell.ShellIcon(path, true);
  Bitmap sheet = Sheet(32, 32, recipe.background);
  CompositeOverColour(icon, recipe.background);
  for (int y = 0; y < std::min(32, icon.height()); ++y) {
    for (int x = 0; x < std::min(32, icon.width()); ++x) sheet.SetPixel(x, y, icon.PixelAt(x, y));
  }
  return Encode(sheet);
}

Result<std::string> ManagedIcon(const std::string& path, const Recipe& recipe,
                                const ImageContext& context) {
  Bitmap icon = ShellOf(context).ShellIcon(path, recipe.largeManagedIcon);
  CompositeOverColour(icon, recipe.background);
  icon.MakeOpaque();
  return Encode(icon);
}

Result<std::string> DrawIcon(IconImage icon, const Recipe& recipe) {
  if (icon.width > 254 || icon.height > 254) {
    // Modern 256-pixel images are drawn at their own size.
    if (icon.bitDepth == 32) {
      CompositeOverColour(icon.bitmap, recipe.largeIconBackground);
    } else {
      ApplyMaskOverColour(icon.bitmap, kWhite);
    }
    return Encode(icon.bitmap);
  }
  const FittedBox size = TargetSize(recipe, icon.width, icon.height);
  Bitmap drawn = ScaleNearest(icon.bitmap, size.width, size.height);
  if (icon.bitDepth == 32) {
    CompositeOverColour(drawn, recipe.background);
  } else {
    ApplyMaskOverColour(drawn, recipe.background);
  }
  return Encode(drawn);
}

Result<std::string> DrawPicture(Bitmap picture, int sourceWidth, int sourceHeight, bool highQuality,
                                const Recipe& recipe, uint32_t alphaBackground) {
  CompositeOverColour(picture, alphaBackground);
  const FittedBox size = TargetSize(recipe, sourceWidth, sourceHeight);
  Bitmap drawn = highQuality ? ScaleAreaAverage(picture, size.width, size.height)
                             : ScaleNearest(picture, size.width, size.height);
  if (drawn.empty()) return Status::Error("画像を縮小できません");
  return Encode(drawn);
}

// Holds the file's bytes and its decode's memory in the process's budget;
// the caller keeps the reservation until the thumbnail is encoded, so the
// threads that make thumbnails together stay within the budget, and waits
// here while the others hold too much. A picture beyond kMaxDecodeBytes
// holds only its file: its decoder refuses it before allocating.
DecodeReservation ReserveDecodeMemory(std::string_view data, std::string_view extension,
                                      const JpegDecodeOptions& jpeg) {
  const int64_t need = DecodeMemoryNeed(data, extension, jpeg);
  return DecodeMemoryBudget::Process().Reserve(static_cast<int64_t>(data.size()) +
                                               (need <= kMaxDecodeBytes ? need : 0));
}

Result<std::string> Render(const std::string& path, const Recipe& recipe,
                           const ImageContext& context) {
  const std::string extension = ExtensionOf(path);
  const bool managed = context.types != nullptr && context.types->IsManagedType(extension);
  const bool decodable = FileTypeLists::IsThumbType(extension) || extension == ".png" ||
                         extension == ".gif" || managed;
  if (!decodable || extension == ".wmf" || extension == ".emf") {
    return FromShell(path, recipe, context);
  }
  if (managed && !FileTypeLists::IsImageType(extension)) return ManagedIcon(path, recipe, context);

  Result<std::string> bytes = ReadPictureFile(path);
  if (!bytes.ok()) return bytes.status();
  const std::string_view data = bytes.value();
  const bool highQuality = recipe.highQuality || ContainsType(context.highQualityTypes, extension);

  // A JPEG is decoded at the smallest scale that covers its drawn size.
  const bool jpeg = extension == ".jpg" || extension == ".jpeg";
  JpegSize jpegSize;
  JpegDecodeOptions jpegOptions;
  if (jpeg) {
    Result<JpegSize> header = ReadJpegSize(data);
    if (!header.ok()) return header.status();
    jpegSize = header.value();
    const FittedBox size = TargetSize(recipe, jpegSize.width, jpegSize.height);
    jpegOptions.coverWidth = size.width;
    jpegOptions.coverHeight = size.height;
    jpegOptions.fast = recipe.fastJpeg;
  }
  const DecodeReservation memory = ReserveDecodeMemory(data, extension, jpegOptions);
  if (!memory) return Status::Error("画像を読み込むメモリが足りません");

  if (extension == ".ico") {
    Result<IconImage> icon = LoadIconFile(data);
    if (!icon.ok()) return icon.status();
    return DrawIcon(std::move(icon.value()), recipe);
  }
  // A GIF that is none, or whose frame does not decode, is left to the
  // desktop's thumbnailers.
  const bool gif = extension == ".gif";
  if (gif && !ProbeGif(data).isGif) return FromShell(path, recipe, context);
  Result<Bitmap> picture = DecodePicture(data, extension, jpegOptions);
  if (!picture.ok()) return gif ? FromShell(path, recipe, context) : picture.status();
  // A JPEG decoded at a reduced scale is placed by its full size.
  const int w = jpeg ? jpegSize.width : picture.value().width();
  const int h = jpeg ? jpegSize.height : picture.value().height();
  const uint32_t background = extension == ".png" ? recipe.pngBackground
                              : gif               ? recipe.background
                                                  : kWhite;
  return DrawPicture(std::move(picture.value()), w, h, highQuality, recipe, background);
}

// The size of `path` when it can be opened for reading.
Result<int64_t> OpenableFileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK) != 0) {
    return Status::Error(CannotOpenMessage(path));
  }
  return static_cast<int64_t>(st.st_size);
}

}  // namespace

bool DrawnByShell(const std::string& path, const ImageContext& context) {
  const std::string extension = ExtensionOf(path);
  if (extension == ".wmf" || extension == ".emf") return true;
  if (FileTypeLists::IsImageType(extension)) return false;
  return true;
}

Result<std::string> RenderListThumbnail(const ThumbnailRequest& request,
                                        const ImageContext& context) {
  Recipe recipe;
  recipe.boxWidth = std::max(request.boxWidth, 1);
  recipe.boxHeight = std::max(request.boxHeight, 1);
  recipe.exactSize = request.exactSize;
  recipe.background = request.background;
  recipe.pngBackground = request.background;
  recipe.largeIconBackground = request.background;
  recipe.highQuality = request.highQuality;
  return Render(request.path, recipe, context);
}

Result<std::string> MakeListThumbnail(ThumbnailRequest& request, const ImageContext& context,
                                      ThumbnailCache* cache) {
  Result<int64_t> size = OpenableFileSize(request.path);
  if (!size.ok()) return size.status();
  if (cache != nullptr && request.cachePath.empty()) {
    if (std::optional<std::string> cached = cache->LookupHook(request, size.value())) {
      return std::move(*cached);
    }
  }
  Result<std::string> jpeg = RenderListThumbnail(request, context);
  if (jpeg.ok() && cache != nullptr) cache->StoreHook(request, size.value(), jpeg.value());
  return jpeg;
}

Result<std::string> MakeCellThumbnail(const std::string& path, int cellWidth, int cellHeight,
                                      const ImageContext& context) {
  Recipe recipe;
  recipe.boxWidth = std::max(cellWidth, 1);
  recipe.boxHeight = std::clamp(cellHeight, 1, recipe.boxWidth);
  recipe.largeManagedIcon = context.bigIcons;
  recipe.cellFallback = true;
  if (!OpenableFileSize(path).ok()) return Status::Error(CannotOpenMessage(path));
  return Render(path, recipe, context);
}

Result<std::string> LoadFullImage(const std::string& path, uint32_t background,
                                  const ImageContext& context) {
  Recipe recipe;
  recipe.ownSize = true;
  recipe.keepOrientation = false;
  recipe.background = background;
  recipe.pngBackground = background;
  recipe.largeIconBackground = background;
  recipe.highQuality = true;
  recipe.fastJpeg = false;
  recipe.boxWidth = 256;
  recipe.boxHeight = 256;
  if (!OpenableFileSize(path).ok()) return Status::Error(CannotOpenMessage(path));
  return Render(path, recipe, context);
}

std::function<std::optional<std::string>(const std::string& coverPath)> CellThumbnailRenderer(
    int cellWidth, int cellHeight, const ImageContext& context) {
  return [cellWidth, cellHeight, context](const std::string& cover) -> std::optional<std::string> {
    Result<std::string> jpeg = MakeCellThumbnail(cover, cellWidth, cellHeight, context);
    if (!jpeg.ok()) return std::nullopt;
    return std::move(jpeg).value();
  };
}

}  // namespace lumidex
