# The package archives this machine's apt uses, read from its configuration:
# deb822 files (sources.list.d/*.sources) and one-line files (sources.list,
# sources.list.d/*.list). Sourced by tools/fresh-machine-check.sh.
#   apt_archives [APT_DIR]         every "URI SUITE" of a deb entry, in apt's order
#   apt_archive SUITE [APT_DIR]    the first URI that serves SUITE (none: status 1)
# APT_DIR is /etc/apt unless given.

apt_archives() {
  local dir=${1:-/etc/apt} file
  for file in "$dir/sources.list" "$dir"/sources.list.d/*.list "$dir"/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    case $file in
      *.sources) apt_archives_deb822 <"$file" ;;
      *) apt_archives_one_line <"$file" ;;
    esac
  done
}

# "deb [options] URI SUITE [COMPONENT...]", comments after #.
apt_archives_one_line() {
  sed -e 's/#.*//' -e 's/\[[^]]*\]//' | awk '$1 == "deb" && NF >= 3 { print $2, $3 }'
}

# Stanzas of "Field: value" lines (a value may go on in indented lines),
# separated by empty lines; an entry with "Enabled: no" is off.
apt_archives_deb822() {
  awk '
    function flush(   i, j, u, s, nu, ns) {
      if (types ~ /(^| )deb( |$)/ && tolower(enabled) != "no") {
        nu = split(uris, u, " "); ns = split(suites, s, " ")
        for (i = 1; i <= nu; i++) for (j = 1; j <= ns; j++) print u[i], s[j]
      }
      types = uris = suites = field = ""; enabled = "yes"
    }
    BEGIN { enabled = "yes" }
    /^#/ { next }
    /^[ \t]*$/ { flush(); next }
    /^[ \t]/ { value = $0; sub(/^[ \t]+/, "", value); add(field, value); next }
    {
      field = tolower(substr($0, 1, index($0, ":") - 1))
      value = substr($0, index($0, ":") + 1); sub(/^[ \t]+/, "", value)
      add(field, value)
    }
    function add(name, text) {
      if (name == "types") types = types " " text
      else if (name == "uris") uris = uris " " text
      else if (name == "suites") suites = suites " " text
      else if (name == "enabled") enabled = text
    }
    END { flush() }'
}

apt_archive() {
  local suite=$1 uri found
  while read -r uri found; do
    if [ "$found" = "$suite" ]; then
      echo "${uri%/}"
      return 0
    fi
  done < <(apt_archives "${2:-}")
  return 1
}
