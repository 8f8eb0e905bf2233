# Writes the site's service worker from its template: the list of every file in the site folder
# (whatever the build put there) and a cache name made of a hash of all of them, so any change to
# any file gives a new name. Run as a script:
#   cmake -DSITE_DIR=<site> -DTEMPLATE=<service_worker.js.in> -DOUTPUT=<site>/service-worker.js -P service_worker.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT SITE_DIR OR NOT TEMPLATE OR NOT OUTPUT)
  message(FATAL_ERROR "service_worker.cmake needs SITE_DIR, TEMPLATE and OUTPUT")
endif()

get_filename_component(worker_name "${OUTPUT}" NAME)
file(GLOB_RECURSE files RELATIVE "${SITE_DIR}" "${SITE_DIR}/*")
list(REMOVE_ITEM files "${worker_name}")
list(SORT files)
set(fingerprints "")
set(quoted "'./'")
foreach(file ${files})
  file(SHA256 "${SITE_DIR}/${file}" hash)
  string(APPEND fingerprints "${file} ${hash}\n")
  string(APPEND quoted ", '${file}'")
endforeach()
string(SHA256 site_hash "${fingerprints}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
set(SITE_FILES "${quoted}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
