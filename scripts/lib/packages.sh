# Sourced by scripts that need Debian packages.
# as_root <command...>: runs the command through sudo unless this is root already.
as_root() {
  if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

# install_missing [--with-recommends] <package...>: installs those of the packages that are
# not installed yet (without their recommended packages unless asked); when all are present
# it only runs dpkg-query.
install_missing() {
  local apt_opts=(-o DPkg::Lock::Timeout=600 -y -q --no-install-recommends) missing=() p
  if [ "${1:-}" = --with-recommends ]; then
    apt_opts=(-o DPkg::Lock::Timeout=600 -y -q)
    shift
  fi
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  DEBIAN_FRONTEND=noninteractive as_root apt-get "${apt_opts[@]}" update >/dev/null ||
    DEBIAN_FRONTEND=noninteractive as_root apt-get "${apt_opts[@]}" update
  DEBIAN_FRONTEND=noninteractive as_root apt-get "${apt_opts[@]}" install "${missing[@]}"
}
