#include "studies/ical_library.h"

#include <QLibrary>

namespace {

template <typename Function> bool Resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

bool Load(QLibrary &library, ICalLibrary &ical)
{
    library.setFileNameAndVersion(QStringLiteral("ical"), 3);
    return library.load() && Resolve(library, "icalcomponent_new", ical.componentNew) &&
           Resolve(library, "icalcomponent_add_component", ical.addComponent) &&
           Resolve(library, "icalcomponent_add_property", ical.addProperty) &&
           Resolve(library, "icalcomponent_as_ical_string_r", ical.asString) &&
           Resolve(library, "icalcomponent_free", ical.componentFree) &&
           Resolve(library, "icalmemory_free_buffer", ical.freeBuffer) &&
           Resolve(library, "icaltimezone_get_utc_timezone", ical.utc) &&
           Resolve(library, "icalproperty_new_version", ical.version) &&
           Resolve(library, "icalproperty_new_prodid", ical.prodid) &&
           Resolve(library, "icalproperty_new_calscale", ical.calscale) &&
           Resolve(library, "icalproperty_new_uid", ical.uid) &&
           Resolve(library, "icalproperty_new_dtstamp", ical.dtstamp) &&
           Resolve(library, "icalproperty_new_dtstart", ical.dtstart) &&
           Resolve(library, "icalproperty_new_dtend", ical.dtend) &&
           Resolve(library, "icalproperty_new_summary", ical.summary) &&
           Resolve(library, "icalproperty_new_transp", ical.transp);
}

} // namespace

const ICalLibrary *ICalLibrary::Get()
{
    // Loaded once and kept for the rest of the run.
    static QLibrary library;
    static ICalLibrary ical{};
    static const bool loaded = Load(library, ical);
    return loaded ? &ical : nullptr;
}
