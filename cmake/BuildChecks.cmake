# Stricter builds for CI and for hunting faults.
#
# TESSARIN_WERROR    every compiler warning fails the build.
# TESSARIN_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer in every
#                    program; the first report ends the program with a failure
#                    (nothing is recovered from), so a test that meets one fails.

option(TESSARIN_WERROR "Treat compiler warnings as errors" OFF)
option(TESSARIN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TESSARIN_WERROR)
  add_compile_options(-Werror)
endif()

if(TESSARIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  # How the test programs and the programs they start run: a report aborts,
  # so it can be mistaken for no ordinary exit status.
  set(TESSARIN_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
    "UBSAN_OPTIONS=abort_on_error=1:print_stacktrace=1")
endif()
