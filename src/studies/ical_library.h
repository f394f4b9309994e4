#pragma once

#include <libical/ical.h>

// libical, loaded on the first export to iCalendar rather than at start: only that export needs
// it. The functions are libical's own, called through the pointers.
struct ICalLibrary
{
    decltype(&icalcomponent_new) componentNew;
    decltype(&icalcomponent_add_component) addComponent;
    decltype(&icalcomponent_add_property) addProperty;
    decltype(&icalcomponent_as_ical_string_r) asString;
    decltype(&icalcomponent_free) componentFree;
    decltype(&icalmemory_free_buffer) freeBuffer;
    decltype(&icaltimezone_get_utc_timezone) utc;
    decltype(&icalproperty_new_version) version;
    decltype(&icalproperty_new_prodid) prodid;
    decltype(&icalproperty_new_calscale) calscale;
    decltype(&icalproperty_new_uid) uid;
    decltype(&icalproperty_new_dtstamp) dtstamp;
    decltype(&icalproperty_new_dtstart) dtstart;
    decltype(&icalproperty_new_dtend) dtend;
    decltype(&icalproperty_new_summary) summary;
    decltype(&icalproperty_new_transp) transp;

    // The library, or nullptr when it or one of its functions cannot be found.
    static const ICalLibrary *Get();
};
