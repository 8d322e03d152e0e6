#pragma once

namespace quillet::win {

// "Quillet Start" under HKCU's Run key: "\"<this program>\" /logon" written when `on`, deleted
// when not. Failures go unreported: the box on the program page shows what was asked for.
void SetAutostart(bool on);

}  // namespace quillet::win
