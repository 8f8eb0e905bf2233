# Compiles the rules project (assets/help/vlmo.hhp) into vlmo.chm with chmcmd and proves the
# result with chmls: it holds the pages, the contents and the index under their own names and
# nothing else, context numbers 1 (German) and 2 (English) lead to the two rules pages, and no
# folder of the build machine shows anywhere. Run as a script:
#   cmake -DSOURCE_DIR=<assets/help> -DSTAGE_DIR=<scratch folder> -DOUTPUT=<vlmo.chm>
#         -DCHMCMD=<chmcmd> -DCHMLS=<chmls> [-DPICTURE_DIR=<drawn pictures>] -P build_chm.cmake
#
# Every file of assets/help goes in: the pages and the style sheet the project lists, the
# contents (.hhc) and index (.hhk), and any picture (.png, .gif, .jpg) dropped into the folder;
# and so does every PNG picture in PICTURE_DIR, where the build draws the pictures of the rules.
#
# chmcmd 3.2.2 (Debian's fp-utils) stores each context's topic as the absolute path of the
# project folder followed by the page name. So it runs with the project folder as its root
# directory (a private mount namespace and chroot, which needs no administrator rights): the
# folder's absolute path is then "/", and the topics come out as "/regeln.htm" and "/rules.htm",
# the very names the pages are stored under.
#
# chmcmd also writes the time of compiling twice (in the file header and in the #SYSTEM file);
# both are set to zero, so the same sources give the same bytes in any folder at any time.

cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR STAGE_DIR OUTPUT CHMCMD CHMLS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "build_chm.cmake needs -D${variable}=...")
  endif()
endforeach()

set(expected_topics "1=/regeln.htm" "2=/rules.htm")
set(chm "${STAGE_DIR}/vlmo.chm")

# The project folder, which is the root directory while chmcmd runs. The program and its C
# library come from the machine's /usr, mounted in for that run only.
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}/usr")
file(CREATE_LINK usr/lib "${STAGE_DIR}/lib" SYMBOLIC)
file(CREATE_LINK usr/lib64 "${STAGE_DIR}/lib64" SYMBOLIC)
file(GLOB shipped RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.htm" "${SOURCE_DIR}/*.css"
     "${SOURCE_DIR}/*.hhc" "${SOURCE_DIR}/*.hhk" "${SOURCE_DIR}/*.png" "${SOURCE_DIR}/*.gif"
     "${SOURCE_DIR}/*.jpg")
set(drawn "")
if(PICTURE_DIR)
  file(GLOB drawn RELATIVE "${PICTURE_DIR}" "${PICTURE_DIR}/*.png")
endif()
list(APPEND shipped ${drawn})
list(REMOVE_DUPLICATES shipped)
list(SORT shipped)
file(READ "${SOURCE_DIR}/vlmo.hhp" project)
set(pictures "")
foreach(name IN LISTS shipped)
  if(name IN_LIST drawn)
    file(COPY "${PICTURE_DIR}/${name}" DESTINATION "${STAGE_DIR}")
  else()
    file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${STAGE_DIR}")
  endif()
  if(name MATCHES "\\.(png|gif|jpg)$" AND NOT project MATCHES "\n${name}\n")
    string(APPEND pictures "${name}\n")
  endif()
endforeach()
string(REPLACE "[FILES]\n" "[FILES]\n${pictures}" project "${project}")
file(WRITE "${STAGE_DIR}/vlmo.hhp" "${project}")

file(REAL_PATH "${CHMCMD}" chmcmd_program)
execute_process(
  COMMAND unshare --map-root-user --mount sh -c
          "mount --rbind /usr \"$1/usr\" && exec chroot \"$1\" \"$2\" vlmo.hhp"
          jail "${STAGE_DIR}" "${chmcmd_program}"
  RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${chm}" OR log MATCHES "Error")
  message(FATAL_ERROR "chmcmd failed on vlmo.hhp (it runs through unshare and chroot, which "
                      "need user namespaces):\n${log}")
endif()

# The two times of compiling: the header's at byte 16, and the #SYSTEM file's entry 10, which
# lies in the uncompressed content section (whose start the header gives at byte 0x58).
function(zero_four_bytes offset)
  execute_process(COMMAND dd if=/dev/zero "of=${chm}" bs=1 "seek=${offset}" count=4 conv=notrunc
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot write into ${chm}")
  endif()
endfunction()
function(read_little_endian offset size out)
  file(READ "${chm}" hex OFFSET ${offset} LIMIT ${size} HEX)
  set(value 0)
  foreach(index RANGE ${size})
    if(index EQUAL size)
      break()
    endif()
    math(EXPR position "(${size} - 1 - ${index}) * 2")
    string(SUBSTRING "${hex}" ${position} 2 byte)
    math(EXPR value "${value} * 256 + 0x${byte}")
  endforeach()
  set(${out} ${value} PARENT_SCOPE)
endfunction()

# What is inside: "<section> <offset> <size>  <name>" a line.
execute_process(COMMAND "${CHMLS}" -p list "${chm}"
  RESULT_VARIABLE result OUTPUT_VARIABLE listing ERROR_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chmls cannot list vlmo.chm")
endif()
if(NOT listing MATCHES "\n *0 +([0-9]+) +[0-9]+  /#SYSTEM\n")
  message(FATAL_ERROR "vlmo.chm has no uncompressed #SYSTEM file:\n${listing}")
endif()
set(system_offset ${CMAKE_MATCH_1})
zero_four_bytes(16)
read_little_endian(88 4 content_start)
math(EXPR entry "${content_start} + ${system_offset} + 4")
file(SIZE "${chm}" chm_size)
set(stamped FALSE)
while(entry LESS chm_size)
  read_little_endian(${entry} 2 code)
  math(EXPR length_at "${entry} + 2")
  read_little_endian(${length_at} 2 length)
  if(code EQUAL 10 AND length EQUAL 4)
    math(EXPR data_at "${entry} + 4")
    zero_four_bytes(${data_at})
    set(stamped TRUE)
    break()
  endif()
  math(EXPR entry "${entry} + 4 + ${length}")
endwhile()
if(NOT stamped)
  message(FATAL_ERROR "vlmo.chm: no compile time found in its #SYSTEM file")
endif()

# Only the shipped files and the format's own entries, each under its plain name.
string(REGEX MATCHALL "  [/:][^\n]*" entries "${listing}")
set(contents "")
foreach(entry IN LISTS entries)
  string(SUBSTRING "${entry}" 2 -1 name)
  list(APPEND contents "${name}")
  if(NOT name MATCHES "^(/|/[#$].*|/_#_README_#_|::DataSpace/.*)$")
    string(REGEX REPLACE "^/" "" plain "${name}")
    if(NOT plain IN_LIST shipped)
      message(FATAL_ERROR "vlmo.chm holds ${name}, which is no file of the help project")
    endif()
  endif()
endforeach()
foreach(name IN LISTS shipped)
  if(NOT "/${name}" IN_LIST contents)
    message(FATAL_ERROR "vlmo.chm lacks /${name}; it holds: ${contents}")
  endif()
endforeach()
foreach(needed "/#IVB" "/#STRINGS")
  if(NOT needed IN_LIST contents)
    message(FATAL_ERROR "vlmo.chm lacks ${needed}, the context map")
  endif()
endforeach()

# The context map: chmls writes it beside the .chm as vlmo.ali, "helpid<number>=<topic>" a line.
execute_process(COMMAND "${CHMLS}" -p extractalias "${chm}"
  WORKING_DIRECTORY "${STAGE_DIR}" RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${STAGE_DIR}/vlmo.ali")
  message(FATAL_ERROR "chmls cannot read the context map of vlmo.chm")
endif()
file(STRINGS "${STAGE_DIR}/vlmo.ali" aliases)
set(found_topics "")
foreach(alias IN LISTS aliases)
  if(alias MATCHES "^[A-Za-z_]+([0-9]+)=(.*)$")
    if(NOT CMAKE_MATCH_2 IN_LIST contents)
      message(FATAL_ERROR "context ${CMAKE_MATCH_1} of vlmo.chm leads to ${CMAKE_MATCH_2}, "
                          "which it does not hold")
    endif()
    list(APPEND found_topics "${CMAKE_MATCH_1}=${CMAKE_MATCH_2}")
  endif()
endforeach()
list(SORT found_topics)
if(NOT found_topics STREQUAL expected_topics)
  message(FATAL_ERROR "vlmo.chm maps contexts as ${found_topics}, not as ${expected_topics}")
endif()

file(COPY_FILE "${chm}" "${OUTPUT}")
