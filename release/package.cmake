# Makes the two downloads from the built program folder: the portable zip, whose one folder
# Verlumo\ holds the game, its levels, its rules and the read-mes, and the installer that puts
# the same files into place. Run as a script:
#   cmake -DPROGRAM_DIR=<bin> -DRELEASE_DIR=<release/> -DICON=<verlumo.ico> -DVERSION=2.3
#         -DFILE_VERSION=2.3.0.0 -DSOURCE_DATE_EPOCH=<seconds> -DSTAGE_DIR=<scratch>
#         -DZIP_FILE=<...zip> -DSETUP_FILE=<...setup.exe> -DMAKENSIS=<makensis> -DZIP=<zip>
#         -DWELCOME_BITMAP=<164 x 314 .bmp> -DHEADER_BITMAP=<150 x 57 .bmp>
#         [-DSIGN_PKCS12=<certificate> -DSIGN_PASSWORD_FILE=<password> -DOSSLSIGNCODE=<osslsigncode>
#          [-DSIGN_TIMESTAMP_URL=<url>]] -P package.cmake
#
# With a certificate, the shipped verlumo.exe, the uninstaller and the installer are signed
# (sign.cmake); the program in the build's own folder stays unsigned. Without one, nothing is.
#
# Both come out the same, byte for byte, from the same sources: every file carries the time of
# the commit (SOURCE_DATE_EPOCH) and the same permissions, the zip lists its entries in a fixed
# order and stores no owner and no local time zone.

cmake_minimum_required(VERSION 3.25)

foreach(variable PROGRAM_DIR RELEASE_DIR ICON VERSION FILE_VERSION SOURCE_DATE_EPOCH STAGE_DIR
                 ZIP_FILE SETUP_FILE MAKENSIS ZIP WELCOME_BITMAP HEADER_BITMAP)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "package.cmake needs -D${variable}=...")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${log}")
  endif()
endfunction()

set(shipped LIESMICH.txt README.txt verlumo.exe vlmo.chm vlmo.dat)
set(folder "${STAGE_DIR}/Verlumo")

file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${folder}")
foreach(name vlmo.chm vlmo.dat)
  file(COPY_FILE "${PROGRAM_DIR}/${name}" "${folder}/${name}")
endforeach()

set(nsis_signing "")
if(SIGN_PKCS12)
  # The one command that signs a program in place, for verlumo.exe here and for makensis, which
  # replaces %1 with the uninstaller or the installer it has just written.
  set(sign_command "${CMAKE_COMMAND}" "-DOSSLSIGNCODE=${OSSLSIGNCODE}" "-DPKCS12=${SIGN_PKCS12}"
      "-DPASSWORD_FILE=${SIGN_PASSWORD_FILE}" "-DTIME=${SOURCE_DATE_EPOCH}"
      "-DTIMESTAMP_URL=${SIGN_TIMESTAMP_URL}")
  set(sign_script "${CMAKE_CURRENT_LIST_DIR}/sign.cmake")
  run(${sign_command} "-DIN=${PROGRAM_DIR}/verlumo.exe" "-DOUT=${folder}/verlumo.exe" -P "${sign_script}")
  list(TRANSFORM sign_command APPEND "\"" OUTPUT_VARIABLE quoted)
  list(TRANSFORM quoted PREPEND "\"")
  list(JOIN quoted " " quoted)
  set(nsis_signing "-DSIGN=${quoted} \"-DIN=%1\" \"-DOUT=%1\" -P \"${sign_script}\"")
else()
  file(COPY_FILE "${PROGRAM_DIR}/verlumo.exe" "${folder}/verlumo.exe")
endif()
foreach(name LIESMICH.txt README.txt)
  configure_file("${RELEASE_DIR}/${name}.in" "${folder}/${name}" @ONLY)
endforeach()

# The installer's pictures go into the installer and the uninstaller as files, with their times.
file(MAKE_DIRECTORY "${STAGE_DIR}/pictures")
file(COPY_FILE "${WELCOME_BITMAP}" "${STAGE_DIR}/pictures/welcome.bmp")
file(COPY_FILE "${HEADER_BITMAP}" "${STAGE_DIR}/pictures/header.bmp")

list(TRANSFORM shipped PREPEND Verlumo/ OUTPUT_VARIABLE zipped)
set(staged ${zipped} pictures/welcome.bmp pictures/header.bmp)
run(chmod 0644 ${staged} WORKING_DIRECTORY "${STAGE_DIR}")
run(chmod 0755 Verlumo WORKING_DIRECTORY "${STAGE_DIR}")
run(touch --no-dereference "--date=@${SOURCE_DATE_EPOCH}" Verlumo ${staged}
    WORKING_DIRECTORY "${STAGE_DIR}")

# -X: no owner or Unix times; -D: no folder entries; TZ: the stored DOS times are in UTC.
file(REMOVE "${ZIP_FILE}")
run(${CMAKE_COMMAND} -E env TZ=UTC "${ZIP}" -X -D -q -9 "${ZIP_FILE}" ${zipped}
    WORKING_DIRECTORY "${STAGE_DIR}")

run("${MAKENSIS}" -V2 -INPUTCHARSET UTF8 "-DVERSION=${VERSION}" "-DFILE_VERSION=${FILE_VERSION}"
    "-DPACKAGE_DIR=${folder}" "-DICON=${ICON}" "-DOUTFILE=${SETUP_FILE}"
    "-DWELCOME_BITMAP=${STAGE_DIR}/pictures/welcome.bmp" "-DHEADER_BITMAP=${STAGE_DIR}/pictures/header.bmp"
    ${nsis_signing}
    "${RELEASE_DIR}/verlumo.nsi")
