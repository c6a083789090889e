# Sourced by the end-to-end scripts. A missing tool skips the test (exit 77),
# except in CI, where ./test installs every one.
salta() {
  echo "SALTATO: $*"
  [ "${CI:-}" = true ] && { echo "in CI non si salta: manca ciò che ./test installa" >&2; exit 1; }
  exit 77
}
# Skips unless every named program is on the PATH.
richiedi() { for programma; do command -v "$programma" >/dev/null || salta "manca $programma"; done; }
