# Run at every build (cmake -DOUTPUT=<header> -P BuildDate.cmake): writes the date of the
# build, as the version dialog shows it, into the header, and touches the header only when
# the date changed, so that only what shows it is compiled again. The date is the day of
# SOURCE_DATE_EPOCH when that is set (the release sets the commit's time, so the same commit
# gives the same programs), otherwise today, both in UTC.
string(TIMESTAMP date "%Y-%m-%d" UTC)
set(content "#define TESSEL_BUILD_DATE \"${date}\"\n")
set(old "")
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL content)
    file(WRITE "${OUTPUT}" "${content}")
endif()
