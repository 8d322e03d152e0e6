#include "memo/SelectionFormat.h"

#include <richedit.h>

#include "memo/FontSizes.h"
#include "platform/Wide.h"

namespace quillet::win {
namespace {

constexpr LONG kBulletOffset = 4;

}  // namespace

CHARFORMATW SelectionFormat::ReadCharacters() const {
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  SendMessageW(editor_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

void SelectionFormat::WriteCharacters(CHARFORMATW& format) {
  SendMessageW(editor_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

PARAFORMAT SelectionFormat::ReadParagraphs() const {
  PARAFORMAT format{};
  format.cbSize = sizeof format;
  SendMessageW(editor_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  return format;
}

void SelectionFormat::WriteParagraphs(PARAFORMAT& format) {
  SendMessageW(editor_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

// The control leaves a property out of the mask when it differs within the selection.
void SelectionFormat::ToggleEffect(DWORD mask, DWORD effect, bool mixedBecomesOn) {
  CHARFORMATW format = ReadCharacters();
  const bool on = (format.dwMask & mask) ? (format.dwEffects & effect) == 0 : mixedBecomesOn;
  format.dwMask = mask;
  format.dwEffects = on ? effect : 0;
  WriteCharacters(format);
}

bool SelectionFormat::Has(DWORD mask, DWORD effect) const {
  const CHARFORMATW format = ReadCharacters();
  return (format.dwMask & mask) && (format.dwEffects & effect);
}

void SelectionFormat::ToggleBold() { ToggleEffect(CFM_BOLD, CFE_BOLD, true); }
void SelectionFormat::ToggleItalic() { ToggleEffect(CFM_ITALIC, CFE_ITALIC, false); }
void SelectionFormat::ToggleUnderline() { ToggleEffect(CFM_UNDERLINE, CFE_UNDERLINE, false); }
void SelectionFormat::ToggleStrikeOut() { ToggleEffect(CFM_STRIKEOUT, CFE_STRIKEOUT, false); }

bool SelectionFormat::Bold() const { return Has(CFM_BOLD, CFE_BOLD); }
bool SelectionFormat::Italic() const { return Has(CFM_ITALIC, CFE_ITALIC); }
bool SelectionFormat::Underline() const { return Has(CFM_UNDERLINE, CFE_UNDERLINE); }
bool SelectionFormat::StrikeOut() const { return Has(CFM_STRIKEOUT, CFE_STRIKEOUT); }

void SelectionFormat::ToggleBullets() {
  PARAFORMAT format = ReadParagraphs();
  if (format.wNumbering == PFN_BULLET) {
    format.dwMask = PFM_NUMBERING | PFM_OFFSET | PFM_STARTINDENT;
    format.wNumbering = 0;
    format.dxOffset = 0;
    format.dxStartIndent = 0;
  } else if (format.dxOffset == 0) {
    format.dwMask = PFM_NUMBERING | PFM_OFFSET | PFM_STARTINDENT;
    format.wNumbering = PFN_BULLET;
    format.dxOffset = kBulletOffset;
  } else {
    format.dwMask = PFM_NUMBERING;
    format.wNumbering = PFN_BULLET;
  }
  WriteParagraphs(format);
}

bool SelectionFormat::Bullets() const { return ReadParagraphs().wNumbering == PFN_BULLET; }

void SelectionFormat::SetAlignment(Alignment alignment) {
  PARAFORMAT format = ReadParagraphs();
  format.dwMask = PFM_ALIGNMENT;
  format.wAlignment = alignment == Alignment::Center ? PFA_CENTER : alignment == Alignment::Right ? PFA_RIGHT : PFA_LEFT;
  WriteParagraphs(format);
}

Alignment SelectionFormat::GetAlignment() const {
  switch (ReadParagraphs().wAlignment) {
    case PFA_CENTER:
      return Alignment::Center;
    case PFA_RIGHT:
      return Alignment::Right;
    default:
      return Alignment::Left;
  }
}

void SelectionFormat::SetColor(COLORREF color) {
  CHARFORMATW format = ReadCharacters();
  format.dwMask = CFM_COLOR;
  format.dwEffects &= ~static_cast<DWORD>(CFE_AUTOCOLOR);
  format.crTextColor = color;
  WriteCharacters(format);
}

COLORREF SelectionFormat::Color() const { return ReadCharacters().crTextColor; }

void SelectionFormat::SetFace(const std::string& face) {
  CHARFORMATW format = ReadCharacters();
  format.dwMask = CFM_FACE;
  lstrcpynW(format.szFaceName, WidenCp949(face).c_str(), LF_FACESIZE);
  WriteCharacters(format);
}

std::string SelectionFormat::Face() const {
  const CHARFORMATW format = ReadCharacters();
  return (format.dwMask & CFM_FACE) ? NarrowToCp949(format.szFaceName) : std::string();
}

void SelectionFormat::SetSize(int points) {
  CHARFORMATW format = ReadCharacters();
  format.dwMask = CFM_SIZE;
  format.yHeight = EditorHeightOf(points);
  WriteCharacters(format);
}

int SelectionFormat::Size() const {
  const CHARFORMATW format = ReadCharacters();
  return (format.dwMask & CFM_SIZE) ? PointsOfEditorHeight(format.yHeight, format.yOffset) : 0;
}

void SelectionFormat::StepSize(int steps) {
  const int points = Size();
  const int next = StepFontSize(points, steps);
  if (next != points) SetSize(next);
}

}  // namespace quillet::win
