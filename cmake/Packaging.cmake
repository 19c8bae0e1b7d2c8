# The target `package`: the Windows installer and the portable zip of the shipped folder,
# in <build>/package/, named after the version the program shows (config.xml's software
# entry), so the file names and the program's about text never disagree.
# Included by the top-level list after cmake/Shipping.cmake.
if(NOT WIN32)
  return()
endif()

set(config_xml ${PROJECT_SOURCE_DIR}/assets/config.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${config_xml})
file(STRINGS ${config_xml} software_line REGEX "<software [^>]*version=\"[^\"]+\"")
string(REGEX MATCH "version=\"([^\"]+)\"" _ "${software_line}")
set(MIREVO_SOFTWARE_VERSION ${CMAKE_MATCH_1})
if(NOT MIREVO_SOFTWARE_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "config.xml gives no software version of the form 1.2.3 ('${MIREVO_SOFTWARE_VERSION}')")
endif()

set(MIREVO_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
set(MIREVO_SETUP ${MIREVO_PACKAGE_DIR}/Mirevo-${MIREVO_SOFTWARE_VERSION}-setup.exe)
set(MIREVO_PORTABLE_ZIP ${MIREVO_PACKAGE_DIR}/Mirevo-${MIREVO_SOFTWARE_VERSION}-portable.zip)

find_program(MIREVO_MAKENSIS makensis)
if(NOT MIREVO_MAKENSIS)
  add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -E echo "makensis is missing (Debian package nsis, see scripts/setup): cannot make the installer"
    COMMAND ${CMAKE_COMMAND} -E false)
  return()
endif()

set(nsi ${PROJECT_SOURCE_DIR}/packaging/windows/Mirevo.nsi)
set(maker ${PROJECT_SOURCE_DIR}/packaging/windows/MakePackages.cmake)
set(icon ${PROJECT_SOURCE_DIR}/assets/skins/theme1/Mirevo.ico)
set(shipped_files)
foreach(program ${shipped_programs})
  list(APPEND shipped_files $<TARGET_FILE:${program}>)
endforeach()
add_custom_command(OUTPUT ${MIREVO_SETUP} ${MIREVO_PORTABLE_ZIP}
  COMMAND ${CMAKE_COMMAND} -DDIST=${MIREVO_DIST_DIR} -DVERSION=${MIREVO_SOFTWARE_VERSION}
    -DOUT_DIR=${MIREVO_PACKAGE_DIR} -DWORK_DIR=${CMAKE_BINARY_DIR}/package-work
    -DMAKENSIS=${MIREVO_MAKENSIS} -DNSI=${nsi} -DICON=${icon} -P ${maker}
  DEPENDS ${shipped_files} ${CMAKE_BINARY_DIR}/assets.stamp ${notice_files} ${MIREVO_RUNTIME_DLLS}
          ${nsi} ${maker} ${icon}
  COMMENT "Making the installer and the portable zip of Mirevo ${MIREVO_SOFTWARE_VERSION}")
# Part of every build, so the tests of the installed program always find it; it is only
# remade when something shipped changed.
add_custom_target(package ALL DEPENDS ${MIREVO_SETUP} ${MIREVO_PORTABLE_ZIP})
add_dependencies(package ${shipped_programs} mirevo_assets mirevo_licenses)
set_target_properties(package PROPERTIES MIREVO_SETUP ${MIREVO_SETUP} MIREVO_PORTABLE_ZIP ${MIREVO_PORTABLE_ZIP}
  MIREVO_VERSION ${MIREVO_SOFTWARE_VERSION})
