# `make fresh-check`: a newcomer's `make play` and `make test` in a freshly bootstrapped
# Debian 12 with nothing installed (scripts/fresh-check says what it proves and how).
.PHONY: fresh-check

fresh-check:
	scripts/install-deps fresh
	scripts/fresh-check
