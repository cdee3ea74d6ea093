#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows test program under Wine for CTest. Wine may leave helper
# processes running (the desktop, rpcss) that inherit the program's output; they
# would keep CTest's pipe open, so the output goes through a file.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1
status=$?
cat "$output"
exit "$status"
