# AddressSanitizer and UndefinedBehaviorSanitizer for our own targets only, so
# that Qt and the rest of the system stay as they are installed. Any fault
# UBSan finds ends the program, as ASan's do.
option(TOVY_SANITIZE "Build our targets with -fsanitize=address,undefined" OFF)
set(TOVY_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

# Settings every target of our own shares: C++20 and warnings as errors
# (a packager on a newer compiler can pass --compile-no-warning-as-error).
function(tovy_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF COMPILE_WARNING_AS_ERROR ON)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(TOVY_SANITIZE)
        target_compile_options(${target} PRIVATE ${TOVY_SANITIZER_FLAGS})
        target_link_options(${target} PRIVATE ${TOVY_SANITIZER_FLAGS})
    endif()
endfunction()

# The sanitizers' settings for a test run; the programs the tests start
# inherit them. libfaketime, preloaded by some end-to-end tests, comes before
# ASan's run-time in the library list, which ASan would refuse. GCC 12's
# LeakSanitizer crashes scanning the dynamic thread-local storage of Qt's
# plugins, so thread-local storage is not scanned.
set(TOVY_SANITIZER_TEST_ENVIRONMENT
    "ASAN_OPTIONS=detect_stack_use_after_return=1:verify_asan_link_order=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=use_tls=0:suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer/lsan.supp:print_suppressions=0")

# tovy_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Every test is a QtTest executable registered with ctest; window tests run
# on Qt's offscreen platform so that no display is needed.
function(tovy_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    tovy_target_defaults(${name})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    # Beside the program, so that both find the pictures in ../Resources.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    add_test(NAME ${name} COMMAND ${name})
    set(environment "QT_QPA_PLATFORM=offscreen" "QT_QPA_FONTDIR=/usr/share/fonts")
    if(TOVY_SANITIZE)
        list(APPEND environment ${TOVY_SANITIZER_TEST_ENVIRONMENT})
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
endfunction()
