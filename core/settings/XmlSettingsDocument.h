#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "settings/SettingsBackend.h"

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}  // namespace tinyxml2

namespace quillet {

// The portable settings file: one top-level element per section, one child element per key,
// the value as the key's text. No root element and no declaration of its own.
class XmlSettingsDocument final : public SettingsBackend {
 public:
  XmlSettingsDocument();
  XmlSettingsDocument(XmlSettingsDocument&&) noexcept;
  XmlSettingsDocument& operator=(XmlSettingsDocument&&) noexcept;
  ~XmlSettingsDocument() override;

  // False when the text is not well-formed XML (an empty text included).
  bool Parse(std::string_view text);
  std::string Print() const;

  int ReadInt(std::string_view section, std::string_view key, int fallback) const override;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const override;
  void WriteInt(std::string_view section, std::string_view key, int value) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  const tinyxml2::XMLElement* FindKey(std::string_view section, std::string_view key) const;

  std::unique_ptr<tinyxml2::XMLDocument> document_;
};

}  // namespace quillet
