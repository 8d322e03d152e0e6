#include "SkinCheck.h"

#include <filesystem>
#include <map>
#include <set>

#include "InputFile.h"
#include "PictureHeader.h"
#include "skin/BuiltInSkins.h"
#include "skin/Measure.h"
#include "skin/Meter.h"
#include "skin/SkinBuilder.h"
#include "skin/SkinResources.h"
#include "skin/SkinWords.h"
#include "ports/TextCodec.h"

namespace quillet {

namespace {

class HeaderImage final : public SkinImage {
 public:
  explicit HeaderImage(PictureSize size) : size_(size) {}
  int Width() const override { return size_.width; }
  int Height() const override { return size_.height; }

 private:
  PictureSize size_;
};

// Reads just enough of each picture to know its size, and remembers what it could not load.
// Skins name their pictures in CP949 relative to their folder, which the tool has in UTF-8.
class CheckingImageLoader final : public ImageLoader {
 public:
  CheckingImageLoader(const TextCodec& codec, std::string folder) : codec_(codec), folder_(std::move(folder)) {}

  std::unique_ptr<SkinImage> LoadFile(const std::string& path) override {
    std::string local = codec_.Cp949ToUtf8(path);
#ifndef _WIN32
    for (char& c : local) c = c == '\\' ? '/' : c;
#endif
    const bool absolute = (local.size() > 1 && local[1] == ':') || (!local.empty() && (local[0] == '/' || local[0] == '\\'));
    const std::optional<std::string> bytes = ReadInputFile(std::filesystem::u8path(absolute ? local : folder_ + local));
    const std::optional<PictureSize> size = bytes ? ReadPictureSize(*bytes) : std::nullopt;
    if (!size) {
      failed.insert(bytes ? "\"" + path + "\" is not a picture" : "\"" + path + "\" cannot be read");
      return nullptr;
    }
    return std::make_unique<HeaderImage>(*size);
  }
  std::unique_ptr<SkinImage> LoadResource(int id) override {
    for (const SkinResource& resource : kSkinResources) {
      if (resource.id == id) return std::make_unique<HeaderImage>(PictureSize{resource.width, resource.height});
    }
    failed.insert("the program has no picture resource " + std::to_string(id));
    return nullptr;
  }

  std::set<std::string> failed;

 private:
  const TextCodec& codec_;
  std::string folder_;
};

const std::set<std::string> kColorKeys = {"SolidColor", "LineColor", "FontColor"};

bool IsAlignmentWord(const std::string& word) {
  return EqualsIgnoringCase(word, "LEFT") || EqualsIgnoringCase(word, "RIGHT") || EqualsIgnoringCase(word, "CENTER");
}

bool IsStyleWord(const std::string& word) {
  for (const char* known : {"NORMAL", "BOLD", "ITALIC", "BOLDITALIC"}) {
    if (EqualsIgnoringCase(word, known)) return true;
  }
  return false;
}

class Report {
 public:
  void Line(const std::string& text) { result.report += text + "\n"; }
  void Warn(int line, const std::string& text) {
    ++result.warnings;
    result.report += "warning: " + (line > 0 ? "line " + std::to_string(line) + ": " : std::string()) + text + "\n";
  }

  SkinCheckResult result;
};

void CheckWords(const SkinSection& section, Report& report) {
  for (const auto& [key, value] : section.values()) {
    if (kColorKeys.count(key) && !IsWellFormedSkinColor(value)) {
      report.Warn(section.line(), "[" + section.name() + "] " + key + " \"" + value + "\" is not a colour");
    }
  }
  for (const char* key : {"StringAlign", "StringVAlign"}) {
    if (section.Has(key) && !IsAlignmentWord(section.String(key, ""))) {
      report.Warn(section.line(), "[" + section.name() + "] " + key + " \"" + section.String(key, "") +
                                      "\" is not LEFT, RIGHT or CENTER: LEFT is used");
    }
  }
  if (section.Has("StringStyle") && !IsStyleWord(section.String("StringStyle", ""))) {
    report.Warn(section.line(), "[" + section.name() + "] StringStyle \"" + section.String("StringStyle", "") +
                                    "\" is not NORMAL, BOLD, ITALIC or BOLDITALIC: NORMAL is used");
  }
}

std::string RoleOf(const SkinSection& section) {
  if (section.name() == "Background") return "background";
  if (section.name() == "RunCommand") return "commands";
  const std::string measure = section.String("MeasureType", "");
  if (!measure.empty()) return "measure " + measure;
  return "meter " + section.String("DrawType", "");
}

SkinCheckResult Check(const SkinFile& file, const SkinIssues& parseIssues, const std::string& folder,
                      std::optional<int> backgroundResource, const Clock& clock, const TextCodec& codec) {
  Report report;
  for (const SkinIssue& issue : parseIssues) report.Warn(issue.line, issue.text);
  for (const SkinSection& section : file.sections()) {
    report.Line("[" + section.name() + "] (line " + std::to_string(section.line()) + "): " + RoleOf(section));
    CheckWords(section, report);
  }
  CheckingImageLoader images(codec, folder);
  SkinIssues buildIssues;
  const std::optional<BuiltSkin> skin =
      BuildSkin(file, SkinBuildContext{images, clock, "", backgroundResource, 1000}, &buildIssues);
  for (const SkinIssue& issue : buildIssues) report.Warn(issue.line, issue.text);
  for (const std::string& failure : images.failed) report.Warn(0, "picture " + failure);
  if (!skin) {
    report.Line("the skin cannot be built: the program shows its built-in skin instead");
    return report.result;
  }
  report.Line("window " + std::to_string(skin->width) + " x " + std::to_string(skin->height));
  std::set<std::string> measureNames;
  for (const auto& measure : skin->measures) {
    report.Line("measure " + measure->name());
    measureNames.insert(measure->name());
  }
  for (const SkinSection& section : file.sections()) {
    const std::string drawType = section.String("DrawType", "");
    if (section.name() == "Background" || section.name() == "RunCommand" || !section.String("MeasureType", "").empty() ||
        !MakeMeter(drawType)) {
      continue;
    }
    const std::string measure = section.String("MeasureSection", "");
    report.Line("meter [" + section.name() + "] " + drawType + (measure.empty() ? "" : " from " + measure));
    if (!measure.empty() && !measureNames.count(measure)) {
      report.Warn(section.line(), "[" + section.name() + "] MeasureSection \"" + measure +
                                      "\" names no measure: the meter draws without a value");
    }
  }
  report.Line(std::to_string(report.result.warnings) + " warning" + (report.result.warnings == 1 ? "" : "s"));
  return report.result;
}

}  // namespace

const char* const kBuiltInSkinNames = "clock, placeholder, notification, note";

SkinCheckResult CheckSkinFile(std::string_view bytes, const std::string& folder, const Clock& clock,
                              const TextCodec& codec) {
  SkinFile file;
  SkinIssues issues;
  file.LoadFromFileBytes(bytes, &issues);
  return Check(file, issues, folder, std::nullopt, clock, codec);
}

SkinCheckResult CheckBuiltInSkin(std::string_view name, const Clock& clock, const TextCodec& codec) {
  SkinFile file;
  SkinIssues issues;
  if (name == "clock") {
    file.LoadFromText(DefaultClockSkinText(), &issues);
    return Check(file, issues, "", kClockBackground, clock, codec);
  }
  if (name == "placeholder") {
    file.LoadFromText(kNoSkinText, &issues);
    return Check(file, issues, "", kNoSkinBackground, clock, codec);
  }
  if (name == "notification" || name == "note") {
    NotificationLook look;
    look.layout = name == "note" ? NotificationLayout::PostIt : NotificationLayout::Standard;
    look.title = "title";
    look.body = "body";
    return Check(NotificationSkin(look), issues, "",
                 name == "note" ? kNoteNotificationBackground : kNotificationBackground, clock, codec);
  }
  return SkinCheckResult{"unknown built-in skin; known: " + std::string(kBuiltInSkinNames) + "\n", 1};
}

}  // namespace quillet
