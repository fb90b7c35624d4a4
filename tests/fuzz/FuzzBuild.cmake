# The fuzzing build (TESSARIN_FUZZ=ON, included by the top-level list file):
# the plain C++ core that the harnesses drive, instrumented for libFuzzer's
# coverage and checked by AddressSanitizer and UndefinedBehaviorSanitizer, and
# the harnesses linked with libFuzzer's driver. No Qt, no generated data.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "TESSARIN_FUZZ needs clang's libFuzzer: configure with CC=clang CXX=clang++")
endif()

# Every sanitizer report stops the run, so that libFuzzer keeps the input.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

foreach(folder src/data src/stationinput src/fares src/skin tools/skin tests/fuzz)
  add_subdirectory(${folder})
endforeach()
