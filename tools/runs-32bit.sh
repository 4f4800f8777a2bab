#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 programs, 1 when it does not.
# Some kernels are built without that support; Wine then cannot run a 32-bit
# Windows program, and Debian's wine wrapper even fails to start a session once
# Wine's 32-bit half is installed. Asking Wine is no test: it may report success
# for a program it could not start. So run the smallest 32-bit Linux program
# instead, made here byte by byte (an ELF header, one program header and
# "mov eax, 1; mov ebx, 42; int 0x80", the exit call), and look for its status.
set -u
probe=$(mktemp "${TMPDIR:-/tmp}/tintlens-elf32.XXXXXX") || exit 1
trap 'rm -f "$probe"' EXIT
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
  '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
  '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
  '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' > "$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? -eq 42 ]
