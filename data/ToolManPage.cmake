# Writes zantor-tool's manual page from its own --help texts, so that the page never tells of
# commands the tool does not have.
#   cmake -DTOOL=path/to/zantor-tool -DOUT=zantor-tool.1 -DVERSION=x.y.z -P ToolManPage.cmake

cmake_policy(SET CMP0007 NEW)  # keep empty lines in lists

# Lines are handled as CMake lists, in which ';', '[' and ']' have meanings of their own: they
# travel as placeholders until troff() puts them back.
function(run_help out)
    execute_process(COMMAND ${TOOL} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${TOOL} ${ARGN} failed (${rc})")
    endif()
    string(STRIP "${text}" text)
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "[" "<open>" text "${text}")
    string(REPLACE "]" "<close>" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Plain text as troff: backslashes and minus signs escaped, no line read as a request.
function(troff out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    string(REPLACE "×" "\\(mu" text "${text}")
    string(REPLACE "<semicolon>" ";" text "${text}")
    string(REPLACE "<open>" "[" text "${text}")
    string(REPLACE "<close>" "]" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

run_help(overview --help)
string(REPLACE "\n" ";" lines "${overview}")

set(description "")
set(exit_status "")
set(commands "")
set(in_commands FALSE)
list(POP_FRONT lines)  # the usage line; the synopsis below says it
foreach(line IN LISTS lines)
    if(line STREQUAL "Commands:")
        set(in_commands TRUE)
    elseif(in_commands AND line MATCHES "^  ([a-z-]+) ")
        list(APPEND commands "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^Exit status: (.*)")
        set(exit_status "${CMAKE_MATCH_1}")
    elseif(NOT in_commands AND NOT line STREQUAL "")
        string(APPEND description "${line}\n")
    endif()
endforeach()
if(NOT commands)
    message(FATAL_ERROR "${TOOL} --help lists no commands")
endif()

troff(description "${description}")
troff(exit_status "${exit_status}")
set(page ".TH ZANTOR\\-TOOL 1 \"\" \"Zantor ${VERSION}\" \"User Commands\"
.SH NAME
zantor\\-tool \\- read and write the maps and graphics of a Super Mario Land 2 ROM image
.SH SYNOPSIS
.B zantor\\-tool
.I COMMAND
.RI [ ARGS ...]
.br
.B zantor\\-tool
.I COMMAND
.B \\-\\-help
.SH DESCRIPTION
${description}.SH COMMANDS
")
foreach(command IN LISTS commands)
    run_help(help ${command} --help)
    string(REPLACE "\n" ";" help_lines "${help}")
    list(POP_FRONT help_lines usage)
    string(REGEX REPLACE "^Usage: zantor-tool ${command} ?" "" synopsis "${usage}")
    if(synopsis STREQUAL usage)
        message(FATAL_ERROR "${TOOL} ${command} --help: unexpected usage line \"${usage}\"")
    endif()
    troff(name "${command}")
    troff(synopsis "${synopsis}")
    string(APPEND page ".TP\n.B ${name}\n.I ${synopsis}\n.br\n")
    foreach(help_line IN LISTS help_lines)
        troff(help_line "${help_line}")
        string(APPEND page "${help_line}\n")
    endforeach()
endforeach()
string(APPEND page ".SH EXIT STATUS\n${exit_status}\n")
file(WRITE "${OUT}" "${page}")
