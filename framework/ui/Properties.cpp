#include "framework/ui/Properties.h"

void PropertyTarget::_NoSuchProperty(const LayoutProperty& property,
                                     std::string_view className) const {
    throw UnsupportedFormatException(std::string(className) + " has no property " + property.name);
}

void _SetProperties(PropertyTarget& object, std::string_view record) {
    for (const LayoutProperty& property : DecodeLayoutRecord(record)) object._SetProperty(property);
}
