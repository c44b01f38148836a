#!/bin/sh
# File permissions do not bind root: run the given test program as an ordinary user then.
# The program is copied out first, since the build folder may be closed to other users.
set -e
if [ "$(id -u)" -ne 0 ]; then
  exec "$@"
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
cp "$1" "$dir/test"
chmod 755 "$dir/test"
shift
cd "$dir"
setpriv --reuid=65534 --regid=65534 --clear-groups -- "$dir/test" "$@"
