# Builds that catch memory and undefined-behaviour faults while they run.
#
# QUDO_SANITIZE builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer (gcc or clang); a fault stops the program that
# met it with a report, so a test that meets one fails.
# QUDO_FUZZ (clang only) adds the fuzz targets of the readers in fuzz/,
# built with libFuzzer; it sanitizes everything too, so that one build
# serves both the fuzz runs and the sanitized test run.
# QUDO_TSAN builds with ThreadSanitizer instead, for the sorts and estimates
# that share their work between two threads; it excludes the other two.
option(QUDO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUDO_TSAN "Build with ThreadSanitizer" OFF)
option(QUDO_FUZZ "Build the fuzz targets of the readers with clang's libFuzzer (sanitizes everything)" OFF)

if(QUDO_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUDO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(QUDO_SANITIZE ON CACHE BOOL "Build with AddressSanitizer and UndefinedBehaviorSanitizer" FORCE)
endif()

if(QUDO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # What the sanitized tests run with: stop at the first fault, with its stack.
    set(QUDO_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

if(QUDO_TSAN)
    if(QUDO_SANITIZE)
        message(FATAL_ERROR "QUDO_TSAN cannot be combined with QUDO_SANITIZE or QUDO_FUZZ")
    endif()
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
    add_compile_definitions(QUDO_THREAD_SANITIZER)
endif()
