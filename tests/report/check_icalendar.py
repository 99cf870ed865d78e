# SPDX-License-Identifier: GPL-3.0-or-later
"""check_icalendar.py FIRST.ics SECOND.ics EXPECTED.tsv: reads two exports of the same days with
Debian's python3-icalendar and checks each event's day, end, category and summary against
EXPECTED.tsv, UIDs unique and equal in both, and the raw lines. Exits 1 on any problem."""

import datetime
import re
import sys

import icalendar

problems = []


def check(ok, message):
    if not ok:
        problems.append(message)


# What a lenient parser would let pass: dates typed as dates, and TEXT with its specials escaped.
STRICT_FORMS = {
    b"DTSTART": re.compile(rb"DTSTART;VALUE=DATE:\d{8}"),
    b"DTEND": re.compile(rb"DTEND;VALUE=DATE:\d{8}"),
    b"SUMMARY": re.compile(rb"SUMMARY:(?:[^\\,;]|\\[\\,;nN])*"),
}


def check_raw(data, name):
    check(data.endswith(b"\r\n"), f"{name}: does not end in CR LF")
    for number, line in enumerate(data.split(b"\r\n")[:-1], 1):
        check(b"\r" not in line and b"\n" not in line, f"{name}:{number}: bare CR or LF")
        check(len(line) <= 75, f"{name}:{number}: {len(line)} octets")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            problems.append(f"{name}:{number}: a fold splits a UTF-8 character")
    for line in data.replace(b"\r\n ", b"").split(b"\r\n"):
        form = STRICT_FORMS.get(re.split(rb"[;:]", line, maxsplit=1)[0])
        check(form is None or form.fullmatch(line), f"{name}: {line.decode('utf-8', 'replace')}")


def events(path):
    with open(path, "rb") as file:
        data = file.read()
    check_raw(data, path)
    calendar = icalendar.Calendar.from_ical(data)
    check(str(calendar.get("VERSION")) == "2.0", f"{path}: VERSION {calendar.get('VERSION')}")
    check(str(calendar.get("PRODID", "")).startswith("-//Kesparo//"), f"{path}: PRODID")
    found = []
    for event in calendar.walk("VEVENT"):
        start = event.decoded("DTSTART")
        end = event.decoded("DTEND")
        summary = str(event.get("SUMMARY"))
        check(type(start) is datetime.date, f"{summary}: DTSTART {start!r} is not a date")
        check(end == start + datetime.timedelta(days=1), f"{summary} {start}: DTEND {end}")
        stamp = event.decoded("DTSTAMP")
        check(stamp.tzinfo is not None and stamp.utcoffset() == datetime.timedelta(0), f"{summary}: DTSTAMP not UTC")
        categories = event.get("CATEGORIES")
        category = ",".join(str(c) for c in categories.cats) if categories is not None else ""
        found.append(((start.isoformat(), category, summary), str(event.get("UID")), stamp))
    return found


first, second = events(sys.argv[1]), events(sys.argv[2])
with open(sys.argv[3], encoding="utf-8") as file:
    wanted = [tuple(line.rstrip("\n").split("\t")) for line in file if line.strip() and not line.startswith("#")]
got = [key for key, _, _ in first]
problems += [f"missing: {' '.join(key)}" for key in sorted(set(wanted) - set(got))]
problems += [f"unexpected: {' '.join(key)}" for key in sorted(set(got) - set(wanted))]
check(len(got) == len(wanted), f"{len(got)} events, {len(wanted)} expected")

uids = [uid for _, uid, _ in first]
check(len(set(uids)) == len(uids), f"{len(uids) - len(set(uids))} UIDs repeated")
check(all(uid.endswith("@kesparo.example") for uid in uids), "a UID outside the project's domain")
check({key: uid for key, uid, _ in first} == {key: uid for key, uid, _ in second}, "UIDs differ between exports")
check(len({stamp for _, _, stamp in first} | {stamp for _, _, stamp in second}) == 2, "DTSTAMP not the export's")

if problems:
    print("\n".join(problems[:50]), file=sys.stderr)
    sys.exit(1)
print(f"{len(got)} events read back")
