#include <gtest/gtest.h>

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "settings/DataLocations.h"
#include "settings/SettingsStore.h"
#include "settings/XmlSettingsDocument.h"

namespace quillet {
namespace {

using testing::FixedClock;
using testing::MemoryFileSystem;
using testing::MemorySettingsBackend;

const std::string kProgram = "D:\\Tools\\";
const std::string kXml = kProgram + "QuilletDB.xml";

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStoreTest() {
    files.AddFolder(kProgram);
    files.AddFolder("C:\\Users\\kim\\Documents");
  }

  SettingsStore& Load(int monitors = 1) {
    SettingsEnvironment environment{kProgram, "C:\\Users\\kim\\Documents\\", monitors};
    store = std::make_unique<SettingsStore>(files, registry, clock, environment,
                                            [this](const std::string& folder) { starterFolders.push_back(folder); });
    report = store->LoadAll();
    return *store;
  }
  Settings& values() { return store->values(); }
  XmlSettingsDocument XmlOnDisk() {
    XmlSettingsDocument document;
    EXPECT_TRUE(document.Parse(files.Bytes(kXml)));
    return document;
  }

  MemoryFileSystem files;
  MemorySettingsBackend registry;
  FixedClock clock;
  std::unique_ptr<SettingsStore> store;
  SettingsLoadReport report;
  std::vector<std::string> starterFolders;
};

TEST_F(SettingsStoreTest, AFirstStartGetsTheDefaultsAndAStarterDataFolder) {
  Load();
  const Settings& s = values();
  EXPECT_FALSE(store->IsPortable());
  EXPECT_EQ(s.general.dataFolder, "D:\\Tools\\memo_data\\");
  EXPECT_EQ(s.general.memoDbFolder, s.general.dataFolder);
  EXPECT_EQ(starterFolders, std::vector<std::string>{"D:\\Tools\\memo_data\\"});
  EXPECT_EQ(s.general.memoDbFile, "DefaultMemo.qld");
  EXPECT_EQ(s.general.alarmPath, "D:\\Tools\\memo_data\\QuilletAlarmInfo.qla");
  EXPECT_EQ(s.general.alarmVer, "160");
  EXPECT_EQ(s.general.backgroundColor, Bgr{11910870});
  EXPECT_EQ(s.general.startDx, 180);
  EXPECT_EQ(s.general.fontName, "굴림");
  EXPECT_EQ(s.general.titleFont, "7816192|0|0|0|14|Tahoma");
  EXPECT_EQ(s.general.inactiveTitleCol, Bgr{8404992});
  EXPECT_EQ(s.color.palette[11], Bgr{3315250});
  EXPECT_EQ(s.clock.viewMode, ClockViewMode::AtSetTimes);
  EXPECT_EQ(s.clock.specialTimes[2], -1);
  EXPECT_EQ(s.calendar.position, (Point{260, 430}));
  EXPECT_EQ(s.calendar.specialDays[10], "사용자4");
  EXPECT_EQ(s.calendar.skinFile, "D:\\Tools\\CalendarSkin\\Quillet calendar\\Quillet calendar.ski");
  EXPECT_EQ(s.schedule.position, (Point{260, 50}));
  EXPECT_EQ(s.rauncher.skinFile, "D:\\Tools\\RauncherSkin\\Quillet Rauncher\\Quillet Rauncher.ski");
  EXPECT_EQ(s.rauncherFile, "D:\\Tools\\Rauncher00.xml");
  EXPECT_EQ(s.clock.skinFile, "");
  EXPECT_EQ(s.clockSkinFolder, "D:\\Tools\\ClockSkin\\");
  EXPECT_EQ(s.alarm.autoCloseTime, 5);
  EXPECT_EQ(s.hotkeys[14].keyName, "F12");
  EXPECT_EQ(s.hotkeys[14].virtualKey, 123);
}

TEST_F(SettingsStoreTest, TheFullSaveWritesSavedKeysOnly) {
  registry.WriteInt("General", "BackgroundColor", 255);
  registry.WriteInt("General", "StartDX", 222);
  Load();
  values().general.colMemoTipArround = Bgr{1};
  EXPECT_TRUE(store->SaveAll());
  EXPECT_EQ(registry.ReadInt("General", "BackgroundColor", 0), 11910870);
  EXPECT_EQ(registry.ReadInt("General", "StartDX", 0), 222);
  EXPECT_EQ(registry.ReadString("General", "AlarmVer", ""), "160");
  EXPECT_EQ(registry.ReadString("General", "MemoDBFolder", ""), "D:\\Tools\\memo_data\\");
  EXPECT_EQ(registry.ReadString("Clock", "WinSXSY", ""), "0 0");
  EXPECT_EQ(registry.ReadString("HotKey", "Key00", ""), "1 1 0 78 N");
  EXPECT_EQ(registry.ReadString("HotKey", "Key20", ""), "1 1 0 70 F");
  EXPECT_EQ(registry.ReadInt("Color", "RandomColor", -1), 0);
  EXPECT_TRUE(registry.Has("General", "SortStart"));
  for (auto [section, key] : {std::pair{"General", "ColMemoTipArround"}, {"General", "AllowAllMinimize"},
                              {"General", "EnableHotKey"}, {"Color", "Type00"}, {"Calendar", "SpecialDay_0"},
                              {"Alarm", "BeforeAlarmType"}, {"Rauncher", "RauncherFile"}, {"Portable", "Enable"}}) {
    EXPECT_FALSE(registry.Has(section, key)) << section << "/" << key;
  }
}

TEST_F(SettingsStoreTest, KeysSavedTheMomentTheyChangeLeaveTheOthersAlone) {
  Load();
  values().general.defaultColorType = 7;
  values().general.titleFont = "255|0|0|1|16|굴림";
  values().general.startDx = 300;
  values().color.palette[11] = Bgr{0x123456};
  // The palette is written only when named: the full save leaves it to the preferences.
  EXPECT_TRUE(store->SaveGeneralKeys({"DefaultColorType", "TitleFont", "Type11"}));
  EXPECT_EQ(registry.ReadInt("Color", "Type11", 0), 0x123456);
  EXPECT_FALSE(registry.Has("Color", "Type10"));
  EXPECT_EQ(registry.ReadInt("General", "DefaultColorType", 0), 7);
  EXPECT_EQ(registry.ReadString("General", "TitleFont", ""), "255|0|0|1|16|굴림");
  EXPECT_FALSE(registry.Has("General", "StartDX"));
}

TEST_F(SettingsStoreTest, MonitorRulesApplyAtLoad) {
  registry.WriteInt("General", "WorkMonitor", 5);
  registry.WriteInt("General", "EnableDesktop", 1);
  registry.WriteInt("Clock", "TransVal", 100);
  registry.WriteInt("Schedule", "TransVal", 90);
  Load(2);
  EXPECT_EQ(values().general.workMonitor, 1);
  EXPECT_FALSE(values().general.enableDesktop);
  EXPECT_EQ(values().clock.transVal, 100);

  registry.WriteInt("General", "WorkMonitor", -1);
  Load(2);
  EXPECT_EQ(values().general.workMonitor, 1);

  registry.WriteInt("General", "WorkMonitor", 0);
  Load(2);
  EXPECT_EQ(values().general.workMonitor, 0);

  Load(1);
  EXPECT_TRUE(values().general.enableDesktop);
}

// Flags and modes are decoded once, as the windows used to read the number; a number a mode has
// no enumerator for acts as the windows made of it, and the save writes the decoded value.
TEST_F(SettingsStoreTest, StoredNumbersDecodeToTypedValuesAndSaveBack) {
  using Read = int (*)(const Settings&);
  const struct {
    const char* section;
    const char* key;
    int stored;
    Read read;
    int decoded;
    int written;
  } kCases[] = {
      {"General", "Bold", 1, [](const Settings& s) { return int{s.general.bold}; }, 1, 1},
      {"General", "Bold", 2, [](const Settings& s) { return int{s.general.bold}; }, 1, 1},
      {"General", "Docking", 0, [](const Settings& s) { return int{s.general.docking}; }, 0, 0},
      {"Calendar", "AllowMove", -3, [](const Settings& s) { return int{s.calendar.allowMove}; }, 1, 1},
      {"General", "SkinType", 1, [](const Settings& s) { return int(s.general.skinType); }, 1, 1},
      {"General", "SkinType", -1, [](const Settings& s) { return int(s.general.skinType); }, 1, 1},
      {"General", "MemoTipMode", 3, [](const Settings& s) { return int(s.general.memoTipMode); }, 3, 3},
      {"General", "MemoTipMode", 9, [](const Settings& s) { return int(s.general.memoTipMode); }, 0, 0},
      {"General", "ScrollMode", 2, [](const Settings& s) { return int(s.general.scrollMode); }, 2, 2},
      {"General", "ScrollMode", 5, [](const Settings& s) { return int(s.general.scrollMode); }, 1, 1},
      {"General", "ScrollMode", -2, [](const Settings& s) { return int(s.general.scrollMode); }, 0, 0},
      {"General", "MemoZPosition", 3, [](const Settings& s) { return int(s.general.memoZPosition); }, 3, 3},
      {"Clock", "ZPosition", 7, [](const Settings& s) { return int(s.clock.zPosition); }, 0, 0},
      {"Calendar", "Position160", 2, [](const Settings& s) { return int(s.calendar.position160); }, 2, 2},
      {"Clock", "ViewMode", 4, [](const Settings& s) { return int(s.clock.viewMode); }, 1, 1},
      {"General", "LeftBtnClickRun", 7, [](const Settings& s) { return int(s.general.leftBtnClickRun); }, 7, 7},
      {"General", "LeftBtnClickRun", 8, [](const Settings& s) { return int(s.general.leftBtnClickRun); }, -1, -1},
      {"Calendar", "ShowToolTip", 3, [](const Settings& s) { return int(s.calendar.showToolTip); }, 2, 2},
      {"Calendar", "ShowToolTip", -1, [](const Settings& s) { return int(s.calendar.showToolTip); }, 0, 0},
      {"Schedule", "StartMode", 5, [](const Settings& s) { return int(s.schedule.startMode); }, 1, 1},
      {"Rauncher", "StartMode", 5, [](const Settings& s) { return int(s.rauncher.startMode); }, 2, 2},
      {"Rauncher", "StartMode", 0, [](const Settings& s) { return int(s.rauncher.startMode); }, 0, 0},
  };
  for (const auto& c : kCases) {
    registry.WriteInt(c.section, c.key, c.stored);
    Load();
    EXPECT_EQ(c.read(values()), c.decoded) << c.section << "/" << c.key << " " << c.stored;
    EXPECT_TRUE(store->SaveAll());
    EXPECT_EQ(registry.ReadInt(c.section, c.key, 99), c.written) << c.section << "/" << c.key << " " << c.stored;
  }
  // Keys that are missing take their defaults, whatever the windows made of stray numbers.
  registry = MemorySettingsBackend();
  Load();
  EXPECT_EQ(values().clock.zPosition, ZPosition::AlwaysOnTop);
  EXPECT_EQ(values().general.memoTipMode, MemoTipMode::SelectedOrCtrlHover);
  EXPECT_EQ(values().schedule.startMode, WidgetStartMode::WhenNeeded);
  EXPECT_TRUE(values().calendar.autoStart);
}

TEST_F(SettingsStoreTest, TheTemporaryStorageGroupIsNeverTheStartupGroup) {
  registry.WriteString("General", "MemoDBFile", "RecycleBin.qlr");
  Load();
  EXPECT_EQ(values().general.memoDbFile, "DefaultMemo.qld");

  files.AddFile(kProgram + "memo_data\\Hidden.qld", "", /*archive=*/false);
  files.AddFile(kProgram + "memo_data\\Work.qld", "");
  Load();
  EXPECT_EQ(values().general.memoDbFile, "Work.qld");
}

TEST_F(SettingsStoreTest, AStoredDataFolderThatIsAwayServesFromTheFallbackButStaysStored) {
  registry.WriteString("General", "MemoDBFolder", "E:\\USB\\memos\\");
  registry.WriteString("General", "AlarmFile", "E:\\USB\\memos\\QuilletAlarmInfo.qla");
  Load();
  EXPECT_TRUE(report.dataFolderUnavailable);
  EXPECT_TRUE(report.alarmFileUnavailable);
  EXPECT_EQ(values().general.dataFolder, "D:\\Tools\\memo_data\\");
  EXPECT_EQ(values().general.alarmPath, "D:\\Tools\\memo_data\\QuilletAlarmInfo.qla");
  store->SaveAll();
  EXPECT_EQ(registry.ReadString("General", "MemoDBFolder", ""), "E:\\USB\\memos\\");
  EXPECT_EQ(registry.ReadString("General", "AlarmFile", ""), "E:\\USB\\memos\\QuilletAlarmInfo.qla");

  // Back again: used as stored, doubled backslashes collapsed.
  files.AddFile("E:\\USB\\memos\\QuilletAlarmInfo.qla", "");
  registry.WriteString("General", "MemoDBFolder", "E:\\\\USB\\memos\\\\");
  Load();
  EXPECT_FALSE(report.dataFolderUnavailable);
  EXPECT_EQ(values().general.dataFolder, "E:\\USB\\memos\\");
  EXPECT_EQ(values().general.alarmPath, "E:\\USB\\memos\\QuilletAlarmInfo.qla");
}

TEST_F(SettingsStoreTest, AnOlderAlarmFileIsFoundInTheDataFolder) {
  files.AddFile(kProgram + "memo_data\\alarmlist", "");
  files.AddFile(kProgram + "memo_data\\alarmlist160", "");
  Load();
  EXPECT_EQ(values().general.alarmPath, "D:\\Tools\\memo_data\\alarmlist160");
}

TEST_F(SettingsStoreTest, WithNoFolderBesideTheProgramTheDocumentsFolderServes) {
  files.FailFolderCreation();
  files.AddFolder("C:\\Users\\kim\\Documents\\memo_data");
  Load();
  EXPECT_EQ(values().general.dataFolder, "C:\\Users\\kim\\Documents\\memo_data\\");
  EXPECT_TRUE(starterFolders.empty());

  MemoryFileSystem nothing;
  files = nothing;
  files.AddFolder(kProgram);
  files.FailFolderCreation();
  Load();
  EXPECT_EQ(values().general.dataFolder, "");
}

TEST_F(SettingsStoreTest, PortableModeKeepsEverythingInTheFileWithPlaceholders) {
  files.AddFile(kXml,
                "<Portable><Enable>1</Enable></Portable>"
                "<General><StartDX>300</StartDX><StartProgram>1</StartProgram>"
                "<MemoDBFolder>$(TARGETPATH)\\data\\</MemoDBFolder></General>"
                "<Clock><SkinFile>$(TARGETPATH)\\ClockSkin\\A\\A.ski</SkinFile><WinSXSY>12 34</WinSXSY></Clock>");
  files.AddFolder(kProgram + "data");
  Load();
  ASSERT_TRUE(store->IsPortable());
  EXPECT_EQ(values().general.startDx, 300);
  EXPECT_FALSE(values().general.startProgram) << "a portable program cannot start with the computer";
  EXPECT_EQ(values().general.dataFolder, "D:\\Tools\\data\\");
  EXPECT_EQ(values().clock.skinFile, "D:\\Tools\\ClockSkin\\A\\A.ski");
  EXPECT_EQ(values().clock.position, (Point{12, 34}));

  store->WriteCommunicationVersion();
  EXPECT_TRUE(store->SaveAll());
  EXPECT_TRUE(registry.empty());
  XmlSettingsDocument saved = XmlOnDisk();
  EXPECT_EQ(saved.ReadString("Clock", "SkinFile", ""), "$(TARGETPATH)\\ClockSkin\\A\\A.ski");
  EXPECT_EQ(saved.ReadString("General", "MemoDBFolder", ""), "$(TARGETPATH)\\data\\");
  EXPECT_EQ(saved.ReadString("Calendar", "SkinFile", ""),
            "$(TARGETPATH)\\CalendarSkin\\Quillet calendar\\Quillet calendar.ski");
  EXPECT_EQ(saved.ReadInt("Communication", "Version", 0), 2);
  EXPECT_EQ(values().clock.skinFile, "D:\\Tools\\ClockSkin\\A\\A.ski");
  // The file keeps the order in which sections were first written.
  const std::string text = files.Bytes(kXml);
  EXPECT_EQ(text.rfind("<Portable>", 0), 0u);
  EXPECT_LT(text.find("<General>"), text.find("<Clock>"));
  EXPECT_LT(text.find("<Clock>"), text.find("<Communication>"));
  EXPECT_EQ(text.find("<?xml"), std::string::npos);
}

TEST_F(SettingsStoreTest, AFileThatSaysZeroIsLeftAloneUntilPortableModeIsSwitchedOn) {
  const std::string off = "<Portable><Enable>0</Enable></Portable><Old><Key>v</Key></Old>";
  files.AddFile(kXml, off);
  Load();
  EXPECT_FALSE(store->IsPortable());
  EXPECT_TRUE(store->SaveAll());
  EXPECT_EQ(files.Bytes(kXml), off);
  EXPECT_TRUE(registry.Has("General", "StartDX"));

  EXPECT_TRUE(store->SetPortableMode(true).ok);
  XmlSettingsDocument saved = XmlOnDisk();
  EXPECT_EQ(saved.ReadString("Portable", "Enable", ""), "1");
  EXPECT_EQ(saved.ReadString("Old", "Key", "gone"), "gone");  // rewritten from scratch
  EXPECT_EQ(saved.ReadString("General", "MemoDBFolder", ""), "$(TARGETPATH)\\memo_data\\");
}

TEST_F(SettingsStoreTest, SwitchingOffLeavesTheFileSayingZeroAndFillsTheRegistry) {
  files.AddFile(kXml, "<Portable><Enable>1</Enable></Portable><General><StartDY>77</StartDY></General>");
  Load();
  ASSERT_TRUE(store->IsPortable());
  EXPECT_TRUE(store->SetPortableMode(false).ok);
  EXPECT_FALSE(store->IsPortable());
  EXPECT_EQ(XmlOnDisk().ReadString("Portable", "Enable", ""), "0");
  EXPECT_EQ(registry.ReadInt("General", "StartDY", 0), 77);
  EXPECT_EQ(registry.ReadString("General", "MemoDBFolder", ""), "D:\\Tools\\memo_data\\");

  Load();
  EXPECT_FALSE(store->IsPortable());
}

// The palette, which only the preferences write, and the hotkeys' targets, which they keep in the
// store itself, go along both ways.
TEST_F(SettingsStoreTest, SwitchingCarriesThePaletteAndTheHotkeysTargets) {
  registry.WriteString("HotKey", "HotKey03", "notepad.exe");
  Load();
  values().color.palette[0] = Bgr{0x123456};
  ASSERT_TRUE(store->SetPortableMode(true).ok);
  XmlSettingsDocument saved = XmlOnDisk();
  EXPECT_EQ(saved.ReadInt("Color", "Type00", 0), 0x123456);
  EXPECT_EQ(saved.ReadString("HotKey", "HotKey03", ""), "notepad.exe");

  store->Active().WriteString("HotKey", "HotKey05", "https://example.org");
  values().color.palette[11] = Bgr{0x654321};
  ASSERT_TRUE(store->SetPortableMode(false).ok);
  EXPECT_EQ(registry.ReadString("HotKey", "HotKey05", ""), "https://example.org");
  EXPECT_EQ(registry.ReadInt("Color", "Type11", 0), 0x654321);
}

TEST_F(SettingsStoreTest, PortableModeThatCannotWriteItsFileSaysSoAndStaysInTheRegistry) {
  Load();
  files.FailWritesTo(kXml);
  const PortableSwitchResult result = store->SetPortableMode(true);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message, "D:\\Tools\\QuilletDB.xml파일을 정상적으로 만들지 못하였습니다.");
  EXPECT_FALSE(store->IsPortable());
  EXPECT_FALSE(files.Has(kXml));
  EXPECT_TRUE(store->SaveAll());
  EXPECT_TRUE(registry.Has("General", "StartDX"));
}

TEST_F(SettingsStoreTest, AMalformedFileMeansTheRegistryAndIsKeptAsideBeforeReplacing) {
  const std::string broken = "<Portable><Enable>1</Enable></Portable><General><StartDX>3";
  files.AddFile(kXml, broken);
  registry.WriteInt("General", "StartDX", 250);
  Load();
  EXPECT_FALSE(store->IsPortable());
  EXPECT_EQ(values().general.startDx, 250);
  EXPECT_TRUE(store->SaveAll());
  EXPECT_EQ(files.Bytes(kXml), broken);

  EXPECT_TRUE(store->SetPortableMode(true).ok);
  EXPECT_EQ(files.Bytes(kXml + ".damaged-20261208-093015"), broken);
  EXPECT_EQ(XmlOnDisk().ReadInt("General", "StartDX", 0), 250);
}

TEST_F(SettingsStoreTest, TheClockPositionSaveWritesItsTwoKeysOnly) {
  Load();
  values().clock.position = Point{-40, 700};
  values().clock.skinFile = "D:\\Tools\\ClockSkin\\B\\B.ski";
  store->SaveClockPosition();
  EXPECT_EQ(registry.ReadString("Clock", "WinSXSY", ""), "-40 700");
  EXPECT_EQ(registry.ReadString("Clock", "SkinFile", ""), "D:\\Tools\\ClockSkin\\B\\B.ski");
  EXPECT_FALSE(registry.Has("Clock", "TransVal"));
  EXPECT_FALSE(registry.Has("General", "StartDX"));
}

TEST_F(SettingsStoreTest, HotkeysReadTheirStoredFormAndFallBackPerEntry) {
  registry.WriteString("HotKey", "Key00", "0 1 1 65 A");
  registry.WriteString("HotKey", "Key01", "1 1 0 -1 PageUp");
  registry.WriteString("HotKey", "Key02", "garbage");
  registry.WriteString("HotKey", "Key03", "1 1 0 36 AVeryLongKeyName");
  Load();
  const HotkeyTable& keys = values().hotkeys;
  EXPECT_EQ(keys[0], (HotkeyEntry{0, 1, 1, 65, "A", 0}));
  EXPECT_EQ(keys[1].virtualKey, -1);
  EXPECT_EQ(keys[2], DefaultHotkeys()[2]);
  EXPECT_EQ(keys[3].keyName, "AVeryLongKe");
  EXPECT_EQ(keys[20], DefaultHotkeys()[20]);
}

TEST_F(SettingsStoreTest, MemoMacrosHaveSevenBuiltInFormatsAndEndAtTheFirstEmptyOne) {
  EXPECT_EQ(ReadMemoMacros(registry),
            (std::vector<std::string>{"%Y-%B-%d", "%y-%B-%d", "%d/%B/%Y", "%Y년 %B월 %d일", "%Y년 %B월 %d일 %A",
                                      "%p %l:%M:%S", "%k:%M:%S"}));
  registry.WriteString("MemoMacro", "Macro7", "%H");
  EXPECT_EQ(ReadMemoMacros(registry).size(), 8u);
  registry.WriteString("MemoMacro", "Macro2", "");
  registry.WriteString("MemoMacro", "Macro3", "%Y");
  EXPECT_EQ(ReadMemoMacros(registry).size(), 2u);
}

// Program Files, a CD: the anniversaries and the launcher list go to the user's own folder, carried
// over from the program folder once, and the launcher list's default follows them.
TEST(UserFilesFolder, AProgramFolderThatCannotBeWrittenSendsThemToThePerUserFolderOnce) {
  MemoryFileSystem files;
  const std::string program = "C:\\Program Files\\Quillet\\";
  const std::string user = "C:\\Users\\kim\\AppData\\Roaming\\Quillet\\";
  files.AddFolder("C:\\Users\\kim\\AppData\\Roaming");
  files.AddFile(program + "CalendarSkin\\DayInfo.dat", "installed");
  files.AddFile(program + "Rauncher00.xml", "<launcher/>");

  EXPECT_EQ(ChooseUserFilesFolder(files, program, true, user), program);
  EXPECT_FALSE(files.FolderExists(user));
  EXPECT_EQ(ChooseUserFilesFolder(files, program, false, user), user);
  EXPECT_EQ(files.Bytes(user + "CalendarSkin\\DayInfo.dat"), "installed");
  EXPECT_EQ(files.Bytes(user + "Rauncher00.xml"), "<launcher/>");
  files.AddFile(user + "CalendarSkin\\DayInfo.dat", "the user's");
  EXPECT_EQ(ChooseUserFilesFolder(files, program, false, user), user);
  EXPECT_EQ(files.Bytes(user + "CalendarSkin\\DayInfo.dat"), "the user's");
  EXPECT_EQ(ChooseUserFilesFolder(files, program, false, ""), program);

  MemorySettingsBackend registry;
  FixedClock clock;
  SettingsStore store(files, registry, clock, SettingsEnvironment{program, "", 1, user}, [](const std::string&) {});
  store.LoadAll();
  EXPECT_EQ(store.values().rauncherFile, user + "Rauncher00.xml");
}

}  // namespace
}  // namespace quillet
