#include "mainwindow/version_text.h"

#include <gif_lib.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
// jpeglib.h needs the standard types declared before it.
#include <jpeglib.h>

#include "foundation/app_identity.h"

#ifndef LUMIDEX_VERSION
#error "LUMIDEX_VERSION is set by the build from the project version"
#endif

// The libraries give some versions as bare tokens (2.1.5, 5): made text here.
#define LUMIDEX_STRINGIFY_VALUE(x) #x
#define LUMIDEX_STRINGIFY(x) LUMIDEX_STRINGIFY_VALUE(x)

namespace lumidex {

std::string ProgramVersion() { return LUMIDEX_VERSION; }

std::vector<LibraryVersion> PictureLibraryVersions() {
  std::vector<LibraryVersion> libraries;
#ifdef LIBJPEG_TURBO_VERSION
  // libjpeg's interface has no call for the loaded version.
  libraries.push_back({"libjpeg-turbo", LUMIDEX_STRINGIFY(LIBJPEG_TURBO_VERSION), ""});
#else
  libraries.push_back({"libjpeg", LUMIDEX_STRINGIFY(JPEG_LIB_VERSION), ""});
#endif
  libraries.push_back({"libpng", PNG_LIBPNG_VER_STRING, png_get_libpng_ver(nullptr)});
  libraries.push_back({"giflib",
                       LUMIDEX_STRINGIFY(GIFLIB_MAJOR) "." LUMIDEX_STRINGIFY(GIFLIB_MINOR) "." LUMIDEX_STRINGIFY(
                           GIFLIB_RELEASE),
                       ""});
  libraries.push_back({"zlib", ZLIB_VERSION, zlibVersion()});
  return libraries;
}

std::string VersionText(std::string_view programVersion, const std::vector<LibraryVersion>& libraries) {
  std::string text = std::string(kAppTitle) + "\nLumidex Album\nバージョン " + std::string(programVersion) +
                     "\n\n使用しているライブラリ:";
  for (const LibraryVersion& library : libraries) {
    const std::string shown = library.running.empty() ? library.built : library.running;
    text += "\n  " + library.name + " " + shown;
    if (!library.running.empty() && library.running != library.built) {
      text += "（ビルド時 " + library.built + "）";
    }
  }
  return text;
}

}  // namespace lumidex
