# The data core built for the machine itself (Linux, clang), under AddressSanitizer and
# UndefinedBehaviorSanitizer, with the libFuzzer targets of fuzz/. The Windows build stays the
# product; this one exists to find faults.

if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The host build needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

option(TESSEL_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
option(TESSEL_FUZZ "Build the libFuzzer targets" ON)

if(TESSEL_SANITIZE)
    # Any finding ends the program with a report, so a test can never pass over one.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# clang writes narrow literals in UTF-8 only; this tool rewrites the literals of each source
# of ours into Shift-JIS escapes, so that both builds carry the same bytes.
add_executable(tessel_literals ${PROJECT_SOURCE_DIR}/cmake/ShiftJisLiterals.cpp)

# Called by tessel_target(): compiles the rewritten copies of the target's .cpp files. Sources
# added to a target after tessel_target() keep their UTF-8 literals; headers are used as they
# are, so they must keep non-ASCII text out of their literals.
function(tessel_host_target target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(folder ${target} SOURCE_DIR)
    set(rewritten "")
    foreach(source ${sources})
        get_filename_component(path ${source} ABSOLUTE BASE_DIR ${folder})
        string(FIND "${path}" "${PROJECT_SOURCE_DIR}/" inTree)
        if(path MATCHES "\\.cpp$" AND inTree EQUAL 0)
            file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${path})
            set(output ${CMAKE_BINARY_DIR}/sjis/${relative})
            add_custom_command(OUTPUT ${output}
                COMMAND tessel_literals ${path} ${output}
                DEPENDS ${path} tessel_literals
                COMMENT "Shift-JIS literals of ${relative}"
                VERBATIM)
            list(APPEND rewritten ${output})
        else()
            list(APPEND rewritten ${source})
        endif()
    endforeach()
    set_property(TARGET ${target} PROPERTY SOURCES ${rewritten})
    target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
    if(TESSEL_FUZZ)
        # Coverage for the fuzzers (the sanitizer runtime answers its hooks in the tests):
        # what -fsanitize=fuzzer-no-link gives, less the tracing of comparisons, which halves
        # the rate of the map checks (loops over 1024 cells) for little guidance here: the
        # corpus carries the formats' magic values, and libFuzzer still sees the memcmp and
        # strcmp calls through its interceptors.
        target_compile_options(${target} PRIVATE
            -fsanitize-coverage=inline-8bit-counters,indirect-calls,pc-table
            -fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage-ignore.txt)
    endif()
endfunction()
