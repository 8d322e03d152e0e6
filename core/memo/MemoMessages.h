#pragma once

namespace quillet {

constexpr const char* kMemoSaveFailedMessage = "메모를 정상적으로 저장하지 못하였습니다.";
// Asked with "다시 시도" and "취소" when the program is closing.
constexpr const char* kMemoSaveFailedOnCloseQuestion =
    "메모를 정상적으로 저장하지 못하였습니다. 다시 시도하시겠습니까?\n취소하면 프로그램이 종료되지 않습니다.";
// Shown once a session, with the unsaved file's path for %s.
constexpr const char* kMemoSavedElsewhereMessage = "메모를 원래 파일에 저장할 수 없어 다음 파일에 저장했습니다: %s";
constexpr const char* kMemoOpenFailedMessage = "메모를 열 수 없습니다. 해당 파일이 쓰기 금지되었는지 학인해 보세요";
constexpr const char* kProgramCannotRunMessage = "프로그램을 정상적으로 실행할 수 없습니다.";
constexpr const char* kMemoListDamagedMessage = "메모 목록 자료가 손상되었습니다. 수동 복구를 시도합니다";

}  // namespace quillet
