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
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(path IN LISTS expected)
    if(NOT EXISTS ${work}/prefix/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

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
execute_process(COMMAND dpkg-deb --field ${packages} Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "libqt6widgets6")
    message(FATAL_ERROR "package does not depend on Qt Widgets: ${depends}")
endif()
message(STATUS "package ${packages} depends on ${depends}")
