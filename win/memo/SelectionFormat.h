#pragma once

#include <string>

#include "platform/WinApi.h"

#include <richedit.h>

namespace quillet::win {

enum class Alignment { Left, Center, Right };

// The formatting of a rich-edit control's selection. Every change reads the selection's format
// first and writes only its one property.
class SelectionFormat {
 public:
  explicit SelectionFormat(HWND editor) : editor_(editor) {}

  // Uniform over the selection: inverted. Mixed: bold becomes on for all of it, italic,
  // underline and strike-through off.
  void ToggleBold();
  void ToggleItalic();
  void ToggleUnderline();
  void ToggleStrikeOut();
  // On: bullet numbering, and the offset 4 when the paragraph has none yet. Off: numbering,
  // offset and start indent back to 0.
  void ToggleBullets();
  void SetAlignment(Alignment alignment);
  // Leaves the automatic colour.
  void SetColor(COLORREF color);
  void SetFace(const std::string& face);
  void SetSize(int points);
  // One step of the size table up (1) or down (-1); a size not in it, or mixed sizes, stay.
  void StepSize(int steps);

  // True when the whole selection has it.
  bool Bold() const;
  bool Italic() const;
  bool Underline() const;
  bool StrikeOut() const;
  bool Bullets() const;
  Alignment GetAlignment() const;
  COLORREF Color() const;
  // "" and 0 when they vary over the selection.
  std::string Face() const;
  int Size() const;

 private:
  CHARFORMATW ReadCharacters() const;
  void WriteCharacters(CHARFORMATW& format);
  PARAFORMAT ReadParagraphs() const;
  void WriteParagraphs(PARAFORMAT& format);
  void ToggleEffect(DWORD mask, DWORD effect, bool mixedBecomesOn);
  bool Has(DWORD mask, DWORD effect) const;

  HWND editor_;
};

}  // namespace quillet::win
