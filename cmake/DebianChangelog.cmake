# Writes the Debian package's changelog from CHANGELOG.md: each "## VERSION -
# YYYY-MM-DD" section becomes an entry, each "- " item a "  * " line, and its
# continuation lines keep their place under it.
# cmake -DCHANGELOG=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=tarnwick -DMAINTAINER="Name <mail>" -P this file
cmake_minimum_required(VERSION 3.25)

file(STRINGS "${CHANGELOG}" lines ENCODING UTF-8)
set(text "")
set(trailer "")
foreach(line IN LISTS lines)
  if(line MATCHES "^## ([0-9][0-9.]*) - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
    set(version ${CMAKE_MATCH_1})
    # Debian wants the date as RFC 5322 gives it, weekday included.
    execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2}"
                    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND text "${trailer}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
    set(trailer "\n -- ${MAINTAINER}  ${date}\n\n")
  elseif(line MATCHES "^## ")
    message(FATAL_ERROR "${CHANGELOG}: a section heading is \"## VERSION - YYYY-MM-DD\", not \"${line}\"")
  elseif(trailer STREQUAL "")
    continue()  # the file's own introduction
  elseif(line MATCHES "^- (.*)$")
    string(APPEND text "  * ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^  (.*)$")
    string(APPEND text "    ${CMAKE_MATCH_1}\n")
  elseif(NOT line STREQUAL "")
    message(FATAL_ERROR "${CHANGELOG}: an item starts with \"- \" and goes on indented: \"${line}\"")
  endif()
endforeach()
if(trailer STREQUAL "")
  message(FATAL_ERROR "${CHANGELOG} has no \"## VERSION - YYYY-MM-DD\" section")
endif()
string(APPEND text "${trailer}")
string(REGEX REPLACE "\n\n$" "\n" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
