#!/bin/sh
# A stand-in browser for the tests, registered for the https scheme in a test prefix under a
# Windows name (Wine runs a Linux script at such a path). It only records what it was asked to
# open, one line per start, in opened.log beside itself; never install it anywhere else.
echo "$*" >>"$(dirname "$0")/opened.log"
