# The program's linker script: the linker's own default with one rule more,
# .eh_frame discarded. The program neither throws nor unwinds (it is built
# without exceptions, src/ui/no_exceptions.cpp), yet the default script keeps
# every unwind table that the C runtime and the libraries bring along.
#
# Made from the default script of the linker in use, and only from the one
# whose checksum is recorded here: a new linker may place sections otherwise,
# and its script must then be read again before the rule is carried over.
set(BANDORA_DEFAULT_LD_SCRIPT_SHA256 a178fa1643c2e3b9776da4215eacf0186197747f91b09ea04d39555a5625c6d2)

# A linker installed anew configures again, and so checks again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_LINKER})
execute_process(COMMAND ${CMAKE_LINKER} --verbose OUTPUT_VARIABLE verbose RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${CMAKE_LINKER} --verbose failed: cannot make the program's linker script")
endif()
# The script is printed between two lines of '=' characters.
string(REGEX MATCH "\n=+\n(.*)\n=+\n" _ "${verbose}")
set(script "${CMAKE_MATCH_1}\n")
string(SHA256 checksum "${script}")
if(NOT checksum STREQUAL BANDORA_DEFAULT_LD_SCRIPT_SHA256)
  message(FATAL_ERROR "The default linker script of ${CMAKE_LINKER} is not the one the program's script was "
    "made from (sha256 ${checksum}, expected ${BANDORA_DEFAULT_LD_SCRIPT_SHA256}). Read it "
    "(${CMAKE_LINKER} --verbose), check that discarding .eh_frame still fits it, and record its checksum "
    "in cmake/linker-script.cmake.")
endif()

set(kept "  .eh_frame BLOCK(__section_alignment__) :\n  {\n    KEEP(*(.eh_frame*))\n  }\n")
set(discard "  /DISCARD/ :\n  {\n")
string(FIND "${script}" "${kept}" keptAt)
string(FIND "${script}" "${discard}" discardAt)
if(keptAt EQUAL -1 OR discardAt EQUAL -1)
  message(FATAL_ERROR "cmake/linker-script.cmake: the default linker script has no .eh_frame or /DISCARD/ rule where expected")
endif()
string(REPLACE "${kept}" "" script "${script}")
string(REPLACE "${discard}" "${discard}    *(.eh_frame*)\n" script "${script}")
set(BANDORA_LINKER_SCRIPT ${CMAKE_BINARY_DIR}/bandora.ld)
file(CONFIGURE OUTPUT ${BANDORA_LINKER_SCRIPT} CONTENT "${script}" @ONLY)
