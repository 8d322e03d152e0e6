#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/Meter.h"

namespace quillet {

// One launcher entry as the meter shows it: its name (CP949) and the window's picture of the
// program's icon, 32 × 32; without a picture only the name is drawn.
struct LauncherShown {
  std::string name;
  const SkinImage* icon = nullptr;
};

// The launcher window's entries in order; the pictures must outlive the call that draws them.
class LauncherItems {
 public:
  virtual ~LauncherItems() = default;
  virtual std::vector<LauncherShown> Entries() const = 0;
};

constexpr int kLauncherIconSize = 32;

// A grid of program icons with their names (DrawType RAUNCHER, type 11): a head picture at
// (X, Y), one body picture per row of icons below it, a tail after the last row, and without
// entries the no-data picture in place of the rows. The entries come from the window through
// the MeterContext.
class LauncherMeter final : public Meter {
 public:
  LauncherMeter();
  ~LauncherMeter() override;

  // The entry whose icon cell holds a window point; the topmost where cells overlap.
  std::optional<std::size_t> EntryAt(int x, int y) const;
  // The lowest edge of anything the meter draws, so the window can be made tall enough.
  int ContentHeight() const;

 protected:
  void ConfigureType(const SkinSection& section, MeterContext& context) override;
  void UpdateFrom(const Measure&) override {}
  void DrawType(Canvas& canvas) const override;

 private:
  struct Parts;
  struct Cell {
    long long x = 0;
    long long y = 0;
  };
  std::size_t EntryCount() const;
  // Where the walk over the entries puts entry `index`, before the icon's and label's shifts.
  Cell CellOf(std::size_t index) const;
  // The top of the tail picture.
  long long TailTop(std::size_t count) const;

  std::unique_ptr<Parts> parts_;
};

}  // namespace quillet
