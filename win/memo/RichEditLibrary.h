#pragma once

namespace quillet::win {

// The rich-edit controls' DLLs from the system folder, loaded once per process and freed when it
// ends. True when the DLL is loaded and its window classes registered.
bool LoadRichEdit20();  // "RichEdit20W"
bool LoadRichEdit10();  // "RICHEDIT", the older control

}  // namespace quillet::win
