#pragma once

#include <memory>
#include <vector>

#include "app/RegisteredMessages.h"
#include "framework/ClosingState.h"
#include "framework/CommandTable.h"
#include "framework/Window.h"
#include "memo/MemoListStore.h"
#include "memo/MemoRecord.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
class TextCodec;
struct SettingsLoadReport;
}  // namespace quillet

namespace quillet::win {

constexpr const wchar_t* kMainFrameTitle = L"Quillet Program";

// The program's invisible hub: it never shows itself, owns the memos of the current group and
// routes the program-wide commands and messages.
class MainFrame final : public Window {
 public:
  struct Services {
    HINSTANCE instance;
    SettingsStore& settings;
    FileSystem& files;
    const TextCodec& codec;
    const Clock& clock;
    RegisteredMessages messages;
  };

  // Nothing when the window cannot be made.
  static WindowPtr<MainFrame> Make(const Services& services);

  // What the frame does once, right after start-up.
  void RunStartUpSequence(const SettingsLoadReport& settingsReport);

 private:
  explicit MainFrame(const Services& services);

  LRESULT OnMessage(const Message& message) override;
  void OnBroadcast(WPARAM request);
  void OnClose();
  void CloseNow();
  void OpenCurrentGroup();
  // At the end of a Windows session nothing may wait for the user: failures go unreported.
  enum class Report { Failures, Nothing };
  void WriteMemoList(Report report);
  void OnEndSession();

  Services services_;
  CommandTable commands_;
  MemoListStore memoLists_;
  std::vector<MemoRecord> memos_;
  bool memosVisible_ = false;
  bool groupOpen_ = false;
  ClosingState closing_;
};

}  // namespace quillet::win
