#!/bin/bash
# What a test prints when a package it needs is not installed: one line that
# names the package and how to install it, then exit 77, which CTest reports
# as skipped (tools/check-skips.sh then checks that the package is missing).
#   bash tests/missing_package.sh PACKAGE       or, sourced: missing_package PACKAGE
# (missing_package_line PACKAGE prints the line alone).

missing_package_line() {
  local package=$1 how
  case $package in
    *:i386) how="dpkg --add-architecture i386 && apt-get update && apt-get install $package" ;;
    playwright-core) how="tools/install-deps.sh test (npm ci in tests/web)" ;;
    *) how="apt-get install $package" ;;
  esac
  echo "$package: not installed; install it with: $how"
}

missing_package() {
  missing_package_line "$1"
  exit 77
}

# Whether dpkg has PACKAGE installed (false where there is no dpkg).
package_installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  missing_package "$1"
fi
