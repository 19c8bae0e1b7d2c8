# Macro and profile files, the macro recorder and key names.
# Included by CMakeLists.txt of this folder.
mirevo_add_test(file_format_tests
  SOURCES FormatTestSupport.cpp ${PROJECT_SOURCE_DIR}/tests/store/StoreTestSupport.cpp
          ExportFileNameTest.cpp MacroFileTest.cpp ProfileFileTest.cpp
  LIBS mirevo_file_formats sqlite3)
target_include_directories(file_format_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/store)

# On Windows the recorder also meets real raw input in a real window (Xvfb under Wine).
if(WIN32)
  mirevo_add_test(recorder_tests SOURCES RecorderTest.cpp KeyNamesTest.cpp RawInputRecorderTest.cpp
    LIBS mirevo_recorder DISPLAY)
else()
  mirevo_add_test(recorder_tests SOURCES RecorderTest.cpp KeyNamesTest.cpp LIBS mirevo_recorder)
endif()
