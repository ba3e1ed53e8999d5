# Builds everything with the sanitizers named in GLIMBLES_SANITIZE, e.g.
# "address,undefined" (the "asan" preset). Empty: no sanitizer.
#
# Undefined behaviour stops the program at once instead of printing a note
# and going on, so a test that hits it fails. Frame pointers are kept so the
# reports show whole call stacks.
set(GLIMBLES_SANITIZE "" CACHE STRING
    "Sanitizers for every target, as -fsanitize= takes them (e.g. address,undefined)")

if(GLIMBLES_SANITIZE)
  add_compile_options(
    -fsanitize=${GLIMBLES_SANITIZE}
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=${GLIMBLES_SANITIZE})
endif()
