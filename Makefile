# The two commands of the README, and the hand-run extras.
.PHONY: run test

run:
	scripts/run.sh

test:
	scripts/test.sh
