#include "propertybag.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace platform {

namespace {

std::string_view Trim(std::string_view s)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::int32_t PropertyBag::ReadProperty(std::string_view key, std::int32_t defaultValue) const
{
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    return it == entries_.end() ? defaultValue : it->second;
}

void PropertyBag::WriteProperty(std::string_view key, std::int32_t value, std::int32_t defaultValue)
{
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    if (value == defaultValue) {
        if (it != entries_.end())
            entries_.erase(it);
    } else if (it != entries_.end()) {
        it->second = value;
    } else {
        entries_.emplace_back(std::string(key), value);
    }
}

bool PropertyBag::Contains(std::string_view key) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
}

std::string PropertyBag::ToText() const
{
    std::string text;
    for (const auto& [key, value] : entries_)
        text += key + " = " + std::to_string(value) + "\n";
    return text;
}

PropertyBag PropertyBag::FromText(std::string_view text)
{
    PropertyBag bag;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty())
            continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            throw std::invalid_argument("property line without '=': " + std::string(line));
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view number = Trim(line.substr(equals + 1));
        std::int32_t value = 0;
        const auto [rest, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (key.empty() || number.empty() || error != std::errc{} || rest != number.data() + number.size())
            throw std::invalid_argument("malformed property line: " + std::string(line));
        if (bag.Contains(key))
            throw std::invalid_argument("property given twice: " + std::string(key));
        bag.entries_.emplace_back(std::string(key), value);
    }
    return bag;
}

} // namespace platform
