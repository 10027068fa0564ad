# The ABI of one shared library against its committed baseline.
#   check (default): abidiff the baseline (BASELINE, abidw XML) with LIBRARY.
#     The exported functions reach only public types (the interfaces, not the
#     classes behind them), so those are what is compared. Any difference
#     fails: an incompatible one breaks clients, a compatible one (an added
#     function) is released only with the baseline updated in the same commit
#     (docs/abi.md).
#   UPDATE=ON: write the baseline from LIBRARY.
foreach(var ABIDW ABIDIFF LIBRARY BASELINE SOURCE_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
# No file paths in the baseline, and translation units named from the top of
# the tree (SOURCE_DIR): it must not depend on where the tree lies.
# (--headers-dir, which filters by the paths in the debug information, hid
# every change here: not used.)
if(UPDATE)
  execute_process(COMMAND ${ABIDW} --no-show-locs --no-corpus-path --no-comp-dir-path
                          --out-file ${BASELINE} ${LIBRARY}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "abidw failed on ${LIBRARY}")
  endif()
  file(READ ${BASELINE} xml)
  string(REPLACE "'${SOURCE_DIR}/" "'" xml "${xml}")
  file(WRITE ${BASELINE} "${xml}")
  message(STATUS "wrote ${BASELINE}")
  return()
endif()
execute_process(COMMAND ${ABIDIFF} --no-show-locs ${BASELINE} ${LIBRARY}
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT rc EQUAL 0)
  # abidiff's status bits: 1 error, 2 usage, 4 ABI change, 8 incompatible.
  math(EXPR incompatible "${rc} & 8")
  math(EXPR changed "${rc} & 4")
  if(incompatible)
    set(what "an incompatible ABI change")
  elseif(changed)
    # Additions land here, and so does a grown structure: docs/abi.md says
    # which keep the SONAME.
    set(what "an ABI change that abidiff does not rate incompatible (docs/abi.md: only additions keep the SONAME, with scripts/update-abi-baseline.sh in the same commit)")
  else()
    set(what "abidiff failed (${rc})")
  endif()
  # The default report leaves out a change it has shown once through another
  # path, which can be the only place it names the change (an operation added
  # to the visitor): the change list comes from --redundant.
  execute_process(COMMAND ${ABIDIFF} --no-show-locs --redundant ${BASELINE} ${LIBRARY}
                  OUTPUT_VARIABLE report ERROR_VARIABLE report)
  string(REGEX MATCHALL "[^\n]*(insertion|deletion|vtable offset|voffset|at offset|size changed|type name changed|Removed|Added)[^\n]*" lines "${report}")
  list(REMOVE_DUPLICATES lines)
  list(JOIN lines "\n" summary)
  message(FATAL_ERROR "${LIBRARY}: ${what} against ${BASELINE}\n${summary}\n"
                      "(the whole report: abidiff --redundant ${BASELINE} ${LIBRARY})")
endif()
message(STATUS "${LIBRARY}: ABI as in ${BASELINE}")
