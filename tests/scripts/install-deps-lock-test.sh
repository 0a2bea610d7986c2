#!/usr/bin/env bash
# scripts/install-deps.sh against a fake apt-get: it waits while another package manager holds the
# lock, gives up once the wait is over, and fails at once on any other error.
set -uo pipefail
script=$1
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT

# Every package reads as missing; sudo just runs the command; apt-get answers from a plan file:
# one line per call, "lock" (the lock is held), "fail" (another error) or "ok".
cat >"$fake/dpkg-query" <<'SH'
#!/usr/bin/env bash
exit 1
SH
cat >"$fake/sudo" <<'SH'
#!/usr/bin/env bash
exec "$@"
SH
cat >"$fake/apt-get" <<'SH'
#!/usr/bin/env bash
echo "$*" >>"$FAKE_DIR/calls"
answer=$(head -n 1 "$FAKE_DIR/plan")
sed -i 1d "$FAKE_DIR/plan"
case "$answer" in
  lock) echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (apt-get)" >&2; exit 100 ;;
  fail) echo "E: Unable to locate package nonsense" >&2; exit 100 ;;
  *) exit 0 ;;
esac
SH
chmod +x "$fake"/*

run() { # plan lines..., then runs the script; prints its status
  printf '%s\n' "$@" >"$fake/plan"
  : >"$fake/calls"
  FAKE_DIR=$fake PATH="$fake:$PATH" ZIBBET_APT_LOCK_POLL_SECONDS=0 ZIBBET_APT_LOCK_WAIT_SECONDS=${WAIT:-300} \
    bash "$script" >/dev/null 2>"$fake/stderr"
  echo $?
}

failures=0
check() { # description, actual, expected
  if [[ "$2" != "$3" ]]; then
    echo "FAILED: $1: got '$2', expected '$3'" >&2
    failures=$((failures + 1))
  fi
}

status=$(run lock lock ok lock ok)
check "waits out a held lock for update and install" "$status" 0
check "calls made" "$(wc -l <"$fake/calls")" 5
check "the wait is bounded by DPkg::Lock::Timeout too" "$(grep -c 'DPkg::Lock::Timeout=' "$fake/calls")" 5

status=$(WAIT=0 run lock ok)
check "gives up once the wait is over" "$status" 1
check "and says why" "$(grep -c 'Could not get lock' "$fake/stderr")" 1

status=$(run ok fail ok)
check "another error fails at once" "$status" 1
check "without retrying" "$(wc -l <"$fake/calls")" 2

exit $((failures > 0))
