#include "memo/HelpDocument.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quillet {
namespace {

// The guide, one paragraph a line, grouped by section. A line may open with a style mark
// and a space: "= " title, "> " introduction, "# " section heading, "- " list item,
// "* " key row written "key|meaning", "! " tip. Other lines are plain paragraphs.
constexpr const char* kGuide[] = {
R"txt(= Quillet 사용법
> Quillet는 바탕화면에 붙여 두고 쓰는 메모 프로그램입니다. 이 글도 메모 하나이니 스크롤하며 읽어 보세요. 다 읽고 지워도 [지운 메모 복원]에서 되살릴 수 있습니다.)txt",

R"txt(# 메모란?
메모는 서식 있는 글을 담는 작은 창입니다. 쓴 내용은 입력을 멈추고 잠시 지나면 저절로 저장되고, 프로그램을 끝낼 때도 저장됩니다.
테두리나 타이틀 바를 끌면 메모가 옮겨지고, 왼쪽·오른쪽·아래 가장자리를 끌면 크기가 바뀝니다. 타이틀 바의 단추는 다음과 같습니다.
* 항상 위에|(왼쪽 끝) 메모를 다른 창 위에 고정하거나 풉니다.
* 메뉴 단추|(그 옆) 메모 메뉴를 엽니다. 테두리를 오른쪽 클릭해도 됩니다.
* 새 메모|이 메모와 같은 색으로 새 메모를 만듭니다.
* Text format|서식 도구 모음을 보이거나 숨깁니다.
* Skin Color|메모 색을 다음 색으로 바꿉니다.
* 삭제|메모를 지웁니다.
* 접기|메모를 타이틀 바만 남기고 접습니다.)txt",

R"txt(# 새 메모 만들기
- 트레이 아이콘(작업 표시줄 오른쪽 알림 영역)을 오른쪽 클릭하고 [새 메모]를 고릅니다.
- 어느 프로그램을 쓰고 있든 Ctrl+Alt+N을 누릅니다.
- 메모 타이틀 바의 [새 메모] 단추를 누르거나 메모 메뉴의 [새 메모]를 고릅니다.
새 메모는 화면 오른쪽 위에서 아래로 이어지는 빈자리에 놓입니다.
! 트레이 아이콘을 왼쪽 클릭하면 처음에는 모든 메모가 숨었다 나타났다 합니다. [환경 설정]의 [Prog] 페이지 "트레이 아이콘 클릭시 실행"에서 "새 메모 열기"로 바꿀 수 있습니다.)txt",

R"txt(# 글 쓰기와 서식
글자를 고른 뒤 다음 단축키로 서식을 바꿉니다.
* Ctrl+B, I, U|굵게, 기울임, 밑줄
* Ctrl+N|취소 선
* Ctrl+L, E, R|왼쪽 맞춤, 가운데 맞춤, 오른쪽 맞춤
* Ctrl+K|글머리 기호
* Ctrl+P|글자 색 고르기(Color)
* Ctrl+<, Ctrl+>|글꼴 크기감소, 글꼴 크기증가 (쉼표, 마침표 키)
* Ctrl+A|모두 선택
* Ctrl+Z, Ctrl+Y|되돌리기(Undo), 다시 실행(Redo)
* Ctrl+X, C, V|잘라내기, 복사, 붙여넣기
- 글 위에서 오른쪽 클릭하면 같은 명령이 메뉴로 나옵니다. [Macro (날짜,시간)]에서는 오늘 날짜나 지금 시각을 골라 넣습니다.
- [Text format] 단추로 여는 서식 도구 모음에는 굵게, 기울임, 밑줄, 글자 색, 크기, 글꼴이 있습니다.
- Tab 키는 탭 문자를 넣습니다. 그림도 복사해 붙여 넣을 수 있습니다.
- 웹 주소는 링크가 되어 클릭하면 열립니다("Hyperlink 연결 지원"). Ctrl을 누른 채 주소를 클릭해도 열립니다.)txt",

R"txt(# 타이틀
- 메모 메뉴의 [타이틀 입력]을 고르거나 Shift를 누른 채 테두리를 더블클릭하면 [타이틀 입력] 창이 열립니다. 접힌 메모에는 [타이틀 입력] 단추도 있습니다.
- 제목(60자까지)과 글꼴, 크기, 색, 굵게·기울임·밑줄을 정합니다. 여기서 고른 글꼴은 새 메모에도 쓰입니다.
- 접힌 메모에는 타이틀이 보이고, 타이틀이 없으면 글의 첫 줄이 보입니다.)txt",

R"txt(# 접기와 펼치기
- [접기] 단추를 누르거나 타이틀 바를 더블클릭하면 메모가 타이틀 바 크기로 접힙니다. 오른쪽 끝의 위치는 그대로입니다.
- 접힌 메모는 오른쪽 끝의 [펼치기] 단추나 더블클릭으로 다시 펼칩니다.
- 접힌 메모 위에 마우스를 올리면 내용이 풍선처럼 보입니다. [환경 설정]의 [일반] 페이지 "접힌 메모 풍선 도움말 보기"에서 방식을 고릅니다.
- 트레이 메뉴의 [모두 접기], [모두 펼치기]는 모든 메모에 한꺼번에 적용됩니다.)txt",

R"txt(# 색
- [Skin Color] 단추를 누를 때마다 열두 가지 색 가운데 다음 색으로 바뀝니다. 이 색은 새 메모의 기본 색이 됩니다.
- 메모 메뉴의 [메모 스킨 색상]에서는 아무 색이나 고를 수 있습니다.
- 열두 가지 색은 [환경 설정]의 [색상] 페이지에서 바꿉니다. "새 메모를 위의 색중에서 무작위로 선택하여 띄우기"를 켜면 새 메모마다 색이 달라집니다.)txt",

R"txt(# 항상 위에, 보통 위치, 바탕화면
- 메모 메뉴에서 [항상 위에], [보통 위치에], [바탕화면에] 가운데 하나를 고릅니다. 타이틀 바 왼쪽의 [항상 위에] 단추로도 켜고 끕니다.
- [바탕화면에] 둔 메모는 다른 창들 아래, 바탕화면에 붙어 있습니다.
- 트레이 메뉴의 [모두 항상 위에], [모두 보통 위치에], [모두 바탕화면에]는 모든 메모를 한 번에 바꿉니다.
- 새 메모를 늘 위에 띄우려면 [일반] 페이지의 "항상 위"를 켭니다.
- 메모 메뉴의 [숨기기]로 감춘 메모는 [모두 보기](Ctrl+Alt+PageUp)로 다시 나타납니다. [모두 숨기기]는 Ctrl+Alt+PageDown입니다.)txt",

R"txt(# 투명도와 단순하게 보기
- 다른 창에서 일하는 동안 메모를 반투명하게 둘 수 있습니다. [일반] 페이지에서 "펼쳐진 메모"와 "접혀진 메모"의 "투명도"를 조절합니다. 메모를 클릭하면 다시 또렷해집니다.
- "메모 비활성시에 단순하게 보기"를 켜면 쓰지 않는 메모의 단추가 숨어 깔끔해집니다. "메모 비활성시에 타이틀 & 편집 시간 보기"도 켜면 타이틀과 마지막 편집 시간이 보입니다.
- "마우스 선택시 메모 사라짐"을 켜면 마우스를 올린 메모가 흐려지며 사라졌다가, 마우스가 벗어나면 돌아옵니다. Ctrl 키를 누르고 있으면 사라지지 않습니다.
! 이 항목은 "접힌 메모 풍선 도움말 보기"가 "사용하지 않음"일 때만 고를 수 있습니다.)txt",

R"txt(# 달라붙기와 자동 정렬
- 메모를 다른 메모나 시계, 달력, 화면 가장자리 가까이 끌면 딱 달라붙습니다. [Prog] 페이지의 "가까운 메모끼리 달라 붙기(Docking)"로 켜고 끕니다.
- 트레이 메뉴의 [모두 정렬]은 메모를 화면 오른쪽 위부터 아래로 줄지어 놓고, 자리가 모자라면 왼쪽에 새 줄을 엽니다.
- [모두 펼친 후 정렬], [모두 접은 후 정렬]은 먼저 펼치거나 접은 뒤 정렬합니다. [현재 위치기반 정렬]은 지금 놓인 순서를 살려 정렬합니다.
- 메모 메뉴의 [정렬]은 그 메모 하나만 줄의 빈자리로 옮깁니다.
- 모니터가 여럿이면 [일반] 페이지의 "위치"에서 메모를 놓을 모니터를 고릅니다.)txt",

R"txt(# 지우기와 되살리기
[삭제] 단추를 누르면 지우는 방법을 묻습니다. 빈 메모는 묻지 않고 지웁니다.
* 삭제(복원가능)|휴지통으로 보냅니다. 나중에 되살릴 수 있습니다.
* 임시 보관함으로|[임시 보관함] 그룹으로 옮겨 둡니다.
* 완전 삭제|되살릴 수 없게 지웁니다.
- Ctrl을 누른 채 [삭제]를 누르면 묻지 않고 휴지통으로, Shift는 완전 삭제, Alt는 임시 보관함으로 보냅니다.
- 트레이 메뉴의 [지운 메모 복원]에서 휴지통의 메모를 미리 보고 [복원], [모두 복원], [삭제], [모두 삭제]를 합니다. 되살린 메모는 글만 돌아오고 색과 타이틀은 처음 값이 됩니다.
- Ctrl을 누른 채 [지운 메모 복원]을 고르면 [수동 메모 복구] 창이 열립니다. 메모 목록이 망가졌을 때 데이터 폴더의 메모 파일에서 메모를 되살립니다.
- [임시 보관함]은 당장 쓰지 않는 메모를 치워 두는 특별한 그룹입니다. 색, 타이틀, 위치가 그대로 남고, [다른 그룹 열기]에서 열어 봅니다.)txt",

R"txt(# 메모 그룹
- 메모를 여러 그룹으로 나눌 수 있습니다. 화면에는 열린 그룹 하나의 메모만 나타납니다.
- 트레이 메뉴의 [다른 그룹 열기]에서 그룹을 바꿉니다. 지금 열린 그룹에는 체크 표시가 있습니다.
- 트레이 메뉴의 [메모 그룹 편집]에서 [그룹 추가], [그룹 이름 수정], [그룹 삭제], [그룹 열기], [임시 보관함 열기]를 합니다.
- 그룹을 지울 때는 그 메모들을 휴지통으로 보낼지, 모두 완전히 지울지, 그룹 파일만 지울지 고릅니다.
- 메모 메뉴의 [다른그룹으로 보내기]로 메모를 다른 그룹이나 임시 보관함으로 옮깁니다.)txt",

R"txt(# 메모 찾기
- 트레이 메뉴의 [메모 찾기]나 Ctrl+Alt+F를 누르고 찾을 글을 넣습니다. 열린 그룹의 메모에서 찾습니다.
- "메모내용에서 검색", "타이틀에서 검색", "대 소문자 구분", "단어 단위로"를 고를 수 있습니다.
- 찾은 메모는 앞으로 나와 반짝입니다. "찾은 메모를 항상 위로", "찾은 메모를 펼치기"를 켜 두면 더 눈에 잘 띕니다.)txt",

R"txt(# 화면 캡쳐
- 트레이 메뉴의 [화면 캡쳐]나 Ctrl+Alt+P를 누르면 화면이 멈춥니다. 원하는 곳을 마우스로 끌어 고르세요.
- 고른 부분의 그림이 바로 그 자리에 새 메모로 붙습니다. Esc는 취소이고, Ctrl을 누른 채 끌면 클립보드에만 복사합니다.
- Ctrl+Alt+V는 클립보드에 있는 글이나 그림으로 새 메모를 만듭니다.
- [Prog] 페이지에서 캡쳐의 "항상 위"를 켜면 캡쳐한 메모가 늘 위에 뜹니다.)txt",

R"txt(# 일정과 알람
- 트레이 메뉴의 [일정 관리](Ctrl+Alt+F11)에서 일정을 [추가], [수정], [삭제]합니다. [시간지난것 삭제]는 끝난 일정을 정리합니다.
- 반복은 "날마다 알림", "한번만 알림", "특정일", "특정요일", "기간", "한달중 특정일" 가운데서 고릅니다.
- "미리 알림"을 정하면 일정 몇 분 전이나 하루 전, 일주일 전에 먼저 알려 줍니다.
- 알림 모양은 "슬라이드로 알림", "팝업으로 알림", "팝업 후 자동 닫기", "포스트잇으로 알림" 가운데 하나입니다. 소리(Sound)와 "실행 명령"도 붙일 수 있습니다.
- 메모 메뉴의 [현재 메모를 일정등록]으로 메모를 일정에 붙이면, 그 시각에 메모가 맨 위로 올라와 반짝입니다.
- 시간을 정하지 않은 하루 종일 일정은 프로그램을 시작할 때 알려 줍니다.
! 알람은 Quillet가 실행 중일 때만 울립니다.)txt",

R"txt(# 시계
- 트레이 메뉴의 [시계 보기](Ctrl+Alt+F12)로 바탕화면 시계를 띄웁니다.
- 시계를 오른쪽 클릭한 메뉴에서 [항상 보기]나 [설정 시간에 보기]를 고릅니다. [설정 시간에 보기]는 정각과 30분 같은 정한 시각에만 잠깐 나타나고, 소리도 울릴 수 있습니다.
- 같은 메뉴에서 스킨(Skin), 투명도, 위치, [좌표 고정]을 바꿉니다. 시계를 더블클릭하면 [시계 설정]이 열립니다.)txt",

R"txt(# 달력
- 트레이 메뉴의 [달력 보기](Ctrl+Alt+C)로 달력을 띄웁니다. 양력과 음력 날짜, 휴일, 기념일이 표시됩니다.
- 날짜에 마우스를 올리면 그날의 기념일과 일정이 풍선 도움말로 보입니다.
- 날짜를 더블클릭하면 [날짜] 창이 열립니다. [정리], [일정 추가], [기념일] 단추로 그날의 정보와 일정, 기념일을 다룹니다.
- 날짜를 오른쪽 클릭하면 "5월 5일 일정 등록", "5월 5일 정보"처럼 그날의 메뉴가 나옵니다.
- 기념일에는 "생일", "약속", "제사" 같은 종류를 붙이고 "휴일"로 표시할 수 있습니다. "음력으로 기념일 저장"을 켜면 해마다 그 음력 날짜에 표시됩니다.
- 기념일 당일에는 알림으로 알려 줍니다([달력] 페이지의 "기념일 알람으로 체크").
- 트레이 아이콘에는 오늘 날짜가 나타납니다.)txt",

R"txt(# 스케쥴 보기
- 트레이 메뉴의 [스케쥴 보기](Ctrl+Alt+S)는 오늘의 양력·음력 날짜, 기념일, D-day까지 남은 날과 지난 날, 오늘 일정을 한눈에 보여 줍니다.
- [달력] 페이지의 "스케쥴 윈도우 보기"를 "필요할때 보기"로 두면 일정이 있는 날에만 시작할 때 나타납니다.)txt",

R"txt(# 단축키
어느 프로그램을 쓰고 있든 다음 조합이 바로 통합니다.
* Ctrl+Alt+N|새 메모
* Ctrl+Alt+PageUp|모두 보기
* Ctrl+Alt+PageDown|모두 숨기기
* Ctrl+Alt+F1 ~ F4|등록한 프로그램 1~4 실행
* Ctrl+Alt+F5 ~ F8|등록한 웹 주소 1~4 열기
* Ctrl+Alt+F9|환경 설정
* Ctrl+Alt+F11|일정 관리
* Ctrl+Alt+F12|시계 보기
* Ctrl+Alt+C|달력 보기
* Ctrl+Alt+S|스케쥴 보기
* Ctrl+Alt+P|화면 캡쳐
* Ctrl+Alt+V|클립보드 내용으로 새 메모
* Ctrl+Alt+F|메모 찾기
* Ctrl+Alt+I|웹 브라우저 실행
* Ctrl+Alt+D|모든 창 최소화
- 프로그램 경로와 웹 주소는 [환경 설정]의 [단축] 페이지에 적습니다. 조합은 각 페이지의 단축키 단추로 바꾸거나 "사용 안함"으로 끕니다.
- "단축키로 윈도우 보기 토글"을 켜면 시계, 달력, 스케쥴 보기 단축키를 한 번 더 눌러 숨길 수 있습니다.
! 다른 프로그램이 이미 쓰고 있는 조합은 동작하지 않습니다.)txt",

R"txt(# 환경 설정
- 트레이 메뉴의 [환경 설정](Ctrl+Alt+F9)으로 [Quillet 환경설정] 창을 엽니다. 왼쪽 단추로 [일반], [Prog], [색상], [단축], [시계], [달력] 페이지를 고릅니다.
- [일반]은 새 메모의 크기와 글꼴, 투명도, 풍선 도움말, 타이틀 바 모양을, [Prog]는 시작 프로그램 등록, 트레이 아이콘, 달라붙기, 무설치 버전을 정합니다.
- [확인]과 [적용]은 지금 보고 있는 페이지만 저장합니다. [기본값]은 그 페이지를 처음 값으로 돌려 놓습니다.)txt",

R"txt(# 무설치(Portable) 버전
- [Prog] 페이지의 "무설치 버전(Portable: USB등의 외장 메모리등에서 사용할 수 있도록 함)"을 켜면 설정이 레지스트리 대신 프로그램 폴더의 QuilletDB.xml에 저장됩니다.
- 그러면 프로그램 폴더를 하위 폴더까지 통째로 USB 메모리 등에 복사해 다른 컴퓨터에서도 그대로 쓸 수 있습니다.
- 데이터 폴더가 프로그램 폴더 안에 있어야 하고, 무설치 버전에서는 "시작 프로그램으로 등록"을 쓸 수 없습니다. CD처럼 쓰기 금지된 곳에서는 제대로 동작하지 않습니다.)txt",

R"txt(# 데이터가 있는 곳
- 메모는 데이터 폴더에 저장됩니다. 처음에는 프로그램 폴더 안의 memo_data 폴더이고, 거기에 만들 수 없으면 문서 폴더의 memo_data입니다.
- [메모 그룹 편집]의 [...] 단추로 데이터 폴더를 바꿀 수 있습니다. 파일은 옮겨지지 않고 새 폴더의 메모가 열립니다.
- 데이터 폴더에는 그룹(*.qld), 메모 내용(*.rtf), 휴지통의 메모(*.brt), 임시 보관함(RecycleBin.qlr), 일정(QuilletAlarmInfo.qla)이 있습니다. 기념일은 프로그램 폴더의 CalendarSkin\DayInfo.dat에 있습니다(프로그램 폴더에 쓸 수 없으면 %APPDATA%\Quillet 아래).
- 설정은 레지스트리의 HKEY_CURRENT_USER\Software\Quillet Program\Quillet에 저장됩니다.
- 데이터 폴더를 통째로 복사해 두면 메모와 일정이 백업됩니다.
프로그램을 끝내려면 트레이 메뉴의 [프로그램 종료]를 고릅니다.)txt",
};

constexpr const char* kBodyFace = "굴림";
constexpr const char* kHeadingFace = "맑은 고딕";

// Colour numbers refer to this table: 1 title, 2 headings, 3 quiet text.
constexpr const char* kColorTable =
    "{\\colortbl ;\\red20\\green60\\blue140;\\red170\\green70\\blue0;\\red90\\green90\\blue90;}";

struct ParagraphStyle {
  char mark;
  const char* paragraph;   // after \pard; spacing and indents in twips
  const char* characters;  // after \plain; sizes in half-points
  const char* bullet;      // set before the text with a tab, or empty
};

// Hanging indents with a tab stop at the indent keep wrapped lines aligned with the text.
constexpr ParagraphStyle kStyles[] = {
    {'=', "\\sa160", "\\f1\\fs30\\b\\cf1", ""},
    {'>', "\\sa160", "\\f0\\fs18\\cf3", ""},
    {'#', "\\sb220\\sa80", "\\f1\\fs22\\b\\cf2", ""},
    {'-', "\\li300\\fi-300\\tx300\\sa40", "\\f0\\fs18", "·"},
    {'*', "\\li2300\\fi-2100\\tx2300\\sa40", "\\f0\\fs18", ""},
    {'!', "\\li300\\fi-300\\tx300\\sb40\\sa60", "\\f0\\fs18\\cf3", "※"},
};
constexpr ParagraphStyle kPlainStyle = {' ', "\\sa60", "\\f0\\fs18", ""};

void AppendHexEscape(std::string& out, unsigned char byte) {
  constexpr char kDigits[] = "0123456789abcdef";
  out += "\\'";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0x0f];
}

// A lead byte takes its trail byte along into escapes, so no reader can pair the trail
// with the wrong neighbour even when it falls in the ASCII range.
void AppendText(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      AppendHexEscape(out, byte);
      if (i + 1 < text.size()) AppendHexEscape(out, static_cast<unsigned char>(text[++i]));
    } else if (byte == '\\' || byte == '{' || byte == '}') {
      out += '\\';
      out += static_cast<char>(byte);
    } else {
      out += static_cast<char>(byte);
    }
  }
}

const ParagraphStyle& StyleOf(std::string_view line) {
  if (line.size() >= 2 && line[1] == ' ') {
    for (const ParagraphStyle& style : kStyles) {
      if (style.mark == line[0]) return style;
    }
  }
  return kPlainStyle;
}

void AppendParagraph(std::string& out, std::string_view line) {
  const ParagraphStyle& style = StyleOf(line);
  if (&style != &kPlainStyle) line.remove_prefix(2);
  out += "\\pard";
  out += style.paragraph;
  out += "\\plain";
  out += style.characters;
  out += ' ';
  if (*style.bullet != '\0') {
    AppendText(out, style.bullet);
    out += "\\tab ";
  }
  if (style.mark == '*') {  // the key in bold, its meaning at the tab stop
    const std::size_t bar = std::min(line.find('|'), line.size());
    out += "{\\b ";
    AppendText(out, line.substr(0, bar));
    out += "}\\tab ";
    line.remove_prefix(std::min(bar + 1, line.size()));
  }
  AppendText(out, line);
  out += "\\par\n";
}

void AppendFont(std::string& out, int number, const char* face) {
  out += "{\\f" + std::to_string(number) + "\\fnil\\fcharset129 ";
  AppendText(out, face);
  out += ";}";
}

}  // namespace

std::string HelpDocumentRtf() {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg949\\deff0\\deflang1042{\\fonttbl";
  AppendFont(rtf, 0, kBodyFace);
  AppendFont(rtf, 1, kHeadingFace);
  rtf += "}\n";
  rtf += kColorTable;
  rtf += "\n\\viewkind4\\uc1\n";
  for (std::string_view section : kGuide) {
    while (!section.empty()) {
      const std::size_t end = section.find('\n');
      const std::string_view line = section.substr(0, end);
      if (!line.empty()) AppendParagraph(rtf, line);
      if (end == std::string_view::npos) break;
      section.remove_prefix(end + 1);
    }
  }
  rtf += "}\n";
  return rtf;
}

}  // namespace quillet
