# cmake -DBUILD_DIR=… -DAPP_ID=… -DDESKTOP_FILE_VALIDATE=… -DAPPSTREAMCLI=… -P CheckInstall.cmake
# Installs the build into a scratch prefix, checks that every file the desktop needs is there and
# validates the desktop entry and the AppStream description. Missing tools fail: run
# scripts/setup.sh.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${status})")
endif()

set(expected
    bin/ondivel
    share/ondivel/Button\ Click.wav
    share/ondivel/TipOfDayOndivel.txt
    share/ondivel/help/contents.html
    share/ondivel/help/index.html
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/mime/packages/${APP_ID}.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/icons/hicolor/256x256/apps/${APP_ID}.png)
foreach(file ${expected})
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB exercises ${prefix}/share/ondivel/exercises/*.ond)
if(NOT exercises)
    message(FATAL_ERROR "no example exercise installed")
endif()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} not found: run scripts/setup.sh")
    endif()
endforeach()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${prefix}/share/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()
message(STATUS "installed files and desktop metadata are valid")
