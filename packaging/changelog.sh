#!/bin/sh
# Writes the package's changelog.gz from the release notes kept in the AppStream
# metainfo, so that the software centres and the Debian changelog tell one story:
# each <release> (newest first) becomes an entry of its version and date, each of its
# untranslated paragraphs and list items a bullet. A release without notes, or without
# a date, stops the build. gzip -9n: the best compression, and no name or time stamp
# in the header, so that two builds write the same bytes.
# Usage: changelog.sh METAINFO PACKAGE MAINTAINER OUTPUT
set -eu
metainfo=$1 package=$2 maintainer=$3 output=$4

# Bytes, not characters, in any locale: the same text wraps the same everywhere.
LC_ALL=C awk -v package="$package" -v maintainer="$maintainer" '
function fail(why) { print "changelog.sh: " why > "/dev/stderr"; exit 1 }
function attribute(tag, name) {
    if (!match(tag, " " name "=\"[^\"]*\"")) return ""
    return substr(tag, RSTART + length(name) + 3, RLENGTH - length(name) - 4)
}
function text(s) {
    gsub(/<[^>]*>/, "", s)
    gsub(/[ \t]+/, " ", s); sub(/^ /, "", s); sub(/ $/, "", s)
    gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&quot;/, "\"", s)
    gsub(/&apos;/, "\047", s); gsub(/&amp;/, "\\&", s)
    return s
}
# A bullet wrapped to lines of at most 78 characters.
function bullet(s,    n, words, i, line) {
    n = split(s, words, " ")
    line = "  *"
    for (i = 1; i <= n; i++) {
        if (length(line) + 1 + length(words[i]) > 78 && line != "  *" && line != "   ") {
            print line
            line = "   "
        }
        line = line " " words[i]
    }
    print line
}
# "Tue, 08 Dec 2026 00:00:00 +0000" for 2026-12-08; the weekday by the Sakamoto method.
function rfc2822(date,    y, m, d, yy, w) {
    if (date !~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]/) return ""
    y = substr(date, 1, 4) + 0; m = substr(date, 6, 2) + 0; d = substr(date, 9, 2) + 0
    if (m < 1 || m > 12 || d < 1 || d > 31) return ""
    yy = m < 3 ? y - 1 : y
    w = (yy + int(yy / 4) - int(yy / 100) + int(yy / 400) + substr("032503514624", m, 1) + d) % 7
    return sprintf("%s, %02d %s %04d 00:00:00 +0000", substr("SunMonTueWedThuFriSat", 3 * w + 1, 3),
                   d, substr("JanFebMarAprMayJunJulAugSepOctNovDec", 3 * m - 2, 3), y)
}
{ doc = doc " " $0 }
END {
    entries = 0
    while ((start = index(doc, "<release ")) > 0) {
        doc = substr(doc, start)
        tag = substr(doc, 1, index(doc, ">"))
        version = attribute(tag, "version")
        date = rfc2822(attribute(tag, "date"))
        if (version == "") fail("a release without a version")
        if (date == "") fail("release " version " has no date of the form YYYY-MM-DD")
        body = ""
        if (tag !~ /\/>$/) {
            end = index(doc, "</release>")
            body = substr(doc, length(tag) + 1, end - length(tag) - 1)
        }
        doc = substr(doc, length(tag) + 1)
        if (entries++) print ""
        print package " (" version ") unstable; urgency=medium"
        print ""
        notes = 0
        while (match(body, /<(p|li)>/)) {
            body = substr(body, RSTART)
            closer = substr(body, 2, 1) == "p" ? "</p>" : "</li>"
            end = index(body, closer)
            if (end == 0) fail("release " version ": no " closer)
            item = text(substr(body, 1, end - 1))
            body = substr(body, end + length(closer))
            if (item != "") { bullet(item); notes++ }
        }
        if (notes == 0) fail("release " version " has no notes")
        print ""
        print " -- " maintainer "  " date
    }
    if (entries == 0) fail("no <release> in the metainfo")
}' "$metainfo" >"$output.tmp"
gzip -9n <"$output.tmp" >"$output"
rm -f "$output.tmp"
