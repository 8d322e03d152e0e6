#include "launcher/LauncherFile.h"

#include <tinyxml2.h>

#include <cstring>
#include <utility>

#include "ports/FileSystem.h"

namespace quillet {

namespace {

constexpr const char* kRoot = "Rauncher";
constexpr const char* kItem = "Item";
constexpr const char* kPath = "Path";
constexpr const char* kArguments = "Arguments";
constexpr const char* kName = "Name";

// Well-formed UTF-8 without control characters. The window converts these texts to UTF-16
// and they land on one line; TinyXML-2 would also turn a written CR into LF on the next read.
bool IsStorableText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x20 || lead == 0x7F) return false;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = 0;
    unsigned long code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07u;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0u) != 0x80u) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    if ((length == 3 && code < 0x800) || (length == 4 && code < 0x10000) || (code >= 0xD800 && code <= 0xDFFF) ||
        code > 0x10FFFF) {
      return false;
    }
    i += length;
  }
  return true;
}

bool IsStorable(const LauncherEntry& entry) {
  return !entry.pathUtf8.empty() && IsStorableText(entry.pathUtf8) && IsStorableText(entry.argumentsUtf8) &&
         IsStorableText(entry.nameUtf8);
}

// Nothing when the item holds what a rewrite would not keep.
bool ReadItem(const tinyxml2::XMLElement& item, LauncherEntry& entry) {
  for (const tinyxml2::XMLAttribute* a = item.FirstAttribute(); a; a = a->Next()) {
    if (std::strcmp(a->Name(), kPath) == 0) {
      entry.pathUtf8 = a->Value();
    } else if (std::strcmp(a->Name(), kArguments) == 0) {
      entry.argumentsUtf8 = a->Value();
    } else if (std::strcmp(a->Name(), kName) == 0) {
      entry.nameUtf8 = a->Value();
    } else {
      return false;
    }
  }
  return IsStorable(entry);
}

}  // namespace

bool AddLauncherEntry(std::vector<LauncherEntry>& entries, LauncherEntry entry) {
  if (entries.size() >= kMaxLauncherEntries || !IsStorable(entry)) return false;
  entries.push_back(std::move(entry));
  return true;
}

std::string FormatLauncherFile(const std::vector<LauncherEntry>& entries) {
  tinyxml2::XMLDocument document;
  document.InsertEndChild(document.NewDeclaration());  // version 1.0, UTF-8
  tinyxml2::XMLElement* root = document.NewElement(kRoot);
  document.InsertEndChild(root);
  // What the file could not hold is left out, so that it always reads back whole.
  std::size_t written = 0;
  for (const LauncherEntry& entry : entries) {
    if (written == kMaxLauncherEntries) break;
    if (!IsStorable(entry)) continue;
    tinyxml2::XMLElement* item = document.NewElement(kItem);
    item->SetAttribute(kPath, entry.pathUtf8.c_str());
    item->SetAttribute(kArguments, entry.argumentsUtf8.c_str());
    item->SetAttribute(kName, entry.nameUtf8.c_str());
    root->InsertEndChild(item);
    ++written;
  }
  tinyxml2::XMLPrinter printer;
  document.Print(&printer);
  return std::string(printer.CStr(), static_cast<std::size_t>(printer.CStrSize() - 1));
}

std::vector<LauncherEntry> ParseLauncherFile(std::string_view bytes, bool& damaged) {
  damaged = false;
  std::vector<LauncherEntry> entries;
  tinyxml2::XMLDocument document;
  const tinyxml2::XMLElement* root = nullptr;
  if (document.Parse(bytes.data(), bytes.size()) == tinyxml2::XML_SUCCESS) root = document.RootElement();
  if (!root || std::strcmp(root->Name(), kRoot) != 0) {
    damaged = true;
    return entries;
  }
  // TinyXML-2 takes more than one top-level element; a rewrite would keep only the first.
  if (root->NextSiblingElement()) damaged = true;
  for (const tinyxml2::XMLElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    LauncherEntry entry;
    if (entries.size() == kMaxLauncherEntries) {
      damaged = true;
      break;
    }
    if (std::strcmp(e->Name(), kItem) == 0 && ReadItem(*e, entry)) {
      entries.push_back(std::move(entry));
    } else {
      damaged = true;
    }
  }
  return entries;
}

LauncherFile::LauncherFile(FileSystem& files, const Clock& clock, std::string path)
    : files_(files), path_(std::move(path)), keeper_(files, clock) {}

LauncherReadStatus LauncherFile::Read(std::vector<LauncherEntry>& entries) {
  std::string bytes;
  switch (files_.ReadFile(path_, bytes)) {
    case ReadOutcome::Missing:
      keeper_.Note(path_, FileCondition::Sound);
      entries.clear();
      return LauncherReadStatus::NotFound;
    case ReadOutcome::Unreadable:
      keeper_.Note(path_, FileCondition::Unreadable);
      return LauncherReadStatus::Unreadable;
    case ReadOutcome::Ok:
      break;
  }
  bool damaged = false;
  entries = ParseLauncherFile(bytes, damaged);
  keeper_.Note(path_, damaged ? FileCondition::Damaged : FileCondition::Sound);
  return damaged ? LauncherReadStatus::Damaged : LauncherReadStatus::Loaded;
}

FileWriteOutcome LauncherFile::Write(const std::vector<LauncherEntry>& entries) {
  return keeper_.Write(path_, FormatLauncherFile(entries));
}

}  // namespace quillet
