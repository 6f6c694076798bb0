# Settings every target of our own shares: C++20 and warnings as errors
# (a packager on a newer compiler can pass --compile-no-warning-as-error).
function(tovy_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF COMPILE_WARNING_AS_ERROR ON)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

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
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts"
        TIMEOUT 300)
endfunction()
