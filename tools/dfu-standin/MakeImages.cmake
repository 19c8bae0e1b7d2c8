# Writes a dummy mouse.jfw and dongle.jfw for each model stem in STEMS (separated by
# commas) under FOLDER: the stand-in updater only checks that the image it is given exists.
string(REPLACE "," ";" stems "${STEMS}")
foreach(stem ${stems})
  file(WRITE ${FOLDER}/${stem}/mouse.jfw "stand-in mouse firmware image for ${stem}\n")
  file(WRITE ${FOLDER}/${stem}/dongle.jfw "stand-in receiver firmware image for ${stem}\n")
endforeach()
