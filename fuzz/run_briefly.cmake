# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target for SECONDS on a fresh scratch corpus WORK seeded from
# CORPUS; fails when the target finds a fault (its input is left in WORK).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
execute_process(
  COMMAND ${TARGET} -max_total_time=${SECONDS} ${OPTIONS} -artifact_prefix=${WORK}/artifacts/
          ${WORK}/corpus ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TARGET} failed (exit ${result}); a faulty input is kept in ${WORK}/artifacts")
endif()
