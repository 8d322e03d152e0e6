#pragma once

#include <cstdint>
#include <string>

#include "ports/Clock.h"

namespace quillet::win {

// The system's clock. For the end-to-end tests, QUILLET_TEST_NOW="YYYY-MM-DD HH:MM:SS" read at
// construction moves it to that local moment, from which it runs on; a bad value is ignored.
// QUILLET_TEST_NOW_FILE=FILE moves it again to the moment FILE holds whenever FILE's last write
// changes (one look every 100 ms at most, from the calls); a move is traced as "clock moved".
// Used from one thread.
class Win32Clock final : public Clock {
 public:
  Win32Clock();

  LocalTime Now() const override;
  std::int64_t UtcSeconds() const override;
  ZoneState Zone() const override;

 private:
  void FollowMoves() const;

  mutable std::int64_t shiftSeconds_ = 0;  // added to local and UTC time alike
  std::wstring movesFile_;                 // empty when the clock is never moved
  mutable std::uint64_t movesWritten_ = 0;  // the file's last write as last seen, 0 for no file
  mutable std::uint64_t nextLook_ = 0;      // GetTickCount64 of the next look at the file
};

}  // namespace quillet::win
