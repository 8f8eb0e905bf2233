# Signs one program with Authenticode (osslsigncode, SHA-256). package.cmake signs verlumo.exe
# through it, and makensis the uninstaller and the installer it has just written.
#   cmake -DIN=<program> -DOUT=<signed program, may be IN> -DOSSLSIGNCODE=<osslsigncode>
#         -DPKCS12=<certificate and key> -DPASSWORD_FILE=<its password> -DTIME=<unix time>
#         [-DTIMESTAMP_URL=<RFC 3161 server>] -P sign.cmake
#
# The signing time is TIME, the commit's time, not the clock's: the same program signed twice with
# the same certificate gives the same bytes. A time-stamp server answers with its own clock, so a
# time-stamped signature is new each time.

cmake_minimum_required(VERSION 3.25)

foreach(variable IN ITEMS IN OUT OSSLSIGNCODE PKCS12 PASSWORD_FILE TIME)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "sign.cmake needs -D${variable}=...")
  endif()
endforeach()

set(timestamp "")
if(TIMESTAMP_URL)
  set(timestamp -ts "${TIMESTAMP_URL}")
endif()
# osslsigncode writes a new file; NSIS hands over the file it wants signed in place.
set(signed "${OUT}.signing")
file(REMOVE "${signed}")
execute_process(
  COMMAND "${OSSLSIGNCODE}" sign -pkcs12 "${PKCS12}" -readpass "${PASSWORD_FILE}" -h sha256
          -time "${TIME}" ${timestamp} -in "${IN}" -out "${signed}"
  RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  file(REMOVE "${signed}")
  message(FATAL_ERROR "osslsigncode could not sign ${IN}:\n${log}")
endif()
file(RENAME "${signed}" "${OUT}")
