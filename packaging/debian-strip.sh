#!/bin/sh
# Strips a program for the Debian package as Debian's own packaging tools do: the symbols, and the
# compiler identification and notes that no installed program needs.
exec strip --remove-section=.comment --remove-section=.note --strip-unneeded "$@"
