#pragma once

#include <memory>

#include "framework/Dialog.h"

namespace quillet {
class SkinImage;
}

namespace quillet::win {

// "Skin 정보": a skin's about picture alone, in its own shape, centred on the screen until a click.
class SkinInfoWindow final : public Dialog {
 public:
  explicit SkinInfoWindow(std::unique_ptr<SkinImage> picture);
  ~SkinInfoWindow() override;

 private:
  bool OnInit() override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  std::unique_ptr<SkinImage> picture_;
};

}  // namespace quillet::win
