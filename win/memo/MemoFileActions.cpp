#include "memo/MemoFileActions.h"

#include <commdlg.h>
#include <richedit.h>

#include "framework/Gdi.h"
#include "platform/Wide.h"

namespace quillet::win {

void PrintRichText(HWND owner, HWND editor, const std::string& documentName) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
  if (!PrintDlgW(&dialog) || !dialog.hDC) return;
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  const OwnedDc printerDc(dialog.hDC);
  const HDC printer = printerDc.Get();
  SetMapMode(printer, MM_TEXT);
  const RECT page{0, 0, GetDeviceCaps(printer, HORZRES) / GetDeviceCaps(printer, LOGPIXELSX) * 1440,
                  GetDeviceCaps(printer, VERTRES) / GetDeviceCaps(printer, LOGPIXELSY) * 1440};
  const std::wstring name = WidenCp949(documentName);
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = name.c_str();
  if (StartDocW(printer, &document) > 0) {
    const LONG length = GetWindowTextLengthW(editor);
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = printer;
    range.rc = range.rcPage = page;
    range.chrg = CHARRANGE{0, -1};
    while (range.chrg.cpMin < length) {
      const LONG next = static_cast<LONG>(SendMessageW(editor, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
      if (next <= range.chrg.cpMin) break;
      StartPage(printer);
      SendMessageW(editor, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&page));
      EndPage(printer);
      range.chrg.cpMin = next;
    }
    SendMessageW(editor, EM_FORMATRANGE, FALSE, 0);
    EndDoc(printer);
  }
}

}  // namespace quillet::win
