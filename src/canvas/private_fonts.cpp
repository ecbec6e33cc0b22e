#include "canvas/private_fonts.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "canvas/embedded_fonts.h"

namespace quil {

namespace {

struct TCarriedFont {
  const char* Name;
  const unsigned char* Bytes;
  std::size_t Size;
};

// The private font set: each font lives in an anonymous memory file that fontconfig reads
// through its /proc path, so the files stay open as long as the set exists.
class TPrivateFonts {
 public:
  TPrivateFonts() {
    const std::array<TCarriedFont, 2> fonts{{{"Elektra", embedded::QUIL_LCD_FONT, embedded::QUIL_LCD_FONT_size},
                                             {"DS-Digital", embedded::QUIL_LED_FONT, embedded::QUIL_LED_FONT_size}}};
    config_ = FcInitLoadConfigAndFonts();
    if (!config_) return;
    for (const TCarriedFont& font : fonts) {
      const std::string path = MemoryFile(font);
      if (path.empty() || !FcConfigAppFontAddFile(config_, reinterpret_cast<const FcChar8*>(path.c_str()))) continue;
      const std::string family = FamilyOf(path);
      if (!family.empty()) faces_.push_back({font.Name, {nullptr, family}});
    }
    if (faces_.empty()) return;
    fontMap_ = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (!fontMap_) return;
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap_), config_);
    for (auto& [name, face] : faces_) face.FontMap = fontMap_;
  }
  ~TPrivateFonts() {
    if (fontMap_) g_object_unref(fontMap_);
    if (config_) FcConfigDestroy(config_);
    for (const int fd : files_) ::close(fd);
  }
  TPrivateFonts(const TPrivateFonts&) = delete;
  TPrivateFonts& operator=(const TPrivateFonts&) = delete;

  const TPrivateFace* Find(std::string_view name) const {
    if (!fontMap_) return nullptr;
    for (const auto& [faceName, face] : faces_)
      if (name == faceName) return &face;
    return nullptr;
  }

 private:
  std::string MemoryFile(const TCarriedFont& font) {
    const int fd = ::memfd_create(font.Name, MFD_CLOEXEC);
    if (fd < 0) return {};
    files_.push_back(fd);
    std::size_t written = 0;
    while (written < font.Size) {
      const ssize_t n = ::write(fd, font.Bytes + written, font.Size - written);
      if (n <= 0) return {};
      written += static_cast<std::size_t>(n);
    }
    return "/proc/self/fd/" + std::to_string(fd);
  }

  // The family fontconfig found in the file just added to the application's font set.
  std::string FamilyOf(const std::string& path) const {
    FcFontSet* set = FcConfigGetFonts(config_, FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i) {
      FcChar8* file = nullptr;
      FcChar8* family = nullptr;
      if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch &&
          path == reinterpret_cast<const char*>(file) &&
          FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
        return reinterpret_cast<const char*>(family);
    }
    return {};
  }

  FcConfig* config_ = nullptr;
  PangoFontMap* fontMap_ = nullptr;
  std::vector<int> files_;
  std::vector<std::pair<std::string, TPrivateFace>> faces_;
};

}  // namespace

const TPrivateFace* QuilPrivateFont(std::string_view name) {
  if (name != "Elektra" && name != "DS-Digital") return nullptr;
  static const TPrivateFonts fonts;
  return fonts.Find(name);
}

}  // namespace quil
