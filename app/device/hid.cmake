# HID manager, the shared report transport and connection tracking. Links no hidapi
# implementation: the final executable picks the real hidapi or the virtual mouse.
add_library(mirevo_device STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ConnectionTracker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceInterfaceChange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HidDeviceManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HidEnumeration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HidLink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HidNotifications.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HidPort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NodicExchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReportDescriptor.cpp)
target_include_directories(mirevo_device PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(mirevo_device PUBLIC mirevo_base hidapi_headers)
target_link_libraries(mirevo_device PUBLIC mirevo_catalogue)
if(WIN32)
  # Registration for interface arrivals and removals, used by the main window.
  target_sources(mirevo_device PRIVATE ${CMAKE_CURRENT_LIST_DIR}/HidInterfaceNotifications_win.cpp)
  target_link_libraries(mirevo_device PRIVATE user32)
endif()
mirevo_target(mirevo_device)
