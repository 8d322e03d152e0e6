#include <gtest/gtest.h>

#include <string>

#include "platform/RegistrySettings.h"
#include "platform/WinApi.h"

namespace quillet::win {
namespace {

// A key of its own under HKCU, removed afterwards.
class RegistrySettingsTest : public ::testing::Test {
 protected:
  const std::wstring root = L"Software\\QuilletTests\\" + std::to_wstring(GetCurrentProcessId());
  RegistrySettings settings{root};

  ~RegistrySettingsTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, root.c_str()); }

  DWORD TypeOf(const wchar_t* section, const wchar_t* name) {
    DWORD type = 0;
    const std::wstring key = root + L"\\" + section;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &type, nullptr, nullptr) != ERROR_SUCCESS) {
      return REG_NONE;
    }
    return type;
  }
};

TEST_F(RegistrySettingsTest, ValuesGoToOneSubkeyPerSectionWithTheProfileTypes) {
  settings.WriteInt("General", "StartDX", -180);
  settings.WriteString("General", "FontName", "굴림");
  settings.WriteString("Clock", "WinSXSY", "");
  EXPECT_EQ(TypeOf(L"General", L"StartDX"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(TypeOf(L"General", L"FontName"), static_cast<DWORD>(REG_SZ));

  wchar_t stored[16] = {};
  DWORD size = sizeof stored;
  RegGetValueW(HKEY_CURRENT_USER, (root + L"\\General").c_str(), L"FontName", RRF_RT_REG_SZ, nullptr, stored, &size);
  EXPECT_STREQ(stored, L"굴림");  // stored as UTF-16, whatever the system code page

  EXPECT_EQ(settings.ReadInt("General", "StartDX", 0), -180);
  EXPECT_EQ(settings.ReadString("General", "FontName", ""), "굴림");
  EXPECT_EQ(settings.ReadString("Clock", "WinSXSY", "0 0"), "");  // present but empty
}

TEST_F(RegistrySettingsTest, MissingValuesAndValuesOfTheOtherTypeGiveTheFallback) {
  EXPECT_EQ(settings.ReadInt("Nowhere", "Key", 7), 7);
  EXPECT_EQ(settings.ReadString("Nowhere", "Key", "x"), "x");
  settings.WriteString("General", "Text", "12");
  settings.WriteInt("General", "Number", 12);
  EXPECT_EQ(settings.ReadInt("General", "Text", 5), 5);
  EXPECT_EQ(settings.ReadString("General", "Number", "y"), "y");
  EXPECT_EQ(settings.ReadInt("General", "Missing", 9), 9);
}

TEST_F(RegistrySettingsTest, LongTextsSurvive) {
  const std::string path = "D:\\" + std::string(600, 'a') + "\\메모 데이터\\";
  settings.WriteString("General", "MemoDBFolder", path);
  EXPECT_EQ(settings.ReadString("General", "MemoDBFolder", ""), path);
}

}  // namespace
}  // namespace quillet::win
