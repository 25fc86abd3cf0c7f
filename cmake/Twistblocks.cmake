# Shared build settings and the helpers every folder's CMakeLists.txt uses.

set(TWISTBLOCKS_WARNINGS -Wall -Wextra)
# Error messages name files from the project root, whatever folder it was built in.
add_compile_options(-fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)
set(TWISTBLOCKS_TEST_PROPERTIES TIMEOUT 300)
if(TWISTBLOCKS_SANITIZER STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # The leak check at exit also scans the dynamic TLS that ASan records from __tls_get_addr.
  # Here (GCC 12's libasan, glibc 2.36) a record made on the GL driver's threads can hold a
  # bogus range (seen: 0x9c1-0x1800001ac3), and the scan then crashes inside the sanitizer
  # ("Tracer caught signal 11"). Without the interception static TLS is still scanned, and a
  # pointer kept only in dynamic TLS could at worst show as a leak, never hide one.
  list(APPEND TWISTBLOCKS_TEST_PROPERTIES ENVIRONMENT ASAN_OPTIONS=intercept_tls_get_addr=0)
elseif(TWISTBLOCKS_SANITIZER STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT TWISTBLOCKS_SANITIZER STREQUAL "")
  message(FATAL_ERROR "TWISTBLOCKS_SANITIZER must be address, thread or empty")
endif()

# Windows (MinGW-w64, cmake/mingw-w64.cmake): the wide-character API throughout, no min/max
# macros, M_PI and friends from <cmath> as on Linux; every executable carries its runtime
# (libgcc, libstdc++, winpthread) so that it runs on a Windows machine with nothing installed.
if(WIN32)
  add_compile_definitions(UNICODE _UNICODE NOMINMAX STRICT _USE_MATH_DEFINES)
  add_link_options(-static)
endif()

# What the Win32-facing folders link: the real system libraries on Windows, our layer
# over SDL2 (src/platform) everywhere else.
if(WIN32)
  set(TWISTBLOCKS_PLATFORM_LIBS user32 gdi32 comctl32 winmm opengl32 glu32)
else()
  set(TWISTBLOCKS_PLATFORM_LIBS platform)
endif()

# add_twistblocks_library(NAME SOURCES ... LIBS ...): the static library of one src/ folder.
function(add_twistblocks_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${TWISTBLOCKS_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# add_twistblocks_executable(NAME SOURCES ... LIBS ...): a program of the project, with its warnings.
function(add_twistblocks_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${TWISTBLOCKS_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()

# Tests and benchmarks that read the installation's files find them through
# TWISTBLOCKS_DATA_DIR (data/ in the source tree).
set(TWISTBLOCKS_TREE_DEFINITIONS
  TWISTBLOCKS_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TWISTBLOCKS_DATA_DIR="${CMAKE_SOURCE_DIR}/data")

# add_twistblocks_test(NAME SOURCES ... LIBS ...): a GoogleTest executable registered with CTest.
if(TWISTBLOCKS_TESTS)
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()
function(add_twistblocks_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_twistblocks_executable(${name} SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ${TWISTBLOCKS_TREE_DEFINITIONS})
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests would run the executable at build time; it runs whole under the
    # cross-compiling emulator (Wine) instead.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ${TWISTBLOCKS_TEST_PROPERTIES})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${TWISTBLOCKS_TEST_PROPERTIES})
  endif()
endfunction()

# add_twistblocks_bench(NAME SOURCES ... LIBS ...): a Google Benchmark executable (not run by CTest).
function(add_twistblocks_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_twistblocks_executable(${name} SOURCES ${ARG_SOURCES} LIBS ${ARG_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE ${TWISTBLOCKS_TREE_DEFINITIONS})
endfunction()
