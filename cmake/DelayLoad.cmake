# Import libraries of the system DLLs that the editor needs only for some commands (the file
# and folder dialogs, dropped files, MIDI playback): each DLL, with the DLLs it brings along, is
# loaded on the first call into it instead of before the program starts, which under Wine is a
# noticeable part of the time before the window shows. The .def files list the functions the
# framework calls; a call to any other fails to link until it is added there.
function(tessel_delay_library name)
    set(def ${PROJECT_SOURCE_DIR}/cmake/delay/${name}.def)
    set(library ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
    add_custom_command(OUTPUT ${library}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
        COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${library}
        DEPENDS ${def}
        VERBATIM)
    add_custom_target(tessel_delay_${name}_library DEPENDS ${library})
    add_library(tessel_delay_${name} STATIC IMPORTED GLOBAL)
    set_target_properties(tessel_delay_${name} PROPERTIES IMPORTED_LOCATION ${library})
    add_dependencies(tessel_delay_${name} tessel_delay_${name}_library)
endfunction()

if(WIN32)
    if(NOT CMAKE_DLLTOOL)
        find_program(CMAKE_DLLTOOL x86_64-w64-mingw32-dlltool REQUIRED)
    endif()
    foreach(name comdlg32 shell32 winmm)
        tessel_delay_library(${name})
    endforeach()
endif()
