# cmake -DOUTPUT=file.cpp -DFILES="a;b;c" -P EmbedResources.cmake
# Writes a table of the files' bytes, looked up by file name (harbinet::resources::Find).
set(body "")
set(table "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name ${path} NAME)
  file(READ ${path} hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "static const unsigned char r${index}[] = {${bytes}0};\n")
  string(APPEND table "    {\"${name}\", r${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp "// Generated from resources/embed by cmake/EmbedResources.cmake.\n"
  "#include \"gui/widgets/Resources.h\"\n#include <cstring>\nnamespace harbinet::resources {\n"
  "${body}\nstatic const Resource kTable[] = {\n${table}    {nullptr, nullptr, 0}};\n"
  "const Resource* Find(std::string_view name) {\n"
  "    for (const Resource* r = kTable; r->name; ++r)\n"
  "        if (name == r->name) return r;\n"
  "    return nullptr;\n}\n}  // namespace harbinet::resources\n")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
