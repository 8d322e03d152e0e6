#include "skin/SkinFonts.h"

#include "framework/Fonts.h"
#include "framework/GdiPlusApi.h"
#include "platform/Wide.h"

namespace quillet::win {

namespace {

// Best first; Wine's GDI+ knows only real family names, not the substitutes GDI maps.
const wchar_t* const kKoreanFaces[] = {
    L"\xB9D1\xC740 \xACE0\xB515", L"Malgun Gothic", L"\xAD74\xB9BC",       L"Gulim",
    L"\xB3CB\xC6C0",              L"Dotum",         L"\xB098\xB214\xACE0\xB515", L"NanumGothic",
};

bool Usable(const Gdiplus::FontFamily* family) {
  return family && family->GetLastStatus() == Gdiplus::Ok && family->IsAvailable();
}

std::unique_ptr<Gdiplus::FontFamily> Named(const std::wstring& name) {
  if (name.empty()) return nullptr;
  auto family = std::make_unique<Gdiplus::FontFamily>(name.c_str());
  if (!Usable(family.get())) return nullptr;
  return family;
}

// The generic sans-serif family, or the first installed one when even that is missing.
std::unique_ptr<Gdiplus::FontFamily> StandIn() {
  const Gdiplus::FontFamily* generic = Gdiplus::FontFamily::GenericSansSerif();
  if (Usable(generic)) {
    std::unique_ptr<Gdiplus::FontFamily> copy(generic->Clone());
    if (Usable(copy.get())) return copy;
  }
  Gdiplus::InstalledFontCollection installed;
  const INT count = installed.GetFamilyCount();
  if (count <= 0) return nullptr;
  std::unique_ptr<Gdiplus::FontFamily[]> all(new Gdiplus::FontFamily[static_cast<std::size_t>(count)]);
  INT found = 0;
  if (installed.GetFamilies(count, all.get(), &found) != Gdiplus::Ok) return nullptr;
  for (INT i = 0; i < found; ++i) {
    if (!Usable(&all[i])) continue;
    std::unique_ptr<Gdiplus::FontFamily> copy(all[i].Clone());
    if (Usable(copy.get())) return copy;
  }
  return nullptr;
}

std::wstring NameOf(const Gdiplus::FontFamily& family) {
  WCHAR name[LF_FACESIZE] = {};
  if (family.GetFamilyName(name, LANG_NEUTRAL) != Gdiplus::Ok) return {};
  return name;
}

// GDI+ cannot tell a missing glyph, GDI can, and both see the same font files. When GDI cannot
// answer, the glyphs count as there, so the skin's face is kept.
void LearnGlyphs(const std::wstring& face, const std::wstring& characters, std::map<wchar_t, bool>& known) {
  std::vector<WORD> indices(characters.size(), 0);
  bool answered = false;
  OwnedDc dc(CreateCompatibleDC(nullptr));
  Font font = MakeFont(face, -32, FW_NORMAL);
  if (dc && font) {
    Selection selected(dc.Get(), font.Get());
    answered = GetGlyphIndicesW(dc.Get(), characters.data(), static_cast<int>(characters.size()), indices.data(),
                                GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
  }
  for (std::size_t i = 0; i < characters.size(); ++i) known[characters[i]] = !answered || indices[i] != 0xFFFF;
}

INT GdiPlusStyle(FontStyle style) {
  switch (style) {
    case FontStyle::Bold: return Gdiplus::FontStyleBold;
    case FontStyle::Italic: return Gdiplus::FontStyleItalic;
    case FontStyle::BoldItalic: return Gdiplus::FontStyleBoldItalic;
    case FontStyle::Regular: break;
  }
  return Gdiplus::FontStyleRegular;
}

}  // namespace

SkinFonts::SkinFonts(int desktopDpi) : dpi_(desktopDpi > 0 ? static_cast<float>(desktopDpi) : 96.0f) {}

SkinFonts::~SkinFonts() = default;

Gdiplus::Font* SkinFonts::For(std::wstring_view text, const TextStyle& style) {
  const Family* chosen = FamilyFor(style.face);
  if (!chosen) return nullptr;
  std::size_t fewest = MissingGlyphs(*chosen, text);
  if (fewest > 0) {
    for (const Family* korean : KoreanFamilies()) {
      const std::size_t missing = MissingGlyphs(*korean, text);
      if (missing < fewest) {
        chosen = korean;
        fewest = missing;
      }
      if (fewest == 0) break;
    }
  }
  return FontOf(*chosen, style.size, style.style);
}

const SkinFonts::Family* SkinFonts::FamilyFor(const std::string& face) {
  const auto known = byFace_.find(face);
  if (known != byFace_.end()) return known->second;
  std::unique_ptr<Gdiplus::FontFamily> family = Named(WidenCp949(face));
  if (!family) family = StandIn();
  const Family* result = nullptr;
  if (family) {
    auto entry = std::make_unique<Family>();
    entry->name = NameOf(*family);
    entry->family = std::move(family);
    result = entry.get();
    families_.push_back(std::move(entry));
  }
  byFace_.emplace(face, result);
  return result;
}

const std::vector<const SkinFonts::Family*>& SkinFonts::KoreanFamilies() {
  if (!korean_) {
    korean_.emplace();
    for (const wchar_t* face : kKoreanFaces) {
      std::unique_ptr<Gdiplus::FontFamily> family = Named(face);
      if (!family) continue;
      auto entry = std::make_unique<Family>();
      entry->name = NameOf(*family);
      entry->family = std::move(family);
      korean_->push_back(entry.get());
      families_.push_back(std::move(entry));
    }
  }
  return *korean_;
}

std::size_t SkinFonts::MissingGlyphs(const Family& family, std::wstring_view text) {
  std::map<wchar_t, bool>& known = glyphs_[family.name];
  std::wstring unknown;
  for (const wchar_t c : text) {
    // Every face has the ASCII letters.
    if (c >= 0x80 && known.find(c) == known.end() && unknown.find(c) == std::wstring::npos) unknown.push_back(c);
  }
  if (!unknown.empty()) LearnGlyphs(family.name, unknown, known);
  std::size_t missing = 0;
  for (const wchar_t c : text) {
    if (c >= 0x80 && !known[c]) ++missing;
  }
  return missing;
}

Gdiplus::Font* SkinFonts::FontOf(const Family& family, int size, FontStyle style) {
  const auto key = std::make_tuple(&family, size, static_cast<int>(style));
  const auto known = fonts_.find(key);
  if (known != fonts_.end()) return known->second.get();
  std::unique_ptr<Gdiplus::Font> font;
  if (size > 0) {
    // Points at the desktop's resolution on a canvas of that resolution: the same pixels on any desktop.
    const Gdiplus::REAL points = static_cast<Gdiplus::REAL>(size) * 96.0f / dpi_;
    font = std::make_unique<Gdiplus::Font>(family.family.get(), points, GdiPlusStyle(style), Gdiplus::UnitPoint);
    if (font->GetLastStatus() != Gdiplus::Ok && style != FontStyle::Regular) {
      // Some families have no bold or italic face of their own.
      font = std::make_unique<Gdiplus::Font>(family.family.get(), points, Gdiplus::FontStyleRegular,
                                             Gdiplus::UnitPoint);
    }
    if (font->GetLastStatus() != Gdiplus::Ok) font.reset();
  }
  Gdiplus::Font* result = font.get();
  fonts_.emplace(key, std::move(font));
  return result;
}

}  // namespace quillet::win
