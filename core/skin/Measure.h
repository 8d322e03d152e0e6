#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace quillet {

class Clock;
class SkinSection;

// A named value source of a skin; meters read its number or its text.
class Measure {
 public:
  explicit Measure(std::string name) : name_(std::move(name)) {}
  virtual ~Measure() = default;

  const std::string& name() const { return name_; }
  // The common keys, then the type's own.
  void Configure(const SkinSection& section);
  virtual void Update() = 0;
  virtual std::string Text() const { return {}; }

  // The value, mirrored inside the range when inverted.
  double Number() const;
  // The number's place in [minimum, maximum] as 0…1; 0 for an empty range.
  double Relative() const;

 protected:
  virtual void ConfigureType(const SkinSection& section) = 0;

  double value_ = 0;

 private:
  std::string name_;
  bool invert_ = false;
  double minimum_ = 0;
  double maximum_ = 1;
};

// "Time" and "Calendar", in any letter case; nothing for any other type.
std::unique_ptr<Measure> MakeMeasure(std::string_view type, std::string name, const Clock& clock);

}  // namespace quillet
