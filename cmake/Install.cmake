# Installation under the prefix and the Debian package. Included from the top-level file.
#   cmake --install build --prefix /usr/local
#   cpack --config build/CPackConfig.cmake -B build/package
#
# Layout: the program in bin/, its data folder (sound, help pages, tips, example exercises) in
# share/ondivel/, where the program looks for it beside ../ from its own folder; the desktop entry,
# the icon theme entries, the AppStream description and the MIME type of *.ond files in the
# places the freedesktop specifications name.

set(ONDIVEL_APP_ID org.ondivel.Ondivel)
set(ONDIVEL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/ondivel)
set(ONDIVEL_ICON_SIZES 16 24 32 48 64 128 256)

install(FILES "resources/Button Click.wav" resources/TipOfDayOndivel.txt DESTINATION ${ONDIVEL_DATA_DIR})
install(DIRECTORY resources/help DESTINATION ${ONDIVEL_DATA_DIR})

install(FILES packaging/${ONDIVEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${ONDIVEL_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ONDIVEL_APP_ID}.xml)
configure_file(packaging/${ONDIVEL_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/${ONDIVEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${ONDIVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/ondivel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ONDIVEL_APP_ID}.svg)

if(TARGET ondivel)
    install(TARGETS ondivel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Relocations resolved at start-up, so that they can be made read-only (Debian's hardening).
    target_link_options(ondivel PRIVATE LINKER:-z,now)

    # Bitmap icons rendered from the scalable one at build time.
    add_executable(ondivel-icons tools/icons/main.cpp)
    target_link_libraries(ondivel-icons PRIVATE Qt6::Gui Qt6::Svg ondivel_warnings)
    set(icon_dir ${PROJECT_BINARY_DIR}/icons)
    set(icon_files)
    foreach(size ${ONDIVEL_ICON_SIZES})
        list(APPEND icon_files ${icon_dir}/${size}.png)
    endforeach()
    add_custom_command(OUTPUT ${icon_files}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
        COMMAND ondivel-icons ${PROJECT_SOURCE_DIR}/resources/icons/ondivel.svg ${icon_dir} ${ONDIVEL_ICON_SIZES}
        DEPENDS ondivel-icons ${PROJECT_SOURCE_DIR}/resources/icons/ondivel.svg
        COMMENT "Rendering the program's icon")
    add_custom_target(ondivel_icons ALL DEPENDS ${icon_files})
    foreach(size ${ONDIVEL_ICON_SIZES})
        install(FILES ${icon_dir}/${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${ONDIVEL_APP_ID}.png)
    endforeach()
endif()

# The Debian package's documentation: the copyright file, the changelog and the manual page,
# compressed the way Debian wants them (gzip -9, no name or time stamp, so rebuilds are identical).
set(ONDIVEL_DEBIAN_RELEASE 1)
set(ONDIVEL_DEBIAN_VERSION ${PROJECT_VERSION}-${ONDIVEL_DEBIAN_RELEASE})
file(STRINGS packaging/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^ondivel \\(${ONDIVEL_DEBIAN_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the first entry must be version ${ONDIVEL_DEBIAN_VERSION}")
endif()
find_program(ONDIVEL_GZIP gzip REQUIRED)
set(doc_dir ${PROJECT_BINARY_DIR}/packaging)
set(doc_files)
foreach(pair "ondivel.1;ondivel.1" "changelog;changelog.Debian")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${doc_dir}/${target}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${source} ${doc_dir}/${target}
        COMMAND ${ONDIVEL_GZIP} -9nf ${doc_dir}/${target}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source} VERBATIM)
    list(APPEND doc_files ${doc_dir}/${target}.gz)
endforeach()
add_custom_target(ondivel_docs ALL DEPENDS ${doc_files})
install(FILES ${doc_dir}/ondivel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian names the folder after the package, not after the project.
install(FILES packaging/copyright ${doc_dir}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ondivel)
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ondivel)

# The Debian package. Libraries the program links come from dpkg-shlibdeps (libqt6multimedia6,
# which also holds the sound back-ends, among them); the Qt parts loaded at run time from
# packages the program does not link (platform plugins, SVG image and icon plugins, Qt's French
# texts) are named by hand. A package named twice makes the package check fail.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondivel)
set(CPACK_PACKAGE_VENDOR "Ondivel")
set(CPACK_PACKAGE_CONTACT "Ondivel <ondivel@ondivel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dual-channel oscilloscope simulator for physics lessons")
# Debian shows these lines as they are: at most 80 characters each.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Ondivel shows an analogue dual-channel oscilloscope and its bench (generators,\n"
    "batteries, supplies, alternator, mains, meters, stopwatch) and runs evaluated\n"
    "exercises written by the teacher. All its texts are in French.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ONDIVEL_DEBIAN_RELEASE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-calculator | kcalc | galculator")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ondivel.example/")
# Only the program: the test and tool targets install nothing.
set(CPACK_STRIP_FILES ON)
include(CPack)

# The maker's web site and version file: defaults of the build, which an installation can change
# in share/ondivel/Ondivel-web.ini without a rebuild.
set(ONDIVEL_WEB_SITE "https://ondivel.example/" CACHE STRING "Web site opened from the Help menu")
set(ONDIVEL_VERSION_FILE "https://ondivel.example/version.txt" CACHE STRING
    "Address of the small text file announcing the latest version (version=X.Y)")
set_property(SOURCE src/files/web_addresses.cpp APPEND PROPERTY COMPILE_DEFINITIONS
             "ONDIVEL_WEB_SITE=\"${ONDIVEL_WEB_SITE}\"" "ONDIVEL_VERSION_FILE=\"${ONDIVEL_VERSION_FILE}\"")

# Installs into a scratch prefix and validates what the desktop reads there.
if(BUILD_TESTING AND ONDIVEL_BUILD_TESTS AND TARGET ondivel)
    find_program(ONDIVEL_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(ONDIVEL_APPSTREAMCLI appstreamcli)
    add_test(NAME install.desktop_integration
        COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DAPP_ID=${ONDIVEL_APP_ID}
                -DDESKTOP_FILE_VALIDATE=${ONDIVEL_DESKTOP_FILE_VALIDATE} -DAPPSTREAMCLI=${ONDIVEL_APPSTREAMCLI}
                -P ${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake)
    # Both install the build tree; the lock keeps them from writing its install manifest at once.
    set_tests_properties(install.desktop_integration PROPERTIES RESOURCE_LOCK ondivel_install)
    # The Debian package: its Depends and lintian. The sanitizer build's program is no package.
    if(NOT ONDIVEL_SANITIZE)
        find_program(ONDIVEL_LINTIAN lintian)
        add_test(NAME install.debian_package
            COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DCPACK=${CMAKE_CPACK_COMMAND}
                    -DLINTIAN=${ONDIVEL_LINTIAN} -P ${PROJECT_SOURCE_DIR}/cmake/CheckPackage.cmake)
        set_tests_properties(install.debian_package PROPERTIES RESOURCE_LOCK ondivel_install
                             SKIP_REGULAR_EXPRESSION "package check skipped")
    endif()
endif()
