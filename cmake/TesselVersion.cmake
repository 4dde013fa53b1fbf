# The program's version comes from one place, the constant the window title shows
# (APPLICATION_VERSION in editor/model/BMConstants.h), and so does its copyright line
# (APPLICATION_COPYRIGHT, which the version dialog shows). This reads them for the version
# resources, the manifest, the installer and the release's file names:
#   TESSEL_VERSION          "0.60", as written there
#   TESSEL_VERSION_NUMBERS  "0,60,0,0", the four numbers of a version resource
#   TESSEL_VERSION_DOTTED   "0.60.0.0", the same for a manifest or an installer
#   TESSEL_COPYRIGHT        the copyright line
# and writes <build>/tessel-version.txt (the first three, one a line, for the release) and
# <build>/resources/TesselVersion.h (all of it, for the resource compiler).
set(_header ${PROJECT_SOURCE_DIR}/editor/model/BMConstants.h)
file(STRINGS ${_header} _line REGEX "APPLICATION_VERSION = \"[^\"]*\"")
string(REGEX MATCH "\"([0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?)\"" _quoted "${_line}")
if(NOT _quoted)
    message(FATAL_ERROR "${_header}: APPLICATION_VERSION must be one to four numbers joined "
                        "by dots, as \"0.60\"; found: ${_line}")
endif()
set(TESSEL_VERSION ${CMAKE_MATCH_1})
string(REPLACE "." ";" _numbers ${TESSEL_VERSION})
list(LENGTH _numbers _count)
while(_count LESS 4)
    list(APPEND _numbers 0)
    math(EXPR _count "${_count} + 1")
endwhile()
# Leading zeros go ("0.06" is 0,6): a resource compiler would read 08 as a bad octal number.
set(_plain "")
foreach(_number ${_numbers})
    string(REGEX REPLACE "^0+([0-9])" "\\1" _number ${_number})
    if(_number GREATER 65535)
        message(FATAL_ERROR "${_header}: version number ${_number} is above 65535")
    endif()
    list(APPEND _plain ${_number})
endforeach()
string(REPLACE ";" "," TESSEL_VERSION_NUMBERS "${_plain}")
string(REPLACE ";" "." TESSEL_VERSION_DOTTED "${_plain}")
# Configure again when the constant changes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_header})
file(STRINGS ${_header} _line REGEX "APPLICATION_COPYRIGHT = \"[^\"]*\"")
string(REGEX MATCH "\"([^\"]+)\"" _quoted "${_line}")
set(TESSEL_COPYRIGHT "${CMAKE_MATCH_1}")
if(NOT _quoted OR NOT TESSEL_COPYRIGHT MATCHES "^[ -~]+$" OR TESSEL_COPYRIGHT MATCHES "\\\\")
    message(FATAL_ERROR "${_header}: APPLICATION_COPYRIGHT must be one line of plain ASCII "
                        "without backslashes; found: ${_line}")
endif()
file(WRITE ${PROJECT_BINARY_DIR}/tessel-version.txt
     "${TESSEL_VERSION}\n${TESSEL_VERSION_DOTTED}\n${TESSEL_COPYRIGHT}\n")
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/resources/TesselVersion.h CONTENT
"#define TESSEL_VERSION \"@TESSEL_VERSION@\"
#define TESSEL_VERSION_NUMBERS @TESSEL_VERSION_NUMBERS@
#define TESSEL_COPYRIGHT \"@TESSEL_COPYRIGHT@\"
" @ONLY)
