#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The saved properties of one control: 32-bit integer values under text keys, in the order written.
// Its text form, one "Key = value" line each, is how a form's design keeps them.
class PropertyBag {
public:
    // The stored value, or defaultValue when the key is missing.
    std::int32_t ReadProperty(std::string_view key, std::int32_t defaultValue) const;
    // Stores the value, or removes the key when the value equals defaultValue.
    void WriteProperty(std::string_view key, std::int32_t value, std::int32_t defaultValue);

    bool Contains(std::string_view key) const;
    bool empty() const { return entries_.empty(); }

    std::string ToText() const;
    // Parses ToText's form; blank lines are skipped. Throws std::invalid_argument on anything else.
    static PropertyBag FromText(std::string_view text);

private:
    std::vector<std::pair<std::string, std::int32_t>> entries_;
};

} // namespace platform
