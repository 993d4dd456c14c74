#!/usr/bin/env bash
# Installs what building the tools and their tests needs and this machine
# lacks, on Debian or Ubuntu: CMake, GCC, Ninja, CLI11, nlohmann-json and
# GoogleTest. Installs with apt-get as root, or through sudo when not root;
# when neither can, prints the apt-get command to run as root and fails.
# Does nothing, quietly, when everything is there.
#   bash scripts/setup.sh
# Sourced (as .ci/run does), it only defines setup_missing and setup_install
# for a caller that installs more packages in the same go.

# Prints, one a line, the packages that building and testing needs and that
# are not installed.
setup_missing() {
  command -v cmake >/dev/null || echo cmake
  command -v g++ >/dev/null || echo g++
  command -v ninja >/dev/null || echo ninja-build
  [ -f /usr/include/gtest/gtest.h ] || echo libgtest-dev
  [ -f /usr/include/CLI/CLI.hpp ] || echo libcli11-dev
  [ -f /usr/include/nlohmann/json.hpp ] || echo nlohmann-json3-dev
}

# setup_install [PACKAGE...] [--no-install-recommends PACKAGE...]
# Installs the packages before the option with what they recommend, and those
# after it without. Fails with one message naming the apt-get command to run
# as root when there is no apt-get, no root and no usable sudo, or the
# install fails.
setup_install() {
  local with=() bare=() package after=no
  for package in "$@"; do
    if [ "$package" = --no-install-recommends ]; then
      after=yes
    elif [ "$after" = yes ]; then
      bare+=("$package")
    else
      with+=("$package")
    fi
  done
  [ ${#with[@]} -gt 0 ] || [ ${#bare[@]} -gt 0 ] || return 0

  local shown="apt-get update"
  if [ ${#with[@]} -gt 0 ]; then
    shown+=" && apt-get install -y ${with[*]}"
  fi
  if [ ${#bare[@]} -gt 0 ]; then
    shown+=" && apt-get install -y --no-install-recommends ${bare[*]}"
  fi

  # Root runs apt-get itself; otherwise sudo without asking when it may, and
  # asking for the password only when someone is at the terminal.
  local as_root=()
  local can=yes
  if ! command -v apt-get >/dev/null; then
    can=no
  elif [ "$EUID" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      can=no
    elif sudo -n true 2>/dev/null; then
      as_root=(sudo -n)
    elif [ -t 0 ]; then
      as_root=(sudo)
    else
      can=no
    fi
  fi
  as_root+=(env DEBIAN_FRONTEND=noninteractive)

  if [ "$can" = yes ]; then
    local all=("${with[@]}" "${bare[@]}")
    echo "Installing the missing packages: ${all[*]}" >&2
    if "${as_root[@]}" apt-get update -qq &&
      { [ ${#with[@]} -eq 0 ] ||
        "${as_root[@]}" apt-get install -y -qq "${with[@]}" >/dev/null; } &&
      { [ ${#bare[@]} -eq 0 ] ||
        "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${bare[@]}" >/dev/null; }
    then
      return 0
    fi
  fi
  printf '%s\n  %s\n' "Packages needed here are missing; install them as root with:" \
    "$shown" >&2
  return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  mapfile -t missing < <(setup_missing)
  setup_install "${missing[@]}"
fi
