#include "skin/SkinBuilder.h"

#include <algorithm>

namespace quillet {

namespace {

// A window no screen could show, or a canvas no memory could hold, is a damaged skin.
constexpr int kMaxSkinSide = 4096;

void Note(SkinIssues* issues, const SkinSection& section, std::string text) {
  if (issues) issues->push_back({section.line(), "[" + section.name() + "] " + std::move(text)});
}

bool ReadBackground(const SkinSection& section, const SkinBuildContext& context, BuiltSkin& skin,
                    SkinIssues* issues) {
  skin.updateInterval = section.Int("Update", skin.updateInterval);
  skin.aboutImage = section.String("AboutSkin", "");
  std::string file;
  if (context.backgroundResource) {
    skin.background = context.images.LoadResource(*context.backgroundResource);
  } else {
    file = section.String("Background", "");
    if (file.empty()) {
      skin.background.reset();
      skin.width = std::clamp(section.Int("WindowWidth", 100), 1, kMaxSkinSide);
      skin.height = std::clamp(section.Int("WindowHeight", 100), 1, kMaxSkinSide);
      return true;
    }
    MeterContext paths{context.images, context.folder};
    skin.background = context.images.LoadFile(SkinFilePath(paths, file));
  }
  if (!skin.background || skin.background->Width() <= 0 || skin.background->Height() <= 0) {
    Note(issues, section, context.backgroundResource ? "the background resource cannot be loaded"
                                                     : "the background \"" + file + "\" cannot be loaded");
    return false;
  }
  skin.width = std::min(skin.background->Width(), kMaxSkinSide);
  skin.height = std::min(skin.background->Height(), kMaxSkinSide);
  return true;
}

}  // namespace

std::optional<BuiltSkin> BuildSkin(const SkinFile& file, const SkinBuildContext& context, SkinIssues* issues) {
  BuiltSkin skin;
  skin.updateInterval = context.updateInterval;
  MeterContext meterContext{context.images, context.folder, &context.clock, context.calendarDays};
  meterContext.todaySchedule = context.todaySchedule;
  meterContext.launcherItems = context.launcherItems;
  bool backgroundRead = false;
  for (const SkinSection& section : file.sections()) {
    if (section.name() == "Background") {
      if (!ReadBackground(section, context, skin, issues)) return std::nullopt;
      backgroundRead = true;
    } else if (section.name() == "RunCommand") {
      skin.doubleClickCommand = section.String("LButtonDblClk", "");
    } else if (const std::string type = section.String("MeasureType", ""); !type.empty()) {
      std::unique_ptr<Measure> measure = MakeMeasure(type, section.name(), context.clock);
      if (!measure) {
        Note(issues, section, "unknown MeasureType \"" + type + "\": section ignored");
        continue;
      }
      measure->Configure(section);
      skin.measures.push_back(std::move(measure));
    } else {
      const std::string drawType = section.String("DrawType", "");
      std::unique_ptr<Meter> meter = MakeMeter(drawType);
      if (!meter) {
        Note(issues, section, "unknown DrawType \"" + drawType + "\": section ignored");
        continue;
      }
      meter->Configure(section, meterContext);
      skin.meters.push_back(std::move(meter));
    }
  }
  // Generated skins (notifications) have no [Background]: their picture comes from the program.
  if (!backgroundRead && context.backgroundResource &&
      !ReadBackground(SkinSection("Background"), context, skin, issues)) {
    return std::nullopt;
  }
  for (const std::unique_ptr<Meter>& meter : skin.meters) {
    const auto found = std::find_if(skin.measures.begin(), skin.measures.end(), [&](const auto& measure) {
      return measure->name() == meter->measureName();
    });
    if (found != skin.measures.end()) meter->Bind(found->get());
  }
  return skin;
}

void DrawSkin(BuiltSkin& skin, Canvas& canvas) {
  canvas.DrawBackground(skin.background.get());
  for (const std::unique_ptr<Measure>& measure : skin.measures) measure->Update();
  for (const std::unique_ptr<Meter>& meter : skin.meters) {
    meter->Update();
    meter->Draw(canvas);
  }
}

}  // namespace quillet
