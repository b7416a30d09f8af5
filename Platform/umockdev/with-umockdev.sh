#!/bin/sh
# Runs a test program with umockdev's preload library, so the fake devices of
# its test bed are what the system reports. The sanitizer runtime is then not
# the first library loaded, which AddressSanitizer must be told to accept.
LD_PRELOAD="libumockdev-preload.so.0${LD_PRELOAD:+:$LD_PRELOAD}"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export LD_PRELOAD ASAN_OPTIONS
exec "$@"
