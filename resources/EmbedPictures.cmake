# Writes a C++ source holding each picture as a byte array and a lookup by
# resource number. Inputs: PICTURE_DIR, PICTURES ("101=a.jpg,102=b.jpg"), OUTPUT.
string(REPLACE "," ";" entries "${PICTURES}")

set(arrays "")
set(cases "")
foreach(entry ${entries})
  string(REGEX MATCH "^[0-9]+" id "${entry}")
  string(REGEX REPLACE "^[0-9]+=" "" file_name "${entry}")
  file(READ "${PICTURE_DIR}/${file_name}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes to a line keeps the generated file readable in a debugger.
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "// ${file_name}\nconst unsigned char picture${id}[${size}] = {\n    ${bytes}\n};\n\n")
  string(APPEND cases "    case ${id}:\n        return {picture${id}, sizeof picture${id}};\n")
endforeach()

set(content "// Generated from the pictures in resources/ at build time; do not edit.
#include \"app/ui/EmbeddedResources.h\"

namespace layrail {

namespace {

${arrays}} // namespace

EmbeddedResource embeddedResource(int resourceId)
{
    switch (resourceId) {
${cases}    default:
        return {};
    }
}

} // namespace layrail
")

file(WRITE "${OUTPUT}" "${content}")
