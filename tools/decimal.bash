# Sourced by the tools' scripts. decimal NAME VALUE MIN MAX prints VALUE read
# as a decimal number (leading zeros are not octal), which must be a whole
# number from MIN to MAX (at most 2147483647); otherwise it says so, prefixed
# with the script's name without .sh, and exits with status 2.
decimal() {
  local digits=${2#"${2%%[!0]*}"}  # without its leading zeros
  case "$2" in
    '' | *[!0-9]*) ;;
    *) if [ "${#digits}" -le 10 ] && [ $((10#0$digits)) -ge "$3" ] && [ $((10#0$digits)) -le "$4" ]; then
         echo $((10#0$digits))
         return
       fi ;;
  esac
  local me=${0##*/}
  echo "${me%.sh}: $1 must be a whole number from $3 to $4, not '$2'" >&2
  exit 2
}
