# The shared start of the peer-check scripts, sourced with their arguments MUTATIONS RUNNER...:
# `mutations` and the command `run`, a scratch folder as the current folder (removed at exit),
# `fail` to count a failure and `finish NAME` to report them and set the exit status.
mutations=$1
shift
run=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
  echo "$1 checks done: $failures failed"
  [ $failures -eq 0 ]
}
