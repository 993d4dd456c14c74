"""Reads an iCalendar file with the icalendar package and prints the UTC
instant of every event's DTSTART, one per line, as the parser works it out
from the VTIMEZONE the DTSTART's TZID names."""
import datetime
import sys

import icalendar

with open(sys.argv[1], "rb") as source:
    calendar = icalendar.Calendar.from_ical(source.read())
for event in calendar.walk("VEVENT"):
    start = event.decoded("DTSTART")
    if start.tzinfo is None:
        sys.exit("floating time in " + str(event["UID"]))
    print(start.astimezone(datetime.timezone.utc).strftime("%Y%m%dT%H%M%SZ"))
