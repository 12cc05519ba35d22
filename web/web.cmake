# The browser build: the same model and screens behind the page's backend, linked into one
# HTML file with its code, pictures and fonts inside (quillon.html), and a folder to serve
# with a manifest and a service worker (site/).
quillon_layer(web_backend web ui)

# The page's frame with subsets of the desktop's fonts inside it.
set(QUILLON_FONTS
  /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/shell.html
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/web/embed_fonts.py ${CMAKE_SOURCE_DIR}/web/shell.html
          ${CMAKE_BINARY_DIR}/shell.html ${QUILLON_FONTS}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/shell.html ${CMAKE_SOURCE_DIR}/web/embed_fonts.py
  VERBATIM)
add_custom_target(web_shell DEPENDS ${CMAKE_BINARY_DIR}/shell.html)

file(GLOB QUILLON_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Images/* ${CMAKE_SOURCE_DIR}/opening/*)
add_executable(quillon web/main.cpp)
add_dependencies(quillon web_shell)
set_target_properties(quillon PROPERTIES SUFFIX .html
  LINK_DEPENDS "${CMAKE_BINARY_DIR}/shell.html;${QUILLON_PICTURES}")
target_link_libraries(quillon PRIVATE program web_backend)
target_link_options(quillon PRIVATE
  -O2 -sSINGLE_FILE=1 -sMINIFY_HTML=0 -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -lembind
  "-sEXPORTED_RUNTIME_METHODS=['allocateUTF8']"
  "SHELL:--shell-file ${CMAKE_BINARY_DIR}/shell.html"
  "SHELL:--embed-file ${CMAKE_SOURCE_DIR}/Images@/Images"
  "SHELL:--embed-file ${CMAKE_SOURCE_DIR}/opening@/opening")

# The fonts' notices, which go wherever the page goes.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/FONTS.txt
  COMMAND sh -c "{ cat \"$0\"; for f in \"$@\"; do echo; echo \"==== $f\"; cat \"$f\"; done; } > FONTS.txt"
          ${CMAKE_SOURCE_DIR}/web/FONTS.txt /usr/share/doc/fonts-wine/copyright
          /usr/share/doc/fonts-liberation/copyright /usr/share/common-licenses/LGPL-2.1
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/FONTS.txt VERBATIM)
add_custom_target(web_notices ALL DEPENDS ${CMAKE_BINARY_DIR}/FONTS.txt)
add_dependencies(quillon web_notices)

# The folder to serve: the same page, installable and working offline.
add_custom_command(TARGET quillon POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/site
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/quillon.html ${CMAKE_BINARY_DIR}/site/index.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/site/manifest.webmanifest
          ${CMAKE_SOURCE_DIR}/web/site/service-worker.js ${CMAKE_BINARY_DIR}/FONTS.txt
          ${CMAKE_SOURCE_DIR}/packaging/quillon.svg ${CMAKE_BINARY_DIR}/site/)
