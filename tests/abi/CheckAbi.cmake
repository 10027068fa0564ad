# The ABI of one shared library against its committed baseline.
#   check (default): abidiff the baseline (BASELINE, abidw XML) with LIBRARY,
#     public types only (HEADERS); any difference fails: an incompatible one
#     breaks clients, a compatible one (an added function) is released only
#     with the baseline updated in the same commit (docs/abi.md).
#   UPDATE=ON: write the baseline from LIBRARY.
foreach(var ABIDW ABIDIFF LIBRARY HEADERS BASELINE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
# The same view both ways: types the public headers define, reachable from
# the exported functions, with no file paths.
set(view --headers-dir ${HEADERS} --drop-private-types --no-show-locs)
if(UPDATE)
  execute_process(COMMAND ${ABIDW} ${view} --no-corpus-path --no-comp-dir-path
                          --out-file ${BASELINE} ${LIBRARY}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "abidw failed on ${LIBRARY}")
  endif()
  message(STATUS "wrote ${BASELINE}")
  return()
endif()
string(REPLACE "--headers-dir" "--headers-dir2" view "${view}")
execute_process(COMMAND ${ABIDIFF} ${view} ${BASELINE} ${LIBRARY}
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT rc EQUAL 0)
  # abidiff's status bits: 1 error, 2 usage, 4 ABI change, 8 incompatible.
  math(EXPR incompatible "${rc} & 8")
  math(EXPR changed "${rc} & 4")
  if(incompatible)
    set(what "an incompatible ABI change")
  elseif(changed)
    set(what "an ABI change (update the baseline in the same commit: scripts/update-abi-baseline.sh)")
  else()
    set(what "abidiff failed (${rc})")
  endif()
  message(FATAL_ERROR "${LIBRARY}: ${what} against ${BASELINE}\n${report}")
endif()
message(STATUS "${LIBRARY}: ABI as in ${BASELINE}")
