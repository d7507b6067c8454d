#include "desktop/wallpaper_commands.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace lumidex {
namespace {

constexpr std::array<std::string_view, kWallpaperStyleCount> kGsettingsOptions = {
    "centered", "wallpaper", "stretched", "scaled", "zoom"};
constexpr std::array<int, kWallpaperStyleCount> kXfceImageStyles = {1, 2, 3, 4, 5};
constexpr std::array<int, kWallpaperStyleCount> kKdeFillModes = {6, 3, 0, 1, 2};

constexpr std::string_view kXfceChannel = "xfce4-desktop";
constexpr std::string_view kDefaultBackdrop = "/backdrop/screen0/monitor0/workspace0";
constexpr std::string_view kLastImage = "/last-image";

// The gsettings schema and the key of the picture on the desktops that use
// gsettings; the key holds a URI except on MATE.
struct GsettingsKeys {
  std::string_view schema;
  std::string_view pictureKey;
  bool uri;
};

std::optional<GsettingsKeys> GsettingsOf(DesktopKind kind) {
  switch (kind) {
    case DesktopKind::kGnome:
      return GsettingsKeys{"org.gnome.desktop.background", "picture-uri", true};
    case DesktopKind::kCinnamon:
      return GsettingsKeys{"org.cinnamon.desktop.background", "picture-uri", true};
    case DesktopKind::kMate:
      return GsettingsKeys{"org.mate.background", "picture-filename", false};
    default:
      return std::nullopt;
  }
}

DesktopCommand Gsettings(const GsettingsKeys& keys, std::string_view key, std::string_view value,
                         bool mayFail = false) {
  return {{"gsettings", "set", std::string(keys.schema), std::string(key), std::string(value)},
          mayFail};
}

// The picture keys, then the placement, so that a desktop never shows the
// old picture in the new style. GNOME 42 and later show picture-uri-dark in
// the dark style; older versions lack the key.
std::vector<DesktopCommand> GsettingsCommands(DesktopKind kind, const GsettingsKeys& keys,
                                              std::string_view picture, std::string_view option) {
  std::vector<DesktopCommand> commands;
  commands.push_back(Gsettings(keys, keys.pictureKey, picture));
  if (kind == DesktopKind::kGnome)
    commands.push_back(Gsettings(keys, "picture-uri-dark", picture, true));
  commands.push_back(Gsettings(keys, "picture-options", option));
  return commands;
}

DesktopCommand Xfconf(std::string_view property, std::string_view type, std::string_view value) {
  return {{"xfconf-query", "-c", std::string(kXfceChannel), "-p", std::string(property), "-n", "-t",
           std::string(type), "-s", std::string(value)}};
}

// A JavaScript string literal of `text`, for the Plasma script.
std::string JsString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

DesktopCommand PlasmaScript(const std::string& body) {
  const std::string script =
      "var all = desktops();\n"
      "for (var i = 0; i < all.length; i++) {\n"
      "  var d = all[i];\n" +
      body + "}\n";
  return {{"dbus-send", "--session", "--print-reply", "--dest=org.kde.plasmashell", "/PlasmaShell",
           "org.kde.PlasmaShell.evaluateScript", "string:" + script}};
}

constexpr std::string_view kPlasmaImageGroup =
    "  d.currentConfigGroup = Array(\"Wallpaper\", \"org.kde.image\", \"General\");\n";

// The reply without quotes and white space around it.
std::string_view Trimmed(std::string_view text) {
  const auto junk = [](char c) { return std::isspace(static_cast<unsigned char>(c)) || c == '\''; };
  while (!text.empty() && junk(text.front())) text.remove_prefix(1);
  while (!text.empty() && junk(text.back())) text.remove_suffix(1);
  return text;
}

// The last run of digits in `text`, or -1.
int LastNumber(std::string_view text) {
  const size_t end = text.find_last_of("0123456789");
  if (end == std::string_view::npos) return -1;
  size_t begin = end;
  while (begin > 0 && std::isdigit(static_cast<unsigned char>(text[begin - 1])) &&
         end - begin < 6) {
    --begin;
  }
  return std::stoi(std::string(text.substr(begin, end - begin + 1)));
}

template <typename T>
WallpaperStyle StyleOf(const std::array<T, kWallpaperStyleCount>& options, const T& option) {
  const auto found = std::find(options.begin(), options.end(), option);
  if (found == options.end()) return WallpaperStyle::kCentre;
  return static_cast<WallpaperStyle>(found - options.begin());
}

}  // namespace

std::string FileUri(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) && byte < 0x80) {
      uri += c;
    } else if (c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
      uri += c;
    } else {
      uri += '%';
      uri += kHex[byte >> 4];
      uri += kHex[byte & 15];
    }
  }
  return uri;
}

std::optional<std::vector<std::string>> BackdropListCommand(DesktopKind kind) {
  if (kind != DesktopKind::kXfce) return std::nullopt;
  return std::vector<std::string>{"xfconf-query", "-c", std::string(kXfceChannel), "-l"};
}

std::vector<std::string> BackdropsFromListing(std::string_view listing) {
  std::vector<std::string> backdrops;
  while (!listing.empty()) {
    const size_t end = listing.find('\n');
    std::string_view line = Trimmed(listing.substr(0, end));
    if (line.starts_with("/backdrop/") && line.ends_with(kLastImage)) {
      line.remove_suffix(kLastImage.size());
      if (std::find(backdrops.begin(), backdrops.end(), line) == backdrops.end()) {
        backdrops.emplace_back(line);
      }
    }
    if (end == std::string_view::npos) break;
    listing.remove_prefix(end + 1);
  }
  if (backdrops.empty()) backdrops.emplace_back(kDefaultBackdrop);
  return backdrops;
}

std::vector<DesktopCommand> SetWallpaperCommands(DesktopKind kind, std::string_view file,
                                                 WallpaperStyle style,
                                                 const std::vector<std::string>& backdrops) {
  const auto index = static_cast<size_t>(style);
  if (const auto keys = GsettingsOf(kind)) {
    const std::string picture = keys->uri ? FileUri(file) : std::string(file);
    return GsettingsCommands(kind, *keys, picture, kGsettingsOptions[index]);
  }
  if (kind == DesktopKind::kXfce) {
    std::vector<DesktopCommand> commands;
    for (const std::string& backdrop : backdrops) {
      commands.push_back(Xfconf(backdrop + std::string(kLastImage), "string", file));
      commands.push_back(
          Xfconf(backdrop + "/image-style", "int", std::to_string(kXfceImageStyles[index])));
    }
    return commands;
  }
  if (kind == DesktopKind::kKde) {
    return {PlasmaScript("  d.wallpaperPlugin = \"org.kde.image\";\n" +
                         std::string(kPlasmaImageGroup) + "  d.writeConfig(\"Image\", " +
                         JsString(FileUri(file)) + ");\n" + "  d.writeConfig(\"FillMode\", " +
                         std::to_string(kKdeFillModes[index]) + ");\n")};
  }
  return {};
}

std::vector<DesktopCommand> RemoveWallpaperCommands(DesktopKind kind,
                                                    const std::vector<std::string>& backdrops) {
  if (const auto keys = GsettingsOf(kind)) return GsettingsCommands(kind, *keys, "", "none");
  if (kind == DesktopKind::kXfce) {
    std::vector<DesktopCommand> commands;
    for (const std::string& backdrop : backdrops) {
      commands.push_back(Xfconf(backdrop + "/image-style", "int", "0"));
    }
    return commands;
  }
  if (kind == DesktopKind::kKde) {
    return {PlasmaScript("  d.wallpaperPlugin = \"org.kde.color\";\n")};
  }
  return {};
}

std::optional<std::vector<std::string>> ReadStyleCommand(DesktopKind kind,
                                                         std::string_view backdrop) {
  if (const auto keys = GsettingsOf(kind)) {
    return std::vector<std::string>{"gsettings", "get", std::string(keys->schema),
                                    "picture-options"};
  }
  if (kind == DesktopKind::kXfce) {
    return std::vector<std::string>{"xfconf-query", "-c", std::string(kXfceChannel), "-p",
                                    std::string(backdrop) + "/image-style"};
  }
  if (kind == DesktopKind::kKde) {
    std::vector<std::string> argv = PlasmaScript("").argv;
    argv.back() = "string:var d = desktops()[0];\n" + std::string(kPlasmaImageGroup) +
                  "print(d.readConfig(\"FillMode\"));\n";
    return argv;
  }
  return std::nullopt;
}

WallpaperStyle StyleFromReply(DesktopKind kind, std::string_view reply) {
  if (GsettingsOf(kind)) return StyleOf(kGsettingsOptions, Trimmed(reply));
  if (kind == DesktopKind::kXfce) return StyleOf(kXfceImageStyles, LastNumber(reply));
  if (kind == DesktopKind::kKde) {
    // dbus-send prints the header of the reply, then the script's output
    // as: string "2".
    const size_t value = reply.rfind("string ");
    if (value == std::string_view::npos) return WallpaperStyle::kCentre;
    return StyleOf(kKdeFillModes, LastNumber(reply.substr(value)));
  }
  return WallpaperStyle::kCentre;
}

}  // namespace lumidex
