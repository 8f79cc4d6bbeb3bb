# Installs the built calculator into a scratch prefix and builds its Debian
# package, then checks that both hold the program and the desktop files.
set(work ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${work})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${work}/prefix
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/quillon-calculator
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/quillon-calculator/translations/quillon-calculator_de.qm
    share/quillon-calculator/translations/quillon-calculator_zh_CN.qm)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${work}/prefix/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# A shell finds the icon and name through the window's app id, which is the
# desktop entry's name: entry, icon and metainfo must all carry it.
file(READ ${work}/prefix/share/applications/${APP_ID}.desktop desktop)
file(READ ${work}/prefix/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT desktop MATCHES "\nIcon=${APP_ID}\n")
    message(FATAL_ERROR "desktop entry does not name the icon ${APP_ID}")
endif()
if(NOT metainfo MATCHES "<id>${APP_ID}</id>" OR NOT metainfo MATCHES ">${APP_ID}.desktop</launchable>")
    message(FATAL_ERROR "metainfo does not name ${APP_ID} and its desktop entry")
endif()

execute_process(COMMAND ${CPACK} -G DEB -B ${work}/package --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "cpack failed: ${output}")
endif()
file(GLOB packages ${work}/package/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
foreach(path IN LISTS expected)
    string(FIND "${contents}" "./usr/${path}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "package lacks /usr/${path}:\n${contents}")
    endif()
endforeach()

# The package's program is stripped: no section of debug information.
execute_process(COMMAND dpkg-deb -x ${packages} ${work}/unpacked RESULT_VARIABLE result)
execute_process(COMMAND ${READELF} --section-headers --wide ${work}/unpacked/usr/bin/quillon-calculator
                RESULT_VARIABLE readelf OUTPUT_VARIABLE sections)
if(result OR readelf OR NOT sections MATCHES "\\.text")
    message(FATAL_ERROR "cannot read the packaged program's sections: ${result} ${readelf}")
endif()
if(sections MATCHES "\\.debug_")
    message(FATAL_ERROR "the packaged program holds debug information:\n${sections}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "qt6-wayland")
    message(FATAL_ERROR "package does not depend on Qt Widgets and Qt's Wayland plugin: ${depends}")
endif()
# The feedback library, not the daemon: a phone image brings that.
if(NOT depends MATCHES "libfeedback-0.0-0" OR depends MATCHES "feedbackd")
    message(FATAL_ERROR "package does not depend on libfeedback alone: ${depends}")
endif()
# The numbers' libraries, which the program opens itself.
foreach(library libflint-arb2 libmpfr6 libgmp10)
    if(NOT depends MATCHES "${library}")
        message(FATAL_ERROR "package does not depend on ${library}: ${depends}")
    endif()
endforeach()
message(STATUS "package ${packages} depends on ${depends}")
