# Writes the manual page OUTPUT (tevasn.1) from the tool's manual INPUT
# (docs/tevasn.md) with go-md2man (GO_MD2MAN): the markdown gains a title
# line and a NAME section, its "## " sections stay sections. go-md2man copies
# code blocks as they are, so a line there that starts with "." or "'" (an
# identifier such as .1.3.6.1) is guarded with \& from being read as a macro.
foreach(var GO_MD2MAN INPUT OUTPUT VERSION DATE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
file(READ ${INPUT} text)
string(REGEX REPLACE "^# [^\n]*\n" "" text "${text}")
set(md "% TEVASN 1 \"${DATE}\" \"tevasn ${VERSION}\" \"TevAsnValue\"\n\n"
       "# NAME\n\ntevasn - encode and decode the index values of SNMP instance identifiers\n\n"
       "# DESCRIPTION\n${text}")
file(WRITE ${OUTPUT}.md ${md})
execute_process(COMMAND ${GO_MD2MAN} -in ${OUTPUT}.md -out ${OUTPUT}.raw RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "go-md2man failed on ${INPUT}")
endif()
file(STRINGS ${OUTPUT}.raw lines)
set(roff "")
set(literal FALSE)
foreach(line IN LISTS lines)
  if(line STREQUAL ".nf")
    set(literal TRUE)
  elseif(line STREQUAL ".fi")
    set(literal FALSE)
  elseif(literal AND line MATCHES "^[.']")
    set(line "\\&${line}")
  endif()
  string(APPEND roff "${line}\n")
endforeach()
file(WRITE ${OUTPUT} "${roff}")
file(REMOVE ${OUTPUT}.md ${OUTPUT}.raw)
