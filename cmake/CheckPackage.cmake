# cmake -DBUILD_DIR=… -DCPACK=… -DLINTIAN=… -P CheckPackage.cmake
# Builds the Debian package of the build and checks it the way an administrator's tools will:
# no package named twice in Depends, and no lintian error or warning. Without lintian the test
# is skipped (its output says so).
cmake_minimum_required(VERSION 3.25)
if(NOT LINTIAN)
    message(STATUS "lintian not found: package check skipped")
    return()
endif()
set(out_dir ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${out_dir})
execute_process(COMMAND ${CPACK} -G DEB -B ${out_dir} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb ${out_dir}/*.deb)
if(NOT status EQUAL 0 OR NOT deb)
    message(FATAL_ERROR "cpack failed (${status}): ${out}")
endif()

execute_process(COMMAND dpkg-deb --field ${deb} Depends OUTPUT_VARIABLE depends RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot read ${deb}")
endif()
# One name per alternative: "a (>= 1), b | c" gives a;b;c.
string(REGEX REPLACE "\\([^)]*\\)|:[a-z0-9]+|[ \n]" "" names "${depends}")
string(REGEX REPLACE "[,|]" ";" names "${names}")
set(seen)
foreach(name ${names})
    if(name IN_LIST seen)
        message(FATAL_ERROR "Depends names ${name} twice: ${depends}")
    endif()
    list(APPEND seen ${name})
endforeach()

execute_process(COMMAND ${LINTIAN} --tag-display-limit 0 --fail-on error,warning ${deb}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian (${status}):\n${out}")
endif()
message(STATUS "${deb}: lintian clean, Depends: ${depends}")
