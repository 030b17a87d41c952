# Runs COMMAND (a ;-list) and checks its exit status, standard output and standard error.
# -DCOMMAND=... -DEXPECT_STATUS=N [-DEXPECT_STDOUT=text] [-DEXPECT_STDERR_MATCH=regex]
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT status STREQUAL EXPECT_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED EXPECT_STDOUT AND NOT out STREQUAL "${EXPECT_STDOUT}\n")
    message(FATAL_ERROR "stdout [${out}], expected [${EXPECT_STDOUT}]")
endif()
if(DEFINED EXPECT_STDERR_MATCH AND NOT err MATCHES "${EXPECT_STDERR_MATCH}")
    message(FATAL_ERROR "stderr [${err}] does not match [${EXPECT_STDERR_MATCH}]")
endif()
