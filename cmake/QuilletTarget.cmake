# Options every Quillet target is built with.

if(QUILLET_FUZZ)
  # Coverage for every library the fuzz targets reach; the targets link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
elseif(QUILLET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(quillet_target target)
  target_compile_features(${target} PUBLIC cxx_std_17)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion>)
  # Korean literals must be the CP949 bytes the data files hold. clang knows only UTF-8, so the
  # libFuzzer build keeps UTF-8 literals; the readers it fuzzes hold none.
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8 -fexec-charset=CP949>)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
  endif()
endfunction()

# What nearly every file includes, for the precompiled headers: a MinGW compile spends about 2.4 s
# in <windows.h> and its company alone.
set(QUILLET_COMMON_HEADERS <string> <vector> <optional> <algorithm> <memory> <functional>)
set(QUILLET_WINDOWS_HEADERS ${PROJECT_SOURCE_DIR}/win/platform/WinApi.h <commctrl.h> <richedit.h>)
