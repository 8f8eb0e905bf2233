# Writes OUTPUT, a C++ source holding FILES (a list of paths, joined by "|") as the table that
# web/embedded_files.h declares, each under its file name.
string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(entries "")
set(index 0)
foreach(file ${files})
  get_filename_component(name ${file} NAME)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char kFile${index}[] = {${bytes}};\n")
  string(APPEND entries "    {\"${name}\", kFile${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Written at build time by web/embed_files.cmake.\n#include \"web/embedded_files.h\"\n\n"
  "namespace verlumo {\nnamespace {\n\n${arrays}\nconst EmbeddedFile kFiles[] = {\n${entries}};\n\n}  // namespace\n\n"
  "std::span<const EmbeddedFile> EmbeddedFiles() { return kFiles; }\n\n}  // namespace verlumo\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
