# The committed media must show exactly what the generators in tools/media/ make from
# their sources, so pictures, font and sources never drift apart.
add_test(NAME Media.CommittedFilesEqualAFreshGeneration
         COMMAND /usr/bin/python3 tools/media/generate.py --check
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})

# That check compares what the files show (pixels, glyphs, metrics), so it holds across
# library versions that lay the same art out differently, and still sees one changed pixel.
add_test(NAME Media.CheckSeesEveryPixelAndGlyph
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/media/art_check.py
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
