"""Reads an iCalendar file with the icalendar package and prints what a
calendar program takes from it: the calendar's name, then one line per event,
UID | SUMMARY | DTSTART | DTEND | DESCRIPTION, with dates and times in ISO
form, and " | LOCATION" when the event has one. A date-time without a time
zone (a floating time) is refused, and so is an event without a SEQUENCE."""
import datetime
import sys

import icalendar

with open(sys.argv[1], "rb") as source:
    calendar = icalendar.Calendar.from_ical(source.read())
print("name:", calendar.get("X-WR-CALNAME", ""))
for event in calendar.walk("VEVENT"):
    fields = [str(event["UID"]), str(event["SUMMARY"])]
    for key in ("DTSTART", "DTEND"):
        value = event.decoded(key)
        if isinstance(value, datetime.datetime) and value.tzinfo is None:
            sys.exit("floating time in " + str(event["UID"]))
        fields.append(value.isoformat())
    fields.append(str(event["DESCRIPTION"]))
    if "SEQUENCE" not in event:
        sys.exit("no SEQUENCE in " + str(event["UID"]))
    if "LOCATION" in event:
        fields.append(str(event["LOCATION"]))
    print(" | ".join(fields))
