# The device catalogue: config.xml and the model descriptions, read into plain data.
add_library(mirevo_catalogue STATIC ${CMAKE_CURRENT_LIST_DIR}/DeviceCatalogue.cpp)
target_include_directories(mirevo_catalogue PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/app/store)
target_link_libraries(mirevo_catalogue PUBLIC mirevo_files mirevo_base)
mirevo_target(mirevo_catalogue)
