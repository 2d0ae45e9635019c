# The two commands of the README, and the hand-run extras.
.PHONY: run test bench soak monkey dist install uninstall

run:
	scripts/run.sh

test:
	scripts/test.sh

bench:
	scripts/bench.sh

soak:
	scripts/soak.sh

monkey:
	scripts/monkey.sh

dist:
	scripts/dist.sh

install:
	scripts/install.sh

uninstall:
	scripts/install.sh --uninstall
