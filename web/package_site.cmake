# Packs the built page into verlumo-<version>-web.zip: one folder, Verlumo-web/, that any static
# web server can serve as it is. Run as a script:
#   cmake -DSITE_DIR=<site> -DSTAGE_DIR=<scratch> -DZIP_FILE=<...zip> -DSOURCE_DATE_EPOCH=<seconds>
#         -DZIP=<zip> -P package_site.cmake
# The same sources give the same bytes: every file carries the time of the commit and the same
# permissions, and the zip lists its entries in a fixed order with no owner and no time zone.

cmake_minimum_required(VERSION 3.25)

if(NOT SITE_DIR OR NOT STAGE_DIR OR NOT ZIP_FILE OR NOT SOURCE_DATE_EPOCH OR NOT ZIP)
  message(FATAL_ERROR "package_site.cmake needs SITE_DIR, STAGE_DIR, ZIP_FILE, SOURCE_DATE_EPOCH and ZIP")
endif()

file(REMOVE_RECURSE "${STAGE_DIR}")
file(COPY "${SITE_DIR}/" DESTINATION "${STAGE_DIR}/Verlumo-web")
file(GLOB_RECURSE files RELATIVE "${STAGE_DIR}" "${STAGE_DIR}/Verlumo-web/*")
list(SORT files)
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE "${STAGE_DIR}" "${STAGE_DIR}/Verlumo-web/*")
list(REMOVE_ITEM folders ${files})
get_filename_component(zip_folder "${ZIP_FILE}" DIRECTORY)
file(MAKE_DIRECTORY "${zip_folder}")
file(REMOVE "${ZIP_FILE}")

execute_process(COMMAND chmod 0644 ${files} WORKING_DIRECTORY "${STAGE_DIR}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND chmod 0755 Verlumo-web ${folders} WORKING_DIRECTORY "${STAGE_DIR}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND touch --no-dereference "--date=@${SOURCE_DATE_EPOCH}" Verlumo-web ${folders} ${files}
  WORKING_DIRECTORY "${STAGE_DIR}" COMMAND_ERROR_IS_FATAL ANY)
# -X: no owner or Unix times; -D: no folder entries; TZ: the stored DOS times are in UTC.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC "${ZIP}" -X -D -q -9 "${ZIP_FILE}" ${files}
  WORKING_DIRECTORY "${STAGE_DIR}" COMMAND_ERROR_IS_FATAL ANY)
