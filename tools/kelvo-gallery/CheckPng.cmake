# Fails unless FILE is a PNG file (its signature) of a plausible size.
#   cmake -DFILE=picture.png -P CheckPng.cmake
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "no picture at ${FILE}")
endif()
file(READ "${FILE}" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "${FILE} is not a PNG file (it starts with ${signature})")
endif()
file(SIZE "${FILE}" size)
if(size LESS 2000)
  message(FATAL_ERROR "${FILE} is only ${size} bytes: too small for the gallery's picture")
endif()
message("${FILE}: a PNG of ${size} bytes")
