# Writes CHANGELOG.md as a Debian changelog (what /usr/share/doc/PACKAGE/
# changelog.gz must hold): each "## [VERSION] - YYYY-MM-DD" entry becomes a
# Debian entry, its "### Heading" a line of its own, its "- item" a "* item".
#   TZ=UTC LC_ALL=C awk -v package=P -v version=V -v maintainer='N <E>' -f changelog.awk CHANGELOG.md
# The newest entry takes the package's version V (which says the Debian
# release it was built for) and the time of SOURCE_DATE_EPOCH (the commit's)
# where that is on the entry's day or later, as for a build of a commit made
# after the release day: lintian refuses a newest entry no later than the one
# before it. The older ones keep their own version, at midnight.
function close_entry() {
  if (entry) printf "\n -- %s  %s\n", maintainer, date
  entry = 0
}
/^## \[/ {
  close_entry()
  v = $2; gsub(/[][]/, "", v)
  split($4, d, "-")
  t = mktime(d[1] " " d[2] " " d[3] " 00 00 00")
  made = ENVIRON["SOURCE_DATE_EPOCH"] + 0
  if (!entries && made >= t) t = made
  date = strftime("%a, %d %b %Y %H:%M:%S +0000", t)
  if (entries++) printf "\n"
  printf "%s (%s) unstable; urgency=medium\n", package, entries == 1 ? version : v
  entry = 1; blank = 1
  next
}
!entry { next }
/^$/ { blank = 1; next }
{
  if (blank) printf "\n"
  blank = 0
  if (sub(/^### /, "")) print "  " $0 ":"
  else if (sub(/^- /, "")) print "  * " $0
  else if (sub(/^  /, "")) print "    " $0
  else print "  " $0
}
END { close_entry() }
