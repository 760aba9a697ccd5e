#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Style of the pixel flicker. A closed set of three cases; the raw value is the
// only persisted form, the title is for display (untranslated; the list
// translates it) and is never parsed.
class FlickerMode {
public:
    enum class Case { soft, pulse, jitter };

    static const FlickerMode soft;
    static const FlickerMode pulse;
    static const FlickerMode jitter;

    constexpr explicit FlickerMode(Case value)
        : m_case(value) {}

    // Exact, case-sensitive match on the raw value; anything else gives no value.
    static std::optional<FlickerMode> fromRawValue(std::string_view raw);
    static const std::array<FlickerMode, 3>& allCases();

    constexpr Case value() const { return m_case; }
    constexpr int ordinal() const { return static_cast<int>(m_case); }
    std::string_view rawValue() const;
    std::string_view title() const;

    friend constexpr bool operator==(FlickerMode a, FlickerMode b) { return a.m_case == b.m_case; }

private:
    Case m_case;
};

inline constexpr FlickerMode FlickerMode::soft{FlickerMode::Case::soft};
inline constexpr FlickerMode FlickerMode::pulse{FlickerMode::Case::pulse};
inline constexpr FlickerMode FlickerMode::jitter{FlickerMode::Case::jitter};
