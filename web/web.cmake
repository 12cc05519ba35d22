# The browser build: the same model and screens behind the page's backend, in one HTML file
# with its code, pictures and fonts inside (quillon.html), and a folder to serve
# with a manifest and a service worker (site/).
quillon_layer(web_backend web ui)

# The page is downloaded before it runs: its code is built for size, a quarter smaller than for
# speed.
foreach(layer ui app ${QUILLON_SCREENS} program web_backend)
  target_compile_options(${layer} PRIVATE -Os)
endforeach()

# The program: its glue (quillon.js) and its code (quillon.wasm), which the page holds.
add_executable(quillon_program web/main.cpp)
set_target_properties(quillon_program PROPERTIES OUTPUT_NAME quillon SUFFIX .js)
target_compile_options(quillon_program PRIVATE -Os)
target_link_libraries(quillon_program PRIVATE program web_backend)
target_link_options(quillon_program PRIVATE
  -Os -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -lembind
  "-sEXPORTED_RUNTIME_METHODS=['UTF8ToString','addRunDependency','removeRunDependency','FS']")

# Subsets of the desktop's fonts, as the page's @font-face rules.
set(QUILLON_FONTS
  /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf
  /usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/fonts.css
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/web/embed_fonts.py ${CMAKE_BINARY_DIR}/fonts.css
          ${QUILLON_FONTS}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/embed_fonts.py VERBATIM)
add_custom_target(web_fonts DEPENDS ${CMAKE_BINARY_DIR}/fonts.css)

# The page: one file with the program, its pictures and its fonts inside.
file(GLOB QUILLON_PICTURES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
     ${CMAKE_SOURCE_DIR}/Images/* ${CMAKE_SOURCE_DIR}/opening/*)
list(TRANSFORM QUILLON_PICTURES PREPEND ${CMAKE_SOURCE_DIR}/ OUTPUT_VARIABLE picture_files)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/quillon.html
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/web/make_page.py ${CMAKE_SOURCE_DIR}/web/shell.html
          ${CMAKE_BINARY_DIR}/quillon.html --fonts ${CMAKE_BINARY_DIR}/fonts.css
          --pictures ${CMAKE_SOURCE_DIR} ${QUILLON_PICTURES}
          --program $<TARGET_FILE:quillon_program> ${CMAKE_BINARY_DIR}/quillon.wasm
          --title ${CMAKE_SOURCE_DIR}/web/title_paint.json
  DEPENDS quillon_program ${CMAKE_SOURCE_DIR}/web/shell.html ${CMAKE_SOURCE_DIR}/web/make_page.py
          ${CMAKE_SOURCE_DIR}/web/title_paint.json ${CMAKE_SOURCE_DIR}/web/kept_title.py
          ${CMAKE_BINARY_DIR}/fonts.css ${picture_files}
  VERBATIM)
add_custom_target(quillon ALL DEPENDS ${CMAKE_BINARY_DIR}/quillon.html)
add_dependencies(quillon web_fonts)

# The least page that shows the same title, the first paint benchmark's baseline.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bench/plain_title.html
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bench
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/web/make_page.py
          ${CMAKE_SOURCE_DIR}/bench/first_paint/plain_title.html
          ${CMAKE_BINARY_DIR}/bench/plain_title.html --fonts ${CMAKE_BINARY_DIR}/fonts.css
          --pictures ${CMAKE_SOURCE_DIR}
  DEPENDS ${CMAKE_SOURCE_DIR}/bench/first_paint/plain_title.html
          ${CMAKE_SOURCE_DIR}/web/make_page.py ${CMAKE_BINARY_DIR}/fonts.css ${picture_files}
  VERBATIM)
add_custom_target(plain_title ALL DEPENDS ${CMAKE_BINARY_DIR}/bench/plain_title.html)
add_dependencies(plain_title web_fonts)

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
  # The page as it is put together: its faces hold every character the program writes, and the
  # site opens again with no web host.
  add_test(NAME Web.FacesHoldTheTexts COMMAND /usr/bin/python3
    ${CMAKE_SOURCE_DIR}/tests/web/font_coverage.py ${CMAKE_BINARY_DIR}/quillon.html ${CMAKE_SOURCE_DIR})
  add_test(NAME Web.SiteOffline COMMAND node ${CMAKE_SOURCE_DIR}/tests/web/offline.mjs
    ${CMAKE_BINARY_DIR}/site)
endif()
