# Sourced by the end-to-end scripts: a scratch folder `work`, the list `pids` of processes the
# script starts (each is ended, and the folder removed, however the script ends), and `fail`.
work=$(mktemp -d)
pids=()
end_e2e() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap end_e2e EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
