# Runs the scenario runner on FILE and checks its exit status against STATUS
# and, when EXPECTED names a file, its standard output against that file.
# To renew an expected output after a deliberate change, run the runner in
# failing/ on the file and redirect its output to the .out file.
execute_process(COMMAND ${RUNNER} ${FILE}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${output}${errors}")
endif()
if(DEFINED EXPECTED)
    file(READ ${EXPECTED} expected)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "output differs from ${EXPECTED}:\n--- found\n${output}--- expected\n${expected}")
    endif()
endif()
