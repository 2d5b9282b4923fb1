#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 Linux programs, as Wine's 32-bit
# part needs; 1 (saying why) when the kernel refuses them. The probe is the
# 32-bit loader that Wine's 32-bit part installs: asked for its version, it
# runs no program of ours.
loader=/lib/ld-linux.so.2
if [ ! -e "$loader" ]; then
  echo "runs-32-bit: $loader is missing (Wine's 32-bit part, wine32:i386, is not installed)" >&2
  exit 1
fi
if ! error=$("$loader" --version 2>&1 >/dev/null); then
  echo "runs-32-bit: the kernel does not run 32-bit programs: $loader: ${error:-failed}" >&2
  exit 1
fi
