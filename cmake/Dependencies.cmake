# Third-party libraries, all from Debian's packages (scripts/setup installs them).

set(QUILLET_DEPS_DIR ${CMAKE_SOURCE_DIR}/.deps CACHE PATH "Unpacked source packages for the Windows build")

if(WIN32)
  # TinyXML-2 from its Debian source package, compiled with the cross compiler.
  set(tinyxml2_dir ${QUILLET_DEPS_DIR}/tinyxml2)
  if(NOT EXISTS ${tinyxml2_dir}/tinyxml2.cpp)
    message(FATAL_ERROR "TinyXML-2 sources missing in ${tinyxml2_dir}: run scripts/setup")
  endif()
  add_library(tinyxml2_static STATIC ${tinyxml2_dir}/tinyxml2.cpp)
  target_include_directories(tinyxml2_static SYSTEM PUBLIC ${tinyxml2_dir})
  add_library(tinyxml2::tinyxml2 ALIAS tinyxml2_static)

  # GoogleTest from Debian's googletest package (sources), compiled with the cross compiler.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Google Benchmark from its Debian source package, for the benchmarks of the Windows layer.
  set(benchmark_dir ${QUILLET_DEPS_DIR}/benchmark)
  if(NOT EXISTS ${benchmark_dir}/CMakeLists.txt)
    message(FATAL_ERROR "Google Benchmark sources missing in ${benchmark_dir}: run scripts/setup")
  endif()
  foreach(option BENCHMARK_ENABLE_TESTING BENCHMARK_ENABLE_GTEST_TESTS BENCHMARK_ENABLE_INSTALL
                 BENCHMARK_ENABLE_WERROR BENCHMARK_INSTALL_DOCS)
    set(${option} OFF CACHE BOOL "" FORCE)
  endforeach()
  # The Debian sources do not ask git for their version; "0.0.0" makes them use the project's.
  set(GIT_VERSION "0.0.0")
  add_subdirectory(${benchmark_dir} ${CMAKE_BINARY_DIR}/benchmark EXCLUDE_FROM_ALL)

  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(tinyxml2 REQUIRED CONFIG)
  if(NOT QUILLET_FUZZ)
    find_package(GTest REQUIRED)
    if(QUILLET_BENCH)
      find_package(benchmark REQUIRED)
    endif()
  endif()
endif()
