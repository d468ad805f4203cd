# `make media` redraws every picture, the font and the package icon from tools/media/;
# `make media-sheet` also writes one PNG of all pictures for review (not committed).
MEDIA_PYTHON := /usr/bin/python3

.PHONY: media media-check media-sheet

media:
	$(MEDIA_PYTHON) tools/media/generate.py

media-check:
	$(MEDIA_PYTHON) tools/media/generate.py --check

media-sheet:
	$(MEDIA_PYTHON) tools/media/generate.py --contact-sheet $(BUILD_DIR)/media-sheet.png
