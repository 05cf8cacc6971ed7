#include "framework/ui/LayoutRecord.h"

#include <bit>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "framework/runtime/Exceptions.h"

namespace {

// In the order of LayoutValue's alternatives, so a type is its variant index.
enum class PropertyType { Integer, Boolean, Single, Color, String, TextUnit };
static_assert(
    std::is_same_v<
        std::variant_alternative_t<static_cast<std::size_t>(PropertyType::Single), LayoutValue>,
        float>);
static_assert(
    std::is_same_v<
        std::variant_alternative_t<static_cast<std::size_t>(PropertyType::TextUnit), LayoutValue>,
        TextUnit>);

const std::unordered_map<std::string_view, PropertyType>& propertyTypes() {
    static const std::unordered_map<std::string_view, PropertyType> types = [] {
        std::unordered_map<std::string_view, PropertyType> table;
        for (std::string_view name : {"Width",
                                      "Height",
                                      "MinWidth",
                                      "MinHeight",
                                      "MaxWidth",
                                      "MaxHeight",
                                      "Frame",
                                      "MacProcID",
                                      "Placement",
                                      "Left",
                                      "Top",
                                      "Index",
                                      "TabIndex",
                                      "TabPanelIndex",
                                      "TextAlign",
                                      "Alignment",
                                      "LimitText",
                                      "State",
                                      "ListIndex",
                                      "SelectionType",
                                      "_ScrollOffset",
                                      "_ScrollWidth",
                                      "DefaultRowHeight",
                                      "GridLinesVertical",
                                      "GridLinesHorizontal",
                                      "HeadingIndex",
                                      "ColumnCount",
                                      "ButtonStyle"}) {
            table.emplace(name, PropertyType::Integer);
        }
        for (std::string_view name : {"CloseButton",
                                      "Resizeable",
                                      "MaximizeButton",
                                      "MinimizeButton",
                                      "FullScreenButton",
                                      "Composite",
                                      "Visible",
                                      "LiveResize",
                                      "FullScreen",
                                      "HasBackColor",
                                      "MenuBarVisible",
                                      "Underline",
                                      "Italic",
                                      "Bold",
                                      "Transparent",
                                      "AutoDeactivate",
                                      "Selectable",
                                      "Enabled",
                                      "Multiline",
                                      "TabStop",
                                      "LockBottom",
                                      "LockRight",
                                      "LockTop",
                                      "LockLeft",
                                      "AutomaticallyCheckSpelling",
                                      "AcceptTabs",
                                      "ReadOnly",
                                      "UseFocusRing",
                                      "Password",
                                      "Border",
                                      "Value",
                                      "AutoHideScrollbars",
                                      "ColumnsResizable",
                                      "RequiresSelection",
                                      "EnableDragReorder",
                                      "EnableDrag",
                                      "Hierarchical",
                                      "ShowDropIndicator",
                                      "ScrollBarVertical",
                                      "ScrollbarHorizontal",
                                      "HasHeading",
                                      "Default",
                                      "Cancel",
                                      "AcceptFocus",
                                      "DoubleBuffer",
                                      "EraseBackground"}) {
            table.emplace(name, PropertyType::Boolean);
        }
        for (std::string_view name :
             {"Title", "InitialParent", "DataField", "DataSource", "TextFont", "HelpTag", "Text",
              "Name", "Mask", "CueText", "Format", "Caption", "InitialValue", "ColumnWidths"}) {
            table.emplace(name, PropertyType::String);
        }
        table.emplace("TextSize", PropertyType::Single);
        table.emplace("BackColor", PropertyType::Color);
        table.emplace("TextColor", PropertyType::Color);
        table.emplace("TextUnit", PropertyType::TextUnit);
        return table;
    }();
    return types;
}

PropertyType typeOf(std::string_view name) {
    const auto& types = propertyTypes();
    const auto found = types.find(name);
    if (found == types.end()) {
        throw UnsupportedFormatException("unknown layout property \"" + std::string(name) + "\"");
    }
    return found->second;
}

const char* typeName(PropertyType type) {
    switch (type) {
        case PropertyType::Integer:
            return "an Integer";
        case PropertyType::Boolean:
            return "a Boolean";
        case PropertyType::Single:
            return "a Single";
        case PropertyType::Color:
            return "a Color";
        case PropertyType::String:
            return "a String";
        case PropertyType::TextUnit:
            return "a TextUnit";
    }
    return "";
}

void appendLittleEndian(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

class Reader {
  public:
    explicit Reader(std::string_view record) : record_(record) {}

    bool atEnd() const { return position_ == record_.size(); }

    std::string_view name() {
        const std::size_t blank = record_.find(' ', position_);
        if (blank == std::string_view::npos) {
            throw UnsupportedFormatException("layout record ends inside the name \"" +
                                             std::string(record_.substr(position_)) + "\"");
        }
        const std::string_view name = record_.substr(position_, blank - position_);
        position_ = blank + 1;
        return name;
    }

    std::uint64_t littleEndian(int bytes, std::string_view property) {
        const std::string_view raw = take(static_cast<std::size_t>(bytes), property);
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>(raw[i])) << (8 * i);
        }
        return value;
    }

    std::string_view take(std::size_t count, std::string_view property) {
        if (record_.size() - position_ < count) {
            throw UnsupportedFormatException("layout record ends inside property \"" +
                                             std::string(property) + "\"");
        }
        const std::string_view bytes = record_.substr(position_, count);
        position_ += count;
        return bytes;
    }

  private:
    std::string_view record_;
    std::size_t position_ = 0;
};

}  // namespace

std::string EncodeLayoutRecord(const std::vector<LayoutProperty>& properties) {
    std::string record;
    for (const LayoutProperty& property : properties) {
        const PropertyType type = typeOf(property.name);
        if (property.value.index() != static_cast<std::size_t>(type)) {
            throw TypeMismatchException("layout property \"" + property.name + "\" takes " +
                                        typeName(type));
        }
        record += property.name;
        record += ' ';
        switch (type) {
            case PropertyType::Integer:
                appendLittleEndian(
                    record, static_cast<std::uint64_t>(std::get<Integer>(property.value)), 8);
                break;
            case PropertyType::Boolean:
                record += static_cast<char>(std::get<Boolean>(property.value) ? 1 : 0);
                break;
            case PropertyType::Single:
                appendLittleEndian(
                    record, std::bit_cast<std::uint32_t>(std::get<float>(property.value)), 4);
                break;
            case PropertyType::Color:
                appendLittleEndian(record, std::get<Color>(property.value).value, 4);
                break;
            case PropertyType::String: {
                const std::string& text = std::get<std::string>(property.value);
                appendLittleEndian(record, text.size(), 4);
                record += text;
                break;
            }
            case PropertyType::TextUnit:
                record += static_cast<char>(std::get<TextUnit>(property.value).value);
                break;
        }
    }
    return record;
}

std::vector<LayoutProperty> DecodeLayoutRecord(std::string_view record) {
    std::vector<LayoutProperty> properties;
    Reader reader(record);
    while (!reader.atEnd()) {
        const std::string_view name = reader.name();
        LayoutProperty property{std::string(name), {}};
        switch (typeOf(name)) {
            case PropertyType::Integer:
                property.value = static_cast<Integer>(reader.littleEndian(8, name));
                break;
            case PropertyType::Boolean: {
                const auto flag = reader.littleEndian(1, name);
                if (flag > 1) {
                    throw UnsupportedFormatException("layout property \"" + property.name +
                                                     "\" holds no Boolean");
                }
                property.value = flag == 1;
                break;
            }
            case PropertyType::Single:
                property.value =
                    std::bit_cast<float>(static_cast<std::uint32_t>(reader.littleEndian(4, name)));
                break;
            case PropertyType::Color:
                property.value = Color{static_cast<std::uint32_t>(reader.littleEndian(4, name))};
                break;
            case PropertyType::String: {
                const auto length = reader.littleEndian(4, name);
                property.value = std::string(reader.take(length, name));
                break;
            }
            case PropertyType::TextUnit:
                property.value = TextUnit{static_cast<std::uint8_t>(reader.littleEndian(1, name))};
                break;
        }
        properties.push_back(std::move(property));
    }
    return properties;
}
