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
  "-sEXPORTED_RUNTIME_METHODS=['UTF8ToString','addRunDependency','removeRunDependency']"
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

# The model tests, compiled to WebAssembly and run under node with the real file system.
if(QUILLON_TESTS)
  enable_testing()
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
  file(GLOB MODEL_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp
       ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  add_executable(quillon_tests ${MODEL_TESTS})
  target_include_directories(quillon_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(quillon_tests PRIVATE program gtest gtest_main)
  target_compile_definitions(quillon_tests PRIVATE QUILLON_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_options(quillon_tests PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1
    -sENVIRONMENT=node -sEXIT_RUNTIME=1 -sTOTAL_STACK=1048576)
  # Three tests read back what was said on stderr, which the runtime does not let them capture.
  add_test(NAME Wasm.ModelTests COMMAND node --no-experimental-fetch $<TARGET_FILE:quillon_tests>
    "--gtest_filter=-PictureFiles.MissingOrUnreadableFailsAndSaysWhereItLooked:PictureFiles.ABadPictureIsSaidOnceAndTriedAgainEachTime:TitleScreen.MissingPictureFallsBackToTheStandardScreen"
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
endif()
