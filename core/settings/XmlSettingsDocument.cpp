#include "settings/XmlSettingsDocument.h"

#include <tinyxml2.h>

#include "text/Numbers.h"

namespace quillet {

XmlSettingsDocument::XmlSettingsDocument() : document_(std::make_unique<tinyxml2::XMLDocument>()) {}

XmlSettingsDocument::XmlSettingsDocument(XmlSettingsDocument&&) noexcept = default;
XmlSettingsDocument& XmlSettingsDocument::operator=(XmlSettingsDocument&&) noexcept = default;
XmlSettingsDocument::~XmlSettingsDocument() = default;

bool XmlSettingsDocument::Parse(std::string_view text) {
  document_->Clear();
  return document_->Parse(text.data(), text.size()) == tinyxml2::XML_SUCCESS;
}

std::string XmlSettingsDocument::Print() const {
  tinyxml2::XMLPrinter printer;
  document_->Print(&printer);
  return std::string(printer.CStr(), static_cast<std::size_t>(printer.CStrSize() - 1));
}

const tinyxml2::XMLElement* XmlSettingsDocument::FindKey(std::string_view section, std::string_view key) const {
  const tinyxml2::XMLElement* element = document_->FirstChildElement(std::string(section).c_str());
  return element ? element->FirstChildElement(std::string(key).c_str()) : nullptr;
}

int XmlSettingsDocument::ReadInt(std::string_view section, std::string_view key, int fallback) const {
  const tinyxml2::XMLElement* element = FindKey(section, key);
  const char* text = element ? element->GetText() : nullptr;
  return text ? ParseIntLikeAtoi(text) : fallback;
}

std::string XmlSettingsDocument::ReadString(std::string_view section, std::string_view key,
                                            std::string_view fallback) const {
  const tinyxml2::XMLElement* element = FindKey(section, key);
  if (!element) return std::string(fallback);
  const char* text = element->GetText();
  return text ? text : "";
}

void XmlSettingsDocument::WriteInt(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void XmlSettingsDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string sectionName(section);
  const std::string keyName(key);
  tinyxml2::XMLElement* sectionElement = document_->FirstChildElement(sectionName.c_str());
  if (!sectionElement) {
    sectionElement = document_->NewElement(sectionName.c_str());
    document_->InsertEndChild(sectionElement);
  }
  tinyxml2::XMLElement* fresh = document_->NewElement(keyName.c_str());
  fresh->InsertEndChild(document_->NewText(std::string(value).c_str()));
  if (tinyxml2::XMLElement* old = sectionElement->FirstChildElement(keyName.c_str())) {
    sectionElement->InsertAfterChild(old, fresh);
    sectionElement->DeleteChild(old);
  } else {
    sectionElement->InsertEndChild(fresh);
  }
}

}  // namespace quillet
