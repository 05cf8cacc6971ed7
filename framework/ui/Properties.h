#pragma once

#include <string>
#include <string_view>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/LayoutRecord.h"

// An object that takes its design-time values from a layout record.
class PropertyTarget {
  public:
    virtual ~PropertyTarget() = default;

    // Sets one property. A property the object does not have raises
    // UnsupportedFormatException naming it; a value of another type raises
    // TypeMismatchException naming it.
    virtual void _SetProperty(const LayoutProperty& property) = 0;

  protected:
    [[noreturn]] void _NoSuchProperty(const LayoutProperty& property,
                                      std::string_view className) const;
};

// The value of a property as the type its setter expects.
template <typename T>
const T& PropertyValue(const LayoutProperty& property) {
    if (const T* value = std::get_if<T>(&property.value)) return *value;
    throw TypeMismatchException("property " + property.name + " has a value of the wrong type");
}

// Decodes the record and sets every property in it on the object, in the
// record's order. The first property that cannot be set ends it.
void _SetProperties(PropertyTarget& object, std::string_view record);
