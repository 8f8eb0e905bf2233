# Writes OUTPUT, the page INPUT with its style sheet STYLE and its script SCRIPT in place of the
# links to them: its first frame and its script then wait for no request of theirs.
file(READ ${INPUT} page)

function(inline link file opening closing)
  file(READ ${file} content)
  string(FIND "${page}" "${link}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${INPUT} has no ${link}")
  endif()
  # The content must not end its element early.
  string(FIND "${content}" "${closing}" early)
  if(NOT early EQUAL -1)
    message(FATAL_ERROR "${file} holds ${closing}, and cannot be put into the page")
  endif()
  string(REPLACE "${link}" "${opening}\n${content}${closing}" replaced "${page}")
  set(page "${replaced}" PARENT_SCOPE)
endfunction()

get_filename_component(style_name ${STYLE} NAME)
get_filename_component(script_name ${SCRIPT} NAME)
inline("<link rel=\"stylesheet\" href=\"${style_name}\">" ${STYLE} "<style>" "</style")
inline("<script type=\"module\" src=\"${script_name}\"></script>" ${SCRIPT} "<script type=\"module\">" "</script")
file(WRITE ${OUTPUT} "${page}")
