# The committed media must be exactly what the generators in tools/media/ make from
# their sources, so pictures, font and sources never drift apart.
add_test(NAME Media.CommittedFilesEqualAFreshGeneration
         COMMAND /usr/bin/python3 tools/media/generate.py --check
         WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
