# Macro and profile files (export and import through the settings store), and
# the macro recorder: raw input turned into macro steps, with key names.
# Included by CMakeLists.txt of this folder.

# Portable: the file formats, the checks on imported values and the store side.
add_library(mirevo_file_formats STATIC
  FileOutcome.cpp
  ExportFileName.cpp
  ExportWriter.cpp
  ImportedDocument.cpp
  ImportReader.cpp
  MacroFile.cpp
  MacroTransfer.cpp
  ProfileFile.cpp
  ProfileTransfer.cpp
  ProfileSwitch.cpp)
# ProtocolFamily.h (the dialect rule the device worker uses) and DeviceTask.h
# (the task numbers) are headers of their own; the protocol library itself is not needed.
target_include_directories(mirevo_file_formats PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/app/protocol)
target_link_libraries(mirevo_file_formats PUBLIC mirevo_files mirevo_store mirevo_base)
mirevo_target(mirevo_file_formats)

# The recorder: portable event logic, and the raw-input side on Windows.
add_library(mirevo_recorder STATIC
  InputEvent.cpp
  KeyNames.cpp
  InputDecoder.cpp
  MacroRecording.cpp)
if(WIN32)
  target_sources(mirevo_recorder PRIVATE KeyNames_win.cpp RawInputRecorder_win.cpp)
  target_link_libraries(mirevo_recorder PUBLIC user32)
endif()
# The store's record headers only (MacroStep); the dialect ranges of the pages.
target_include_directories(mirevo_recorder PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/app/store
                           PRIVATE ${PROJECT_SOURCE_DIR}/app/protocol)
target_link_libraries(mirevo_recorder PUBLIC mirevo_base)
mirevo_target(mirevo_recorder)
