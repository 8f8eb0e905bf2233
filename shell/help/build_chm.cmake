# Compiles the rules project (assets/help/vlmo.hhp) into vlmo.chm with chmcmd and proves the
# result with chmls: both rules pages are inside, and context numbers 1 (German) and 2 (English)
# lead to them. Run as a script:
#   cmake -DSOURCE_DIR=<assets/help> -DSTAGE_DIR=<scratch folder> -DOUTPUT=<vlmo.chm>
#         -DCHMCMD=<chmcmd> -DCHMLS=<chmls> -P build_chm.cmake
#
# chmcmd 3.2.2 (Debian's fp-utils) stores each context's topic as the project folder's absolute
# path followed by the page name, and HTML Help looks that path up inside the .chm. So the pages
# also go into the .chm under that very folder path, and the context numbers land on real pages.
# A chmcmd that stores plain page names finds the pages at the top as usual.

cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR STAGE_DIR OUTPUT CHMCMD CHMLS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "build_chm.cmake needs -D${variable}=...")
  endif()
endforeach()

set(expected_topics "1=regeln.htm" "2=rules.htm")

# A fresh copy of the project, plus the copy of its pages under the project folder's own path.
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
file(GLOB pages RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.htm" "${SOURCE_DIR}/*.css")
string(REGEX REPLACE "^/+" "" mirror "${STAGE_DIR}")
set(mirror_entries "")
foreach(page IN LISTS pages)
  file(COPY "${SOURCE_DIR}/${page}" DESTINATION "${STAGE_DIR}")
  file(COPY "${SOURCE_DIR}/${page}" DESTINATION "${STAGE_DIR}/${mirror}")
  string(APPEND mirror_entries "${mirror}/${page}\n")
endforeach()
file(READ "${SOURCE_DIR}/vlmo.hhp" project)
string(REPLACE "[FILES]\n" "[FILES]\n${mirror_entries}" project "${project}")
file(WRITE "${STAGE_DIR}/vlmo.hhp" "${project}")

execute_process(COMMAND "${CHMCMD}" vlmo.hhp
  WORKING_DIRECTORY "${STAGE_DIR}"
  RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${STAGE_DIR}/vlmo.chm" OR log MATCHES "Error")
  message(FATAL_ERROR "chmcmd failed on vlmo.hhp:\n${log}")
endif()

# What is inside: one name a line.
execute_process(COMMAND "${CHMLS}" -p -n list "${STAGE_DIR}/vlmo.chm"
  RESULT_VARIABLE result OUTPUT_VARIABLE listing ERROR_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chmls cannot list vlmo.chm")
endif()
string(REGEX MATCHALL "/[^\n]*" contents "${listing}")
foreach(needed "/regeln.htm" "/rules.htm" "/vlmo.css" "/#IVB" "/#STRINGS")
  if(NOT needed IN_LIST contents)
    message(FATAL_ERROR "vlmo.chm lacks ${needed}; it holds: ${contents}")
  endif()
endforeach()

# The context map: chmls writes it beside the .chm as vlmo.ali, "helpid<number>=<topic>" a line.
execute_process(COMMAND "${CHMLS}" -p extractalias "${STAGE_DIR}/vlmo.chm"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${STAGE_DIR}/vlmo.ali")
  message(FATAL_ERROR "chmls cannot read the context map of vlmo.chm")
endif()
file(STRINGS "${STAGE_DIR}/vlmo.ali" aliases)
set(found_topics "")
foreach(alias IN LISTS aliases)
  if(NOT alias MATCHES "^[A-Za-z_]+([0-9]+)=(.*)$")
    continue()
  endif()
  set(number "${CMAKE_MATCH_1}")
  set(topic "${CMAKE_MATCH_2}")
  if(NOT topic MATCHES "^/")
    set(topic "/${topic}")
  endif()
  if(NOT topic IN_LIST contents)
    message(FATAL_ERROR "context ${number} of vlmo.chm leads to ${topic}, which it does not hold")
  endif()
  get_filename_component(page "${topic}" NAME)
  list(APPEND found_topics "${number}=${page}")
endforeach()
list(SORT found_topics)
if(NOT found_topics STREQUAL expected_topics)
  message(FATAL_ERROR "vlmo.chm maps contexts as ${found_topics}, not as ${expected_topics}")
endif()

file(COPY_FILE "${STAGE_DIR}/vlmo.chm" "${OUTPUT}")
