# cmake -DBUILD_DIR=… -DAPP_ID=… -DDESKTOP_FILE_VALIDATE=… -DAPPSTREAMCLI=… -P CheckInstall.cmake
# Installs the build into a scratch prefix, checks that every file the desktop needs is there and
# validates the desktop entry and the AppStream description. Missing tools fail: run
# scripts/setup.sh.
cmake_minimum_required(VERSION 3.25)
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
    share/icons/hicolor/256x256/apps/${APP_ID}.png
    share/man/man1/ondivel.1.gz
    share/doc/ondivel/copyright
    share/doc/ondivel/changelog.Debian.gz)
foreach(file ${expected})
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB exercises ${prefix}/share/ondivel/exercises/*.ond)
if(NOT exercises)
    message(FATAL_ERROR "no example exercise installed")
endif()
file(GLOB montages ${prefix}/share/ondivel/montages/*.ondm)
list(LENGTH montages montage_count)
if(NOT montage_count EQUAL 8)
    message(FATAL_ERROR "${montage_count} example set-ups installed instead of 8")
endif()

# Each file type the program installs is one its desktop entry offers to open, and one its
# AppStream description says it provides.
file(READ ${prefix}/share/mime/packages/${APP_ID}.xml mime_xml)
file(READ ${prefix}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
file(READ ${prefix}/share/applications/${APP_ID}.desktop desktop_entry)
string(REGEX MATCH "\nMimeType=[^\n]*" desktop_types "${desktop_entry}")
string(REGEX REPLACE "^\nMimeType=" "" desktop_types "${desktop_types}")
string(REGEX MATCHALL "<mime-type type=\"[^\"]+\"" mime_types "${mime_xml}")
if(NOT mime_types)
    message(FATAL_ERROR "no MIME type in share/mime/packages/${APP_ID}.xml")
endif()
foreach(entry ${mime_types})
    string(REGEX REPLACE "^<mime-type type=\"|\"$" "" type "${entry}")
    if(NOT type IN_LIST desktop_types)
        message(FATAL_ERROR "the desktop entry's MimeType= does not list ${type}")
    endif()
    if(NOT metainfo MATCHES "<mediatype>${type}</mediatype>")
        message(FATAL_ERROR "the AppStream description does not provide ${type}")
    endif()
endforeach()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} not found: run scripts/setup.sh")
    endif()
endforeach()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR out MATCHES "error|warning")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${prefix}/share/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()
message(STATUS "installed files and desktop metadata are valid")
