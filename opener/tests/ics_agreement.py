#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads an `m_jar --upcoming --ics` export with python3-icalendar, an
iCalendar reader of its own, and compares it day by day with the JSON of the
same agenda; a second export must give the same UIDs.

    ics_agreement.py FIRST.ics SECOND.ics UPCOMING.json
"""
import json
import re
import sys
from datetime import date, timedelta

from icalendar import Calendar


def events(path):
    with open(path, "rb") as f:
        calendar = Calendar.from_ical(f.read())
    assert calendar.name == "VCALENDAR", calendar.name
    assert str(calendar["PRODID"]) == "-//Morrowjar//m_jar//EN", calendar["PRODID"]
    assert str(calendar["VERSION"]) == "2.0"
    out = {}
    for e in calendar.walk("VEVENT"):
        start = e.decoded("DTSTART")
        end = e.decoded("DTEND")
        # All-day: dates, not moments, one day long.
        assert type(start) is date and type(end) is date, (start, end)
        assert end - start == timedelta(days=1), (start, end)
        summary = str(e["SUMMARY"])
        match = re.fullmatch(r'Morrowjar: (\d+) files? opens? from "(.*)"', summary)
        assert match, summary
        files = int(match.group(1))
        listed = str(e["DESCRIPTION"]).split("\n")
        assert len(listed) == files, (summary, listed)
        key = (start.isoformat(), match.group(2))
        assert key not in out, f"two events for {key}"
        out[key] = (str(e["UID"]), files)
    return out


def main():
    first, second = events(sys.argv[1]), events(sys.argv[2])
    with open(sys.argv[3]) as f:
        agenda = json.load(f)
    counted = {}
    for day in agenda["days"]:
        for folder in day["folders"]:
            if folder["name"] != "":  # the capsule root's own files make no event
                counted[(day["date"], folder["name"])] = folder["files"]
    failures = []
    got = {key: files for key, (_, files) in first.items()}
    if got != counted:
        failures.append(f"events {sorted(got.items())} != agenda {sorted(counted.items())}")
    if {k: uid for k, (uid, _) in first.items()} != {k: uid for k, (uid, _) in second.items()}:
        failures.append("the second export has other UIDs")
    if len({uid for uid, _ in first.values()}) != len(first):
        failures.append("a UID is used twice")
    if not counted:
        failures.append("the agenda opens nothing: the comparison proves nothing")
    for f in failures:
        print("FAIL:", f)
    print(f"{len(first)} events compared with the agenda, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
